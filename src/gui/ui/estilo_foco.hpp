// A focus indication every control shows plainly: a 2-pixel ring in a dark blue that stands out
// from the window's grey at well over 3 : 1, on buttons, fields, text views and a grid's cell.
#pragma once

#include <QColor>

namespace zefra::gui {

// The colour of the ring (contrast 9 : 1 on the window background #efefef).
inline const QColor kColorFoco{0x0b, 0x3d, 0x91};

// Makes the application's style draw that ring, and repaint a view as it gains or loses focus.
void instalaEstiloFoco();

}  // namespace zefra::gui
