// The calculator dialog's logic, driven as the platform drives it, against a recording fake
// window: start-up, buttons, keys, lock, notices, field updates, painting and menus.
#include "shell/calc_dialog.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "display/paint_display.hpp"
#include "shell/about_dialog.hpp"
#include "shell/button_commands.hpp"
#include "shell/calc_app.hpp"
#include "shell/key_map.hpp"
#include "shell/pasted_number.hpp"
#include "tests/support/button_words.hpp"
#include "tests/support/fake_platform.hpp"
#include "tests/support/key_replay.hpp"

namespace tomaro {
namespace {

using testing::CallsOf;
using testing::FakeDialogWindow;
using testing::FakePlatform;
using testing::TextSets;
using testing::WindowSettings;

// Measured values unlike the headless defaults, so that a metric not taken from the
// window shows.
const WindowSettings kSettings{.has_system_menu = true,
                               .x_extent = {7, 18},
                               .client_rect = {0, 0, 220, 44},
                               .client_origin = {300, 120},
                               .log_calls = true};
const DisplayGeometry kGeometry{220, 44, 7, 18};

// The 26 buttons in the one order the lock disables them and every all-clear enables them.
const std::vector<int> kLockOrder = {1016, 1015, 1005, 1007, 1008, 1009, 1010, 1011, 1012,
                                     1013, 1014, 1017, 1018, 1019, 1020, 1021, 1022, 1023,
                                     1034, 1032, 1031, 1030, 1029, 1025, 1024, 1004};

// From here every command gives a different state (checked below).
constexpr std::string_view kMidway = "5 M+ 1 + 2 BAR 3";
constexpr std::string_view kOverflow = "9 9 9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 9 9 =";

std::string OpString(const PaintOp& op) {
    std::ostringstream o;
    o << int{op.kind} << ' ' << op.a << ' ' << op.b << ' ' << op.c << ' ' << op.d << ' ' << op.text;
    return o.str();
}
std::vector<std::string> OpStrings(std::span<const PaintOp> ops) {
    std::vector<std::string> out;
    for (const PaintOp& op : ops)
        out.push_back(OpString(op));
    return out;
}

// The state, the fields and what the display shows: the drawing of the composition, which
// leaves out what its layout does not draw.
std::string Describe(const CalcState& s, const DisplayModel& m) {
    std::ostringstream o;
    o << s.entry.num << '/' << s.entry.den << " r" << s.entryRep << " acc " << s.acc.num << '/'
      << s.acc.den << " r" << s.accRep << " mem " << s.memory.num << '/' << s.memory.den << " r"
      << s.memoryRep << " shadows " << s.entryShadow.num << '/' << s.entryShadow.den << ' '
      << s.accShadow.num << '/' << s.accShadow.den << " op[" << s.pendingOp << "] shown "
      << s.resultShown << " locked " << s.locked << " recalled " << s.entryRecalled << " notice["
      << s.noticeText << "] fields[" << s.memText << '|' << s.readoutText << '|' << s.kindText
      << '|' << s.opText << "] display";
    RecordingCanvas canvas;
    tomaro::PaintDisplay(m, canvas);
    for (const std::string& op : OpStrings(canvas.ops()))
        o << '[' << op << ']';
    return o.str();
}
std::string Describe(const CCalcDlg& d) {
    return Describe(d.state(), d.model());
}
std::string Describe(const testing::Played& c) {
    return Describe(c.state(), c.model());
}
testing::Played Expected(std::string_view keys) {
    return testing::played(keys, kGeometry);
}

// One calculator window: the platform, the dialog, and a session run modally on it.
struct Calculator {
    FakePlatform platform;
    CCalcDlg dialog{platform};
    explicit Calculator(const WindowSettings& s = kSettings) { platform.screen = s; }
    int Run(const FakePlatform::Session& body) {
        platform.scripts[IDD_CALC_DIALOG] = body;
        return dialog.DoModal();
    }
};

std::string WordOf(int button) {
    for (const auto& [word, id] : kButtonWords)
        if (id == button) return word;
    return "?";
}

void Click(FakeDialogWindow& w, std::string_view keys) {
    for (const std::string& token : SplitTokens(keys))
        w.Click(kButtonWords.at(token));
}
void Type(FakeDialogWindow& w, std::initializer_list<int> codes) {
    for (int vk : codes)
        w.KeyDown(vk);
}

TEST(CalcDialogStartUp, InitialisesInOrderWithOrWithoutASystemMenu) {
    for (const bool system_menu : {true, false}) {
        SCOPED_TRACE(system_menu);
        WindowSettings settings = kSettings;
        settings.has_system_menu = system_menu;
        Calculator calc(settings);
        calc.Run([&](FakeDialogWindow& w) {
            // Steps as they first appear: data update, system menu, icon, measure, all clear.
            std::vector<std::string> first_seen;
            for (const auto& c : w.Calls())
                if (std::find(first_seen.begin(), first_seen.end(), c.op) == first_seen.end())
                    first_seen.push_back(c.op);
            std::vector<std::string> expected = {"limit",      "big-icon",   "dc",     "extent",
                                                 "release",    "kill-timer", "enable", "text",
                                                 "accessible", "description"};
            if (system_menu) expected.insert(expected.begin() + 1, "system-menu");
            EXPECT_EQ(first_seen, expected);
            EXPECT_EQ(w.Calls().front(), (testing::Call{"limit", IDC_KIND, 3}));
            EXPECT_EQ(CallsOf(w, "big-icon"), (std::vector<testing::Call>{{"big-icon", 128}}));
            using Items = std::vector<std::pair<int, std::string>>;
            const Items expected_menu =
                system_menu ? Items{{0, ""}, {16, "このソフトのバージョン情報(&A)..."}} : Items{};
            EXPECT_EQ(w.SystemMenu(), expected_menu);
            // "X", then the runs that give the advances of an integer's characters.
            const std::vector<testing::Call> extents = CallsOf(w, "extent");
            ASSERT_EQ(extents.size(), 1 + 2 * kIntegerCharacters.size());
            EXPECT_EQ(extents.front(), (testing::Call{"extent", 1002, 0, "X"}));
            for (const testing::Call& e : extents)
                EXPECT_EQ(e.id, 1002);

            const DisplayModel& m = calc.dialog.model();
            EXPECT_EQ(m.displayRect, kSettings.client_rect);
            EXPECT_EQ(m.charWidth, 8);
            for (const std::int32_t advance : m.advances)
                EXPECT_EQ(advance, 8 * kAdvanceRun);  // the headless font: one cell each
            EXPECT_EQ(m.charHeight, 18);
            EXPECT_EQ(m.numY, 0);
            EXPECT_EQ(m.mainY, 13);  // 54 / 4 truncated
            EXPECT_EQ(m.barY, 20);
            EXPECT_EQ(m.denY, 24);

            const testing::Played fresh = Expected("");
            EXPECT_EQ(Describe(calc.dialog), Describe(fresh));
            EXPECT_EQ(m.mainText, "0");
            EXPECT_EQ(w.Text(IDC_KIND), "整数");
            EXPECT_EQ(w.Text(IDC_READOUT), fresh.state().readoutText);
            EXPECT_EQ(w.Text(IDC_OPERATOR), fresh.state().opText);
            EXPECT_EQ(w.Text(IDC_MEMORYINDICATOR), "");
        });
        EXPECT_EQ(calc.platform.results, std::vector<int>{IDCANCEL});
    }
}

// From kMidway every command ends in a state of its own, so 27 distinct outcomes show that
// each button ran a command of its own (which one is the command table's test).
TEST(CalcDialogButtons, EveryButtonRunsACommandOfItsOwn) {
    std::set<std::string> outcomes;
    for (const auto& [word, id] : kButtonWords) {
        SCOPED_TRACE(word);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            Click(w, kMidway);
            EXPECT_TRUE(w.handler().OnCommand(id));
        });
        outcomes.insert(Describe(calc.dialog));
    }
    EXPECT_EQ(outcomes.size(), kButtonWords.size());
}

