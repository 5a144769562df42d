// The terminal while the calculator owns it: full screen, raw keys, the mouse, bracketed
// paste, the keypad in numeric mode, no cursor. The terminal is given back as it was on every
// way out: the session's end, an exception that unwinds through it, any signal that ends the
// program, and a crash.
#pragma once

#include <csignal>
#include <string>
#include <string_view>

namespace tomaro::platform::terminal {

class TerminalSession {
public:
    // Throws std::runtime_error, its message naming TERM and a remedy, when the terminal
    // cannot be used: TERM unset, unknown here, or a type that cannot place the cursor.
    TerminalSession();
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // Puts the text on the terminal's own clipboard (OSC 52) where its description says it
    // takes one, with the next update of the screen.
    void SetTerminalClipboard(std::string_view utf8) const;

    // A signal asked the program to end (0: none); the host closes its dialogs when it sees
    // one, and the program raises it again once the terminal is restored.
    static int PendingSignal();
    // Ends the program with the pending signal, if any, as its default action would.
    static void RaisePendingSignal();
};

}  // namespace tomaro::platform::terminal
