// The checks shared by the windows of Zn: a whole modulus and element within 32 bits.
#pragma once

#include <optional>
#include <string>

class QLineEdit;
class QWidget;

namespace zefra::gui {

// The messages of one window, in the order its checks run.
struct MensajesModulo {
    const char* noNumerico;
    const char* noPositivo;
    const char* demasiadoGrande;
};
struct MensajesElemento {
    const char* noNumerico;
    const char* fueraDeRango;
};

// Reads a modulus: numeric, positive, at most 2147483647 and whole. Shows the message of the
// first failed check and returns nothing then.
std::optional<double> leeModulo(QWidget* ventana, const QLineEdit* campo,
                                const MensajesModulo& mensajes);
// Reads an element: numeric, between −2147483647 and 2147483647, and whole.
std::optional<double> leeElemento(QWidget* ventana, const QLineEdit* campo,
                                  const MensajesElemento& mensajes);

}  // namespace zefra::gui
