// Plays keys as a person would press them ("3 BAR 2 + 6 BAR 1 =") on a freshly started
// calculator, hosted as tomaro-cli hosts it, and keeps what it then shows.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/hosted_calculator.hpp"

namespace tomaro::testing {

inline std::vector<Key> keys_of(std::string_view keys) {
    auto parsed = ParseKeyTokens(SplitTokens(keys));
    if (const auto* error = std::get_if<TokenError>(&parsed)) {
        throw std::invalid_argument("bad key in test: " + error->token);
    }
    return std::get<std::vector<Key>>(std::move(parsed));
}

inline void play(HostedCalculator& calc, std::string_view keys) {
    for (const Key& key : keys_of(keys))
        calc.Play(key);
}

// The calculator after the keys, as the dialog and its window held it.
class Played {
public:
    Played(const HostedCalculator& c, std::string_view keys, const DisplayGeometry& geometry)
        : keys_(keys),
          geometry_(geometry),
          state_(c.state()),
          model_(c.model()),
          display_(c.display().begin(), c.display().end()),
          focus_(c.window().Focus()),
          notice_timer_running_(c.window().TimerRunning(IDT_NOTICE)),
          keypad_locked_(!c.window().IsEnabled(IDC_EQUALS)) {}

    const CalcState& state() const { return state_; }
    const DisplayModel& model() const { return model_; }
    const std::vector<PaintOp>& display() const { return display_; }
    int focus() const { return focus_; }
    bool notice_timer_running() const { return notice_timer_running_; }
    bool keypad_locked() const { return keypad_locked_; }
    const std::string& keys() const { return keys_; }
    const DisplayGeometry& geometry() const { return geometry_; }

private:
    std::string keys_;
    DisplayGeometry geometry_;
    CalcState state_;
    DisplayModel model_;
    std::vector<PaintOp> display_;
    int focus_;
    bool notice_timer_running_;
    bool keypad_locked_;
};

inline Played played(std::string_view keys, const DisplayGeometry& geometry = {}) {
    std::vector<Played> shown;
    RunCalculator(geometry, [&](HostedCalculator& calc) {
        play(calc, keys);
        shown.emplace_back(calc, keys, geometry);
    });
    return shown.at(0);
}

// More keys on the same calculator: the dialog is modal, so the whole sequence plays again
// on a fresh one, which ends in the same state.
inline void play(Played& calc, std::string_view more) {
    calc = played(calc.keys() + " " + std::string(more), calc.geometry());
}

}  // namespace tomaro::testing