TEST(CalcDialogButtons, OneCalculationByButtonsAndByKeysStepsThroughItsForms) {
    struct Step {
        std::string_view kind, reading;
    };
    const Step steps[] = {
        {"真分数", "5/6"}, {"帯分数", "0 5/6"}, {"循環小数", "0.8{3}"}, {"整数", "1"}};
    for (const bool by_keys : {false, true}) {
        SCOPED_TRACE(by_keys);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            if (by_keys)
                Type(w, {vk::Digit(3), vk::Letter('F'), vk::Digit(2), vk::kAdd, vk::Digit(6),
                         vk::Letter('F'), vk::Digit(1), vk::kReturn});
            else
                Click(w, "3 BAR 2 + 6 BAR 1 =");
            for (const Step& step : steps) {
                SCOPED_TRACE(step.kind);
                EXPECT_EQ(w.Text(IDC_KIND), step.kind);
                EXPECT_EQ(w.AccessibleText(IDC_DISPLAY), step.reading);
                if (by_keys)
                    w.KeyDown(vk::kReturn);
                else
                    w.Click(IDC_EQUALS);
            }
            EXPECT_FALSE(w.Ended());
        });
    }
}

TEST(CalcDialogKeys, EveryCodeRunsTheKeyMapAndIsConsumed) {
    for (int code = 0; code <= 255; ++code) {
        SCOPED_TRACE(code);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            Click(w, kMidway);
            const std::size_t mark = w.Calls().size();
            EXPECT_TRUE(w.handler().PreTranslateKeyDown(code, {}));
            std::vector<testing::Call> focus;
            const auto command = LookUpKey(code);
            if (command) focus.push_back({"focus", ButtonOfCommand(*command)});
            EXPECT_EQ(CallsOf(w, "focus", mark), focus);
            EXPECT_FALSE(w.Ended());
            // A key runs what its button runs.
            const std::string by_key = Describe(calc.dialog);
            const std::string by_button =
                command ? Describe(Expected(std::string(kMidway) + " " +
                                            WordOf(ButtonOfCommand(*command))))
                        : Describe(Expected(kMidway));
            EXPECT_EQ(by_key, by_button);
        });
    }
}

