#include "platform/qt/qt_dialog_window.hpp"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "platform/dialog_rules.hpp"
#include "platform/qt/display_widget.hpp"
#include "platform/qt/icons.hpp"
#include "platform/qt/window_frame.hpp"

namespace tomaro::platform::qt {
namespace {

constexpr int kIconPixels = 32;     // an icon static shows the icon at the standard icon size
constexpr int kLineEditMargin = 2;  // QLineEdit's own space between its frame and its text

QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A static control's text as Windows shows it: "&&" is one ampersand, a single "&" only
// marks the next letter as the mnemonic.
QString WithoutMnemonics(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

Qt::WindowFlags WindowFlagsOf(const DialogTemplate& t) {
    // An application window has its own taskbar entry, which a dialog-type window may lack.
    Qt::WindowFlags flags = t.appWindow ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (t.systemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (t.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

Qt::Alignment AlignmentOf(Alignment a) {
    switch (a) {
        case Alignment::Left:
            return Qt::AlignLeft;
        case Alignment::Centre:
            return Qt::AlignHCenter;
        case Alignment::Right:
            return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QFont DialogFont(const DialogTemplate& t) {
    QFont font(FromUtf8(t.fontName));
    font.setPointSize(t.fontPointSize);
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(FromUtf8(kBaseUnitLetters));
    return {HorizontalBaseUnit(letters), metrics.height()};
}

}  // namespace

QtDialogWindow::QtDialogWindow(const DialogTemplate& t, DialogHandler& handler, QWidget* owner)
    : QDialog(owner, WindowFlagsOf(t)), template_(t), handler_(handler) {
    setWindowTitle(FromUtf8(t.caption));
    const QFont font = DialogFont(t);
    setFont(font);
    units_ = BaseUnitsOf(font);
    const PixelRect client = ToPixels(t.rect, units_);
    setFixedSize(client.width, client.height);
    for (const ControlTemplate& c : t.controls)
        CreateControl(c);
}

QtDialogWindow::~QtDialogWindow() = default;

void QtDialogWindow::CreateControl(const ControlTemplate& c) {
    const PixelRect r = ToPixels(c.rect, units_);
    QRect place(r.x, r.y, r.width, r.height);
    const Qt::FocusPolicy focus = c.tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    const QString text = FromUtf8(c.text);
    QWidget* widget = nullptr;
    DisplayWidget* display = nullptr;

    switch (c.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
            auto* button = new QPushButton(text, this);
            // Enter must never click a focused button behind the key map's back, so no
            // button is auto-default; the template's default button alone is the default.
            button->setAutoDefault(false);
            button->setDefault(c.kind == ControlKind::DefaultPushButton);
            button->setFocusPolicy(focus);
            if (c.id != kNoId)
                connect(button, &QPushButton::clicked, this, [this, id = c.id] {
                    ShowKeyboardFocus();  // the click moved the focus; it stays shown
                    Command(id);
                });
            widget = button;
            break;
        }
        case ControlKind::ReadOnlyField: {
            auto* edit = new QLineEdit(text, this);
            edit->setReadOnly(true);
            edit->setAlignment(AlignmentOf(c.align) | Qt::AlignVCenter);
            edit->setFrame(true);
            edit->setFocusPolicy(focus);
            // A read-only field has the ground of a static control, not of an input.
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            edit->setPalette(palette);
            widget = edit;
            break;
        }
        case ControlKind::WhiteFrame:
            display = new DisplayWidget(c.sunkenEdge, this);
            // As a move to a monitor of another DPI on Windows: measured and drawn again.
            connect(
                display, &DisplayWidget::OutOfScale, this, [this] { handler_.OnDpiChanged(); },
                Qt::QueuedConnection);
            widget = display;
            break;
        case ControlKind::Icon: {
            auto* label = new QLabel(this);
            label->setPixmap(IconOf(c.iconId).pixmap(kIconPixels, kIconPixels));
            place.setSize(QSize(kIconPixels, kIconPixels));  // an icon takes its own size
            widget = label;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            label->setText(c.literalAmpersands ? text : WithoutMnemonics(text));
            label->setAlignment(AlignmentOf(c.align) | Qt::AlignTop);
            widget = label;
            break;
        }
    }

    widget->setGeometry(place);
    if (display) display->ResizeImage();
    if (!c.accessibleName.empty()) {
        widget->setAccessibleName(FromUtf8(c.accessibleName));
    } else if (c.IsButton()) {
        widget->setAccessibleName(WithoutMnemonics(text));
    }
    widget->lower();  // the template's first control is the top of the z-order
    if (c.disabled) widget->setEnabled(false);
    if (c.id != kNoId) {
        widget->setProperty("controlId", c.id);
        widget->setObjectName(QString::number(c.id));
        controls_.insert(c.id, widget);
    }
}

QWidget* QtDialogWindow::Control(int id) const {
    return controls_.value(id, nullptr);
}

DisplayWidget* QtDialogWindow::Display(int id) const {
    return qobject_cast<DisplayWidget*>(Control(id));
}

void QtDialogWindow::Initialise() {
    const int first = InitDialog(handler_, *this, template_, [this](int id) {
        const QWidget* widget = Control(id);
        return widget != nullptr && widget->isEnabled();
    });
    if (first != 0) SetFocus(first);
}

void QtDialogWindow::Command(int id) {
    SendCommand(handler_, *this, id);
}

bool QtDialogWindow::KeyDown(int virtual_key, vk::Modifiers held) {
    return SendKeyDown(handler_, *this, virtual_key, held);
}

int QtDialogWindow::InputLimit(int id) const {
    return input_limits_.value(id, 0);
}

void QtDialogWindow::EnableControl(int id, bool enabled) {
    if (QWidget* widget = Control(id)) widget->setEnabled(enabled);
}

// Qt's own rules apply: a disabled widget does not take the focus.
void QtDialogWindow::SetFocus(int id) {
    ShowKeyboardFocus();
    if (QWidget* widget = Control(id)) widget->setFocus(Qt::OtherFocusReason);
}

// The dialog is used from the keyboard, so the style draws the focused button's focus frame
// (Qt draws it only after a keyboard focus change, and a click clears that state).
void QtDialogWindow::ShowKeyboardFocus() {
    if (testAttribute(Qt::WA_KeyboardFocusChange)) return;
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* focused = focusWidget()) focused->update();
}

std::string QtDialogWindow::ControlText(int id) {
    QWidget* widget = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
    return {};
}

void QtDialogWindow::SetControlText(int id, std::string_view utf8) {
    QWidget* widget = Control(id);
    const QString text = FromUtf8(utf8);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
        edit->setCursorPosition(0);  // a text too long for the field shows its beginning
        ShowWholeTextIfCut(*edit);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    }
}

// A text wider than its field is still there to read whole: in its tooltip (the accessible
// value of a line edit is its whole text anyway).
void QtDialogWindow::ShowWholeTextIfCut(QLineEdit& edit) {
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    const int room = edit.contentsRect().width() - 2 * (frame + kLineEditMargin);
    const bool cut = edit.fontMetrics().horizontalAdvance(edit.text()) > room;
    edit.setToolTip(cut ? edit.text() : QString());
}

// Only kept: QLineEdit::setMaxLength would also cut the texts the program sets (the kind
// labels are longer than their limit), and the fields are read-only, so there is no typing
// to bound.
void QtDialogWindow::SetInputLimit(int id, int limit) {
    input_limits_.insert(id, limit);
}

// Set only on a change: each change is announced.
void QtDialogWindow::SetAccessibleText(int id, std::string_view utf8) {
    QWidget* widget = Control(id);
    const QString name = FromUtf8(utf8);
    if (widget && widget->accessibleName() != name) widget->setAccessibleName(name);
}

void QtDialogWindow::SetAccessibleDescription(int id, std::string_view utf8) {
    QWidget* widget = Control(id);
    const QString description = FromUtf8(utf8);
    if (widget && widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

// Qt 6.4 has no announcement event, and Orca passes over changes of objects other than the
// focused one, but it says a notification whenever one appears: its name, what is said.
void QtDialogWindow::Announce(std::string_view utf8, bool /*alert*/) {
    if (!announcer_) {
        announcer_ = new Announcer(this);
        announcer_->setGeometry(0, 0, 0, 0);
    }
    announcer_->hide();
    announcer_->setAccessibleName(FromUtf8(utf8));
    if (!utf8.empty()) announcer_->show();
}

std::string QtDialogWindow::ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtDialogWindow::SetClipboardText(std::string_view utf8) {
    QGuiApplication::clipboard()->setText(FromUtf8(utf8));
}

void QtDialogWindow::SetTimer(int timer_id, int milliseconds) {
    std::unique_ptr<QTimer>& timer = timers_[timer_id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer.get(), &QTimer::timeout, this,
                [this, timer_id] { handler_.OnTimer(timer_id); });
    }
    timer->start(milliseconds);  // a running timer starts its period afresh
}

void QtDialogWindow::KillTimer(int timer_id) {
    if (const auto it = timers_.find(timer_id); it != timers_.end()) it->second->stop();
}

bool QtDialogWindow::TimerActive(int timer_id) const {
    const auto it = timers_.find(timer_id);
    return it != timers_.end() && it->second->isActive();
}

void QtDialogWindow::TrackPopupMenu(std::span<const MenuItem> items, Point screen) {
    QMenu menu(this);
    QAction* first = nullptr;
    for (const MenuItem& item : items) {
        if (item.separator()) {
            menu.addSeparator();
        } else {
            QAction* action = menu.addAction(FromUtf8(item.text));  // "&" marks the mnemonic
            action->setData(item.id);
            action->setEnabled(!item.disabled);
            if (!first && action->isEnabled()) first = action;
        }
    }
    // The menu opens with its first enabled item selected, which moves the focus there: a
    // screen reader says the item as the menu opens (the menu itself it passes over).
    if (first)
        connect(&menu, &QMenu::aboutToShow, &menu, [&menu, first] {
            QMetaObject::invokeMethod(
                &menu, [&menu, first] { menu.setActiveAction(first); }, Qt::QueuedConnection);
        });
    const QAction* chosen = menu.exec(QPoint(screen.x, screen.y));
    if (!chosen) return;
    // The choice arrives as a command after the menu has gone, as a posted message would.
    QMetaObject::invokeMethod(
        this, [this, id = chosen->data().toInt()] { Command(id); }, Qt::QueuedConnection);
}

Point QtDialogWindow::ClientOrigin() {
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

// Window managers on Linux give a program no way to add items to the window menu.
bool QtDialogWindow::HasSystemMenu() {
    return false;
}

// Never called, since there is no system menu to add to (HasSystemMenu).
void QtDialogWindow::AppendSystemMenu(const MenuItem&) {}

void QtDialogWindow::SetBigIcon(int icon_id) {
    setWindowIcon(IconOf(icon_id));
}

// The window manager draws the minimised window's icon; the program draws nothing then.
bool QtDialogWindow::PaintMinimised() {
    return isMinimized();
}

std::unique_ptr<DeviceContext> QtDialogWindow::GetDeviceContext(int control_id) {
    DisplayWidget* display = Display(control_id);
    if (!display) return nullptr;
    if (display->ImageOutOfScale()) display->ResizeImage();
    return std::make_unique<QtDeviceContext>(*display);
}

void QtDialogWindow::EndDialog(int result) {
    done(result);
}

bool QtDialogWindow::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // Showing and activating the window forget how the focus last moved; it is shown still.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        ShowKeyboardFocus();
    if (event->type() == QEvent::WindowActivate) handler_.OnActivate(true);
    if (event->type() == QEvent::WindowDeactivate) handler_.OnActivate(false);
    return handled;
}

// Placed once, before it is first shown; afterwards it stays where it was moved to.
void QtDialogWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && !testAttribute(Qt::WA_Moved)) Centre();
    QDialog::showEvent(event);  // places only a dialog that was not moved
}

// As Windows centres a dialog: over the owner while it is visible and not minimised, else
// over the screen's work area, frame included, and kept on the work area. (Qt's own placement
// guesses a frame of 10 by 40 pixels before the window manager has made one.)
void QtDialogWindow::Centre() {
    const QMargins frame = ExpectedFrame(*this);
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect work = screen->availableGeometry();
    const QRect over =
        owner && owner->isVisible() && !owner->isMinimized() ? owner->frameGeometry() : work;
    const QSize outer = size().grownBy(frame);
    const int x = over.left() + (over.width() - outer.width()) / 2;
    const int y = over.top() + (over.height() - outer.height()) / 2;
    const QPoint corner(
        std::clamp(x, work.left(), std::max(work.left(), work.right() + 1 - outer.width())),
        std::clamp(y, work.top(), std::max(work.top(), work.bottom() + 1 - outer.height())));
    // The client area's place: Qt takes a move of a window without a frame yet as one.
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

void QtDialogWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    handler_.OnPaint();
}

// A right-click on the dialog, a button or the display arrives here (the read-only fields
// keep their own edit menu). The keyboard's request comes with its key press instead.
void QtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) return;
    handler_.OnContextMenu({event->globalPos().x(), event->globalPos().y()});
}

}  // namespace tomaro::platform::qt
