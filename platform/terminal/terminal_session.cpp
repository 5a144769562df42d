#include "platform/terminal/terminal_session.hpp"

#include <curses.h>

#include <langinfo.h>
#include <clocale>
#include <cstring>
#include <stdexcept>

#include "platform/terminal/terminal_keys.hpp"

namespace tomaro::platform::terminal {
namespace {

constexpr int kEscapeDelayMs = 25;  // Escape alone, not the start of a sequence
constexpr const char* kMenuKeySequence = "\033[29~";

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

volatile std::sig_atomic_t g_pending_signal = 0;
volatile std::sig_atomic_t g_curses_active = 0;

extern "C" void OnEndingSignal(int signal) {
    g_pending_signal = signal;
}

// Not strictly safe in a signal handler, but the program is going down either way and a
// terminal left in raw mode is worse.
extern "C" void OnCrash(int signal) {
    if (g_curses_active != 0) endwin();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void Install(int signal, void (*handler)(int), int flags) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    sigaction(signal, &action, nullptr);
}

// Wide characters need a UTF-8 locale; without one in the environment, C.UTF-8 stands in.
void UseUtf8Locale() {
    std::setlocale(LC_ALL, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

TerminalSession::TerminalSession() {
    UseUtf8Locale();
    set_escdelay(kEscapeDelayMs);
    if (newterm(nullptr, stdout, stdin) == nullptr)
        throw std::runtime_error("cannot use this terminal (TERM is unknown or unsuitable)");
    g_curses_active = 1;
    for (const int s : kEndingSignals)
        Install(s, OnEndingSignal, 0);  // no SA_RESTART: a waiting read returns at once
    for (const int s : kCrashSignals)
        Install(s, OnCrash, static_cast<int>(SA_RESETHAND));
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    curs_set(0);
    mousemask(BUTTON1_PRESSED | BUTTON3_PRESSED, nullptr);
    mouseinterval(0);  // a press acts at once; no waiting to see whether it becomes a click
    define_key(kMenuKeySequence, MenuKeyCode());
}

TerminalSession::~TerminalSession() {
    mousemask(0, nullptr);
    endwin();
    g_curses_active = 0;
    for (const int s : kCrashSignals)
        std::signal(s, SIG_DFL);
}

int TerminalSession::PendingSignal() {
    return g_pending_signal;
}

void TerminalSession::RaisePendingSignal() {
    const int s = g_pending_signal;
    if (s == 0) return;
    std::signal(s, SIG_DFL);
    std::raise(s);
}

}  // namespace tomaro::platform::terminal