TEST(CalcDialogKeys, EnterAndEscapeKeepTheDialogOpenTabAndSpaceDoNothing) {
    struct Case {
        int vk;
        std::string_view as_played;  // what the key must amount to after "1 + 2"
        std::vector<testing::Call> focus;
    };
    const Case cases[] = {{vk::kReturn, "=", {{"focus", IDC_EQUALS}}},
                          {vk::kEscape, "AC", {{"focus", IDC_ALLCLEAR}}},
                          {vk::kDelete, "AC", {{"focus", IDC_ALLCLEAR}}},
                          {vk::kTab, "", {}},
                          {vk::kSpace, "", {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vk);
        Calculator calc;
        const int result = calc.Run([&](FakeDialogWindow& w) {
            Click(w, "1 + 2");
            const std::size_t mark = w.Calls().size();
            w.KeyDown(c.vk);
            EXPECT_FALSE(w.Ended());
            EXPECT_EQ(CallsOf(w, "focus", mark), c.focus);
            if (c.focus.empty()) {
                EXPECT_EQ(w.Calls().size(), mark);
            }
        });
        EXPECT_EQ(result, IDCANCEL);  // only the close at the end of the session ended it
        EXPECT_EQ(Describe(calc.dialog), Describe(Expected("1 + 2 " + std::string(c.as_played))));
    }
}

TEST(CalcDialogLock, OverflowFocusesAllClearThenDisablesTheKeypadAndAllClearEnablesIt) {
    // Escape, Delete and the button unlock; every all-clear enables, locked or not.
    struct Unlock {
        std::string_view name;
        std::function<void(FakeDialogWindow&)> press;
    };
    const Unlock unlocks[] = {
        {"Escape", [](FakeDialogWindow& w) { w.KeyDown(vk::kEscape); }},
        {"Delete", [](FakeDialogWindow& w) { w.KeyDown(vk::kDelete); }},
        {"A.C.", [](FakeDialogWindow& w) { w.Click(IDC_ALLCLEAR); }},
    };
    const auto enables = [](bool on) {
        std::vector<testing::Call> out;
        for (int id : kLockOrder)
            out.push_back({"enable", id, on ? 1 : 0});
        return out;
    };
    for (const Unlock& unlock : unlocks) {
        SCOPED_TRACE(unlock.name);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            std::size_t mark = w.Calls().size();
            Click(w, kOverflow);
            ASSERT_TRUE(calc.dialog.state().locked);
            EXPECT_EQ(CallsOf(w, "enable", mark), enables(false));
            const auto from = w.Calls().begin() + static_cast<std::ptrdiff_t>(mark);
            const auto focus =
                std::find(from, w.Calls().end(), testing::Call{"focus", IDC_ALLCLEAR});
            const auto first_disable = std::find_if(
                from, w.Calls().end(), [](const testing::Call& c) { return c.op == "enable"; });
            EXPECT_TRUE(focus < first_disable) << "the focus must rest on A.C. first";

            // Keys still ask for their button's focus but change nothing.
            const std::string locked = Describe(calc.dialog);
            for (int code = 0; code <= 255; ++code) {
                if (code == vk::kEscape || code == vk::kDelete) continue;
                mark = w.Calls().size();
                w.KeyDown(code);
                ASSERT_EQ(Describe(calc.dialog), locked) << code;
                EXPECT_TRUE(CallsOf(w, "enable", mark).empty()) << code;
                if (const auto command = LookUpKey(code)) {
                    EXPECT_EQ(CallsOf(w, "focus", mark),
                              (std::vector<testing::Call>{{"focus", ButtonOfCommand(*command)}}));
                }
            }

            mark = w.Calls().size();
            unlock.press(w);
            EXPECT_EQ(CallsOf(w, "enable", mark), enables(true));
            EXPECT_EQ(Describe(calc.dialog), Describe(Expected(std::string(kOverflow) + " AC")));
            mark = w.Calls().size();
            unlock.press(w);  // again, unlocked
            EXPECT_EQ(CallsOf(w, "enable", mark), enables(true));
            EXPECT_FALSE(w.Ended());
        });
    }
}

