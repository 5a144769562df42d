// The calculator dialog as Windows runs it: created by DialogBoxParamW from the program's
// resources and driven from inside its own modal loop with window messages, as the user's
// clicks and keys would arrive.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/win32/dpi_scaling.hpp"
#include "platform/win32/win32_platform.hpp"
#include "shell/calc_dialog.hpp"

namespace tomaro::platform::win32 {
namespace {

constexpr UINT_PTR kScriptTimer = 0x5C41;  // any id but the notice timer's
constexpr int kScriptDone = 100;           // the result of a dialog whose script ran out
constexpr std::chrono::seconds kScriptLimit{30};

constexpr const char* kDivideByZero = "０（ゼロ）で除算することはできません。";
constexpr const wchar_t* kAboutCaption = L"Tomaroのバージョン情報";

std::string g_screenshot_path;  // set by main

// One step of a script: true when done, false to run again at the next tick.
using Step = std::function<bool(HWND dialog)>;

Step Do(std::function<void(HWND)> action) {
    return [action = std::move(action)](HWND dialog) {
        action(dialog);
        return true;
    };
}

using Clock = std::chrono::steady_clock;

// Lets the dialog's own loop run (timers, paints) for a while.
Step Wait(std::chrono::milliseconds duration) {
    auto until = std::make_shared<std::optional<Clock::time_point>>();
    return [=](HWND) {
        if (!*until) *until = Clock::now() + duration;
        return Clock::now() >= **until;
    };
}

// The calculator with a script: a timer on the dialog runs one step per tick, inside
// whichever modal loop is running (the dialog's own, the About box's, a menu's). WM_TIMER
// is retrieved only when no posted message waits, so what one step posts has been handled
// when the next step runs.
class ScriptedCalculator final : public DialogHandler {
public:
    ScriptedCalculator(Win32Platform& platform, std::vector<Step> steps)
        : platform_(platform), calc_(platform), steps_(std::move(steps)) {}

    int Run() { return platform_.DoModal(CalcDialogTemplate(), *this); }
    const CCalcDlg& calc() const { return calc_; }

    bool OnInitDialog(DialogWindow& window) override {
        dialog_ = static_cast<Win32DialogWindow&>(window).hwnd();
        started_ = Clock::now();
        ::SetTimer(dialog_, kScriptTimer, 5, nullptr);
        return calc_.OnInitDialog(window);
    }
    bool OnCommand(int id) override { return calc_.OnCommand(id); }
    bool PreTranslateKeyDown(int virtual_key, vk::Modifiers held) override {
        return calc_.PreTranslateKeyDown(virtual_key, held);
    }
    void OnContextMenu(Point screen) override { calc_.OnContextMenu(screen); }
    bool OnSysCommand(int id) override { return calc_.OnSysCommand(id); }
    void OnPaint() override { calc_.OnPaint(); }
    void OnActivate(bool active) override { calc_.OnActivate(active); }
    void OnDpiChanged() override { calc_.OnDpiChanged(); }
    void OnTimer(int timer_id) override {
        if (static_cast<UINT_PTR>(timer_id) == kScriptTimer) {
            Tick();
        } else {
            calc_.OnTimer(timer_id);
        }
    }

private:
    void Tick() {
        if (in_step_) return;  // a step that runs a nested loop must post, not send
        if (Clock::now() - started_ > kScriptLimit) {
            ADD_FAILURE() << "the script stalled at step " << next_;
            ::KillTimer(dialog_, kScriptTimer);
            ::EndDialog(dialog_, -2);
            return;
        }
        if (next_ == steps_.size()) {
            ::KillTimer(dialog_, kScriptTimer);
            ::EndDialog(dialog_, kScriptDone);
            return;
        }
        in_step_ = true;
        const bool done = steps_[next_](dialog_);
        in_step_ = false;
        if (done) ++next_;
    }

    Win32Platform& platform_;
    CCalcDlg calc_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool in_step_ = false;
    HWND dialog_ = nullptr;
    Clock::time_point started_;
};

int RunScript(std::vector<Step> steps) {
    Win32Platform platform;
    ScriptedCalculator calculator(platform, std::move(steps));
    return calculator.Run();
}

std::string Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

std::string Text(HWND dialog, int id) {
    return Text(GetDlgItem(dialog, id));
}

struct Fields {
    std::string readout, kind, op, memory;
    friend bool operator==(const Fields&, const Fields&) = default;
};

Fields FieldsOf(HWND dialog) {
    return {Text(dialog, IDC_READOUT), Text(dialog, IDC_KIND), Text(dialog, IDC_OPERATOR),
            Text(dialog, IDC_MEMORYINDICATOR)};
}

std::ostream& operator<<(std::ostream& out, const Fields& f) {
    return out << "[" << f.readout << "] [" << f.kind << "] [" << f.op << "] [" << f.memory << "]";
}

void Click(HWND dialog, int id) {
    SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
}

// Key-downs as the keyboard posts them: to the window with the focus.
void PostKeys(HWND dialog, const std::vector<int>& keys) {
    HWND target = GetFocus();
    if (!target) target = dialog;
    for (const int vk : keys) {
        const UINT scan = MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
        PostMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(vk),
                     static_cast<LPARAM>(1 | (scan << 16)));
    }
}

int FocusedId() {
    HWND focus = GetFocus();
    return focus ? GetDlgCtrlID(focus) : 0;
}

// The dialog's push buttons, found by their window class rather than by any list of ids.
std::vector<HWND> Buttons(HWND dialog) {
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"Button") == 0) buttons.push_back(child);
    }
    return buttons;
}

