#include "platform/qt/qt_platform.hpp"

#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QTranslator>
#include <QWindow>
#include <algorithm>

#include "platform/qt/display_widget.hpp"
#include "platform/qt/keyboard_layout.hpp"

namespace tomaro::platform::qt {
namespace {

// Every text of the dialogs is Japanese, so Qt's own texts (a field's edit menu) are too,
// whatever the user's locale.
constexpr auto kQtTranslations = "qtbase_ja";

// The display is static text to a screen reader (its name is the reading of the value), and
// the alert widget an alert.
QAccessibleInterface* DialogAccessible(const QString& class_name, QObject* object) {
    if (!object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (class_name == QLatin1String(DisplayWidget::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (class_name == QLatin1String(AlertWidget::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

QtPlatform::QtPlatform() : layout_(DetectKeyboardLayout()) {
    // IPAPGothic is drawn to the dialog font's metrics; without it fontconfig picks a Latin
    // font with borrowed kana and the layout drifts.
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    auto* translator = new QTranslator(this);
    if (translator->load(QString::fromLatin1(kQtTranslations),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    QAccessible::installFactory(DialogAccessible);
    qApp->installEventFilter(this);
}

QtPlatform::~QtPlatform() {
    if (qApp) qApp->removeEventFilter(this);
}

int QtPlatform::DoModal(const DialogTemplate& t, DialogHandler& handler) {
    const std::unique_ptr<QtDialogWindow> dialog = Open(t, handler);
    if (!dialog) return -1;
    return dialog->exec();
}

std::unique_ptr<QtDialogWindow> QtPlatform::Open(const DialogTemplate& t, DialogHandler& handler) {
    auto dialog = std::make_unique<QtDialogWindow>(t, handler, RunningDialog());
    QtDialogWindow* raw = dialog.get();
    running_.push_back(raw);
    connect(raw, &QObject::destroyed, this, [this, raw] {
        running_.erase(std::remove(running_.begin(), running_.end(), raw), running_.end());
    });
    dialog->Initialise();
    return dialog;
}

QtDialogWindow* QtPlatform::RunningDialog() const {
    return running_.empty() ? nullptr : running_.back();
}

// Qt gives a disabled control no mouse input at all, nor its parent: a right-click on one
// is taken at the window and asks for the dialog's menu, as anywhere else in the dialog.
bool QtPlatform::DisabledControlMenu(QtDialogWindow& dialog, QObject* receiver, QEvent* event) {
    if (receiver != dialog.windowHandle()) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QWidget* under = dialog.childAt(mouse->position().toPoint());
    if (mouse->button() != Qt::RightButton || !under || under->isEnabled()) return false;
    const QPoint at = mouse->globalPosition().toPoint();
    dialog.handler().OnContextMenu({at.x(), at.y()});
    return true;
}

// Where the handler sees keys first, ahead of QDialog's own keyboard handling (the message
// filter on Windows). One key press visits the dialog's QWindow first, then the focused
// widget and its parents; the QWindow alone is acted on, and a key taken there goes no
// further: QDialog never sees Enter or Escape, nor a button Space.
bool QtPlatform::eventFilter(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ContextMenu && type != QEvent::MouseButtonPress)
        return false;
    QtDialogWindow* dialog = RunningDialog();
    if (!dialog) return false;

    if (type == QEvent::MouseButtonPress) return DisabledControlMenu(*dialog, receiver, event);

    if (type == QEvent::ContextMenu) {
        // The Menu key's own request is answered with its key press below; drop the one the
        // window system makes of it, which would go to the focused widget.
        const bool ours =
            receiver == dialog->windowHandle() ||
            (receiver->isWidgetType() && static_cast<QWidget*>(receiver)->window() == dialog);
        return ours &&
               static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    }

    if (!receiver->isWindowType() || receiver != dialog->windowHandle()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Alt combinations are system keys and keep their usual meaning.
    if ((key->modifiers() & Qt::AltModifier) || key->key() == Qt::Key_Alt ||
        key->key() == Qt::Key_AltGr)
        return false;
    if (key->key() == Qt::Key_Menu ||
        (key->key() == Qt::Key_F10 && (key->modifiers() & Qt::ShiftModifier))) {
        dialog->handler().OnContextMenu(kKeyboardMenuPoint);
        return true;
    }
    const int virtual_key = VirtualKeyOf(key->key(), (key->modifiers() & Qt::KeypadModifier) != 0,
                                         key->nativeScanCode(), layout_);
    return dialog->KeyDown(virtual_key, {.ctrl = (key->modifiers() & Qt::ControlModifier) != 0,
                                         .shift = (key->modifiers() & Qt::ShiftModifier) != 0});
}

}  // namespace tomaro::platform::qt