TEST(CalcDialogNotice, ShowsInTheReadoutAndStartsTheTimer) {
    struct Case {
        std::string_view keys;
        std::string_view notice;
    };
    const Case cases[] = {{"5 / 0 =", kNoticeDivideByZero}, {"0 . INV", kNoticeZeroDenominator}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            const std::size_t mark = w.Calls().size();
            Click(w, c.keys);
            EXPECT_EQ(w.Text(IDC_READOUT), c.notice);
            EXPECT_EQ(w.Announced(), c.notice);
            std::vector<testing::Call> last_two;
            for (const auto& call : std::span(w.Calls()).subspan(mark))
                if (call.op == "kill-timer" || call.op == "set-timer") last_two.push_back(call);
            ASSERT_GE(last_two.size(), 2u);
            last_two.erase(last_two.begin(), last_two.end() - 2);
            EXPECT_EQ(last_two, (std::vector<testing::Call>{{"kill-timer", IDT_NOTICE},
                                                            {"set-timer", IDT_NOTICE, 2000}}));
        });
    }
}

TEST(CalcDialogNotice, ASecondNoticeRestartsTheTimeAndExpiryShowsTheValueAtOnce) {
    Calculator calc;
    calc.Run([&](FakeDialogWindow& w) {
        // 0 . R: a keyed decimal zero has no reciprocal
        Type(w, {vk::Digit(0), vk::kOemPeriod, vk::Letter('R')});
        w.Advance(1500);
        w.KeyDown(vk::Letter('R'));
        w.handler().OnTimer(IDT_NOTICE + 1);  // not ours: changes nothing
        w.Advance(1900);                      // 3400 ms
        EXPECT_TRUE(w.TimerRunning(IDT_NOTICE));
        EXPECT_EQ(w.Text(IDC_READOUT), kNoticeZeroDenominator);
        w.Advance(100);  // 3500 ms
        EXPECT_FALSE(w.TimerRunning(IDT_NOTICE));
        EXPECT_EQ(w.Text(IDC_READOUT), Expected("0 . INV INV TICK").state().readoutText);
        w.Advance(10000);
        EXPECT_EQ(CallsOf(w, "on-timer").size(), 1u);
        EXPECT_EQ(Describe(calc.dialog), Describe(Expected("0 . INV INV TICK")));
    });
}

TEST(CalcDialogNotice, ClearingTheEntryEndsTheNotice) {
    Calculator calc;
    calc.Run([&](FakeDialogWindow& w) {
        Click(w, "5 / 0 +");
        ASSERT_EQ(w.Text(IDC_READOUT), kNoticeDivideByZero);
        Click(w, "7");  // a digit after a result clears the entry first
        EXPECT_FALSE(w.TimerRunning(IDT_NOTICE));
        EXPECT_EQ(w.Text(IDC_READOUT), Expected("5 / 0 + 7").state().readoutText);
        w.Advance(5000);
        EXPECT_TRUE(CallsOf(w, "on-timer").empty());
    });
}

