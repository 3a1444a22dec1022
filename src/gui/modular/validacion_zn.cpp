#include "gui/modular/validacion_zn.hpp"

#include <QLineEdit>

#include "core/shell/numeros.hpp"
#include "gui/ui/mensajes.hpp"
#include "gui/ui/textos.hpp"

namespace zefra::gui {

std::optional<double> leeModulo(QWidget* ventana, const QLineEdit* campo,
                                const MensajesModulo& mensajes) {
    const auto n = leeNumero(textoDe(campo));
    if (!n) {
        mensaje(ventana, mensajes.noNumerico);
    } else if (*n > kMayorEntero32) {
        mensaje(ventana, mensajes.demasiadoGrande);
    } else if (*n <= 0) {
        mensaje(ventana, mensajes.noPositivo);
    } else if (!esEntero(*n)) {
        // A fractional modulus would make every equation of the reasoning false.
        mensaje(ventana, "El módulo ha de ser un número entero.");
    } else {
        return n;
    }
    return std::nullopt;
}

std::optional<double> leeElemento(QWidget* ventana, const QLineEdit* campo,
                                  const MensajesElemento& mensajes) {
    const auto a = leeNumero(textoDe(campo));
    if (!a) {
        mensaje(ventana, mensajes.noNumerico);
    } else if (std::fabs(*a) > kMayorEntero32) {
        mensaje(ventana, mensajes.fueraDeRango);
    } else if (!esEntero(*a)) {
        mensaje(ventana, "El número de clase ha de ser un número entero.");
    } else {
        return a;
    }
    return std::nullopt;
}

}  // namespace zefra::gui
