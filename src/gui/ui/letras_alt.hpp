// Alt letters for the entries of a menu: each entry without one gets the first letter of its
// caption that no other entry of the same menu uses, preferring the start of a word. The
// captions are otherwise unchanged.
#pragma once

class QMenu;

namespace zefra::gui {

// For `menu` and every submenu under it.
void ponLetrasAlt(QMenu* menu);

}  // namespace zefra::gui
