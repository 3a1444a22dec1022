// The list of lines as a screen reader meets it: a list whose items are its lines, the current
// one spoken as the focus moves.
#pragma once

#include <QString>

class QAccessibleInterface;
class QWidget;

namespace zefra::gui {

// The accessible interface of a VistaLineas (nullptr for any other class name).
QAccessibleInterface* listaAccesible(const QString& clase, QWidget* widget);

}  // namespace zefra::gui
