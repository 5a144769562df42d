#include "shell/calc_dialog.hpp"

#include <utility>
#include <vector>

#include "display/compose_display.hpp"
#include "display/display_reading.hpp"
#include "display/paint_display.hpp"
#include "shell/about_dialog.hpp"
#include "shell/button_commands.hpp"
#include "shell/key_map.hpp"
#include "shell/pasted_number.hpp"

namespace tomaro {
namespace {

constexpr platform::Point kKeyboardMenuOffset{5, 5};

struct FieldExchange {
    ControlId field;
    std::string CalcState::*text;
    int inputLimit;  // 0: none
};

constexpr FieldExchange kFields[] = {
    {IDC_READOUT, &CalcState::readoutText, 0},
    {IDC_KIND, &CalcState::kindText, 3},
    {IDC_OPERATOR, &CalcState::opText, 1},
    {IDC_MEMORYINDICATOR, &CalcState::memText, 1},
};

bool IsAboutCommand(int id) {
    return (id & ~0xF) == IDM_ABOUTBOX;  // ids 16 to 31
}

}  // namespace

CCalcDlg::CCalcDlg(platform::Platform& platform) : platform_(platform) {}

int CCalcDlg::DoModal() {
    const int result = platform_.DoModal(CalcDialogTemplate(), *this);
    window_ = nullptr;
    return result;
}

bool CCalcDlg::OnInitDialog(platform::DialogWindow& window) {
    window_ = &window;
    // The fields are read-only and only this sets them, so what it set last is what they
    // hold: each is read from the window once, here. Their limits hold from here on.
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        const FieldExchange& f = kFields[i];
        field_texts_[i] = window.ControlText(f.field);
        if (f.inputLimit != 0) window.SetInputLimit(f.field, f.inputLimit);
    }
    if (window.HasSystemMenu()) {
        if (const std::string_view about = LoadString(IDS_ABOUTBOX); !about.empty()) {
            window.AppendSystemMenu({0, ""});
            window.AppendSystemMenu({IDM_ABOUTBOX, about});
        }
    }
    window.SetBigIcon(IDR_MAINFRAME);
    MeasureDisplay();
    AllClear(state_, *this);
    MemoryClear(state_, *this);
    Update();
    return true;  // the focus goes to the one tab stop, "="
}

void CCalcDlg::MeasureDisplay() {
    const auto dc = window_->GetDeviceContext(IDC_DISPLAY);
    const platform::Size x = dc->TextExtent("X");
    SetDisplayMetrics(model_, dc->ClientRect(), x.cx, x.cy,
                      [&](std::string_view text) { return dc->TextExtent(text).cx; });
}

bool CCalcDlg::OnCommand(int id) {
    const bool handled = HandleCommand(id);
    Update();
    return handled;
}

bool CCalcDlg::HandleCommand(int id) {
    if (const auto command = CommandOfButton(id)) {
        Run(*command, state_, *this);
        return true;
    }
    switch (id) {
        case ID_MENU_ABOUT:
            ShowAboutBox();
            return true;
        case ID_MENU_EXIT:
            window_->EndDialog(IDCANCEL);
            return true;
        case ID_MENU_COPY:
            CopyValue();
            return true;
        case ID_MENU_PASTE:
            PasteValue();
            return true;
        default:
            return false;  // OK and Cancel (the close command) take the default path
    }
}

// Every key-down becomes a shortcut or a key-map lookup before the dialog manager sees it:
// Enter and Escape never close the window, Tab and Space never move or press anything.
bool CCalcDlg::PreTranslateKeyDown(int virtual_key, vk::Modifiers held) {
    if (const Shortcut* shortcut = LookUpShortcut(virtual_key, held)) {
        if (shortcut->menu_command != 0) OnCommand(shortcut->menu_command);
        return true;
    }
    OnChar(virtual_key);
    return true;
}

void CCalcDlg::OnChar(int code) {
    const auto command = LookUpKey(code);
    if (!command) return;
    Run(*command, state_, *this);
    Update();
    window_->SetFocus(ButtonOfCommand(*command));  // also while locked; the platform decides
}

void CCalcDlg::OnContextMenu(platform::Point screen) {
    if (screen == platform::kKeyboardMenuPoint) {
        const platform::Point origin = window_->ClientOrigin();
        screen = {origin.x + kKeyboardMenuOffset.x, origin.y + kKeyboardMenuOffset.y};
    }
    std::vector<MenuItem> items(ContextMenuPopup().begin(), ContextMenuPopup().end());
    for (MenuItem& item : items) {
        if (item.id == ID_MENU_COPY) item.disabled = !DisplayedValueText(state_, model_);
        if (item.id == ID_MENU_PASTE) item.disabled = state_.locked;
    }
    window_->TrackPopupMenu(items, screen);
}

void CCalcDlg::CopyValue() {
    if (const auto text = DisplayedValueText(state_, model_)) window_->SetClipboardText(*text);
}

