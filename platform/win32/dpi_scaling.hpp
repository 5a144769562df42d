// The dialogs at the pixel density of the monitor they are on. The manifest makes the program
// per-monitor DPI aware: Windows then lets it draw at the real pixel density instead of
// stretching a 96-DPI picture, and the program scales itself. The dialog manager lays a
// dialog out once, at the DPI it is created at; when the window moves to a monitor of
// another DPI (WM_DPICHANGED), the functions here lay it out again as the dialog manager
// would have at the new DPI. The calls that exist only on Windows 10 are looked up at run
// time, so that the program still starts on Windows 7 and 8.1, where one DPI holds for
// every window.
#pragma once

#include "platform/win32/windows_api.hpp"
#include "resources/dialog_template.hpp"

namespace tomaro::platform::win32 {

inline constexpr UINT kDefaultDpi = 96;

// The DPI the window is drawn at: its monitor's on Windows 10, the screen's before.
UINT WindowDpi(HWND window);

// Keeps the dialog manager of Windows 10 (version 1703 on) from rescaling the dialog by its
// own rules as well: LayOutDialog does it, the same way on every version.
void TakeOverDpiScaling(HWND dialog);

// The template's font at a DPI, with the face, weight and character set the dialog manager
// gave the dialog's own font. The caller owns it.
HFONT CreateDialogFont(HWND dialog, const DialogTemplate& t, UINT dpi);

// The size of the dialog's window, frame included, laid out at that DPI.
SIZE ScaledWindowSize(HWND dialog, const DialogTemplate& t, UINT dpi);

// Places and sizes every control by the font's base units, gives each the font, and moves
// the window to `position` at its size for the DPI.
void LayOutDialog(HWND dialog, const DialogTemplate& t, HFONT font, UINT dpi, POINT position);

// The display's font at a DPI other than 96: the system font's face and weight, at its
// 96-DPI size (which the display was made for) scaled. At 96 DPI the display keeps the
// system font itself. The caller owns it.
HFONT CreateDisplayFont(UINT dpi);

// The width of the display's lines: whole pixels, so that they stay sharp.
int LineWidth(UINT dpi);

}  // namespace tomaro::platform::win32
