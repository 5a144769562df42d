// A window that records what the engine asks of it, in order, so that tests can check the
// requests a command makes.
#pragma once

#include <string>
#include <vector>

#include "engine/window_requests.hpp"

namespace tomaro::testing {

class RecordingWindow final : public WindowRequests {
public:
    std::vector<std::string> requests;

    void ComposeDisplay() override { requests.emplace_back("compose"); }
    void PaintDisplay() override { requests.emplace_back("paint"); }
    void PushFieldTexts() override { requests.emplace_back("push"); }
    void ShowNotice(std::string_view text) override {
        requests.emplace_back("notice:" + std::string(text));
    }
    void StopNoticeTimer() override { requests.emplace_back("stop-timer"); }
    void LockKeypad() override { requests.emplace_back("lock"); }
    void UnlockKeypad() override { requests.emplace_back("unlock"); }
    void FocusAllClear() override { requests.emplace_back("focus-ac"); }
};

}  // namespace tomaro::testing
