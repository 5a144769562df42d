#include "platform/headless/headless_platform.hpp"

#include <algorithm>

#include "display/cp932.hpp"
#include "platform/dialog_rules.hpp"

namespace tomaro::platform::headless {

// Draws into the control's record, which it clears first: the record holds what the
// control shows, as its pixels would.
class HeadlessDeviceContext final : public DeviceContext {
public:
    HeadlessDeviceContext(HeadlessWindow& window, int control_id)
        : window_(window), control_id_(control_id), canvas_(Canvas(window, control_id)) {
        canvas_.Clear();
    }
    ~HeadlessDeviceContext() override {
        if (window_.screen_.log_calls) {
            const auto ops = canvas_.ops();
            window_.drawings_.push_back({control_id_, {ops.begin(), ops.end()}});
        }
        window_.Log("release", control_id_);
    }

    Size TextExtent(std::string_view utf8) override {
        window_.Log("extent", control_id_, 0, utf8);
        // Every character one cell wide, a pixel wider than "X"; the text ends at its ink.
        const Size x = window_.screen_.x_extent;
        const auto cells = static_cast<std::int32_t>(cp932_length(utf8));
        return {cells == 0 ? 0 : cells * (x.cx + 1) - 1, x.cy};
    }
    Rect ClientRect() override { return window_.screen_.client_rect; }
    void FillWhite(const Rect& r) override { canvas_.FillWhite(r); }
    void SetTextAlign(TextAlign a) override { canvas_.SetTextAlign(a); }
    void TextOut(std::int32_t x, std::int32_t y, std::string_view t) override {
        canvas_.TextOut(x, y, t);
    }
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        canvas_.Line(x1, y1, x2, y2);
    }

private:
    // A context for a control that does not exist draws into nothing that lasts.
    static RecordingCanvas& Canvas(HeadlessWindow& window, int control_id) {
        HeadlessWindow::Control* c = window.Find(control_id);
        return c != nullptr ? c->drawing : window.nowhere_;
    }

    HeadlessWindow& window_;
    int control_id_;
    RecordingCanvas& canvas_;
};

HeadlessWindow::HeadlessWindow(const DialogTemplate& t, DialogHandler& handler,
                               const Screen& screen, std::string& clipboard)
    : handler_(handler), screen_(screen), clipboard_(clipboard) {
    controls_.reserve(t.controls.size());
    for (const ControlTemplate& c : t.controls) {
        if (c.id == kNoId) continue;
        const std::string_view name = c.accessibleName.empty() ? c.text : c.accessibleName;
        controls_.push_back({.id = c.id,
                             .button = c.IsButton(),
                             .text = std::string(c.text),
                             .accessible = std::string(name),
                             .enabled = !c.disabled,
                             .drawing = {}});
    }
    // Control ids are few and close together: a table from id to control finds each in one
    // step, and the dialog asks for one many times a key.
    if (!controls_.empty()) {
        const auto [low, high] =
            std::minmax_element(controls_.begin(), controls_.end(),
                                [](const Control& a, const Control& b) { return a.id < b.id; });
        first_id_ = low->id;
        slots_.assign(static_cast<std::size_t>(high->id - low->id) + 1, -1);
        for (std::size_t i = 0; i < controls_.size(); ++i)
            slots_[static_cast<std::size_t>(controls_[i].id - first_id_)] = static_cast<int>(i);
    }
    focus_ = InitDialog(handler_, *this, t, [this](int id) { return IsEnabled(id); });
}

HeadlessWindow::~HeadlessWindow() = default;

HeadlessWindow::Control* HeadlessWindow::Find(int id) {
    const auto slot = static_cast<std::size_t>(static_cast<unsigned>(id - first_id_));
    if (slot >= slots_.size() || slots_[slot] < 0) return nullptr;
    return &controls_[static_cast<std::size_t>(slots_[slot])];
}

const HeadlessWindow::Control* HeadlessWindow::Find(int id) const {
    return const_cast<HeadlessWindow*>(this)->Find(id);
}

void HeadlessWindow::Click(int id) {
    if (const Control* c = Find(id); c != nullptr && c->button && c->enabled) Command(id);
}

void HeadlessWindow::Command(int id) {
    if (ended_) return;
    SendCommand(handler_, *this, id);
}

void HeadlessWindow::KeyDown(int virtual_key, vk::Modifiers held) {
    if (ended_) return;
    SendKeyDown(handler_, *this, virtual_key, held);
}

void HeadlessWindow::Fire(Timer& timer) {
    now_ = timer.due;
    timer.due += timer.period;
    const int id = timer.id;  // the handler may kill the timer, and so this record
    Log("on-timer", id);
    handler_.OnTimer(id);
}

void HeadlessWindow::Advance(int milliseconds) {
    const std::int64_t end = now_ + milliseconds;
    for (;;) {
        const auto due =
            std::min_element(timers_.begin(), timers_.end(),
                             [](const Timer& a, const Timer& b) { return a.due < b.due; });
        if (due == timers_.end() || due->due > end) break;
        Fire(*due);
    }
    now_ = end;
}

