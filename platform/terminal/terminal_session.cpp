#include "platform/terminal/terminal_session.hpp"

#include <curses.h>
#include <term.h>
#include <unistd.h>

#include <langinfo.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "platform/terminal/terminal_keys.hpp"
#include "platform/terminal/terminal_text.hpp"

namespace tomaro::platform::terminal {
namespace {

// A sequence is one key only when it arrives at once, as a terminal sends a key; Escape
// followed by other keys, however soon, stays Escape and those keys.
constexpr int kEscapeDelayMs = 0;
constexpr std::string_view kNumericKeypad = "\033>";  // DECKPNM: keys send what they show
constexpr std::string_view kPasteOn = "\033[?2004h";
constexpr std::string_view kPasteOff = "\033[?2004l";
constexpr std::string_view kRemedy = "; start it as TERM=xterm-256color tomaro-tui";

// Every signal whose default action ends the program. Those that dump core as well end it
// the same way, through the host, once the terminal is back.
constexpr int kEndingSignals[] = {SIGINT,    SIGTERM, SIGHUP,  SIGQUIT,   SIGUSR1,
                                  SIGUSR2,   SIGALRM, SIGPIPE, SIGPOLL,   SIGPROF,
                                  SIGVTALRM, SIGXCPU, SIGXFSZ, SIGSTKFLT, SIGPWR};
constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGSYS, SIGTRAP};

volatile std::sig_atomic_t g_pending_signal = 0;
volatile std::sig_atomic_t g_curses_active = 0;

extern "C" void OnEndingSignal(int signal) {
    g_pending_signal = signal;
}

// Control strings of the host's own go straight to the terminal: curses has flushed what it
// sent before (it flushes after each update and each mode change), so they keep their order.
void Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (n <= 0) return;  // a terminal that is gone takes nothing
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

// Not strictly safe in a signal handler, but the program is going down either way and a
// terminal left in raw mode is worse.
extern "C" void OnCrash(int signal) {
    if (g_curses_active != 0) {
        Send(kPasteOff);
        endwin();
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// A signal the program was started with ignored (nohup, a shell's trap) stays ignored.
void Install(int signal, void (*handler)(int), int flags) {
    struct sigaction old {};
    if (sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    sigaction(signal, &action, nullptr);
}

void ForEachEndingSignal(void (*handler)(int)) {
    for (const int s : kEndingSignals)
        Install(s, handler, 0);  // no SA_RESTART: a waiting read returns at once
    for (int s = SIGRTMIN; s <= SIGRTMAX; ++s)
        Install(s, handler, 0);
}

bool Present(const char* capability) {
    return capability != nullptr && capability != reinterpret_cast<char*>(-1);
}

// EUC encodings keep their double-byte set in G1. Curses' line drawing takes G1 on terminals
// whose description shifts to it (tmux, screen, the Linux console); there the set is given
// back to the encoding and lines are drawn in ASCII. The designation, else none.
std::string_view EucSetTakenByLineDrawing() {
    static constexpr std::pair<std::string_view, std::string_view> kEucSets[] = {
        {"EUC-JP", "\033$)B"}, {"EUC-KR", "\033$)C"}, {"EUC-CN", "\033$)A"},
        {"GB2312", "\033$)A"}, {"EUC-TW", "\033$)G"},
    };
    const std::string_view codeset = nl_langinfo(CODESET);
    const auto* set =
        std::ranges::find(kEucSets, codeset, &std::pair<std::string_view, std::string_view>::first);
    if (set == std::end(kEucSets)) return {};
    const char* enable = tigetstr("enacs");
    const char* start = tigetstr("smacs");
    const bool takes_g1 =
        (Present(enable) && std::string_view(enable).find("\033)") != std::string_view::npos) ||
        (Present(start) && std::string_view(start).find('\016') != std::string_view::npos);
    return takes_g1 ? set->second : std::string_view();
}

// Refuses a terminal that curses could start on but not draw in, before anything is sent.
void RequireUsableTerminal() {
    const char* term = std::getenv("TERM");
    if (term == nullptr || *term == '\0')
        throw std::runtime_error("TERM is not set, so the terminal's type is unknown" +
                                 std::string(kRemedy));
    const std::string named = "TERM=" + std::string(term);
    int status = 0;
    if (setupterm(term, STDOUT_FILENO, &status) != OK) {
        throw std::runtime_error(
            status == 0
                ? "this system has no description of the terminal type " + named +
                      " (the Debian package ncurses-term has many more)" + std::string(kRemedy)
                : "no terminal descriptions (terminfo) are installed" + std::string(kRemedy));
    }
    const bool usable = Present(tigetstr("cup"));
    del_curterm(cur_term);
    if (!usable)
        throw std::runtime_error("the terminal type " + named +
                                 " cannot place the cursor, so the calculator cannot be drawn" +
                                 std::string(kRemedy));
}

}  // namespace

TerminalSession::TerminalSession() {
    UseTerminalLocale();
    RequireUsableTerminal();
    // The terminal's real size, never an exported COLUMNS or LINES (with them set, curses
    // would keep their size through every resize too).
    unsetenv("COLUMNS");
    unsetenv("LINES");
    set_escdelay(kEscapeDelayMs);
    if (newterm(nullptr, stdout, stdin) == nullptr)
        throw std::runtime_error("cannot use the terminal type TERM=" +
                                 std::string(std::getenv("TERM")) + std::string(kRemedy));
    g_curses_active = 1;
    ForEachEndingSignal(OnEndingSignal);
    for (const int s : kCrashSignals)
        Install(s, OnCrash, static_cast<int>(SA_RESETHAND));
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);  // sends the description's keypad-transmit string: cursor keys
    Send(kNumericKeypad);
    Send(kPasteOn);
    if (const std::string_view g1 = EucSetTakenByLineDrawing(); !g1.empty()) {
        Send(g1);
        UseAsciiLines();
    }
    curs_set(0);
    mousemask(BUTTON1_PRESSED | BUTTON3_PRESSED, nullptr);
    mouseinterval(0);  // a press acts at once; no waiting to see whether it becomes a click
    for (const KeySequence& s : DefinedSequences(std::getenv("TERM"))) {
        const std::string sequence(s.sequence);
        if (s.replaces)
            define_key(sequence.c_str(), 0);
        else if (key_defined(sequence.c_str()) != 0)
            continue;
        define_key(sequence.c_str(), s.code);
    }
}

TerminalSession::~TerminalSession() {
    // A terminal without an alternate screen (the Linux console) keeps what was drawn: it is
    // left blank rather than showing a calculator that no longer runs.
    if (!Present(tigetstr("rmcup"))) {
        werase(stdscr);
        wrefresh(stdscr);
    }
    Send(kPasteOff);
    mousemask(0, nullptr);
    endwin();
    g_curses_active = 0;
    for (const int s : kCrashSignals)
        std::signal(s, SIG_DFL);
}

void TerminalSession::SetTerminalClipboard(std::string_view utf8) const {
    char* const set_clipboard = tigetstr("Ms");
    if (!Present(set_clipboard)) return;
    static constexpr char kBase64[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    for (std::size_t i = 0; i < utf8.size(); i += 3) {
        std::uint32_t group = 0;
        const std::size_t n = std::min<std::size_t>(3, utf8.size() - i);
        for (std::size_t k = 0; k < 3; ++k)
            group = (group << 8) | (k < n ? static_cast<unsigned char>(utf8[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            encoded += k <= n ? kBase64[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    if (const char* request = tiparm(set_clipboard, "c", encoded.c_str())) Send(request);
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
