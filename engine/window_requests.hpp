// What the engine asks of the window. The engine never draws or touches a control; each
// command makes these requests in a fixed order, which tests record.
#pragma once

#include <string_view>

namespace tomaro {

class WindowRequests {
public:
    virtual ~WindowRequests() = default;

    virtual void ComposeDisplay() = 0;
    virtual void PaintDisplay() = 0;
    virtual void PushFieldTexts() = 0;
    // The engine has already put the text into noticeText; the window recomposes, repaints
    // and (re)starts its notice timer.
    virtual void ShowNotice(std::string_view text) = 0;
    virtual void StopNoticeTimer() = 0;
    virtual void LockKeypad() = 0;
    virtual void UnlockKeypad() = 0;
    virtual void FocusAllClear() = 0;
};

}  // namespace tomaro