void SetClipboard(HWND dialog, const std::wstring& text) {
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(data), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    if (OpenClipboard(dialog)) {
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, data);
        CloseClipboard();
    }
}

std::string ClipboardText(HWND dialog) {
    std::string text;
    if (OpenClipboard(dialog)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = Narrow(static_cast<const wchar_t*>(GlobalLock(data)));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

// A key-down with Ctrl held, as the thread's key state shows it when the key arrives.
void PostCtrlKey(HWND dialog, int key) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    PostKeys(dialog, {key});
}

void ReleaseCtrl() {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
}

HWND FindAbout() {
    return FindWindowW(L"#32770", kAboutCaption);
}

// ---------------------------------------------------------------------------------------

struct ClickRoad {
    std::vector<int> buttons;
    Fields fields;
};

TEST(Win32Dialog, StartsClearedWithTheFocusOnEquals) {
    Fields fields;
    int focus = 0;
    std::string caption;
    const int result = RunScript({Do([&](HWND dialog) {
        fields = FieldsOf(dialog);
        focus = FocusedId();
        caption = Text(dialog);
    })});
    EXPECT_EQ(result, kScriptDone);
    EXPECT_EQ(fields, (Fields{"0.000000000000000", "整数", " ", ""}));
    EXPECT_EQ(focus, IDC_EQUALS);
    EXPECT_EQ(caption, "Tomaro -Quillet-");
}

TEST(Win32Dialog, ButtonClicksRunTheirCommands) {
    const ClickRoad roads[] = {
        {{IDC_DIGIT3, IDC_ADD, IDC_DIGIT4, IDC_EQUALS}, {"7.000000000000000", "整数", "=", ""}},
        {{IDC_DIGIT7, IDC_SIGN, IDC_MULTIPLY, IDC_DIGIT6, IDC_EQUALS},
         {"-42.00000000000000", "整数", "=", ""}},
        {{IDC_DIGIT1, IDC_POINT, IDC_DIGIT5, IDC_EQUALS},
         {"1.500000000000000", "有限小数", "=", ""}},
        {{IDC_DIGIT3, IDC_FRACTIONBAR, IDC_DIGIT2, IDC_ADD, IDC_DIGIT6, IDC_FRACTIONBAR, IDC_DIGIT1,
          IDC_EQUALS},
         {"0.833333333333333", "真分数", "=", ""}},
        {{IDC_DIGIT1, IDC_DIGIT2, IDC_MEMORYADD, IDC_ALLCLEAR, IDC_MEMORYRECALL},
         {"12.00000000000000", "整数", " ", "M"}},
        {{IDC_DIGIT1, IDC_DIGIT2, IDC_DIGIT3, IDC_DIGIT4, IDC_DIGIT5, IDC_DIGIT6, IDC_DIGIT7,
          IDC_BACKSPACE},
         {"123456.0000000000", "整数", " ", ""}},
    };
    for (const ClickRoad& road : roads) {
        SCOPED_TRACE(testing::Message()
                     << "road of " << road.buttons.size() << " clicks, " << road.fields);
        Fields fields;
        const int result = RunScript({Do([&](HWND dialog) {
            for (const int id : road.buttons)
                Click(dialog, id);
            fields = FieldsOf(dialog);
        })});
        EXPECT_EQ(result, kScriptDone);
        EXPECT_EQ(fields, road.fields);
    }
}

struct KeyRoad {
    const char* name;
    std::vector<int> keys;
    Fields fields;
    int focus;
};

// Every key-down goes through the key map: Enter and Escape never end the dialog, Tab and
// Space neither move the focus nor press a button.
TEST(Win32Dialog, KeyDownsGoThroughTheKeyMap) {
    const KeyRoad roads[] = {
        {"Enter evaluates",
         {'1', '2', VK_ADD, '3', VK_RETURN},
         {"15.00000000000000", "整数", "=", ""},
         IDC_EQUALS},
        {"Escape clears all",
         {'1', '2', VK_ADD, '3', VK_RETURN, VK_ESCAPE},
         {"0.000000000000000", "整数", " ", ""},
         IDC_ALLCLEAR},
        {"Delete clears all",
         {'7', VK_SUBTRACT, '2', VK_DELETE},
         {"0.000000000000000", "整数", " ", ""},
         IDC_ALLCLEAR},
        {"Tab moves nothing", {'5', VK_TAB}, {"5.000000000000000", "整数", " ", ""}, IDC_DIGIT5},
        {"Space presses nothing",
         {'5', VK_SPACE},
         {"5.000000000000000", "整数", " ", ""},
         IDC_DIGIT5},
        {"keypad digits", {VK_NUMPAD5, '8'}, {"58.00000000000000", "整数", " ", ""}, IDC_DIGIT8},
        {"M changes the sign", {'5', 'M'}, {"-5.000000000000000", "整数", " ", ""}, IDC_SIGN},
        {"the fraction bar",
         {'3', 'F', '2', VK_ADD, '6', 'F', '1', VK_RETURN},
         {"0.833333333333333", "真分数", "=", ""},
         IDC_EQUALS},
    };
    for (const KeyRoad& road : roads) {
        SCOPED_TRACE(road.name);
        Fields fields;
        int focus = 0;
        bool visible = false;
        const int result = RunScript({
            Do([&](HWND dialog) { PostKeys(dialog, road.keys); }),
            Do([&](HWND dialog) {
                fields = FieldsOf(dialog);
                focus = FocusedId();
                visible = IsWindowVisible(dialog) != FALSE;
            }),
        });
        EXPECT_EQ(result, kScriptDone);  // neither Enter nor Escape ended it
        EXPECT_TRUE(visible);
        EXPECT_EQ(fields, road.fields);
        EXPECT_EQ(focus, road.focus);
    }
}

// Alt combinations stay system keys: they never reach the key map.
TEST(Win32Dialog, SystemKeysPassTheKeyMap) {
    Fields fields;
    const int result = RunScript({
        Do([](HWND dialog) {
            PostKeys(dialog, {'5'});
            PostMessageW(GetFocus(), WM_SYSKEYDOWN, '7', static_cast<LPARAM>(1 | (1u << 29)));
        }),
        Do([&](HWND dialog) { fields = FieldsOf(dialog); }),
    });
    EXPECT_EQ(result, kScriptDone);
    EXPECT_EQ(fields.readout, "5.000000000000000");
}

std::vector<int> Repeat(int key, int times) {
    return std::vector<int>(static_cast<std::size_t>(times), key);
}

TEST(Win32Dialog, AnOverflowLocksTheKeypadUntilAllClear) {
    std::vector<int> overflow = Repeat('9', 10);
    overflow.push_back(VK_MULTIPLY);
    const std::vector<int> nines = Repeat('9', 10);
    overflow.insert(overflow.end(), nines.begin(), nines.end());
    overflow.push_back(VK_RETURN);

    Fields locked, after_seven, unlocked;
    std::size_t button_count = 0, disabled = 0, enabled_after = 0;
    bool all_clear_enabled = false;
    int focus_locked = 0, focus_after_seven = 0, focus_unlocked = 0;
    const int result = RunScript({
        Do([&](HWND dialog) { PostKeys(dialog, overflow); }),
        Do([&](HWND dialog) {
            locked = FieldsOf(dialog);
            focus_locked = FocusedId();
            const std::vector<HWND> buttons = Buttons(dialog);
            button_count = buttons.size();
            for (HWND button : buttons) {
                if (GetDlgCtrlID(button) == IDC_ALLCLEAR) {
                    all_clear_enabled = IsWindowEnabled(button) != FALSE;
                } else if (!IsWindowEnabled(button)) {
                    ++disabled;
                }
            }
            PostKeys(dialog, {'7'});
        }),
        Do([&](HWND dialog) {
            after_seven = FieldsOf(dialog);
            focus_after_seven = FocusedId();
            PostKeys(dialog, {VK_ESCAPE});
        }),
        Do([&](HWND dialog) {
            unlocked = FieldsOf(dialog);
            focus_unlocked = FocusedId();
            for (HWND button : Buttons(dialog))
                if (IsWindowEnabled(button)) ++enabled_after;
        }),
    });
    EXPECT_EQ(result, kScriptDone);
    EXPECT_EQ(locked.kind, "エラー");
    EXPECT_EQ(locked.readout, "99999999980000002048");
    EXPECT_EQ(button_count, 27u);
    EXPECT_EQ(disabled, 26u);
    EXPECT_TRUE(all_clear_enabled);
    EXPECT_EQ(focus_locked, IDC_ALLCLEAR);
    EXPECT_EQ(after_seven, locked);  // the key reaches its command, which does nothing
    EXPECT_EQ(focus_after_seven, IDC_ALLCLEAR);
    EXPECT_EQ(unlocked, (Fields{"0.000000000000000", "整数", " ", ""}));
    EXPECT_EQ(focus_unlocked, IDC_ALLCLEAR);
    EXPECT_EQ(enabled_after, 27u);
}

TEST(Win32Dialog, TheSystemMenuEndsWithTheAboutItem) {
    int count = 0;
    UINT last_id = 0, separator_state = 0, last_state = 0;
    std::wstring last_text(128, L'\0');
    RunScript({Do([&](HWND dialog) {
        HMENU menu = GetSystemMenu(dialog, FALSE);
        ASSERT_NE(menu, nullptr);
        count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        last_id = GetMenuItemID(menu, count - 1);
        last_state = GetMenuState(menu, static_cast<UINT>(count - 1), MF_BYPOSITION);
        separator_state = GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION);
        last_text.resize(static_cast<std::size_t>(
            GetMenuStringW(menu, static_cast<UINT>(count - 1), last_text.data(),
                           static_cast<int>(last_text.size()), MF_BYPOSITION)));
    })});
    EXPECT_EQ(last_id, static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(Narrow(last_text), "このソフトのバージョン情報(&A)...");
    EXPECT_EQ(last_state & (MF_GRAYED | MF_DISABLED), 0u);
    EXPECT_NE(separator_state & MF_SEPARATOR, 0u);
}

// Repaints the readout the way Windows does, as a person would see it after the timer.
void RepaintReadout(HWND dialog) {
    RedrawWindow(GetDlgItem(dialog, IDC_READOUT), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

TEST(Win32Dialog, TheNoticeTimerEndsTheNotice) {
    std::string notice, restored;
    BOOL timer_was_killed = TRUE;
    const int result = RunScript({
        Do([&](HWND dialog) {
            for (const int id : {IDC_DIGIT5, IDC_DIVIDE, IDC_DIGIT0, IDC_EQUALS})
                Click(dialog, id);
            notice = Text(dialog, IDC_READOUT);
            SendMessageW(dialog, WM_TIMER, IDT_NOTICE, 0);
            RepaintReadout(dialog);
            restored = Text(dialog, IDC_READOUT);
            timer_was_killed = !::KillTimer(dialog, IDT_NOTICE);
        }),
    });
    EXPECT_EQ(result, kScriptDone);
    EXPECT_EQ(notice, kDivideByZero);
    EXPECT_EQ(restored, "5.000000000000000");
    EXPECT_TRUE(timer_was_killed);  // the expiry stopped the timer
}

TEST(Win32Dialog, TheNoticeExpiresAfterTwoSeconds) {
    std::string at_one_second, at_two_and_a_half;
    const int result = RunScript({
        Do([](HWND dialog) {
            for (const int id : {IDC_DIGIT5, IDC_DIVIDE, IDC_DIGIT0, IDC_EQUALS})
                Click(dialog, id);
        }),
        Wait(std::chrono::milliseconds(1000)),
        Do([&](HWND dialog) {
            RepaintReadout(dialog);
            at_one_second = Text(dialog, IDC_READOUT);
        }),
        Wait(std::chrono::milliseconds(1500)),
        Do([&](HWND dialog) {
            RepaintReadout(dialog);
            at_two_and_a_half = Text(dialog, IDC_READOUT);
        }),
    });
    EXPECT_EQ(result, kScriptDone);
    EXPECT_EQ(at_one_second, kDivideByZero);
    EXPECT_EQ(at_two_and_a_half, "5.000000000000000");
}

struct AboutRoad {
    const char* name;
    UINT message;
    WPARAM wparam;
    std::function<void(HWND about)> close;
};

// The About box opens over the calculator, takes the keys itself (OK, Enter and Escape end
// it) and leaves the calculator as it was.
TEST(Win32Dialog, TheAboutBoxOpensAndClosesLeavingTheCalculatorAlone) {
    const auto key = [](int vk) { return [vk](HWND about) { PostKeys(about, {vk}); }; };
    const AboutRoad roads[] = {
        {"system menu, Enter", WM_SYSCOMMAND, IDM_ABOUTBOX, key(VK_RETURN)},
        {"system menu id 17, Escape", WM_SYSCOMMAND, IDM_ABOUTBOX + 1, key(VK_ESCAPE)},
        {"context menu command, OK", WM_COMMAND, ID_MENU_ABOUT,
         [](HWND about) { PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0); }},
        {"context menu command, close", WM_COMMAND, ID_MENU_ABOUT,
         [](HWND about) { PostMessageW(about, WM_CLOSE, 0, 0); }},
    };
    for (const AboutRoad& road : roads) {
        SCOPED_TRACE(road.name);
        Fields before, during, after;
        HWND about = nullptr;
        bool owner_is_calculator = false, calculator_enabled_during = true, visible = false;
        bool calculator_enabled_after = false;
        const int result = RunScript({
            Do([](HWND dialog) {
                PostKeys(dialog, {'1', '2', VK_ADD, '3'});
            }),
            Do([&](HWND dialog) {
                before = FieldsOf(dialog);
                PostMessageW(dialog, road.message, road.wparam, 0);
            }),
            [&](HWND dialog) {
                about = FindAbout();
                if (!about || !IsWindowVisible(about)) return false;  // shown once idle
                visible = IsWindowVisible(about) != FALSE;
                owner_is_calculator = GetWindow(about, GW_OWNER) == dialog;
                calculator_enabled_during = IsWindowEnabled(dialog) != FALSE;
                PostKeys(about, {'7'});  // for the About box, not for the key map
                return true;
            },
            Do([&](HWND dialog) {
                during = FieldsOf(dialog);
                road.close(about);
            }),
            [&](HWND dialog) {
                if (IsWindow(about)) return false;
                after = FieldsOf(dialog);
                calculator_enabled_after = IsWindowEnabled(dialog) != FALSE;
                return true;
            },
        });
        EXPECT_EQ(result, kScriptDone);
        EXPECT_TRUE(visible);
        EXPECT_TRUE(owner_is_calculator);
        EXPECT_FALSE(calculator_enabled_during);
        EXPECT_TRUE(calculator_enabled_after);
        EXPECT_EQ(before.readout, "3.000000000000000");
        EXPECT_EQ(during, before);
        EXPECT_EQ(after, before);
    }
}

TEST(Win32Dialog, TheAboutBoxOpensWhileLocked) {
    std::vector<int> overflow = Repeat('9', 10);
    overflow.push_back(VK_MULTIPLY);
    const std::vector<int> nines = Repeat('9', 10);
    overflow.insert(overflow.end(), nines.begin(), nines.end());
    overflow.push_back(VK_RETURN);
    bool opened = false;
    const int result = RunScript({
        Do([&](HWND dialog) { PostKeys(dialog, overflow); }),
        Do([](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); }),
        [&](HWND) {
            HWND about = FindAbout();
            if (!about) return false;
            opened = true;
            PostMessageW(about, WM_COMMAND, 1, 0);
            return true;
        },
        [](HWND) { return FindAbout() == nullptr; },
    });
    EXPECT_EQ(result, kScriptDone);
    EXPECT_TRUE(opened);
}

struct CloseRoad {
    const char* name;
    UINT message;
    WPARAM wparam;
};

TEST(Win32Dialog, ClosingAndExitEndTheDialogWithCancel) {
    const CloseRoad roads[] = {
        {"WM_CLOSE", WM_CLOSE, 0},
        {"the system menu's Close", WM_SYSCOMMAND, SC_CLOSE},
        {"the context menu's Exit", WM_COMMAND, ID_MENU_EXIT},
    };
    for (const CloseRoad& road : roads) {
        SCOPED_TRACE(road.name);
        const int result = RunScript({
            Do([&](HWND dialog) { PostMessageW(dialog, road.message, road.wparam, 0); }),
            Wait(std::chrono::milliseconds(2000)),  // the dialog ends before this step ends
        });
        EXPECT_EQ(result, 2);
    }
}

// The context menu asked for from the keyboard opens 5 pixels right of and below the client
// area's corner; Escape closes it without a command.
TEST(Win32Dialog, TheKeyboardContextMenuOpensAtTheClientCorner) {
    POINT menu_corner{-1000, -1000}, client{0, 0};
    int items = 0;
    const int result = RunScript({
        Do([&](HWND dialog) {
            ClientToScreen(dialog, &client);
            PostMessageW(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog),
                         MAKELPARAM(-1, -1));
        }),
        [&](HWND) {  // runs inside the menu's own loop
            HWND popup = FindWindowW(L"#32768", nullptr);
            if (!popup || !IsWindowVisible(popup)) return false;
            RECT frame{};
            GetWindowRect(popup, &frame);
            menu_corner = {frame.left, frame.top};
            HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
            items = menu ? GetMenuItemCount(menu) : -1;
            EndMenu();
            return true;
        },
        [](HWND) {
            HWND popup = FindWindowW(L"#32768", nullptr);
            return !popup || !IsWindowVisible(popup);
        },
    });
    EXPECT_EQ(result, kScriptDone);
    EXPECT_EQ(menu_corner.x, client.x + 5);
    EXPECT_EQ(menu_corner.y, client.y + 5);
    EXPECT_EQ(items, 5);  // コピー, 貼り付け, a separator, バージョン情報, 終了
}

