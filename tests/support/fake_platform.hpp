// A platform that runs dialogs without a window system: every call the dialog's logic makes
// is recorded in order, timers run on a clock the test advances, and modal dialogs run a
// script of events instead of a message loop.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/recording_canvas.hpp"
#include "platform/platform.hpp"

namespace tomaro::testing {

// One call of the dialog's logic into its window; "on-timer" marks a timer expiry that the
// window delivered to the handler.
struct Call {
    Call(std::string o, int i = 0, int v = 0, std::string t = {})
        : op(std::move(o)), id(i), value(v), text(std::move(t)) {}
    std::string op;  // enable, focus, text, limit, accessible, set-timer, kill-timer, on-timer,
                     // popup, system-menu, big-icon, dc, extent, validate, release, end
    int id = 0;
    int value = 0;
    std::string text;
    friend bool operator==(const Call&, const Call&) = default;
    friend void PrintTo(const Call& c, std::ostream* os) {
        *os << c.op << ' ' << c.id << ' ' << c.value << " \"" << c.text << '"';
    }
};

// What one GetDeviceContext .. release drew.
struct Drawing {
    int control = 0;
    std::vector<PaintOp> ops;
    bool validated = false;
};

// How the fake window looks to the logic; each dialog the platform opens gets a copy.
struct WindowSettings {
    bool has_system_menu = true;
    platform::Size x_extent{8, 16};  // of "X" in the display's context
    Rect client_rect{0, 0, 200, 40};
    platform::Point client_origin{0, 0};
};

class FakeDialogWindow;

class FakeDeviceContext final : public platform::DeviceContext {
public:
    FakeDeviceContext(FakeDialogWindow& window, int control);
    ~FakeDeviceContext() override;

    platform::Size TextExtent(std::string_view utf8) override;
    Rect ClientRect() override;
    void Validate() override;
    void FillWhite(const Rect& r) override { canvas_.FillWhite(r); }
    void SetTextAlign(TextAlign a) override { canvas_.SetTextAlign(a); }
    void TextOut(std::int32_t x, std::int32_t y, std::string_view t) override {
        canvas_.TextOut(x, y, t);
    }
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        canvas_.Line(x1, y1, x2, y2);
    }

private:
    FakeDialogWindow& window_;
    int control_;
    bool validated_ = false;
    RecordingCanvas canvas_;
};

class FakeDialogWindow final : public platform::DialogWindow {
public:
    FakeDialogWindow(platform::DialogHandler& handler, const WindowSettings& settings)
        : handler_(handler), settings_(settings) {}

    // What the logic did, in order, and what the window now holds.
    std::vector<Call> calls;
    std::vector<Drawing> drawings;
    std::map<int, std::string> texts;
    std::map<int, int> text_sets;  // SetControlText calls per control
    std::map<int, bool> enabled;
    std::map<int, std::string> accessible;
    std::vector<std::pair<std::vector<std::pair<int, std::string>>, platform::Point>> popups;
    std::vector<std::pair<int, std::string>> system_menu;
    bool minimised = false;
    bool ended = false;
    int result = 0;

    platform::DialogHandler& handler() { return handler_; }
    const WindowSettings& settings() const { return settings_; }

    std::vector<Call> CallsOf(std::string_view op, std::size_t from = 0) const {
        std::vector<Call> out;
        for (std::size_t i = from; i < calls.size(); ++i)
            if (calls[i].op == op) out.push_back(calls[i]);
        return out;
    }
    int TextSets() const {
        int n = 0;
        for (const auto& [id, count] : text_sets)
            n += count;
        return n;
    }

    // Events as the platform delivers them, with its default where the handler declines.
    void Click(int id) {
        if (!handler_.OnCommand(id) && (id == IDOK || id == IDCANCEL)) EndDialog(id);
    }
    void Key(int vk) {
        if (handler_.PreTranslateKeyDown(vk)) return;
        if (vk == 13) Click(IDOK);  // the dialog manager's Enter and Escape
        if (vk == 27) Click(IDCANCEL);
    }
    void Close() { Click(IDCANCEL); }

