// The four ways out of a result window: "Copiar todo", "Guardar como…", "Exportar a PDF…" and
// "Imprimir…", as actions of the window (Ctrl+S and Ctrl+P) and in the context menu of the
// widgets that show the result. A window only says what it shows:
//
//     equipaExportacion(*this, contexto, [this] {
//         Documento d{"TÍTULO", {{"Número", textoDe(campo_)}}};
//         d.bloques.push_back(rejilla_->bloque());
//         return d;
//     }, {rejilla_});
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/files/documento.hpp"
#include "core/files/ficheros_texto.hpp"
#include "gui/ui/contexto.hpp"

class QTextEdit;

namespace zefra::gui {

// Gives `ventana` the actions copiarTodo, guardarComo, exportarPDF and imprimir, and `vistas`
// (the widgets that show the result) a context menu with "Copiar" and the four. `documento`
// builds what the window shows when an action is taken; the date is filled in then.
void equipaExportacion(QWidget& ventana, Contexto& contexto, std::function<Documento()> documento,
                       std::initializer_list<QWidget*> vistas);

// The inputs of a document, caption and value, in order.
using Entradas = std::vector<std::pair<std::string, std::string>>;

// A rich text as the widget shows it: its HTML and its plain text.
BloqueRico bloqueRico(const QTextEdit& texto);

// A plain text (a reasoning, a label) as a block: its lines as they are, in the normal font.
BloqueRico bloquePlano(const QString& texto);

// The clear message for a failed save of `ruta`.
QString mensajeFalloEscritura(FalloEscritura fallo, const QString& ruta);

}  // namespace zefra::gui
