// tomaro-tui: the calculator in a terminal.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string_view>

#include "platform/terminal/terminal_platform.hpp"
#include "platform/terminal/terminal_session.hpp"
#include "resources/resources.hpp"
#include "shell/calc_app.hpp"

namespace {

constexpr std::string_view kUsage =
    "Usage: tomaro-tui [--help | --version]\n"
    "The Tomaro -Quillet- calculator in this terminal: keys and mouse as in the window;\n"
    "Ctrl+C or Ctrl+Q ends it. See tomaro-tui(1).\n";

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1) {
        const std::string_view option = argv[1];
        if (argc == 2 && option == "--help") {
            std::fputs(kUsage.data(), stdout);
            return 0;
        }
        if (argc == 2 && option == "--version") {
            const auto version = tomaro::Version().version;
            std::printf("Tomaro -Quillet- Version %.*s\n", static_cast<int>(version.size()),
                        version.data());
            return 0;
        }
        std::fprintf(stderr, "tomaro-tui: unknown argument '%s'\n%s", argv[1], kUsage.data());
        return 2;
    }
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) {
        std::fputs(
            "tomaro-tui: standard input and output must be a terminal; tomaro-cli plays "
            "the same calculator from a script.\n",
            stderr);
        return 1;
    }
    bool terminal_gone = false;
    try {
        tomaro::platform::terminal::TerminalSession session;
        tomaro::platform::terminal::TerminalPlatform platform(session);
        tomaro::CCalcApp().InitInstance(platform);  // returns when the dialog has ended
        terminal_gone = platform.InputEnded();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tomaro-tui: %s\n", e.what());
        return 1;
    }
    tomaro::platform::terminal::TerminalSession::RaisePendingSignal();
    if (terminal_gone) {
        std::fputs("tomaro-tui: the terminal is gone (its input ended or failed)\n", stderr);
        return 1;
    }
    return 0;
}
