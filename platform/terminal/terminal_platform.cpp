#include "platform/terminal/terminal_platform.hpp"

#include <curses.h>

#include <algorithm>
#include <cctype>

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

}  // namespace

TerminalPlatform::TerminalPlatform() : start_(std::chrono::steady_clock::now()) {}

bool TerminalPlatform::Quitting() const {
    return quit_ || TerminalSession::PendingSignal() != 0;
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

// Draws the screen, waits for a key, a press or the next timer, and runs the clocks.
TerminalPlatform::Input TerminalPlatform::Wait() {
    RunClocks();
    Draw();
    int wait = kLongestWaitMs;
    for (const OpenDialog& d : open_)
        if (const auto due = d.window->UntilNextTimer()) wait = std::min(wait, *due);
    wtimeout(stdscr, wait);
    wint_t code = 0;
    const int got = wget_wch(stdscr, &code);
    RunClocks();
    Input input;
    if (got == OK) return {Input::Character, static_cast<int>(code)};
    if (got != KEY_CODE_YES) return input;
    if (code != KEY_MOUSE) return {Input::FunctionKey, static_cast<int>(code)};
    MEVENT mouse{};
    if (getmouse(&mouse) != OK) return input;
    if ((mouse.bstate & BUTTON1_PRESSED) != 0) input.kind = Input::LeftPress;
    if ((mouse.bstate & BUTTON3_PRESSED) != 0) input.kind = Input::RightPress;
    input.col = mouse.x;
    input.row = mouse.y;
    return input;
}

void TerminalPlatform::Draw() {
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

void TerminalPlatform::Dispatch(OpenDialog& dialog, const Input& input) {
    headless::HeadlessWindow& window = *dialog.window;
    switch (input.kind) {
        case Input::None:
            return;
        case Input::Character:
        case Input::FunctionKey: {
            const TerminalKey key = TranslateKey(input.code, input.kind == Input::FunctionKey);
            if (key.action == KeyAction::Quit) quit_ = true;
            if (key.action == KeyAction::ContextMenu)
                window.handler().OnContextMenu(kKeyboardMenuPoint);
            if (key.action == KeyAction::VirtualKey) window.KeyDown(key.virtual_key);
            return;
        }
        case Input::LeftPress:
        case Input::RightPress:
            break;
    }
    if (!Fits()) return;  // nothing to point at
    const Placement placement = PlaceDialog(*dialog.t, Screen());
    if (input.kind == Input::RightPress) {
        if (placement.box.Contains(input.col, input.row))
            window.handler().OnContextMenu(PointOfCell(input.col, input.row, Anchor()));
        return;
    }
    for (const ControlTemplate& c : dialog.t->controls) {
        if (LookOf(c) == Look::Button && c.id != kNoId &&
            placement.Place(c).Contains(input.col, input.row)) {
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

std::optional<int> TerminalPlatform::TrackPopupMenu(const headless::Popup& popup) {
    menu_ = OpenMenu{&popup};
    std::optional<int> chosen;
    bool open = true;
    while (open && !Quitting()) {
        const Input input = Wait();
        int& selected = menu_->selected;
        const auto choose = [&](int item) {
            if (Choosable(popup, item)) chosen = popup.items[static_cast<std::size_t>(item)].first;
            open = false;
        };
        switch (input.kind) {
            case Input::None:
                break;
            case Input::Character:
                if (TranslateKey(input.code, false).action == KeyAction::Quit)
                    quit_ = true;
                else if (input.code == kEscapeChar)
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
