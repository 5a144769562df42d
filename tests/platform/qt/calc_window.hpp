// The calculator's real window on the Qt platform, shown and active, driven as a person
// drives it: mouse clicks on its buttons and key presses through its QWindow. What it shows
// is put beside what the headless calculator shows for the same keys.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "display/display_reading.hpp"
#include "platform/qt/display_widget.hpp"
#include "platform/qt/qt_platform.hpp"
#include "shell/calc_dialog.hpp"
#include "tests/support/button_words.hpp"
#include "tests/support/key_replay.hpp"

namespace tomaro::qt_testing {

using platform::KeyboardLayout;
using platform::qt::DisplayWidget;
using platform::qt::QtDialogWindow;
using platform::qt::QtPlatform;

inline QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Where the tests leave the pictures they took, for people to look at; those taken at
// another scale than 1 are named for it ("display-mixed@2x").
inline QString ScreenshotPath(const QString& name) {
    QDir().mkpath(QStringLiteral(TOMARO_SCREENSHOTS));
    const qreal ratio = qApp->devicePixelRatio();
    const QString scale = ratio == 1 ? QString() : QStringLiteral("@%1x").arg(ratio);
    return QStringLiteral(TOMARO_SCREENSHOTS "/%1%2.png").arg(name, scale);
}

// What the window shows (the four fields and the display as a screen reader reads it) and
// the numbers behind it, as one value that QCOMPARE can print.
struct Shown {
    QString readout, kind, op, memory, reading, state;
    friend bool operator==(const Shown&, const Shown&) = default;
};

inline char* toString(const Shown& s) {
    const QString text = QStringLiteral("readout[%1] kind[%2] op[%3] memory[%4] reading[%5] %6")
                             .arg(s.readout, s.kind, s.op, s.memory, s.reading, s.state);
    return qstrdup(text.toUtf8().constData());
}

inline QString StateText(const CalcState& s) {
    std::ostringstream o;
    o << "entry " << s.entry.num << '/' << s.entry.den << " rep " << s.entryRep << " acc "
      << s.acc.num << '/' << s.acc.den << " rep " << s.accRep << " memory " << s.memory.num << '/'
      << s.memory.den << " pending[" << s.pendingOp << "] locked " << s.locked << " notice["
      << s.noticeText << ']';
    return FromUtf8(o.str());
}

inline Shown ShownBy(const testing::Played& c) {
    const CalcState& s = c.state();
    return {FromUtf8(s.readoutText),
            FromUtf8(s.kindText),
            FromUtf8(s.opText),
            FromUtf8(s.memText),
            FromUtf8(DisplayReading(c.model())),
            StateText(s)};
}

// The popup menu that is up, if any.
inline QMenu* ActiveMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

inline QStringList ActionTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << action->text();
    return texts;
}

// Menus and modal dialogs run event loops of their own, which hold the test's call until
// they end; this acts from inside such a loop as soon as what it waits for is up, once.
class WhenUp {
public:
    WhenUp(std::function<QWidget*()> find, std::function<void(QWidget*)> act)
        : find_(std::move(find)), act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* up = find_()) {
                timer_.stop();
                act_(up);
            }
        });
        timer_.start(5);
    }
    bool acted() const { return !timer_.isActive(); }

private:
    std::function<QWidget*()> find_;
    std::function<void(QWidget*)> act_;
    QTimer timer_;
};

class CalcWindow {
public:
    CalcWindow() {
        platform_.SetKeyboardLayout(KeyboardLayout::Us);  // unless a test says otherwise
        window_ = platform_.Open(CalcDialogTemplate(), dialog_);
        window_->show();
        window_->activateWindow();
    }

    QtPlatform& platform() { return platform_; }
    CCalcDlg& dialog() { return dialog_; }
    QtDialogWindow& window() { return *window_; }
    QWindow* handle() { return window_->windowHandle(); }
    QWidget* Control(int id) { return window_->Control(id); }
    QLineEdit* Field(int id) { return qobject_cast<QLineEdit*>(window_->Control(id)); }
    DisplayWidget* Display() { return window_->Display(IDC_DISPLAY); }

    // Mouse clicks on the buttons named by tomaro-cli words ("3 BAR 2 +").
    void Click(std::string_view words) {
        for (const std::string& word : SplitTokens(words)) {
            const auto button = kButtonWords.find(word);
            QTEST_ASSERT(button != kButtonWords.end());
            QTest::mouseClick(Control(button->second), Qt::LeftButton);
        }
    }
    // A key press and release, delivered to the window as the window system delivers it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(handle(), key, modifiers);
    }
    // A key press with what QTest cannot give: the X keycode, and the auto-repeat flag.
    void KeyPress(int key, Qt::KeyboardModifiers modifiers, quint32 keycode, const QString& text,
                  bool auto_repeat) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, keycode, 0, 0, text, auto_repeat);
        QSpontaneKeyEvent::setSpontaneous(&press);
        QCoreApplication::sendEvent(handle(), &press);
    }

    QWidget* Focus() const { return QApplication::focusWidget(); }

    Shown Shows() {
        return {Field(IDC_READOUT)->text(),  Field(IDC_KIND)->text(),
                Field(IDC_OPERATOR)->text(), Field(IDC_MEMORYINDICATOR)->text(),
                Display()->accessibleName(), StateText(dialog_.state())};
    }
    // The calculator on the headless platform with this window's display metrics, after the
    // same keys.
    testing::Played Expected(std::string_view words) const {
        const DisplayModel& m = dialog_.model();
        return testing::played(
            words, {m.displayRect.right, m.displayRect.bottom, m.charWidth - 1, m.charHeight});
    }
    Shown ExpectedShown(std::string_view words) const { return ShownBy(Expected(words)); }

private:
    QtPlatform platform_;
    CCalcDlg dialog_{platform_};
    std::unique_ptr<QtDialogWindow> window_;  // destroyed first: it calls the dialog
};

}  // namespace tomaro::qt_testing
