// The services the dialog's logic needs of a windowing system, and nothing more: a modal
// dialog built from a template, its controls by id, timers, menus, the clipboard, what
// screen readers are told, the display control's device context and the window icon. shell/ is
// written against this header only. Four hosts implement it: platform/qt/ on Qt 6 Widgets,
// platform/win32/ on USER32 and GDI32, platform/terminal/ on ncurses, and platform/headless/
// with no window system (tomaro-cli, the tests and the benchmarks). What a dialog manager does
// for a handler is written once, in dialog_rules.hpp. Text crosses this boundary as UTF-8;
// positions are pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "display/canvas.hpp"
#include "platform/virtual_keys.hpp"  // the codes PreTranslateKeyDown carries
#include "resources/dialog_template.hpp"
#include "resources/resources.hpp"

namespace tomaro::platform {

struct Point {
    std::int32_t x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t cx = 0, cy = 0;
};

// The point a context menu request carries when it came from the keyboard.
inline constexpr Point kKeyboardMenuPoint{-1, -1};

// Drawing into a control outside its own paint cycle (get, draw, release). Text is drawn
// with a transparent background in the context's default font, colour and pen. The control
// keeps what was drawn: its own painting, and any repaint of the dialog, show the last
// drawing again, so nothing needs drawing twice.
class DeviceContext : public Canvas {
public:
    virtual Size TextExtent(std::string_view utf8) = 0;
    virtual Rect ClientRect() = 0;
};

// A dialog window as its logic sees it. Valid from OnInitDialog until the dialog has ended.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    virtual void EnableControl(int id, bool enabled) = 0;
    virtual void SetFocus(int id) = 0;
    virtual std::string ControlText(int id) = 0;
    virtual void SetControlText(int id, std::string_view utf8) = 0;
    virtual void SetInputLimit(int id, int limit) = 0;
    // What a screen reader announces for a control: its name (a change of it is announced),
    // and a longer description. The template's accessibleName is the first name of each
    // control; the platform gives it when it creates the control.
    virtual void SetAccessibleText(int id, std::string_view utf8) = 0;
    virtual void SetAccessibleDescription(int id, std::string_view utf8) = 0;
    // Has screen readers say a text now, wherever the focus is (a new value, a notice, an
    // error). It stays to be read until the next one; an empty text takes it back, so that
    // nothing stale is left to read. An alert tells of something the user did that failed or
    // stopped the keypad (a notice, the lock): a host that has a way to mark it (the terminal's
    // bell) uses it.
    virtual void Announce(std::string_view utf8, bool alert) = 0;

    // The system clipboard as plain text: empty when it holds no text.
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(std::string_view utf8) = 0;

    // A timer repeats until killed; setting a running timer again restarts it. Killing a
    // timer that does not run does nothing. Expiry arrives as DialogHandler::OnTimer.
    virtual void SetTimer(int timer_id, int milliseconds) = 0;
    virtual void KillTimer(int timer_id) = 0;

    // Shows the items as a popup menu with its top-left corner at a screen point; both
    // mouse buttons select, and a disabled item is grayed and cannot be chosen. The chosen item
    // arrives as DialogHandler::OnCommand.
    virtual void TrackPopupMenu(std::span<const MenuItem> items, Point screen) = 0;
    // The top-left corner of the client area, in screen coordinates.
    virtual Point ClientOrigin() = 0;
    // False where the window system gives the program no system menu to add to.
    virtual bool HasSystemMenu() = 0;
    virtual void AppendSystemMenu(const MenuItem& item) = 0;

    virtual void SetBigIcon(int icon_id) = 0;
    // While the window is minimised, draws its icon centred (where the platform leaves
    // that to the program) and answers true; otherwise answers false.
    virtual bool PaintMinimised() = 0;

    virtual std::unique_ptr<DeviceContext> GetDeviceContext(int control_id) = 0;

    virtual void EndDialog(int result) = 0;
};

// The message table of one dialog. Every handler has the platform's default behaviour;
// a dialog overrides what it handles.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;

    // The controls exist; the window is not yet shown. True gives the focus to the first
    // control with the tab-stop style.
    virtual bool OnInitDialog(DialogWindow& window) = 0;
    // A button click or a menu command. Unhandled, OK and Cancel (ids 1 and 2; the window's
    // close command arrives as Cancel) end the dialog with their id.
    virtual bool OnCommand(int /*id*/) { return false; }
    // Every key-down bound for the dialog or its controls, with the Windows virtual-key
    // code of the key and the modifiers held, before anything else sees it. True: handled, goes no
    // further.
    virtual bool PreTranslateKeyDown(int /*virtual_key*/, vk::Modifiers /*held*/) { return false; }
    // Screen point, or kKeyboardMenuPoint when asked for from the keyboard. Asked for from
    // anywhere in the dialog, a disabled control included; a read-only field's own menu
    // stays its own.
    virtual void OnContextMenu(Point /*screen*/) {}
    virtual bool OnSysCommand(int /*id*/) { return false; }
    // The dialog needs painting (the controls paint themselves).
    virtual void OnPaint() {}
    virtual void OnActivate(bool /*active*/) {}
    virtual void OnTimer(int /*timer_id*/) {}
    // The window moved to a screen of another pixel density and was laid out again: its
    // controls and fonts have new sizes, and whatever was measured of them is stale.
    virtual void OnDpiChanged() {}
};

class Platform {
public:
    virtual ~Platform() = default;
    // Creates the dialog from its template, runs it modally (over the dialog that is
    // running now, if any) and answers the result it ended with, or -1 if it could not
    // be created.
    virtual int DoModal(const DialogTemplate& t, DialogHandler& handler) = 0;
};

}  // namespace tomaro::platform