// Screen readers are told each new value as it is said, the lock with the error display, and
// the notice (these two as alerts, "!"); a notice that ends is taken back, a repaint of the
// same value says nothing.
TEST(CalcDialogNotice, ScreenReadersHearEachNewValueTheLockAndTheNotice) {
    struct Case {
        std::string_view before, keys;  // what is said after `before`
        bool expire;                    // the notice timer runs out at the end
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"", "", false, {}},
        {"",
         "3 BAR 2 + 6 BAR 1 = =",
         false,
         {"3", "3分の0", "3分の2", "6", "6分の0", "6分の1", "6分の5", "0と6分の5"}},
        {"", "1 + =", false, {"1", "2"}},
        {"", "5 / 0 =", true, {"5", "0", "!" + std::string(kNoticeDivideByZero), "5"}},
        {"", "0 . INV", true, {"0.", "!" + std::string(kNoticeZeroDenominator), ""}},
        {"9 9 9 9 9 9 9 9 9 9",
         "* =",  // squared: an overflow
         false,
         {"!エラー、1分の99999999980000002048。" + std::string(kSpokenKeypadLocked)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            Click(w, c.before);
            const std::size_t mark = w.Calls().size();
            Click(w, c.keys);
            if (c.expire) w.ExpireTimer(IDT_NOTICE);
            std::vector<std::string> said;
            for (const testing::Call& call : CallsOf(w, "announce", mark))
                said.push_back((call.value != 0 ? "!" : "") + call.text);
            EXPECT_EQ(said, c.said);
        });
    }
}

// The platform keeps the display's picture: the dialog's and the fields' painting draw
// nothing, activation draws it once more, and no repaint sets a field again.
TEST(CalcDialogFields, ATextIsSetOnlyWhenItChangesAndLimitsOnce) {
    Calculator calc;
    calc.Run([&](FakeDialogWindow& w) {
        Click(w, "3 BAR 2 1");
        const auto sets = TextSets(w);
        const std::size_t drawn = w.Drawings().size();
        auto& h = w.handler();
        h.OnPaint();
        EXPECT_EQ(w.Drawings().size(), drawn);
        h.OnActivate(true);
        h.OnPaint();
        EXPECT_EQ(TextSets(w), sets);
        EXPECT_EQ(w.Drawings().size(), drawn + 1);
        h.OnActivate(false);
        EXPECT_EQ(w.Drawings().size(), drawn + 1);

        // 3/21 to 3/211 changes the readout only; the kind stays a proper fraction.
        const auto before = TextSets(w);
        Click(w, "1");
        auto after = TextSets(w);
        EXPECT_EQ(after[IDC_READOUT], before.at(IDC_READOUT) + 1);
        for (const int id : {IDC_KIND, IDC_OPERATOR, IDC_MEMORYINDICATOR})
            EXPECT_EQ(after[id], before.count(id) ? before.at(id) : 0) << id;

        // Set when the dialog opens; they hold from then on.
        EXPECT_EQ(CallsOf(w, "limit"),
                  (std::vector<testing::Call>{{"limit", IDC_KIND, 3},
                                              {"limit", IDC_OPERATOR, 1},
                                              {"limit", IDC_MEMORYINDICATOR, 1}}));
    });
}

TEST(CalcDialogPaint, DrawsTheRepresentationIntoTheDisplay) {
    struct Case {
        std::string_view keys;
        Rep rep;
    };
    const Case cases[] = {
        {"3 BAR 2 + 6 BAR 1 =", REP_FRACTION},
        {"2 BAR 7 = =", REP_MIXED},
        {"1 / 3 = = =", REP_DECIMAL},    // one line
        {"1 / 9 7 = = =", REP_DECIMAL},  // two lines
        {"1 2 3 4 5 6 7", REP_INTEGER},  // with marks
        {kOverflow, REP_ERROR},
    };
    for (const auto& [keys, rep] : cases) {
        SCOPED_TRACE(keys);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            Click(w, keys);
            ASSERT_EQ(calc.dialog.state().entryRep, rep);
            RecordingCanvas canvas;
            tomaro::PaintDisplay(calc.dialog.model(), canvas);
            ASSERT_FALSE(w.Drawings().empty());
            EXPECT_EQ(w.Drawings().back().control, IDC_DISPLAY);
            EXPECT_EQ(OpStrings(w.Drawings().back().ops), OpStrings(canvas.ops()));
            EXPECT_EQ(w.Drawings().back().ops.front().kind, PaintOp::Fill);
        });
    }
}

