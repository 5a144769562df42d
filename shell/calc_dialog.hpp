// The calculator's one window: routes buttons, keys, menus and the notice timer to the
// engine, and answers the engine's requests (compose, paint, notice, lock, focus). What a
// command asks to be shown is shown once, when the event that ran it ends: one composition
// and one drawing of the display however many requests the commands made.
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
    // How many times the display has been composed.
    std::uint64_t compositions() const { return compositions_; }

    // The message table.
    bool OnInitDialog(platform::DialogWindow& window) override;
    bool OnCommand(int id) override;
    bool PreTranslateKeyDown(int virtual_key, vk::Modifiers held) override;
    void OnChar(int code);
    void OnContextMenu(platform::Point screen) override;
    bool OnSysCommand(int id) override;
    // The platform keeps the display's picture through the dialog's and the fields' own
    // painting, so neither needs it drawn again; only a minimised window draws its icon.
    void OnPaint() override { window_->PaintMinimised(); }
    void OnActivate(bool active) override;
    void OnTimer(int timer_id) override;
    void OnDpiChanged() override;

    // What the engine asks of the window, done when the event ends (Update).
    void ComposeDisplay() override { compose_pending_ = true; }
    void PaintDisplay() override { paint_pending_ = true; }
    void PushFieldTexts() override { fields_pending_ = true; }
    void ShowNotice(std::string_view text) override;
    void StopNoticeTimer() override;
    void LockKeypad() override;
    void UnlockKeypad() override;
    void FocusAllClear() override;

private:
    bool HandleCommand(int id);
    void MeasureDisplay();
    // Shows what the commands of the event asked for: composes, draws, sets the fields.
    void Update();
    void Compose();
    void DrawDisplay();
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
    // Asked for since the last Update.
    bool compose_pending_ = false;
    bool paint_pending_ = false;
    bool fields_pending_ = false;
    bool alert_pending_ = false;
};

}  // namespace tomaro