// Copy and Paste through the system clipboard as Unicode text: the whole expansion out, and a
// mixed number back as the improper fraction it is keyed as.
// From the menu, and with Ctrl+C and Ctrl+V, which leave the memory alone.
TEST(Win32Dialog, CopyAndPasteGoThroughTheClipboard) {
    std::string copied, copied_by_key;
    Fields pasted, after_ctrl_c, pasted_by_key;
    const int result = RunScript({
        Do([](HWND dialog) {
            for (const int id : {IDC_DIGIT3, IDC_FRACTIONBAR, IDC_DIGIT2, IDC_ADD, IDC_DIGIT6,
                                 IDC_FRACTIONBAR, IDC_DIGIT1, IDC_EQUALS, IDC_EQUALS, IDC_EQUALS})
                Click(dialog, id);
            PostMessageW(dialog, WM_COMMAND, ID_MENU_COPY, 0);
        }),
        Do([&](HWND dialog) {
            copied = ClipboardText(dialog);
            SetClipboard(dialog, L"－２　１／３");
            PostMessageW(dialog, WM_COMMAND, ID_MENU_PASTE, 0);
        }),
        Do([&](HWND dialog) {
            pasted = FieldsOf(dialog);
            PostKeys(dialog, {VK_ESCAPE, '4', '2'});
        }),
        Do([](HWND dialog) { PostCtrlKey(dialog, 'C'); }),
        Do([&](HWND dialog) {
            copied_by_key = ClipboardText(dialog);
            after_ctrl_c = FieldsOf(dialog);
            SetClipboard(dialog, L"5/6");
            PostCtrlKey(dialog, 'V');
        }),
        Do([&](HWND dialog) {
            ReleaseCtrl();
            pasted_by_key = FieldsOf(dialog);
        }),
    });
    ReleaseCtrl();
    EXPECT_EQ(result, kScriptDone);
    EXPECT_EQ(copied, "0.8{3}");
    EXPECT_EQ(pasted, (Fields{"-2.333333333333333", "仮分数", " ", ""}));
    EXPECT_EQ(copied_by_key, "42");
    EXPECT_EQ(after_ctrl_c, (Fields{"42.00000000000000", "整数", " ", ""}));
    EXPECT_EQ(pasted_by_key, (Fields{"0.833333333333333", "真分数", " ", ""}));
}