// However many compositions and drawings its commands ask for (an operator evaluates first,
// a refused division shows a notice), a click, a key or the timer composes the display once
// and draws it once.
TEST(CalcDialogPaint, EachClickKeyAndTimerComposesAndDrawsOnce) {
    using Press = std::function<void(FakeDialogWindow&)>;
    const auto click = [](std::string_view words) {
        return Press([=](auto& w) { Click(w, words); });
    };
    const auto key = [](int code) { return Press([=](FakeDialogWindow& w) { w.KeyDown(code); }); };
    const Press expire = [](FakeDialogWindow& w) { ASSERT_TRUE(w.ExpireTimer(IDT_NOTICE)); };
    struct Road {
        std::string_view name;
        std::vector<Press> presses;
    };
    const Road roads[] = {
        {"clicks",
         {click("3"), click("BAR"), click("2"), click("+"), click("6"), click("BAR"), click("1"),
          click("="), click("="), click("="), click("=")}},
        {"keys",
         {key(vk::Digit(3)), key(vk::Letter('F')), key(vk::Digit(2)), key(vk::kAdd),
          key(vk::Digit(6)), key(vk::Letter('F')), key(vk::Digit(1)), key(vk::kReturn),
          key(vk::kReturn), key(vk::kReturn), key(vk::kReturn)}},
        {"a refused division", {click("1"), click("/"), click("0"), click("="), expire}},
    };
    for (const Road& road : roads) {
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            for (std::size_t i = 0; i < road.presses.size(); ++i) {
                SCOPED_TRACE(::testing::Message() << road.name << ", press " << i);
                const std::uint64_t composed = calc.dialog.compositions();
                const std::size_t drawn = w.Drawings().size();
                road.presses[i](w);
                EXPECT_EQ(calc.dialog.compositions(), composed + 1);
                EXPECT_EQ(w.Drawings().size(), drawn + 1);
            }
        });
    }
}

TEST(CalcDialogPaint, NothingIsDrawnOrSetWhileMinimised) {
    Calculator calc;
    calc.Run([&](FakeDialogWindow& w) {
        w.SetMinimised(true);
        const std::size_t mark = w.Calls().size();
        Click(w, "7");
        w.handler().OnPaint();
        for (const auto& c : std::span(w.Calls()).subspan(mark))
            EXPECT_TRUE(c.op != "dc" && c.op != "text" && c.op != "accessible") << c.op;
        w.SetMinimised(false);
        w.handler().OnActivate(true);
        EXPECT_EQ(w.Text(IDC_READOUT), Expected("7").state().readoutText);
        EXPECT_EQ(w.AccessibleText(IDC_DISPLAY), "7");
    });
}

TEST(CalcDialogMenus, ContextMenuAtThePointerOrBesideTheClientOrigin) {
    struct Case {
        platform::Point asked, shown;
    };
    const Case cases[] = {
        {{150, 200}, {150, 200}}, {platform::kKeyboardMenuPoint, {305, 125}}, {{-1, 40}, {-1, 40}}};
    for (const Case& c : cases) {
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            w.handler().OnContextMenu(c.asked);
            ASSERT_EQ(w.Popups().size(), 1u);
            const std::vector<std::pair<int, std::string>> items = {{32776, "コピー(&C)"},
                                                                    {32777, "貼り付け(&P)"},
                                                                    {0, ""},
                                                                    {32775, "バージョン情報(&A)"},
                                                                    {32774, "終了(&X)"}};
            EXPECT_EQ(w.Popups()[0].items, items);
            EXPECT_EQ(w.Popups()[0].disabled, std::vector<int>{});
            EXPECT_EQ(w.Popups()[0].at, c.shown) << c.asked.x << ',' << c.asked.y;
        });
    }
}

