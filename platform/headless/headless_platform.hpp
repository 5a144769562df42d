// The platform without a window system: dialogs are built from their templates as controls
// by id (text, enabled state, focus), timers run on a clock that the host advances, menus,
// drawing and what screen readers are told are recorded, and the clipboard is a string the
// host reads and sets. tomaro-cli, the tests and the benchmarks host the dialog on it; the
// host plays the part of the user and of the message loop.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/recording_canvas.hpp"
#include "platform/platform.hpp"

namespace tomaro::platform::headless {

// How the host's screen looks to a dialog.
struct Screen {
    bool has_system_menu = true;
    // Of "X" in a device context. Every character of a text takes a cell one pixel wider,
    // as the CLI's picture and the terminal draw them.
    Size x_extent{8, 16};
    Rect client_rect{0, 0, 200, 40};  // of every control's device context
    Point client_origin{0, 0};
    bool log_calls = false;  // keep every call of the dialog's logic (tests); off for long runs
};

// One call of the dialog's logic into its window, for the log; "on-timer" marks a timer
// expiry that the window delivered to the handler.
struct Call {
    Call(std::string o, int i = 0, int v = 0, std::string_view t = {})
        : op(std::move(o)), id(i), value(v), text(t) {}
    std::string op;  // enable, focus, text, limit, accessible, description, announce, set-timer,
                     // kill-timer, on-timer, popup, system-menu, big-icon, dc, extent,
                     // release, end, copy, paste
    int id = 0;
    int value = 0;
    std::string text;
    friend bool operator==(const Call&, const Call&) = default;
    friend void PrintTo(const Call& c, std::ostream* os) {
        *os << c.op << ' ' << c.id << ' ' << c.value << " \"" << c.text << '"';
    }
};

// What one device context drew between being got and released.
struct Drawing {
    int control = 0;
    std::vector<PaintOp> ops;
};

struct Popup {
    std::vector<std::pair<int, std::string>> items;  // id and text; a separator is 0, ""
    std::vector<int> disabled;                       // ids of the grayed items
    Point at;
};

class HeadlessWindow final : public DialogWindow {
public:
    // The clipboard is the platform's, shared by its dialogs.
    HeadlessWindow(const DialogTemplate& t, DialogHandler& handler, const Screen& screen,
                   std::string& clipboard);
    ~HeadlessWindow() override;

    // What the host does to the dialog, with the dialog manager's rules where the handler
    // declines (platform/dialog_rules.hpp). After each, the fields whose text changed
    // repaint, as a message loop would repaint them next.
    void Click(int id);  // a button; a disabled or missing one does not click
    void Command(int id);
    void KeyDown(int virtual_key, vk::Modifiers held = {});
    void Close() { Command(IDCANCEL); }
    // Runs the clock on; every timer due on the way fires, again each period until killed.
    void Advance(int milliseconds);
    // Runs the clock on to the timer's next expiry, if it runs; answers whether it did.
    bool ExpireTimer(int timer_id);
    void SetMinimised(bool minimised) { minimised_ = minimised; }