// Every notice fits the readout whole in the dialog's font, at each DPI the test runs at, and
// is announced: without UI Automation's notifications (Wine has none) by the alert of a
// control whose name is the notice.
std::vector<std::string> g_alerts;

void CALLBACK OnAlert(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    g_alerts.push_back(Text(window));
}

bool HasUiaNotifications() {
    const HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
    return uia && GetProcAddress(uia, "UiaRaiseNotificationEvent");
}

TEST(Win32Dialog, EveryNoticeFitsTheReadoutAndIsAnnounced) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        std::wstring pasted;  // empty: nothing pasted
        std::string_view notice;
    };
    const Case cases[] = {
        {"division by zero",
         {IDC_DIGIT5, IDC_DIVIDE, IDC_DIGIT0, IDC_EQUALS},
         L"",
         kNoticeDivideByZero},
        {"zero denominator", {IDC_DIGIT0, IDC_POINT, IDC_RECIPROCAL}, L"", kNoticeZeroDenominator},
        {"refused paste", {}, L"12 apples", kNoticePasteRefused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string shown;
        LONG width = 0, room = 0;
        g_alerts.clear();
        HWINEVENTHOOK hook =
            SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, OnAlert,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        const int result = RunScript({
            Do([&](HWND dialog) {
                for (const int id : c.clicks)
                    Click(dialog, id);
                if (!c.pasted.empty()) {
                    SetClipboard(dialog, c.pasted);
                    PostMessageW(dialog, WM_COMMAND, ID_MENU_PASTE, 0);
                }
            }),
            Do([&](HWND dialog) {
                HWND readout = GetDlgItem(dialog, IDC_READOUT);
                shown = Text(readout);
                const std::wstring text = Widen(shown);
                RECT area{};
                SendMessageW(readout, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
                room = area.right - area.left;
                HDC dc = GetDC(readout);
                const HGDIOBJ old = SelectObject(
                    dc, reinterpret_cast<HGDIOBJ>(SendMessageW(readout, WM_GETFONT, 0, 0)));
                SIZE extent{};
                GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
                SelectObject(dc, old);
                ReleaseDC(readout, dc);
                width = extent.cx;
            }),
            Wait(std::chrono::milliseconds(50)),  // the hook's calls arrive as messages
        });
        UnhookWinEvent(hook);
        EXPECT_EQ(result, kScriptDone);
        EXPECT_EQ(shown, c.notice);
        EXPECT_LE(width, room) << "the notice is " << width << " px, the readout " << room;
        if (!HasUiaNotifications()) {
            ASSERT_FALSE(g_alerts.empty());
            EXPECT_EQ(g_alerts.back(), c.notice);
        }
    }
}

// A BMP of the window: what it shows on the screen, the display drawn outside any paint
// cycle included.
bool CaptureWindow(HWND window, const std::string& path) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;  // no alpha byte for viewers to misread
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;  // rows are 4-byte aligned
    const DWORD image_size = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + image_size;
    bool written = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                  std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                  std::fwrite(bits, image_size, 1, out) == 1;
        written = std::fclose(out) == 0 && written;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return written;
}

