// The calculator as tomaro-cli hosts it: the application's own dialog on the headless
// platform. Keys go in through the dialog's routing, as clicks and key-downs; what the
// window shows comes back out.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "cli/key_tokens.hpp"
#include "display/display_model.hpp"
#include "engine/calc_state.hpp"
#include "platform/headless/headless_platform.hpp"

namespace tomaro {

class CCalcDlg;

struct DisplayGeometry {
    std::int32_t width = 200;
    std::int32_t height = 40;
    std::int32_t char_width = 8;  // extent of "X": the cell is one pixel wider
    std::int32_t char_height = 16;
};

class HostedCalculator {
public:
    explicit HostedCalculator(platform::headless::HeadlessWindow& window);

    // A button token clicks its button, vk:N is a key-down, TICK the notice timer's expiry
    // (if it runs), COPY and PASTE choose the context menu's item.
    void Play(const Key& key);

    const CalcState& state() const;
    const DisplayModel& model() const;
    // The system clipboard's text.
    const std::string& clipboard() const;
    // What the display control last drew: what the user sees there.
    std::span<const PaintOp> display() const;
    const platform::headless::HeadlessWindow& window() const { return window_; }

private:
    platform::headless::HeadlessWindow& window_;
    const CCalcDlg& dialog_;
};

// Starts the calculator application on a headless screen of that geometry, with that text on
// its clipboard, and calls use(calculator) while its dialog runs; returns when the
// application has ended.
void RunCalculator(const DisplayGeometry& geometry,
                   const std::function<void(HostedCalculator&)>& use,
                   std::string_view clipboard = {});

}  // namespace tomaro
