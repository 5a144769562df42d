// Plays keys on the engine alone, as tests/engine/engine_keys.hpp does, with a window that
// composes the display whenever the engine asks, as the dialog does: what the display shows
// after the keys, on a display of 200 x 40 pixels whose "X" measures 8 x 16.
#pragma once

#include <string_view>

#include "display/compose_display.hpp"
#include "tests/engine/engine_keys.hpp"

namespace tomaro::testing {

class Shown : public TestWindow {
public:
    explicit Shown(std::string_view keys = "") {
        SetDisplayMetrics(model_, {0, 0, 200, 40}, 8, 16);
        start(state_, *this);
        play(keys);
    }

    void play(std::string_view keys) { press(state_, *this, keys); }

    const CalcState& state() const { return state_; }
    const DisplayModel& model() const { return model_; }

    void ComposeDisplay() override { tomaro::ComposeDisplay(state_, model_); }
    void PaintDisplay() override {}  // the painter draws the model alone
    void ShowNotice(std::string_view text) override {
        TestWindow::ShowNotice(text);
        ComposeDisplay();
    }

private:
    CalcState state_;
    DisplayModel model_;
};

inline Shown shown(std::string_view keys) {
    return Shown(keys);
}

}  // namespace tomaro::testing
