// Message boxes: title "Zefra", a single "Aceptar" button, the program's own texts.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace zefra {
class Tiempo;
}

namespace zefra::gui {

// The property the main window gets when the program is ending. From then on its windows show
// no message: a computation stopped on the way out would report a time-out that never was.
inline constexpr char kProgramaTerminando[] = "programaTerminando";

// Shows a modal message and returns when the user has answered it.
void mensaje(QWidget* padre, const QString& texto);
void mensaje(QWidget* padre, const char* texto);
void mensaje(QWidget* padre, const std::string& texto);

// A question that loses something on "Sí": "No" is the default and the answer to Escape.
bool pregunta(QWidget* padre, const QString& texto, const char* nombre);

// A computation that gave no result in time: "Se ha superado el tiempo establecido." when it ran
// out of its budget (the inverse of a negative element words it without the final full stop,
// `conPunto` false), or a window's own `texto`; kCalculoDetenido when the student stopped it.
void mensajeTiempoAgotado(QWidget* padre, const Tiempo& tiempo, bool conPunto = true);
void mensajeTiempoAgotado(QWidget* padre, const Tiempo& tiempo, const char* texto);
inline constexpr char kCalculoDetenido[] = "Cálculo detenido por el usuario.";

// Typed numbers have at most ten characters, a sign included. A longer text shows `aviso` and
// gives false.
bool longitudAdmitida(QWidget* ventana, const QLineEdit* campo,
                      const char* aviso = "No puede superar los once dígitos");

// The error trap's message: "<prefijo>:La operación ha producido el siguiente error:", two line
// breaks, the description.
void mensajeError(QWidget* padre, std::string_view prefijo, std::string_view descripcion);

}  // namespace zefra::gui
