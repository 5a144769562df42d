// The frame a window manager puts around a top-level window, known before the window is
// mapped, so that the window can be placed frame included from the start.
#pragma once

#include <QMargins>

class QWidget;

namespace tomaro::platform::qt {

// Asked of an X11 window manager that offers it (_NET_REQUEST_FRAME_EXTENTS), in the
// window's own pixels; none without an X server, or from a manager that does not answer.
// Creates the native window if it has none yet.
QMargins ExpectedFrame(QWidget& window);

}  // namespace tomaro::platform::qt