    // What the window holds now.
    DialogHandler& handler() { return handler_; }
    const DialogHandler& handler() const { return handler_; }
    const std::string& Text(int id) const;
    bool IsEnabled(int id) const;
    // A control's accessible name (the template's, until the program sets one); what screen
    // readers were last told to say, while it stands (empty once taken back). Input limits
    // and descriptions are only logged.
    const std::string& AccessibleText(int id) const;
    const std::string& Announced() const { return announced_; }
    int Alerts() const { return alerts_; }  // how many announcements were alerts
    int Focus() const { return focus_; }
    bool TimerRunning(int timer_id) const;
    // Milliseconds until the next timer is due, if any runs: how long a host that runs the
    // clock in real time may wait.
    std::optional<int> UntilNextTimer() const;
    // What the control's device context last drew.
    std::span<const PaintOp> LastDrawing(int control) const;
    const std::vector<std::pair<int, std::string>>& SystemMenu() const { return system_menu_; }
    const std::vector<Popup>& Popups() const { return popups_; }
    // How many times the dialog's logic set the clipboard: a host that also hands the text
    // to another clipboard sees each Copy, the same text again included.
    std::uint64_t ClipboardWrites() const { return clipboard_writes_; }
    // The clipboard's text, unlogged: what another program would paste.
    const std::string& Clipboard() const { return clipboard_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    // The log, kept only when the screen asks for it.
    const std::vector<Call>& Calls() const { return calls_; }
    const std::vector<Drawing>& Drawings() const { return drawings_; }

    // DialogWindow
    void EnableControl(int id, bool enabled) override;
    void SetFocus(int id) override;
    std::string ControlText(int id) override { return Text(id); }
    void SetControlText(int id, std::string_view utf8) override;
    void SetInputLimit(int id, int limit) override;
    void SetAccessibleText(int id, std::string_view utf8) override;
    void SetAccessibleDescription(int id, std::string_view utf8) override;
    void Announce(std::string_view utf8, bool alert) override;
    std::string ClipboardText() override;
    void SetClipboardText(std::string_view utf8) override;
    void SetTimer(int timer_id, int milliseconds) override;
    void KillTimer(int timer_id) override;
    void TrackPopupMenu(std::span<const MenuItem> items, Point screen) override;
    Point ClientOrigin() override { return screen_.client_origin; }
    bool HasSystemMenu() override { return screen_.has_system_menu; }
    void AppendSystemMenu(const MenuItem& item) override;
    void SetBigIcon(int icon_id) override { Log("big-icon", icon_id); }
    bool PaintMinimised() override { return minimised_; }
    std::unique_ptr<DeviceContext> GetDeviceContext(int control_id) override;
    void EndDialog(int result) override;

private:
    friend class HeadlessDeviceContext;

    struct Control {
        int id;
        bool button;
        std::string text;
        std::string accessible;
        bool enabled = true;
        RecordingCanvas drawing;  // what its device context last drew
    };
    struct Timer {
        int id;
        int period;
        std::int64_t due;
    };

    Control* Find(int id);
    const Control* Find(int id) const;
    template <typename T>
    const T& Read(int id, T Control::*field) const;
    // Builds the record only when it is kept: a long replay makes millions of calls.
    template <typename... Parts>
    void Log(const char* op, Parts&&... parts) {
        if (screen_.log_calls) calls_.emplace_back(op, std::forward<Parts>(parts)...);
    }
    void Fire(Timer& timer);

    DialogHandler& handler_;
    Screen screen_;
    std::string& clipboard_;
    std::vector<Control> controls_;  // in template order
    int first_id_ = 0;
    std::vector<int> slots_;  // index in controls_ by id - first_id_, or -1
    int focus_ = 0;
    std::string announced_;
    int alerts_ = 0;
    std::vector<Timer> timers_;
    std::int64_t now_ = 0;  // milliseconds since the window opened
    std::vector<std::pair<int, std::string>> system_menu_;
    std::vector<Popup> popups_;
    std::uint64_t clipboard_writes_ = 0;
    bool minimised_ = false;
    bool ended_ = false;
    int result_ = 0;
    std::vector<Call> calls_;
    std::vector<Drawing> drawings_;
    RecordingCanvas nowhere_;  // for a device context of a control that does not exist
};

class HeadlessPlatform : public Platform {
public:
    // What the host does while a dialog runs. A dialog that has no session, or that its
    // session leaves open, is then closed as by its close box.
    using Session = std::function<void(HeadlessWindow&)>;

    Screen screen;
    std::string clipboard;  // plain text, as the system clipboard would hold it

    void SetSession(int template_id, Session session) {
        sessions_[template_id] = std::move(session);
    }

    int DoModal(const DialogTemplate& t, DialogHandler& handler) override;

private:
    std::map<int, Session> sessions_;
};

}  // namespace tomaro::platform::headless
