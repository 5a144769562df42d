#include "platform/terminal/terminal_platform.hpp"

#include <curses.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <utility>

#include "platform/terminal/cell_text.hpp"
#include "platform/terminal/control_look.hpp"
#include "platform/terminal/dialog_painter.hpp"
#include "platform/terminal/terminal_keys.hpp"
#include "platform/terminal/terminal_session.hpp"

namespace tomaro::platform::terminal {
namespace {

// However long until the next timer, the host looks up this often (a signal may be pending).
constexpr int kLongestWaitMs = 500;
constexpr int kEscapeChar = 27;
// A paste whose end never comes ends after this long without input; a longer one than any
// number could be is refused whole.
constexpr int kPasteSilenceMs = 1000;
constexpr std::size_t kLongestPaste = 64 * 1024;

// The device context's client rectangle: inside the frame of the template's framed area.
Rect DisplayClientRect(const DialogTemplate& t) {
    for (const ControlTemplate& c : t.controls) {
        if (LookOf(c) != Look::Framed) continue;
        const CellRect r = ToCells(c.rect);
        return {0, 0, (r.cols - 2) * kCellPixelWidth, (r.rows - 2) * kCellPixelHeight};
    }
    return {};
}

// Separators and grayed items cannot be chosen.
bool Choosable(const headless::Popup& popup, int item) {
    if (item < 0 || item >= static_cast<int>(popup.items.size())) return false;
    const int id = popup.items[static_cast<std::size_t>(item)].first;
    return id != 0 &&
           std::find(popup.disabled.begin(), popup.disabled.end(), id) == popup.disabled.end();
}

// The next choosable item from `from` in a direction; -1 if there is none.
int NextItem(const headless::Popup& popup, int from, int step) {
    const int count = static_cast<int>(popup.items.size());
    int i = from;
    for (int tried = 0; tried < count; ++tried) {
        i = i < 0 ? (step > 0 ? 0 : count - 1) : (i + step + count) % count;
        if (Choosable(popup, i)) return i;
    }
    return -1;
}

int ItemOfMnemonic(const headless::Popup& popup, int code) {
    if (code <= 0 || code >= 128) return -1;
    for (std::size_t i = 0; i < popup.items.size(); ++i) {
        const char m = WithoutMnemonics(popup.items[i].second).mnemonic;
        if (Choosable(popup, static_cast<int>(i)) && m != 0 &&
            std::toupper(static_cast<unsigned char>(m)) == std::toupper(code))
            return static_cast<int>(i);
    }
    return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

TerminalPlatform::TerminalPlatform(const TerminalSession& session)
    : session_(session), start_(std::chrono::steady_clock::now()) {}

bool TerminalPlatform::Quitting() const {
    return quit_ || input_ended_ || TerminalSession::PendingSignal() != 0;
}

std::int64_t TerminalPlatform::Now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start_)
        .count();
}

ScreenSize TerminalPlatform::Screen() const {
    return {COLS, LINES};
}

bool TerminalPlatform::Fits() const {
    if (open_.empty()) return true;
    const ScreenSize needed = MinimumSize(*open_.front().t);
    return COLS >= needed.cols && LINES >= needed.rows;
}

CellRect TerminalPlatform::Anchor() const {
    return open_.empty() ? CellRect{} : PlaceDialog(*open_.front().t, Screen()).box;
}

int TerminalPlatform::DoModal(const DialogTemplate& t, DialogHandler& handler) {
    headless::Screen screen;
    screen.has_system_menu = false;  // a terminal gives the program none
    screen.x_extent = kLetterExtent;
    screen.client_rect = DisplayClientRect(t);
    const Placement placement = PlaceDialog(t, Screen());
    const CellRect anchor = open_.empty() ? placement.box : Anchor();
    screen.client_origin = PointOfCell(placement.client.col, placement.client.row, anchor);

    headless::HeadlessWindow window(t, handler, screen, clipboard_);
    OpenDialog& dialog = open_.emplace_back(OpenDialog{&t, &window, Now(), 0});
    while (!window.Ended()) {
        if (Quitting()) {
            window.Close();
            if (!window.Ended()) window.EndDialog(IDCANCEL);
            break;
        }
        Dispatch(dialog, Wait());
        ShowNewPopups(dialog);
    }
    open_.pop_back();
    return window.Result();
}

void TerminalPlatform::RunClocks() {
    const std::int64_t now = Now();
    for (OpenDialog& d : open_) {
        if (now > d.clock_ms) d.window->Advance(static_cast<int>(now - d.clock_ms));
        d.clock_ms = now;
    }
}

// Draws the screen, waits for a key, a paste, a press or the next timer, and runs the clocks.
TerminalPlatform::Input TerminalPlatform::Wait() {
    RunClocks();
    Draw();
    int wait = kLongestWaitMs;
    for (const OpenDialog& d : open_)
        if (const auto due = d.window->UntilNextTimer()) wait = std::min(wait, *due);
    Input input = Read(wait);
    RunClocks();
    return input;
}

TerminalPlatform::Input TerminalPlatform::Read(int timeout_ms) {
    wtimeout(stdscr, timeout_ms);
    wint_t code = 0;
    const int got = wget_wch(stdscr, &code);
    Input input;
    if (got == ERR) {
        // A time-out, a signal, or a terminal that is gone: its read fails at once, every time.
        if (TerminalSession::PendingSignal() == 0 && InputGone()) input_ended_ = true;
        return input;
    }
    if (got == OK) {
        if (static_cast<int>(code) == kEscapeChar && SkipUnknownSequence()) return input;
        input.kind = Input::Character;
        input.code = static_cast<int>(code);
        return input;
    }
    if (TranslateKey(static_cast<int>(code), true).action == KeyAction::PasteStart) {
        input.kind = Input::Paste;
        input.text = ReadPaste();
        return input;
    }
    if (code != KEY_MOUSE) {
        input.kind = Input::FunctionKey;
        input.code = static_cast<int>(code);
        return input;
    }
    MEVENT mouse{};
    if (getmouse(&mouse) != OK) return input;
    if ((mouse.bstate & BUTTON1_PRESSED) != 0) input.kind = Input::LeftPress;
    if ((mouse.bstate & BUTTON3_PRESSED) != 0) input.kind = Input::RightPress;
    input.col = mouse.x;
    input.row = mouse.y;
    return input;
}

// Curses hands over an Escape on its own when what follows is no sequence it knows. If "["
// came with it, a control sequence the terminal's description lacks began (a modified key,
// a report): all of it is dropped, so that none of its characters acts as a key. Anything
// else that came with it is put back, to be read as the keys it is.
bool TerminalPlatform::SkipUnknownSequence() {
    wtimeout(stdscr, 0);
    wint_t next = 0;
    const int got = wget_wch(stdscr, &next);
    if (got == ERR) return false;
    if (got == KEY_CODE_YES) {
        ungetch(static_cast<int>(next));
        return false;
    }
    if (next != L'[') {
        unget_wch(static_cast<wchar_t>(next));
        return false;
    }
    constexpr wint_t kFirstFinal = 0x40, kLastFinal = 0x7E;  // parameters come below them
    while (wget_wch(stdscr, &next) == OK && !(next >= kFirstFinal && next <= kLastFinal)) {
    }
    return true;
}

// The text between the terminal's paste brackets, as UTF-8 (curses has decoded it from the
// locale's character set); keys inside it are dropped.
std::string TerminalPlatform::ReadPaste() {
    std::string text;
    bool too_long = false;
    wtimeout(stdscr, kPasteSilenceMs);
    for (;;) {
        wint_t c = 0;
        const int got = wget_wch(stdscr, &c);
        if (got == ERR) {
            if (TerminalSession::PendingSignal() == 0 && InputGone()) input_ended_ = true;
            break;
        }
        if (got == KEY_CODE_YES) {
            if (static_cast<int>(c) == PasteEndCode()) break;
            continue;
        }
        if (text.size() >= kLongestPaste)
            too_long = true;
        else
            AppendUtf8(text, static_cast<char32_t>(c));
    }
    return too_long ? std::string() : text;
}

// After a read that gave nothing: whether the terminal is gone (its other end closed, end of
// file, an error), as against a time-out or a signal.
bool TerminalPlatform::InputGone() {
    pollfd in{STDIN_FILENO, POLLIN, 0};
    if (poll(&in, 1, 0) < 0) return errno != EINTR;
    if ((in.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return true;
    if ((in.revents & POLLIN) == 0) return false;
    // Readable, yet curses read nothing: end of file, or input that came just now.
    unsigned char byte = 0;
    const ssize_t n = read(STDIN_FILENO, &byte, 1);
    if (n == 1) {
        ungetch(byte);
        return false;
    }
    return n == 0 || (errno != EINTR && errno != EAGAIN);
}

void TerminalPlatform::Draw() {
    for (OpenDialog& d : open_)
        TellTerminal(d);
    werase(stdscr);
    if (!Fits()) {
        DrawTooSmall(stdscr, MinimumSize(*open_.front().t), Screen());
    } else {
        for (const OpenDialog& d : open_)
            DrawDialog(stdscr, *d.t, *d.window, PlaceDialog(*d.t, Screen()));
        if (menu_) {
            const headless::Popup& popup = *menu_->popup;
            DrawMenu(stdscr, popup, menu_->selected,
                     MenuBox(popup.items, popup.at, Anchor(), Screen()));
        }
    }
    wnoutrefresh(stdscr);
    doupdate();
}

// What the dialog did that the terminal shows outside the screen: a notice rings the bell
// once, and a Copy goes to the terminal's clipboard as well.
void TerminalPlatform::TellTerminal(OpenDialog& dialog) {
    const int alerts = dialog.window->Alerts();
    if (alerts > dialog.alerts_rung) beep();
    dialog.alerts_rung = alerts;
    const std::uint64_t copies = dialog.window->ClipboardWrites();
    if (copies > dialog.copies_sent) session_.SetTerminalClipboard(clipboard_);
    dialog.copies_sent = copies;
}

void TerminalPlatform::Dispatch(OpenDialog& dialog, const Input& input) {
    headless::HeadlessWindow& window = *dialog.window;
    if (input.kind == Input::None) return;
    const bool key = input.kind == Input::Character || input.kind == Input::FunctionKey;
    const TerminalKey translated =
        key ? TranslateKey(input.code, input.kind == Input::FunctionKey) : TerminalKey{};
    if (translated.action == KeyAction::Quit) {
        quit_ = true;
        return;
    }
    if (!Fits()) return;  // nothing shows what a key, a paste or a press would do
    switch (input.kind) {
        case Input::None:
            return;
        case Input::Character:
        case Input::FunctionKey:
            if (translated.action == KeyAction::ContextMenu) {
                keyboard_menu_ = true;
                window.handler().OnContextMenu(kKeyboardMenuPoint);
            }
            if (translated.action == KeyAction::VirtualKey)
                window.KeyDown(translated.virtual_key, translated.held);
            return;
        case Input::Paste:
            // The dialog's own Paste reads it, with the same checks and notice as the menu's.
            clipboard_ = input.text;
            window.Command(ID_MENU_PASTE);
            return;
        case Input::LeftPress:
        case Input::RightPress:
            break;
    }
    const Placement placement = PlaceDialog(*dialog.t, Screen());
    if (input.kind == Input::RightPress) {
        if (placement.box.Contains(input.col, input.row))
            window.handler().OnContextMenu(PointOfCell(input.col, input.row, Anchor()));
        return;
    }
    for (const ControlTemplate& c : dialog.t->controls) {
        if (LookOf(c) == Look::Button && c.id != kNoId &&
            placement.Place(c).Contains(input.col, input.row)) {
            // As in a window, pressing a button gives it the focus first.
            if (window.IsEnabled(c.id)) window.SetFocus(c.id);
            window.Click(c.id);
            return;
        }
    }
}

// The dialog's logic asked for popup menus; each runs now, and its choice is a command.
void TerminalPlatform::ShowNewPopups(OpenDialog& dialog) {
    while (dialog.popups_shown < dialog.window->Popups().size() && !dialog.window->Ended()) {
        const headless::Popup popup = dialog.window->Popups()[dialog.popups_shown++];
        if (const auto chosen = TrackPopupMenu(popup)) dialog.window->Command(*chosen);
    }
}

// A menu asked for from the keyboard opens with its first item that can be chosen selected.
std::optional<int> TerminalPlatform::TrackPopupMenu(const headless::Popup& popup) {
    menu_ = OpenMenu{&popup, std::exchange(keyboard_menu_, false) ? NextItem(popup, -1, +1) : -1};
    std::optional<int> chosen;
    bool open = true;
    while (open && !Quitting()) {
        Input input = Wait();
        const bool quit =
            (input.kind == Input::Character || input.kind == Input::FunctionKey) &&
            TranslateKey(input.code, input.kind == Input::FunctionKey).action == KeyAction::Quit;
        if (quit) quit_ = true;
        if (quit || !Fits()) input.kind = Input::None;
        int& selected = menu_->selected;
        const auto choose = [&](int item) {
            if (Choosable(popup, item)) chosen = popup.items[static_cast<std::size_t>(item)].first;
            open = false;
        };
        switch (input.kind) {
            case Input::None:
            case Input::Paste:
                break;
            case Input::Character:
                if (input.code == kEscapeChar)
                    open = false;
                else if (input.code == '\r' || input.code == '\n')
                    choose(selected);
                else if (const int item = ItemOfMnemonic(popup, input.code); item >= 0)
                    choose(item);
                break;
            case Input::FunctionKey:
                if (input.code == KEY_UP) selected = NextItem(popup, selected, -1);
                if (input.code == KEY_DOWN) selected = NextItem(popup, selected, +1);
                if (input.code == KEY_ENTER) choose(selected);
                break;
            case Input::LeftPress:
            case Input::RightPress: {
                // Either button picks an item; a press elsewhere closes the menu.
                const CellRect box = MenuBox(popup.items, popup.at, Anchor(), Screen());
                const int item = input.row - box.row - 1;
                const bool on_item = box.Contains(input.col, input.row) && Choosable(popup, item);
                if (on_item)
                    choose(item);
                else if (!box.Contains(input.col, input.row))
                    open = false;
                break;
            }
        }
    }
    menu_.reset();
    return chosen;
}

}  // namespace tomaro::platform::terminal
