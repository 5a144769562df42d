// A dialog built from a template: a QDialog with one widget per control, placed in dialog
// units converted by the dialog font's base units, whose events go to a DialogHandler.
#pragma once

#include <QDialog>
#include <QHash>
#include <map>
#include <memory>

#include "platform/platform.hpp"

class QLineEdit;
class QTimer;

namespace tomaro::platform::qt {

class DisplayWidget;

// What screen readers hear without the focus moving: a notification with no pixels,
// whose name is what is said, announced as it appears.
class Announcer final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

class QtDialogWindow final : public QDialog, public DialogWindow {
    Q_OBJECT

public:
    // Builds the dialog and its controls; nothing is shown and the handler is not called.
    // owner: the dialog this one is modal over (null for a top-level window).
    QtDialogWindow(const DialogTemplate& t, DialogHandler& handler, QWidget* owner);
    ~QtDialogWindow() override;

    // The control with that id, or null (also for kNoId). Every control widget also carries
    // its id in the property "controlId".
    QWidget* Control(int id) const;
    DisplayWidget* Display(int id) const;
    DialogHandler& handler() const { return handler_; }
    BaseUnits base_units() const { return units_; }
    const DialogTemplate& dialog_template() const { return template_; }

    // OnInitDialog, and the focus the dialog manager then gives.
    void Initialise();
    // A button click or a menu choice, and a key-down: the handler first, then the dialog
    // manager's rules (platform/dialog_rules.hpp). KeyDown answers whether anything took it.
    void Command(int id);
    bool KeyDown(int virtual_key, vk::Modifiers held);
    // What tests read back: the limit last given by SetInputLimit (0 if none), and whether
    // a timer runs.
    int InputLimit(int id) const;
    bool TimerActive(int timer_id) const;

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
    bool HasSystemMenu() override;
    void AppendSystemMenu(const MenuItem& item) override;
    void SetBigIcon(int icon_id) override;
    bool PaintMinimised() override;
    std::unique_ptr<DeviceContext> GetDeviceContext(int control_id) override;
    void EndDialog(int result) override;

    // QDialog: the window's close command comes here, as Cancel.
    void accept() override { Command(IDOK); }
    void reject() override { Command(IDCANCEL); }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateControl(const ControlTemplate& c);
    void ShowKeyboardFocus();
    void Centre();
    void ShowWholeTextIfCut(QLineEdit& edit);

    const DialogTemplate& template_;
    DialogHandler& handler_;
    BaseUnits units_{};
    QHash<int, QWidget*> controls_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
    QHash<int, int> input_limits_;
    Announcer* announcer_ = nullptr;  // made at the first announcement
};

}  // namespace tomaro::platform::qt
