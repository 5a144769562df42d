// A dialog as HTML elements: the template's controls placed by the dialog font's base units,
// the display as a canvas drawn at the screen's pixel density, and what the page reports of
// the user, dispatched to the dialog's handler under the dialog manager's rules.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/web/page.hpp"

namespace tomaro::platform::web {

class WebDialogWindow final : public DialogWindow {
public:
    // Builds the elements and lays them out to fit the page; nothing is initialised yet.
    WebDialogWindow(int window_id, const DialogTemplate& t, DialogHandler& handler, bool modal);
    ~WebDialogWindow() override;
    WebDialogWindow(const WebDialogWindow&) = delete;
    WebDialogWindow& operator=(const WebDialogWindow&) = delete;

    // OnInitDialog, then the first tab stop's focus if it answered true.
    void Initialise();
    // One event of the page for this window.
    void Dispatch(const page::Event& e);
    int Id() const { return id_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    // DialogWindow
    void EnableControl(int id, bool enabled) override;
    void SetFocus(int id) override;
    std::string ControlText(int id) override;
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
    Point ClientOrigin() override;
    bool HasSystemMenu() override { return false; }
    void AppendSystemMenu(const MenuItem&) override {}
    void SetBigIcon(int) override {}  // the page's icon is in its manifest
    bool PaintMinimised() override { return false; }
    std::unique_ptr<DeviceContext> GetDeviceContext(int control_id) override;
    void EndDialog(int result) override;

private:
    struct Control {
        const ControlTemplate* source;
        std::string text;
        std::string name;         // what a screen reader calls it
        std::string description;  // and says of it after the name
        bool enabled;
    };

    Control* Find(int id);
    // Places everything at the largest size that fits the page, at its pixel density.
    void Layout();
    void Click(int id);
    void KeyDown(int virtual_key, vk::Modifiers held);
    // What a dialog manager does with a key the handler leaves: Space presses the focused
    // button and Tab moves to the next tab stop.
    void DefaultKey(int virtual_key);

    int id_;
    const DialogTemplate& template_;
    DialogHandler& handler_;
    std::vector<Control> controls_;  // in template order
    double font_pixels_ = 0;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace tomaro::platform::web
