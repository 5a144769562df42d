// What a dialog manager does with whatever a dialog's handler leaves to it, written once for
// every host: the first tab stop takes the focus when initialisation asks for it, an
// unhandled OK or Cancel ends the dialog with its id, and a key the handler declines is OK
// for Enter and Cancel for Escape. A host calls these where its toolkit does not already do
// the same (the Windows dialog manager gives the focus and turns Enter and Escape into OK
// and Cancel itself).
#pragma once

#include "platform/platform.hpp"

namespace tomaro::platform {

// OnInitDialog, then the control that takes the focus: the template's first tab stop that
// is enabled when OnInitDialog answered true, otherwise (or if there is none) 0. The host
// gives the focus its own way: it is the dialog manager's move, not the handler's.
template <typename IsEnabled>
int InitDialog(DialogHandler& handler, DialogWindow& window, const DialogTemplate& t,
               IsEnabled is_enabled) {
    if (!handler.OnInitDialog(window)) return 0;
    for (const ControlTemplate& c : t.controls)
        if (c.tabStop && c.id != kNoId && is_enabled(c.id)) return c.id;
    return 0;
}

// A button click or a menu command: the handler first; unhandled, OK and Cancel (the close
// command arrives as Cancel) end the dialog with their id. Answers whether anything took it.
inline bool SendCommand(DialogHandler& handler, DialogWindow& window, int id) {
    if (handler.OnCommand(id)) return true;
    if (id != IDOK && id != IDCANCEL) return false;
    window.EndDialog(id);
    return true;
}

// A key-down: the handler first; declined, Enter is OK and Escape is Cancel. Answers
// whether anything took it.
inline bool SendKeyDown(DialogHandler& handler, DialogWindow& window, int virtual_key,
                        vk::Modifiers held) {
    if (handler.PreTranslateKeyDown(virtual_key, held)) return true;
    if (virtual_key == vk::kReturn) return SendCommand(handler, window, IDOK);
    if (virtual_key == vk::kEscape) return SendCommand(handler, window, IDCANCEL);
    return false;
}

}  // namespace tomaro::platform
