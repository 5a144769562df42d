// The platform in a web page: each dialog runs modally in a loop of its own over the page's
// events, as a dialog manager's loop runs over a window system's messages. The program waits
// for the next event (the page runs on meanwhile), so a dialog opened from a handler, and the
// clipboard's answer, come back to where the handler asked for them.
#pragma once

#include <vector>

#include "platform/platform.hpp"
#include "platform/web/web_dialog_window.hpp"

namespace tomaro::platform::web {

class WebPlatform final : public Platform {
public:
    int DoModal(const DialogTemplate& t, DialogHandler& handler) override;

    // After the calculator has ended: the page says so, and this returns when it is asked
    // to start the calculator again.
    void WaitForRestart();

private:
    // An event goes to the window it names while that window is open: the dialogs under a
    // modal one take no input (the page makes them inert) but still get their timers.
    void Dispatch(const page::Event& e);

    std::vector<WebDialogWindow*> running_;  // innermost last
    int next_id_ = 1;
};

}  // namespace tomaro::platform::web
