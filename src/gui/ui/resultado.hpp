// A refused input clears what the window showed and disables what depends on it: nothing of an
// earlier result stays beside a message. Every computing button calls this first, before any
// check, with the widgets that show its result and the controls that act on that result; a
// refusal, whichever check makes it, then finds them empty, and a run that succeeds fills them
// again. A run that times out or fails keeps only what it wrote itself.
#pragma once

#include <initializer_list>

class QWidget;

namespace zefra::gui {

// Empties each view (a line edit, a text box, a label; a drop-down list loses its items and
// keeps what is typed in it) and disables each control in `dependientes`.
void vaciaResultado(std::initializer_list<QWidget*> vistas,
                    std::initializer_list<QWidget*> dependientes = {});

}  // namespace zefra::gui