    // Runs the clock on; each timer due on the way fires, again each period until killed.
    void Advance(int ms) {
        const std::int64_t end = now_ + ms;
        for (;;) {
            auto due = std::min_element(timers_.begin(), timers_.end(), [](auto& a, auto& b) {
                return a.second.second < b.second.second;
            });
            if (due == timers_.end() || due->second.second > end) break;
            const int id = due->first;
            now_ = due->second.second;
            due->second.second += due->second.first;
            calls.push_back({"on-timer", id});
            handler_.OnTimer(id);
        }
        now_ = end;
    }
    bool TimerRunning(int id) const { return timers_.contains(id); }

    void EnableControl(int id, bool on) override {
        calls.push_back({"enable", id, on ? 1 : 0});
        enabled[id] = on;
    }
    void SetFocus(int id) override { calls.push_back({"focus", id}); }
    std::string ControlText(int id) override { return texts[id]; }
    void SetControlText(int id, std::string_view utf8) override {
        calls.push_back({"text", id, 0, std::string(utf8)});
        texts[id] = utf8;
        ++text_sets[id];
    }
    void SetInputLimit(int id, int limit) override { calls.push_back({"limit", id, limit}); }
    void SetAccessibleText(int id, std::string_view utf8) override {
        calls.push_back({"accessible", id, 0, std::string(utf8)});
        accessible[id] = utf8;
    }
    void SetTimer(int id, int ms) override {
        calls.push_back({"set-timer", id, ms});
        timers_[id] = {ms, now_ + ms};
    }
    void KillTimer(int id) override {
        calls.push_back({"kill-timer", id});
        timers_.erase(id);
    }
    void TrackPopupMenu(std::span<const MenuItem> items, platform::Point at) override {
        std::vector<std::pair<int, std::string>> shown;
        for (const MenuItem& item : items)
            shown.emplace_back(item.id, item.text);
        popups.emplace_back(std::move(shown), at);
        calls.push_back({"popup", at.x, at.y});
    }
    platform::Point ClientOrigin() override { return settings_.client_origin; }
    bool HasSystemMenu() override { return settings_.has_system_menu; }
    void AppendSystemMenu(const MenuItem& item) override {
        calls.push_back({"system-menu", item.id, 0, std::string(item.text)});
        system_menu.emplace_back(item.id, item.text);
    }
    void SetBigIcon(int icon) override { calls.push_back({"big-icon", icon}); }
    bool PaintMinimised() override { return minimised; }
    std::unique_ptr<platform::DeviceContext> GetDeviceContext(int control) override {
        calls.push_back({"dc", control});
        return std::make_unique<FakeDeviceContext>(*this, control);
    }
    void EndDialog(int r) override {
        calls.push_back({"end", r});
        ended = true;
        result = r;
    }

private:
    platform::DialogHandler& handler_;
    WindowSettings settings_;
    std::int64_t now_ = 0;
    std::map<int, std::pair<int, std::int64_t>> timers_;  // id: period, next expiry
};

inline FakeDeviceContext::FakeDeviceContext(FakeDialogWindow& window, int control)
    : window_(window), control_(control) {}

inline FakeDeviceContext::~FakeDeviceContext() {
    const auto ops = canvas_.ops();
    window_.drawings.push_back({control_, {ops.begin(), ops.end()}, validated_});
    window_.calls.push_back({"release", control_});
}

inline platform::Size FakeDeviceContext::TextExtent(std::string_view utf8) {
    window_.calls.push_back({"extent", control_, 0, std::string(utf8)});
    return window_.settings().x_extent;
}

inline Rect FakeDeviceContext::ClientRect() {
    return window_.settings().client_rect;
}

inline void FakeDeviceContext::Validate() {
    validated_ = true;
    window_.calls.push_back({"validate", control_});
}

class FakePlatform final : public platform::Platform {
public:
    // Runs inside a modal dialog after its OnInitDialog; a dialog the script leaves open
    // is then closed, as by its close box.
    using Script = std::function<void(FakeDialogWindow&)>;

    WindowSettings settings;
    std::map<int, Script> scripts;  // by template id
    std::vector<int> opened;        // template ids, in the order DoModal was asked for them
    std::vector<bool> init_results;
    std::vector<int> results;  // as each dialog ended, innermost first

    int DoModal(const DialogTemplate& t, platform::DialogHandler& handler) override {
        opened.push_back(t.id);
        FakeDialogWindow window(handler, settings);
        init_results.push_back(handler.OnInitDialog(window));
        if (const auto script = scripts.find(t.id); script != scripts.end()) script->second(window);
        if (!window.ended) window.Close();
        results.push_back(window.result);
        return window.result;
    }
};

}  // namespace tomaro::testing