bool HeadlessWindow::ExpireTimer(int timer_id) {
    const auto timer = std::find_if(timers_.begin(), timers_.end(),
                                    [&](const Timer& t) { return t.id == timer_id; });
    if (timer == timers_.end()) return false;
    Advance(static_cast<int>(timer->due - now_));
    return true;
}

// What a control holds, or nothing for a control that does not exist.
template <typename T>
const T& HeadlessWindow::Read(int id, T Control::*field) const {
    static const T kNone{};
    const Control* c = Find(id);
    return c != nullptr ? c->*field : kNone;
}

const std::string& HeadlessWindow::Text(int id) const {
    return Read(id, &Control::text);
}

bool HeadlessWindow::IsEnabled(int id) const {
    return Read(id, &Control::enabled);
}

const std::string& HeadlessWindow::AccessibleText(int id) const {
    return Read(id, &Control::accessible);
}

bool HeadlessWindow::TimerRunning(int timer_id) const {
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer& t) { return t.id == timer_id; });
}

std::optional<int> HeadlessWindow::UntilNextTimer() const {
    const auto due = std::min_element(timers_.begin(), timers_.end(),
                                      [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (due == timers_.end()) return std::nullopt;
    return static_cast<int>(std::max<std::int64_t>(due->due - now_, 0));
}

std::span<const PaintOp> HeadlessWindow::LastDrawing(int control) const {
    const Control* c = Find(control);
    return c != nullptr ? c->drawing.ops() : std::span<const PaintOp>{};
}

void HeadlessWindow::EnableControl(int id, bool enabled) {
    Log("enable", id, enabled ? 1 : 0);
    if (Control* c = Find(id)) c->enabled = enabled;
}

void HeadlessWindow::SetFocus(int id) {
    Log("focus", id);
    // As in a dialog, a disabled control cannot take the focus.
    if (IsEnabled(id)) focus_ = id;
}

void HeadlessWindow::SetControlText(int id, std::string_view utf8) {
    Log("text", id, 0, utf8);
    if (Control* c = Find(id)) c->text.assign(utf8);
}

void HeadlessWindow::SetInputLimit(int id, int limit) {
    Log("limit", id, limit);
}

void HeadlessWindow::SetAccessibleText(int id, std::string_view utf8) {
    Log("accessible", id, 0, utf8);
    if (Control* c = Find(id)) c->accessible.assign(utf8);
}

void HeadlessWindow::SetAccessibleDescription(int id, std::string_view utf8) {
    Log("description", id, 0, utf8);
}

void HeadlessWindow::Announce(std::string_view utf8, bool alert) {
    Log("announce", 0, alert ? 1 : 0, utf8);
    announced_.assign(utf8);
    alerts_ += alert ? 1 : 0;
}

std::string HeadlessWindow::ClipboardText() {
    Log("paste", 0, 0, clipboard_);
    return clipboard_;
}

void HeadlessWindow::SetClipboardText(std::string_view utf8) {
    Log("copy", 0, 0, utf8);
    clipboard_.assign(utf8);
    ++clipboard_writes_;
}

void HeadlessWindow::SetTimer(int timer_id, int milliseconds) {
    Log("set-timer", timer_id, milliseconds);
    const Timer timer{timer_id, milliseconds, now_ + milliseconds};
    const auto running = std::find_if(timers_.begin(), timers_.end(),
                                      [&](const Timer& t) { return t.id == timer_id; });
    if (running != timers_.end()) {
        *running = timer;  // setting a running timer restarts it
    } else {
        timers_.push_back(timer);
    }
}

void HeadlessWindow::KillTimer(int timer_id) {
    Log("kill-timer", timer_id);
    std::erase_if(timers_, [&](const Timer& t) { return t.id == timer_id; });
}

void HeadlessWindow::TrackPopupMenu(std::span<const MenuItem> items, Point screen) {
    Popup popup{{}, {}, screen};
    for (const MenuItem& item : items) {
        popup.items.emplace_back(item.id, item.text);
        if (item.disabled) popup.disabled.push_back(item.id);
    }
    popups_.push_back(std::move(popup));
    Log("popup", screen.x, screen.y);
}

void HeadlessWindow::AppendSystemMenu(const MenuItem& item) {
    Log("system-menu", item.id, 0, item.text);
    system_menu_.emplace_back(item.id, item.text);
}

std::unique_ptr<DeviceContext> HeadlessWindow::GetDeviceContext(int control_id) {
    Log("dc", control_id);
    return std::make_unique<HeadlessDeviceContext>(*this, control_id);
}

void HeadlessWindow::EndDialog(int result) {
    Log("end", result);
    ended_ = true;
    result_ = result;
}

int HeadlessPlatform::DoModal(const DialogTemplate& t, DialogHandler& handler) {
    HeadlessWindow window(t, handler, screen, clipboard);
    if (const auto session = sessions_.find(t.id);
        session != sessions_.end() && session->second && !window.Ended())
        session->second(window);
    if (!window.Ended()) window.Close();
    return window.Result();
}

}  // namespace tomaro::platform::headless
