// The terminal while the calculator owns it: full screen, raw keys, the mouse, no cursor.
// The terminal is given back as it was on every way out: the session's end, an exception
// that unwinds through it, a signal that ends the program, and a crash.
#pragma once

#include <csignal>
#include <string>

namespace tomaro::platform::terminal {

class TerminalSession {
public:
    // Throws std::runtime_error when the terminal cannot be set up (an unknown TERM).
    TerminalSession();
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // A signal asked the program to end (0: none); the host closes its dialogs when it sees
    // one, and the program raises it again once the terminal is restored.
    static int PendingSignal();
    // Ends the program with the pending signal, if any, as its default action would.
    static void RaisePendingSignal();
};

}  // namespace tomaro::platform::terminal