// Copy puts the displayed value on the clipboard in full; Paste keys it back as a new operand,
// in the very state the keys named in `keyed_as` give.
TEST(CalcDialogMenus, CopyThenPasteEntersTheValueTheDisplayShowed) {
    constexpr std::string_view kLongRecurring = "9 7 BAR 1 = = =";  // 1/97: 96 digits recur
    const std::string one_97th =
        "0.{010309278350515463917525773195876288659793814432989690721649484536082474226804123711340"
        "206185567}";
    struct Case {
        std::string keys;
        std::string copied;
        std::string keyed_as;
    };
    const Case cases[] = {
        {"3 BAR 2 + 6 BAR 1 =", "5/6", "AC 6 BAR 5"},
        {"3 BAR 2 + 6 BAR 1 = =", "0 5/6", "AC 6 BAR 5"},
        {"3 BAR 2 + 6 BAR 1 = = =", "0.8{3}", "AC 6 BAR 5"},
        {"3 BAR 2 + 6 BAR 1 = = = =", "1", "AC 1"},  // 5/6 shown rounded
        {"3 BAR 7 NEG + 0 = =", "-2 1/3", "AC 3 BAR 7 NEG"},
        {"3 BAR 2 NEG", "-2/3", "CE 3 BAR 2 NEG"},
        {"1 2 3 4 5 6 7 +", "1234567", "1 2 3 4 5 6 7"},
        {"1 . 5 0", "1.50", "CE 1 . 5 0"},
        {std::string(kLongRecurring), one_97th, "AC 9 7 BAR 1"},
        // More places than the keypad takes: keyed as the fraction. A period longer than the
        // display's block: copied as the fraction, never as a block that is another number.
        {"1 0 4 8 5 7 6 BAR 1 = = =", "0.00000095367431640625", "AC 1 0 4 8 5 7 6 BAR 1"},
        {"1 0 9 BAR 1 = = =", "1/109", "AC 1 0 9 BAR 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            Click(w, c.keys);
            w.Command(ID_MENU_COPY);
            EXPECT_EQ(calc.platform.clipboard, c.copied);
            w.Command(ID_MENU_PASTE);
            EXPECT_EQ(Describe(calc.dialog), Describe(Expected(c.keys + " " + c.keyed_as)));
        });
    }
}

// Copy is grayed while the error display is up, Paste while the keypad is locked; text that
// is no number the keypad can enter changes nothing but the readout's notice.
TEST(CalcDialogMenus, NothingToCopyOrPasteIsRefused) {
    Calculator calc;
    calc.Run([&](FakeDialogWindow& w) {
        Click(w, kOverflow);
        calc.platform.clipboard = "before";
        w.handler().OnContextMenu({1, 1});
        EXPECT_EQ(w.Popups().back().disabled, (std::vector<int>{ID_MENU_COPY, ID_MENU_PASTE}));
        w.Command(ID_MENU_COPY);
        w.Command(ID_MENU_PASTE);
        EXPECT_EQ(calc.platform.clipboard, "before");
        EXPECT_EQ(Describe(calc.dialog), Describe(Expected(kOverflow)));

        Click(w, "AC 1 2");
        calc.platform.clipboard = "12 apples";
        w.Command(ID_MENU_PASTE);
        EXPECT_EQ(w.Text(IDC_READOUT), kNoticePasteRefused);
        EXPECT_EQ(w.Announced(), kNoticePasteRefused);
        calc.platform.clipboard = "1234567890123456789";  // one digit beyond the keypad
        w.Command(ID_MENU_PASTE);
        w.ExpireTimer(IDT_NOTICE);
        EXPECT_EQ(Describe(calc.dialog), Describe(Expected(std::string(kOverflow) + " AC 1 2")));
    });
}

// The usual shortcuts copy and paste; Ctrl+X and Ctrl+Z do nothing rather than recall or clear
// the memory; Ctrl is not consulted for any other key.
TEST(CalcDialogMenus, CtrlAndShiftShortcutsCopyAndPasteAndLeaveTheMemoryAlone) {
    struct Case {
        std::string_view name;
        int key;
        vk::Modifiers held;
        std::string_view clipboard_after;
        std::string_view as_played;  // after "5 M+ AC 4 2", with "5/6" on the clipboard
    };
    const vk::Modifiers ctrl_shift{.ctrl = true, .shift = true};
    const Case cases[] = {
        {"Ctrl+C", vk::Letter('C'), vk::kCtrlHeld, "42", ""},
        {"Ctrl+Shift+C", vk::Letter('C'), ctrl_shift, "42", ""},
        {"Ctrl+Insert", vk::kInsert, vk::kCtrlHeld, "42", ""},
        {"Ctrl+V", vk::Letter('V'), vk::kCtrlHeld, "5/6", "CE 6 BAR 5"},
        {"Shift+Insert", vk::kInsert, vk::kShiftHeld, "5/6", "CE 6 BAR 5"},
        {"Ctrl+X", vk::Letter('X'), vk::kCtrlHeld, "5/6", ""},
        {"Ctrl+Z", vk::Letter('Z'), vk::kCtrlHeld, "5/6", ""},
        {"Ctrl+5", vk::Digit(5), vk::kCtrlHeld, "5/6", "5"},
        {"Shift+C", vk::Letter('C'), vk::kShiftHeld, "5/6", "M-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) {
            Click(w, "5 M+ AC 4 2");
            calc.platform.clipboard = "5/6";
            w.KeyDown(c.key, c.held);
            EXPECT_EQ(calc.platform.clipboard, c.clipboard_after);
            EXPECT_EQ(Describe(calc.dialog),
                      Describe(Expected("5 M+ AC 4 2 " + std::string(c.as_played))));
        });
    }
}

