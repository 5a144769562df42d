// What the headless platform does on its own, as a window system would: focus on the first
// tab stop, clicks only on enabled buttons, Enter and Escape as OK and Cancel, timers on the
// host's clock, and changed fields repainting after each event.
#include "platform/headless/headless_platform.hpp"

#include <gtest/gtest.h>

#include "platform/virtual_keys.hpp"

#include <string>
#include <vector>

namespace tomaro::platform::headless {
namespace {

// Records what reaches the dialog; declines everything, so the platform's defaults apply.
class Probe final : public DialogHandler {
public:
    std::vector<std::string> events;
    bool focus_first_tab_stop = true;

    bool OnInitDialog(DialogWindow&) override { return focus_first_tab_stop; }
    bool OnCommand(int id) override { return Note("command " + std::to_string(id)); }
    bool PreTranslateKeyDown(int key, vk::Modifiers) override {
        return Note("key " + std::to_string(key));
    }
    void OnTimer(int id) override { Note("timer " + std::to_string(id)); }

private:
    bool Note(std::string e) {
        events.push_back(std::move(e));
        return false;
    }
};

template <typename Body>
int RunProbe(Probe& probe, Body body) {
    HeadlessPlatform platform;
    platform.SetSession(IDD_CALC_DIALOG, body);
    return platform.DoModal(CalcDialogTemplate(), probe);
}

TEST(HeadlessWindow, FocusStartsOnTheFirstTabStopAndNeverRestsOnADisabledControl) {
    for (const bool asked : {true, false}) {
        Probe probe;
        probe.focus_first_tab_stop = asked;
        RunProbe(probe, [&](HeadlessWindow& w) {
            EXPECT_EQ(w.Focus(), asked ? IDC_EQUALS : 0);
            w.SetFocus(IDC_DIGIT7);
            EXPECT_EQ(w.Focus(), IDC_DIGIT7);
            w.EnableControl(IDC_DIGIT8, false);
            w.SetFocus(IDC_DIGIT8);
            EXPECT_EQ(w.Focus(), IDC_DIGIT7);
        });
    }
}

TEST(HeadlessWindow, OnlyAnEnabledButtonClicksAndUnhandledOkCancelEnterEscapeEndTheDialog) {
    Probe probe;
    const int result = RunProbe(probe, [&](HeadlessWindow& w) {
        w.Click(IDC_DIGIT7);
        w.EnableControl(IDC_DIGIT7, false);
        w.Click(IDC_DIGIT7);
        w.Click(IDC_DISPLAY);  // not a button
        w.Click(4711);         // no such control
        w.KeyDown(vk::Letter('A'));
        w.KeyDown(vk::kReturn);
        EXPECT_TRUE(w.Ended());
        w.KeyDown(vk::kEscape);  // an ended dialog takes nothing more
    });
    EXPECT_EQ(result, IDOK);
    const std::vector<std::string> expected = {"command 1012", "key 65", "key 13", "command 1"};
    EXPECT_EQ(probe.events, expected);

    Probe escaped;
    EXPECT_EQ(RunProbe(escaped, [](HeadlessWindow& w) { w.KeyDown(vk::kEscape); }), IDCANCEL);
    Probe left_open;  // a session that leaves it open: closed as by the close box
    EXPECT_EQ(RunProbe(left_open, [](HeadlessWindow&) {}), IDCANCEL);
}

TEST(HeadlessWindow, TimersRepeatRestartAndStopOnTheHostsClock) {
    Probe probe;
    RunProbe(probe, [&](HeadlessWindow& w) {
        EXPECT_FALSE(w.ExpireTimer(7));
        w.SetTimer(7, 100);
        w.Advance(250);      // fires at 100 and 200
        w.SetTimer(7, 100);  // restarted at 250: next at 350
        w.Advance(99);
        EXPECT_TRUE(w.ExpireTimer(7));  // runs the clock on to 350
        w.KillTimer(7);
        EXPECT_FALSE(w.TimerRunning(7));
        w.Advance(1000);
    });
    const std::vector<std::string> expected = {"timer 7", "timer 7", "timer 7", "command 2"};
    EXPECT_EQ(probe.events, expected);
}

}  // namespace
}  // namespace tomaro::platform::headless
