// The platform on a terminal through ncurses: each dialog is a headless window (controls by
// id, timers, recorded drawing) that this host draws in character cells and runs with the
// terminal's keys, pastes and mouse and a real clock. Dialogs run modally one over another,
// drawn bottom to top; popup menus run modally over them.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "platform/headless/headless_platform.hpp"
#include "platform/terminal/screen_layout.hpp"
#include "platform/terminal/terminal_session.hpp"

namespace tomaro::platform::terminal {

class TerminalPlatform final : public Platform {
public:
    // The session must outlast the platform's dialogs.
    explicit TerminalPlatform(const TerminalSession& session);

    int DoModal(const DialogTemplate& t, DialogHandler& handler) override;

    // Ctrl+C, Ctrl+Q, an ending signal or the end of the terminal's input: every dialog
    // closes, innermost first.
    bool Quitting() const;
    // The terminal's input reached its end or failed: the terminal is gone.
    bool InputEnded() const { return input_ended_; }

private:
    struct OpenDialog {
        const DialogTemplate* t;
        headless::HeadlessWindow* window;
        std::int64_t clock_ms;          // how far its timers have run
        std::size_t popups_shown;       // of the popups its logic asked for
        int alerts_rung = 0;            // of the alerts it raised, those the bell has told
        std::uint64_t copies_sent = 0;  // of its clipboard writes, those the terminal got
    };
    struct OpenMenu {
        const headless::Popup* popup;
        int selected = -1;
    };
    struct Input {
        enum Kind { None, Character, FunctionKey, Paste, LeftPress, RightPress } kind = None;
        int code = 0;          // a character or a curses key code
        int col = 0, row = 0;  // of a press
        std::string text;      // of a paste, UTF-8
    };

    Input Wait();
    Input Read(int timeout_ms);
    bool SkipUnknownSequence();
    std::string ReadPaste();
    bool InputGone();
    void RunClocks();
    void Draw();
    void TellTerminal(OpenDialog& dialog);
    void Dispatch(OpenDialog& dialog, const Input& input);
    void ShowNewPopups(OpenDialog& dialog);
    std::optional<int> TrackPopupMenu(const headless::Popup& popup);
    std::int64_t Now() const;
    ScreenSize Screen() const;
    bool Fits() const;
    CellRect Anchor() const;  // the first dialog's box: the origin of screen points

    const TerminalSession& session_;
    std::deque<OpenDialog> open_;  // bottom to top; references stay valid as it grows
    std::optional<OpenMenu> menu_;
    bool keyboard_menu_ = false;  // the next menu was asked for from the keyboard
    bool quit_ = false;
    bool input_ended_ = false;
    // Copy and Paste within the program, which a paste from the terminal fills too: a
    // terminal offers no clipboard a program can read back.
    std::string clipboard_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace tomaro::platform::terminal
