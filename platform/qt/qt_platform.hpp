// The platform on Qt 6 Widgets: dialogs from templates, run modally one over another, and
// the application-wide key filter that gives every key press to the running dialog's
// handler first, as a Windows virtual-key code.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "platform/platform.hpp"
#include "platform/qt/qt_dialog_window.hpp"
#include "platform/qt/virtual_key.hpp"

namespace tomaro::platform::qt {

class QtPlatform final : public QObject, public Platform {
    Q_OBJECT

public:
    // Needs the QApplication. Sets up the dialog font's substitution, reads the keyboard
    // layout and installs the key filter on the application.
    QtPlatform();
    ~QtPlatform() override;

    // Open, then exec: answers the result given to EndDialog.
    int DoModal(const DialogTemplate& t, DialogHandler& handler) override;

    // Builds the dialog over the running one (if any) and initialises it: OnInitDialog, then
    // the first tab stop's focus if it answered true. Nothing is shown. From here until it is
    // destroyed it is the running dialog, whose window gets the keys; show() or exec() it.
    std::unique_ptr<QtDialogWindow> Open(const DialogTemplate& t, DialogHandler& handler);

    // The innermost dialog that is open, or null.
    QtDialogWindow* RunningDialog() const;

    void SetKeyboardLayout(KeyboardLayout layout) { layout_ = layout; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    static bool DisabledControlMenu(QtDialogWindow& dialog, QObject* receiver, QEvent* event);

    std::vector<QtDialogWindow*> running_;
    KeyboardLayout layout_;
};

}  // namespace tomaro::platform::qt