// Dark pixels in the display control's client area: the drawing is there and was not wiped
// by the control's own painting.
int DarkPixelsOfDisplay(HWND dialog) {
    HWND display = GetDlgItem(dialog, IDC_DISPLAY);
    RECT client{};
    GetClientRect(display, &client);
    HDC dc = GetDC(display);
    int dark = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96) ++dark;
        }
    ReleaseDC(display, dc);
    return dark;
}

// A division refused while the operand was an integer brings back a fraction that is not
// composed until the notice ends: after a full repaint the display still shows the refused 0,
// drawn as after all-clear, not a bar over empty lines.
TEST(Win32Dialog, ARefusedDivisionKeepsTheRefusedOperandThroughARepaint) {
    int refused = -1, zero = -2;
    const auto repaint = [](HWND dialog) {
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    const int result = RunScript({
        Do([&](HWND dialog) {
            for (const int id : {IDC_DIGIT7, IDC_FRACTIONBAR, IDC_DIGIT2, IDC_DIVIDE, IDC_DIGIT1,
                                 IDC_POINT, IDC_DIGIT5, IDC_CLEARENTRY, IDC_EQUALS})
                Click(dialog, id);
            repaint(dialog);
        }),
        Wait(std::chrono::milliseconds(300)),
        Do([&](HWND dialog) {
            refused = DarkPixelsOfDisplay(dialog);
            Click(dialog, IDC_ALLCLEAR);
            repaint(dialog);
        }),
        Wait(std::chrono::milliseconds(300)),
        Do([&](HWND dialog) { zero = DarkPixelsOfDisplay(dialog); }),
    });
    EXPECT_EQ(result, kScriptDone);
    EXPECT_GT(zero, 0);
    EXPECT_EQ(refused, zero);
}

// Another picture beside the screenshot's file: "start.bmp" beside "road.bmp".
std::string ScreenshotBeside(const std::string& name) {
    const std::size_t folder = g_screenshot_path.find_last_of("/\\");
    return g_screenshot_path.substr(0, folder == std::string::npos ? 0 : folder + 1) + name;
}

// What a DPI change changes: where the controls are (in the order of the dialog's children,
// its client area last), their font's height, the display's metrics and placement, and the
// drawing.
struct Scaled {
    std::vector<RECT> layout;
    LONG font = 0;
    DisplayModel model;
    int dark = 0;
    Fields fields;
};

Scaled ScaledOf(HWND dialog, const CCalcDlg& calc) {
    Scaled s{{}, 0, calc.model(), DarkPixelsOfDisplay(dialog), FieldsOf(dialog)};
    // The template's controls, in its order (what screen readers are told comes after them).
    const std::size_t controls = CalcDialogTemplate().controls.size();
    for (HWND child = GetWindow(dialog, GW_CHILD); child && s.layout.size() < controls;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        s.layout.push_back(r);
    }
    s.layout.emplace_back();
    GetClientRect(dialog, &s.layout.back());
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_EQUALS, WM_GETFONT, 0, 0)),
               sizeof font, &font);
    s.font = font.lfHeight;
    return s;
}

