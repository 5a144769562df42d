// The platform on a terminal through ncurses: each dialog is a headless window (controls by
// id, timers, recorded drawing) that this host draws in character cells and runs with the
// terminal's keys and mouse and a real clock. Dialogs run modally one over another, drawn
// bottom to top; popup menus run modally over them.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "platform/headless/headless_platform.hpp"
#include "platform/terminal/screen_layout.hpp"

namespace tomaro::platform::terminal {

class TerminalPlatform final : public Platform {
public:
    // Needs a TerminalSession for as long as dialogs run.
    TerminalPlatform();

    int DoModal(const DialogTemplate& t, DialogHandler& handler) override;

    // Ctrl+C, Ctrl+Q or an ending signal: every dialog closes, innermost first.
    bool Quitting() const;

private:
    struct OpenDialog {
        const DialogTemplate* t;
        headless::HeadlessWindow* window;
        std::int64_t clock_ms;     // how far its timers have run
        std::size_t popups_shown;  // of the popups its logic asked for
    };
    struct OpenMenu {
        const headless::Popup* popup;
        int selected = -1;
    };
    struct Input {
        enum Kind { None, Character, FunctionKey, LeftPress, RightPress } kind = None;
        int code = 0;          // a character or a curses key code
        int col = 0, row = 0;  // of a press
    };

    Input Wait();
    void RunClocks();
    void Draw();
    void Dispatch(OpenDialog& dialog, const Input& input);
    void ShowNewPopups(OpenDialog& dialog);
    std::optional<int> TrackPopupMenu(const headless::Popup& popup);
    std::int64_t Now() const;
    ScreenSize Screen() const;
    bool Fits() const;
    CellRect Anchor() const;  // the first dialog's box: the origin of screen points

    std::deque<OpenDialog> open_;  // bottom to top; references stay valid as it grows
    std::optional<OpenMenu> menu_;
    bool quit_ = false;
    // Copy and Paste within the program: a terminal offers no clipboard it can read back.
    std::string clipboard_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace tomaro::platform::terminal