TEST(CalcDialogMenus, ExitEndsWith2AndOkAndCancelTakeThePlatformPath) {
    for (const int id : {ID_MENU_EXIT, IDCANCEL, IDOK}) {
        SCOPED_TRACE(id);
        Calculator calc;
        bool handled = true;
        const int result = calc.Run([&](FakeDialogWindow& w) {
            Click(w, "4");
            if (id != ID_MENU_EXIT) handled = w.handler().OnCommand(id);
            w.Command(id);
        });
        EXPECT_EQ(handled, id == ID_MENU_EXIT);
        EXPECT_EQ(result, id == ID_MENU_EXIT ? IDCANCEL : id);
    }
}

TEST(CalcDialogMenus, AboutBoxOpensFromBothMenusAndLeavesTheCalculatorAsItWas) {
    struct Way {
        std::string name;
        std::function<bool(platform::DialogHandler&)> open;
    };
    std::vector<Way> ways = {{"menu", [](auto& h) { return h.OnCommand(ID_MENU_ABOUT); }}};
    for (int id = 16; id <= 31; ++id)
        ways.push_back({"sys " + std::to_string(id), [id](auto& h) { return h.OnSysCommand(id); }});

    for (const Way& way : ways) {
        for (const std::string_view keys : {std::string_view("3 BAR 2 M+ 5 / 0 ="), kOverflow}) {
            SCOPED_TRACE(way.name + " after " + std::string(keys));
            Calculator calc;
            int about_runs = 0;
            calc.platform.scripts[IDD_ABOUTBOX] = [&](FakeDialogWindow& about) {
                ++about_runs;
                EXPECT_NE(dynamic_cast<CAboutDlg*>(&about.handler()), nullptr);
                about.KeyDown(vk::kReturn);  // the box's default button, OK
            };
            calc.Run([&](FakeDialogWindow& w) {
                Click(w, keys);
                const std::string before = Describe(calc.dialog);
                const std::size_t mark = w.Calls().size();
                EXPECT_TRUE(way.open(w.handler()));
                EXPECT_EQ(Describe(calc.dialog), before);
                EXPECT_EQ(w.Calls().size(), mark);
                EXPECT_FALSE(w.Ended());
            });
            EXPECT_EQ(about_runs, 1);
            EXPECT_EQ(calc.platform.opened, (std::vector<int>{IDD_CALC_DIALOG, IDD_ABOUTBOX}));
            EXPECT_EQ(calc.platform.results, (std::vector<int>{IDOK, IDCANCEL}));
        }
    }
}

TEST(CalcDialogMenus, OtherSystemCommandsGoToTheDefault) {
    for (const int id : {0, 15, 32, 0xF060}) {
        Calculator calc;
        calc.Run([&](FakeDialogWindow& w) { EXPECT_FALSE(w.handler().OnSysCommand(id)) << id; });
        EXPECT_EQ(calc.platform.opened, std::vector<int>{IDD_CALC_DIALOG}) << id;
    }
}

TEST(CalcApp, RunsTheCalculatorOnceAndEnds) {
    FakePlatform platform;
    int sessions = 0;
    platform.scripts[IDD_CALC_DIALOG] = [&](FakeDialogWindow& w) {
        ++sessions;
        EXPECT_NE(dynamic_cast<CCalcDlg*>(&w.handler()), nullptr);
        w.Command(ID_MENU_EXIT);
    };
    CCalcApp app;
    EXPECT_FALSE(app.InitInstance(platform));
    EXPECT_EQ(platform.opened, std::vector<int>{IDD_CALC_DIALOG});
    EXPECT_EQ(sessions, 1);
}

}  // namespace
}  // namespace tomaro