// The whole text is checked before the first command runs: a refused text changes nothing
// but the readout's notice.
void CCalcDlg::PasteValue() {
    if (state_.locked) return;
    const auto number = ParsePastedNumber(window_->ClipboardText());
    if (!number) {
        tomaro::ShowNotice(state_, *this, kNoticePasteRefused);
        return;
    }
    // A new operand, as the keypad starts one: after "=" it takes "A.C." first, otherwise
    // "><" drops what was being keyed (and does nothing to a shown result).
    Run(state_.pendingOp == '=' ? Command::AllClear : Command::ClearEntry, state_, *this);
    for (const Command c : KeysOf(*number))
        Run(c, state_, *this);
}

bool CCalcDlg::OnSysCommand(int id) {
    if (!IsAboutCommand(id)) return false;
    ShowAboutBox();
    return true;
}

void CCalcDlg::OnActivate(bool active) {
    if (active) DrawDisplay();
}

void CCalcDlg::OnTimer(int timer_id) {
    if (timer_id != IDT_NOTICE) return;
    ExpireNotice(state_, *this);
    Update();
}

// The display's metrics are measured when the dialog opens and again here; what it shows
// is placed anew, not composed anew.
void CCalcDlg::OnDpiChanged() {
    MeasureDisplay();
    PlaceDisplay(model_);
    DrawDisplay();
}

void CCalcDlg::ShowAboutBox() {
    CAboutDlg about;
    platform_.DoModal(AboutDialogTemplate(), about);
}

void CCalcDlg::Update() {
    if (compose_pending_) Compose();
    if (std::exchange(paint_pending_, false)) DrawDisplay();
    if (fields_pending_) DoDataExchange();
    TellScreenReaders();
}

// One announcement an event, after the fields: the display's new value, the lock an error
// brings, the notice. A notice that has ended is taken back with nothing new to say.
void CCalcDlg::TellScreenReaders() {
    std::string text;
    const auto say = [&text](std::string_view sentence) {
        if (!text.empty() && !text.ends_with("。")) text += "。";
        text += sentence;
    };
    if (std::exchange(value_pending_, false)) say(spoken_);
    const bool lock = std::exchange(lock_pending_, false);
    if (lock) say(kSpokenKeypadLocked);
    const bool notice = std::exchange(notice_pending_, false);
    if (notice) say(state_.noticeText);
    if (!text.empty()) {
        window_->Announce(text, notice || lock);
        notice_said_ = notice;
    } else if (notice_said_ && state_.noticeText.empty()) {
        window_->Announce("", false);
        notice_said_ = false;
    }
}

void CCalcDlg::Compose() {
    tomaro::ComposeDisplay(state_, model_);
    ++compositions_;
    compose_pending_ = false;
}

void CCalcDlg::DrawDisplay() {
    if (window_->PaintMinimised()) return;
    tomaro::PaintDisplay(model_, *window_->GetDeviceContext(IDC_DISPLAY));
    DoDataExchange();
    // The readings follow the composition alone: a repaint of the same one says nothing new.
    if (told_ != compositions_) {
        window_->SetAccessibleText(IDC_DISPLAY, DisplayReading(model_));
        std::string spoken = SpokenReading(model_);
        window_->SetAccessibleDescription(IDC_DISPLAY, spoken);
        // A new value is said wherever the focus is; the opening one is not (the window's
        // appearance is announced then).
        if (spoken != spoken_) {
            value_pending_ = !spoken_.empty();
            spoken_ = std::move(spoken);
        }
        told_ = compositions_;
    }
}

// Towards the controls only, and only where a text changed: setting a field repaints it.
void CCalcDlg::DoDataExchange() {
    fields_pending_ = false;
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        const FieldExchange& f = kFields[i];
        const std::string& text = state_.*f.text;
        if (field_texts_[i] != text) {
            window_->SetControlText(f.field, text);
            field_texts_[i] = text;
        }
    }
}

// Composed at once: the command goes on to change the entry (a refused division brings back
// the accumulator), and the display keeps showing the refused operand until the notice ends.
void CCalcDlg::ShowNotice(std::string_view) {
    window_->KillTimer(IDT_NOTICE);
    Compose();
    paint_pending_ = true;
    notice_pending_ = true;
    window_->SetTimer(IDT_NOTICE, kNoticeMilliseconds);
}

void CCalcDlg::StopNoticeTimer() {
    window_->KillTimer(IDT_NOTICE);
}

void CCalcDlg::LockKeypad() {
    lock_pending_ = true;
    for (const ControlId id : kLockedButtons)
        window_->EnableControl(id, false);
}

void CCalcDlg::UnlockKeypad() {
    for (const ControlId id : kLockedButtons)
        window_->EnableControl(id, true);
}

void CCalcDlg::FocusAllClear() {
    window_->SetFocus(IDC_ALLCLEAR);
}

}  // namespace tomaro
