#include "platform/web/web_platform.hpp"

#include <algorithm>

namespace tomaro::platform::web {

int WebPlatform::DoModal(const DialogTemplate& t, DialogHandler& handler) {
    WebDialogWindow window(next_id_++, t, handler, !running_.empty());
    running_.push_back(&window);
    window.Initialise();
    while (!window.Ended())
        Dispatch(page::NextEvent());
    running_.pop_back();
    return window.Result();
}

void WebPlatform::Dispatch(const page::Event& e) {
    if (e.kind == page::EventKind::Layout) {
        for (WebDialogWindow* w : running_)
            w->Dispatch(e);
        return;
    }
    const auto open = std::find_if(running_.begin(), running_.end(),
                                   [&](const WebDialogWindow* w) { return w->Id() == e.window; });
    if (open != running_.end()) (*open)->Dispatch(e);
}

void WebPlatform::WaitForRestart() {
    page::ShowEnded();
    while (page::NextEvent().kind != page::EventKind::Restart) {
    }
}

}  // namespace tomaro::platform::web
