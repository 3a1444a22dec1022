#include "core/alphabets/nombres.hpp"

#include "core/alphabets/activo.hpp"

namespace zefra {
namespace {

constexpr const char* kMensajeSoloEspacios =
    "El nombre no puede estar formado únicamente por espacios en blanco.";
// An alphabet file whose name line starts with a blank is refused when it is opened.
constexpr const char* kMensajeEmpiezaPorEspacio =
    "El nombre no puede empezar por un espacio en blanco.";

std::optional<std::string> rechazoDeEspacios(std::string_view nombre) {
    if (nombre.find_first_not_of(' ') == std::string_view::npos) return kMensajeSoloEspacios;
    if (nombre.front() == ' ') return kMensajeEmpiezaPorEspacio;
    return std::nullopt;
}

}  // namespace

bool nombreAlfabetoUsado(const RanurasAlfabeto& ranuras, std::string_view nombre) {
    return esPredefinido(nombre) || ranuraDe(ranuras, nombre).has_value();
}

std::optional<std::string> rechazoNombreNuevo(const RanurasAlfabeto& ranuras,
                                              std::string_view nombre) {
    if (nombre.empty()) return "Debes poner un nombre al alfabeto.";
    if (nombreAlfabetoUsado(ranuras, nombre)) {
        return "Este nombre ya corresponde a un alfabeto. Escribe otro, por favor.";
    }
    return rechazoDeEspacios(nombre);
}

std::optional<std::string> rechazoCambioNombre(const RanurasAlfabeto& ranuras, int propia,
                                               std::string_view nombre) {
    for (int i = 0; i < kRanurasAlfabeto; ++i) {
        const auto& ranura = ranuras[static_cast<std::size_t>(i)];
        if (i != propia && !ranura.libre && ranura.alfabeto.nombre == nombre)
            return kMensajeNombreDeOtro;
    }
    if (esPredefinido(nombre)) return kMensajeNombreDeOtro;
    if (nombre.empty()) return "Se le ha de poner un nombre.";
    return rechazoDeEspacios(nombre);
}

}  // namespace zefra
