#include "cli/headless_calculator.hpp"

#include "display/compose_display.hpp"
#include "shell/key_map.hpp"

namespace tomaro {

HeadlessCalculator::HeadlessCalculator(const DisplayGeometry& g) {
    SetDisplayMetrics(model_, {0, 0, g.width, g.height}, g.char_width, g.char_height);
    StartUp(state_, *this);
}

void HeadlessCalculator::Press(Command c) {
    Run(c, state_, *this);
}

void HeadlessCalculator::Play(const Key& key) {
    switch (key.kind) {
        case Key::Button:
            Press(key.command);
            break;
        case Key::NoticeTimer:
            // Only a running timer can expire.
            if (notice_timer_running_) ExpireNotice(state_, *this);
            break;
        case Key::VirtualKey:
            if (const auto binding = LookUpKey(key.virtual_key)) {
                Press(binding->command);
                focus_ = binding->focus;
            }
            break;
    }
}

void HeadlessCalculator::ComposeDisplay() {
    tomaro::ComposeDisplay(state_, model_);
}

void HeadlessCalculator::ShowNotice(std::string_view) {
    ComposeDisplay();
    notice_timer_running_ = true;  // a second notice restarts the timer
}

}  // namespace tomaro
