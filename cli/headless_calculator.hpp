// The calculator without a window: the engine's state, the composed display, and a record of
// what a window would hold (notice timer, keypad lock, focus). tomaro-cli, the tests and the
// benchmarks play keys on it.
#pragma once

#include "cli/key_tokens.hpp"
#include "display/display_model.hpp"
#include "engine/calc_state.hpp"
#include "resources/control_ids.hpp"

namespace tomaro {

struct DisplayGeometry {
    std::int32_t width = 200;
    std::int32_t height = 40;
    std::int32_t char_width = 8;  // extent of "X": the cell is one pixel wider
    std::int32_t char_height = 16;
};

class HeadlessCalculator final : public WindowRequests {
public:
    explicit HeadlessCalculator(const DisplayGeometry& geometry = {});

    void Play(const Key& key);
    void Press(Command c);

    const CalcState& state() const { return state_; }
    const DisplayModel& model() const { return model_; }
    bool notice_timer_running() const { return notice_timer_running_; }
    bool keypad_locked() const { return keypad_locked_; }
    int focus() const { return focus_; }

    void ComposeDisplay() override;
    void PaintDisplay() override {}  // drawn on demand, from the composed model
    void PushFieldTexts() override {}
    void ShowNotice(std::string_view text) override;
    void StopNoticeTimer() override { notice_timer_running_ = false; }
    void LockKeypad() override { keypad_locked_ = true; }
    void UnlockKeypad() override { keypad_locked_ = false; }
    void FocusAllClear() override { focus_ = IDC_ALLCLEAR; }

private:
    CalcState state_;
    DisplayModel model_;
    bool notice_timer_running_ = false;
    bool keypad_locked_ = false;
    int focus_ = IDC_EQUALS;  // the one tab stop takes the focus when the window opens
};

}  // namespace tomaro