// Sends what Windows sends when the window moves to a monitor of that DPI.
void ChangeDpi(HWND dialog, UINT dpi) {
    RECT suggested{};
    GetWindowRect(dialog, &suggested);
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The program is per-monitor DPI aware (its manifest says so), and a move to a monitor of
// twice the DPI lays the dialog out at twice the size in a font twice as high, with the
// display measured again and drawn larger, showing what it showed. Wine gives every window
// the one DPI of its LogPixels setting, so the move is simulated with the message Windows
// sends; moving back gives the dialog manager's own layout again, pixel for pixel.
TEST(Win32Dialog, ADpiChangeLaysTheDialogOutAgain) {
    UINT dpi = 0;
    DPI_AWARENESS awareness = DPI_AWARENESS_INVALID;
    Scaled before, doubled, back;
    RECT display{};
    Win32Platform platform;
    const CCalcDlg* calc = nullptr;
    ScriptedCalculator scripted(
        platform, {Do([&](HWND dialog) {
                       awareness =
                           GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext());
                       dpi = WindowDpi(dialog);
                       for (const int id : {IDC_DIGIT3, IDC_FRACTIONBAR, IDC_DIGIT2})
                           Click(dialog, id);
                   }),
                   Wait(std::chrono::milliseconds(300)), Do([&](HWND dialog) {
                       before = ScaledOf(dialog, *calc);
                       ChangeDpi(dialog, 2 * dpi);
                   }),
                   Wait(std::chrono::milliseconds(300)), Do([&](HWND dialog) {
                       doubled = ScaledOf(dialog, *calc);
                       GetClientRect(GetDlgItem(dialog, IDC_DISPLAY), &display);
                       if (!g_screenshot_path.empty())
                           CaptureWindow(dialog, ScreenshotBeside("dpi-doubled.bmp"));
                       ChangeDpi(dialog, dpi);
                   }),
                   Wait(std::chrono::milliseconds(300)),
                   Do([&](HWND dialog) { back = ScaledOf(dialog, *calc); })});
    calc = &scripted.calc();
    EXPECT_EQ(scripted.Run(), kScriptDone);

    EXPECT_EQ(awareness, DPI_AWARENESS_PER_MONITOR_AWARE);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(dpi, static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY)));  // not virtualised
    ReleaseDC(nullptr, screen);

    // Base units are whole pixels: twice the font is twice the layout give or take the
    // rounding of the average character width.
    const auto near_twice = [](LONG twice, LONG once) {
        return std::abs(twice - 2 * once) <= 2 + once / 6;
    };
    ASSERT_EQ(before.layout.size(), CalcDialogTemplate().controls.size() + 1);
    ASSERT_EQ(doubled.layout.size(), before.layout.size());
    ASSERT_EQ(back.layout.size(), before.layout.size());
    for (std::size_t i = 0; i < before.layout.size(); ++i) {
        const RECT &b = before.layout[i], &d = doubled.layout[i];
        EXPECT_TRUE(near_twice(d.left, b.left) && near_twice(d.top, b.top) &&
                    near_twice(d.right, b.right) && near_twice(d.bottom, b.bottom))
            << "child " << i;
        EXPECT_TRUE(EqualRect(&back.layout[i], &b)) << "child " << i;
    }
    EXPECT_EQ(doubled.font, -MulDiv(9, static_cast<int>(2 * dpi), 72));
    EXPECT_EQ(doubled.model.displayRect, (Rect{0, 0, display.right, display.bottom}));
    EXPECT_PRED2(near_twice, doubled.model.charHeight, before.model.charHeight);
    EXPECT_EQ(doubled.model.numX, display.right / 2);  // 2/3, centred anew
    EXPECT_EQ(doubled.fields, before.fields);
    EXPECT_GT(doubled.dark, 2 * before.dark);

    const auto metrics = [](const DisplayModel& m) {
        return std::tuple{m.displayRect, m.charWidth, m.charHeight, m.numX, m.barLeft, m.barRight};
    };
    EXPECT_EQ(back.font, before.font);
    EXPECT_EQ(metrics(back.model), metrics(before.model));
}

