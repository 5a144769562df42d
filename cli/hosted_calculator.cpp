#include "cli/hosted_calculator.hpp"

#include "shell/calc_app.hpp"
#include "shell/calc_dialog.hpp"

namespace tomaro {

HostedCalculator::HostedCalculator(platform::headless::HeadlessWindow& window)
    : window_(window), dialog_(dynamic_cast<const CCalcDlg&>(window.handler())) {}

void HostedCalculator::Play(const Key& key) {
    switch (key.kind) {
        case Key::Button:
            window_.Click(key.code);
            break;
        case Key::NoticeTimer:
            window_.ExpireTimer(IDT_NOTICE);
            break;
        case Key::VirtualKey:
            window_.KeyDown(key.code);
            break;
        case Key::MenuItem:  // chosen from the context menu: a grayed item does nothing there
            window_.Command(key.code);
            break;
    }
}

const CalcState& HostedCalculator::state() const {
    return dialog_.state();
}

const DisplayModel& HostedCalculator::model() const {
    return dialog_.model();
}

const std::string& HostedCalculator::clipboard() const {
    return window_.Clipboard();
}

std::span<const PaintOp> HostedCalculator::display() const {
    return window_.LastDrawing(IDC_DISPLAY);
}

void RunCalculator(const DisplayGeometry& g, const std::function<void(HostedCalculator&)>& use,
                   std::string_view clipboard) {
    platform::headless::HeadlessPlatform platform;
    platform.clipboard = clipboard;
    platform.screen.x_extent = {g.char_width, g.char_height};
    platform.screen.client_rect = {0, 0, g.width, g.height};
    platform.SetSession(IDD_CALC_DIALOG, [&](platform::headless::HeadlessWindow& window) {
        HostedCalculator calculator(window);
        use(calculator);
    });
    CCalcApp().InitInstance(platform);
}

}  // namespace tomaro
