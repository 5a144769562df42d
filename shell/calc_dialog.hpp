// The calculator's one window: routes buttons, keys, menus and the notice timer to the
// engine, and answers the engine's requests (compose, paint, notice, lock, focus).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "display/display_model.hpp"
#include "engine/calc_state.hpp"
#include "platform/platform.hpp"

namespace tomaro {

class CCalcDlg final : public platform::DialogHandler, public WindowRequests {
public:
    explicit CCalcDlg(platform::Platform& platform);

    int DoModal();

    const CalcState& state() const { return state_; }
    const DisplayModel& model() const { return model_; }

    // The message table.
    bool OnInitDialog(platform::DialogWindow& window) override;
    bool OnCommand(int id) override;
    bool PreTranslateKeyDown(int virtual_key) override;
    void OnChar(int code);
    void OnContextMenu(platform::Point screen) override;
    bool OnSysCommand(int id) override;
    void OnPaint() override { PaintDisplay(); }
    void OnCtlColorStatic() override { PaintDisplay(); }
    void OnActivate(bool active) override;
    void OnTimer(int timer_id) override;
    void OnDpiChanged() override;

    // What the engine asks of the window.
    void ComposeDisplay() override;
    void PaintDisplay() override;
    void PushFieldTexts() override { DoDataExchange(); }
    void ShowNotice(std::string_view text) override;
    void StopNoticeTimer() override;
    void LockKeypad() override;
    void UnlockKeypad() override;
    void FocusAllClear() override;

private:
    void MeasureDisplay();
    void DoDataExchange();
    void ShowAboutBox();
    // The context menu's Copy and Paste: the displayed value in full, and a pasted number
    // keyed as a new operand.
    void CopyValue();
    void PasteValue();

    platform::Platform& platform_;
    platform::DialogWindow* window_ = nullptr;  // set while the dialog runs
    CalcState state_;
    DisplayModel model_;
    std::array<std::string, 4> field_texts_;  // what the four fields hold, as last set
    // Counts compositions; told_ is the one whose readings the display's reader was given.
    std::uint64_t compositions_ = 0;
    std::uint64_t told_ = ~std::uint64_t{0};
};

}  // namespace tomaro