// Pictures at the start (the focus frame on "="), after the road (on "=" again, which Enter
// pressed) and after one more key (on "+ | -").
TEST(Win32Dialog, ScreenshotAfterOneCalculation) {
    Fields fields;
    int dark = 0;
    std::string reading;
    bool written = false;
    int focus_after_key = 0;
    const int result = RunScript({
        Do([](HWND dialog) {
            SetForegroundWindow(dialog);
            if (!g_screenshot_path.empty()) CaptureWindow(dialog, ScreenshotBeside("start.bmp"));
            PostKeys(dialog, {'3', 'F', '2', VK_ADD, '6', 'F', '1', VK_RETURN});
        }),
        Wait(std::chrono::milliseconds(500)),  // every repaint the calculation caused has run
        Do([&](HWND dialog) {
            fields = FieldsOf(dialog);
            dark = DarkPixelsOfDisplay(dialog);
            reading = Text(dialog, IDC_DISPLAY);
            if (!g_screenshot_path.empty()) written = CaptureWindow(dialog, g_screenshot_path);
            PostKeys(dialog, {'M'});
        }),
        Wait(std::chrono::milliseconds(300)),
        Do([&](HWND dialog) {
            focus_after_key = FocusedId();
            if (!g_screenshot_path.empty()) CaptureWindow(dialog, ScreenshotBeside("key.bmp"));
        }),
    });
    EXPECT_EQ(focus_after_key, IDC_SIGN);
    EXPECT_EQ(result, kScriptDone);
    EXPECT_EQ(fields, (Fields{"0.833333333333333", "真分数", "=", ""}));
    EXPECT_GT(dark, 0);
    EXPECT_NE(reading.find('5'), std::string::npos) << reading;  // five sixths, for a reader
    if (!g_screenshot_path.empty()) {
        EXPECT_TRUE(written) << g_screenshot_path;
    }
}

}  // namespace
}  // namespace tomaro::platform::win32

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1) {
        tomaro::platform::win32::g_screenshot_path = argv[1];
    } else if (const char* path = std::getenv("TOMARO_SCREENSHOT"); path && *path) {
        tomaro::platform::win32::g_screenshot_path = path;
    }
    return RUN_ALL_TESTS();
}
