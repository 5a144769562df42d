// The calculator window end to end on Qt: clicks and key presses reach the dialog's logic by
// the window system's path, and the fields, the focus, the enabled states, the menus, the
// About box and the notice timer show what the logic asked for.
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>

#include "tests/platform/qt/calc_window.hpp"

namespace tomaro::qt_testing {
namespace {

// From here every command gives a different state; it leaves the focus on "3".
constexpr std::string_view kMidway = "5 M+ 1 + 2 BAR 3";
// Ten nines times ten nines overflows: the evaluation locks the keypad.
constexpr std::string_view kOverflow = "9 9 9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 9 9 =";
// The buttons the lock disables, in the order it disables them and A.C. enables them.
constexpr int kLockOrder[] = {1016, 1015, 1005, 1007, 1008, 1009, 1010, 1011, 1012,
                              1013, 1014, 1017, 1018, 1019, 1020, 1021, 1022, 1023,
                              1034, 1032, 1031, 1030, 1029, 1025, 1024, 1004};
const QStringList kMenuTexts = {QStringLiteral("コピー(&C)"), QStringLiteral("貼り付け(&P)"),
                                QString(), QStringLiteral("バージョン情報(&A)"),
                                QStringLiteral("終了(&X)")};

std::string Then(std::string_view keys, const QString& more) {
    return std::string(keys) + ' ' + more.toStdString();
}

int IdOf(const QWidget* widget) {
    return widget ? widget->property("controlId").toInt() : 0;
}

QAction* ActionNamed(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text) return action;
    return nullptr;
}

// The menu that comes up, as seen before Escape closes it.
struct MenuSeen {
    QStringList texts;
    QPoint at;
    QWidget* owner = nullptr;
    bool escaped = false;  // Escape reached the menu rather than the key map
};

WhenUp RecordAndEscape(MenuSeen& seen) {
    return WhenUp(ActiveMenu, [&seen](QWidget* menu) {
        seen = {ActionTexts(*static_cast<QMenu*>(menu)), menu->pos(), menu->parentWidget()};
        const QPointer<QWidget> up = menu;  // a field's menu deletes itself on closing
        QTest::keyClick(menu->windowHandle(), Qt::Key_Escape);
        seen.escaped = !up || !up->isVisible();
        if (up) up->close();  // so that a failure does not hold the test up
    });
}

// Chooses an item of the menu that comes up: by a click on it, or by its mnemonic key.
WhenUp Choose(const QString& item, Qt::Key mnemonic = Qt::Key_unknown) {
    return WhenUp(ActiveMenu, [item, mnemonic](QWidget* w) {
        auto* menu = static_cast<QMenu*>(w);
        const QPointer<QWidget> up = menu;
        if (mnemonic == Qt::Key_unknown)
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(ActionNamed(*menu, item)).center());
        else
            QTest::keyClick(menu->windowHandle(), mnemonic);
        if (up && up->isVisible()) up->close();  // not chosen: fail rather than hold the test up
    });
}

// Focus moves and enabled changes of the buttons, in the order they happen.
class ButtonEvents final : public QObject {
public:
    explicit ButtonEvents(CalcWindow& calc) {
        for (const auto& [word, id] : kButtonWords)
            calc.Control(id)->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            log << QStringLiteral("focus %1").arg(IdOf(now));
        });
    }
    QStringList log;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            auto* button = static_cast<QWidget*>(watched);
            log << QStringLiteral("%1 %2")
                       .arg(button->isEnabled() ? "enable" : "disable")
                       .arg(IdOf(button));
        }
        return false;
    }
};

// Paint events of the fields and the display, to see that repaints come to rest.
class PaintCount final : public QObject {
public:
    explicit PaintCount(CalcWindow& calc) {
        for (int id : {IDC_READOUT, IDC_KIND, IDC_OPERATOR, IDC_MEMORYINDICATOR, IDC_DISPLAY})
            calc.Control(id)->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

}  // namespace

class CalcWindowTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<CalcWindow> calc_;
    CalcWindow& calc() { return *calc_; }
    int FocusId() { return IdOf(calc().Focus()); }

private slots:
    void init() {
        calc_ = std::make_unique<CalcWindow>();
        QVERIFY(QTest::qWaitForWindowActive(&calc().window()));
    }
    void cleanup() { calc_.reset(); }

    void opensShowingZeroWithTheFocusOnEquals() {
        QCOMPARE(calc().Shows(), calc().ExpectedShown(""));
        QCOMPARE(FocusId(), IDC_EQUALS);
    }

    void buttons_data() {
        QTest::addColumn<QString>("word");
        for (const auto& [word, id] : kButtonWords)
            QTest::newRow(word.c_str()) << QString::fromStdString(word);
    }
    void buttons() {
        QFETCH(QString, word);
        calc().Click(kMidway);
        QVERIFY(calc().ExpectedShown(Then(kMidway, word)) != calc().ExpectedShown(kMidway));
        QTest::mouseClick(calc().Control(kButtonWords.find(word.toStdString())->second),
                          Qt::LeftButton);
        QCOMPARE(calc().Shows(), calc().ExpectedShown(Then(kMidway, word)));
        QVERIFY(calc().window().isVisible());
    }

    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<KeyboardLayout>("layout");
        QTest::addColumn<QString>("word");  // the command the key runs
        QTest::addColumn<int>("focus");
        const auto row = [](const char* name, int key, Qt::KeyboardModifiers mods, QString word,
                            int focus, KeyboardLayout layout = KeyboardLayout::Us) {
            QTest::newRow(name) << key << mods << layout << word << focus;
        };
        const Qt::KeyboardModifiers none, shift(Qt::ShiftModifier), pad(Qt::KeypadModifier);
        constexpr int kDigits[] = {IDC_DIGIT0, IDC_DIGIT1, IDC_DIGIT2, IDC_DIGIT3, IDC_DIGIT4,
                                   IDC_DIGIT5, IDC_DIGIT6, IDC_DIGIT7, IDC_DIGIT8, IDC_DIGIT9};
        for (int d = 0; d < 10; ++d) {
            const QString digit = QString::number(d);
            QTest::addRow("main row %d", d)
                << Qt::Key_0 + d << none << KeyboardLayout::Us << digit << kDigits[d];
            QTest::addRow("keypad %d", d)
                << Qt::Key_0 + d << pad << KeyboardLayout::Us << digit << kDigits[d];
        }
        row("O", Qt::Key_O, none, "000", IDC_TRIPLEZERO);
        row("Shift+O", Qt::Key_O, shift, "000", IDC_TRIPLEZERO);
        row("R", Qt::Key_R, none, "INV", IDC_RECIPROCAL);
        row("M", Qt::Key_M, none, "NEG", IDC_SIGN);
        row("F", Qt::Key_F, none, "BAR", IDC_FRACTIONBAR);
        row("V", Qt::Key_V, none, "M+", IDC_MEMORYADD);
        row("C", Qt::Key_C, none, "M-", IDC_MEMORYSUBTRACT);
        row("Ctrl+5", Qt::Key_5, Qt::ControlModifier, "5", IDC_DIGIT5);  // Ctrl not consulted
        row("X", Qt::Key_X, none, "MR", IDC_MEMORYRECALL);
        row("Z", Qt::Key_Z, none, "MC", IDC_MEMORYCLEAR);
        row("keypad +", Qt::Key_Plus, pad, "+", IDC_ADD);
        row("keypad -", Qt::Key_Minus, pad, "-", IDC_SUBTRACT);
        row("keypad *", Qt::Key_Asterisk, pad, "*", IDC_MULTIPLY);
        row("keypad /", Qt::Key_Slash, pad, "/", IDC_DIVIDE);
        row("keypad .", Qt::Key_Period, pad, ".", IDC_POINT);
        row("keypad , (decimal key)", Qt::Key_Comma, pad, ".", IDC_POINT);
        row("US Shift+= (+)", Qt::Key_Plus, shift, "+", IDC_ADD);
        row("US = (the + key)", Qt::Key_Equal, none, "+", IDC_ADD);
        row("US -", Qt::Key_Minus, none, "-", IDC_SUBTRACT);
        row("US ; (the * key of Japan)", Qt::Key_Semicolon, none, "*", IDC_MULTIPLY);
        row("* without a keycode", Qt::Key_Asterisk, shift, "*", IDC_MULTIPLY);
        row("US /", Qt::Key_Slash, none, "/", IDC_DIVIDE);
        row("US ?", Qt::Key_Question, shift, "/", IDC_DIVIDE);
        row("US .", Qt::Key_Period, none, ".", IDC_POINT);
        row("JP Shift+; (+)", Qt::Key_Plus, shift, "+", IDC_ADD, KeyboardLayout::Japanese);
        row("JP ;", Qt::Key_Semicolon, none, "+", IDC_ADD, KeyboardLayout::Japanese);
        row("JP Shift+: (*)", Qt::Key_Asterisk, shift, "*", IDC_MULTIPLY, KeyboardLayout::Japanese);
        row("JP :", Qt::Key_Colon, none, "*", IDC_MULTIPLY, KeyboardLayout::Japanese);
        row("JP -", Qt::Key_Minus, none, "-", IDC_SUBTRACT, KeyboardLayout::Japanese);
        row("JP /", Qt::Key_Slash, none, "/", IDC_DIVIDE, KeyboardLayout::Japanese);
        row("JP .", Qt::Key_Period, none, ".", IDC_POINT, KeyboardLayout::Japanese);
        row("Return", Qt::Key_Return, none, "=", IDC_EQUALS);
        row("keypad Enter", Qt::Key_Enter, pad, "=", IDC_EQUALS);
        row("Escape", Qt::Key_Escape, none, "AC", IDC_ALLCLEAR);
        row("Delete", Qt::Key_Delete, none, "AC", IDC_ALLCLEAR);
        row("Backspace", Qt::Key_Backspace, none, "BS", IDC_BACKSPACE);
        row("Home", Qt::Key_Home, none, "CE", IDC_CLEARENTRY);
        row("keypad Home (Num Lock off)", Qt::Key_Home, pad, "CE", IDC_CLEARENTRY);
        row("End", Qt::Key_End, none, "CE", IDC_CLEARENTRY);
        row("Left", Qt::Key_Left, none, "BS", IDC_BACKSPACE);
        row("Right", Qt::Key_Right, none, "NEG", IDC_SIGN);
        row("Up", Qt::Key_Up, none, "INV", IDC_RECIPROCAL);
        row("Down", Qt::Key_Down, none, "BAR", IDC_FRACTIONBAR);
        row("F9", Qt::Key_F9, none, "NEG", IDC_SIGN);
    }
    void keys() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(KeyboardLayout, layout);
        QFETCH(QString, word);
        QFETCH(int, focus);
        calc().platform().SetKeyboardLayout(layout);
        calc().Click(kMidway);
        calc().Key(static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(calc().Shows(), calc().ExpectedShown(Then(kMidway, word)));
        QCOMPARE(FocusId(), focus);
        QVERIFY(calc().window().isVisible());  // Return and Escape above all
    }

    // Keys outside the key map change nothing and move no focus: Tab does not move it,
    // Space does not press the focused button, Alt combinations are left to the system.
    void keysOutsideTheMap_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("focus");  // given to this button first
        const auto row = [](const char* name, int key, Qt::KeyboardModifiers mods,
                            int focus = IDC_DIGIT3) {
            QTest::newRow(name) << key << mods << focus;
        };
        row("Tab", Qt::Key_Tab, {});
        row("Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier);
        row("Space on 3", Qt::Key_Space, {});
        row("Space on =", Qt::Key_Space, {}, IDC_EQUALS);
        row("Alt+5", Qt::Key_5, Qt::AltModifier);
        row("A", Qt::Key_A, {});
        row("F1", Qt::Key_F1, {});
        row("Page Down", Qt::Key_PageDown, {});
        row("Insert", Qt::Key_Insert, {});
    }
    void keysOutsideTheMap() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, focus);
        calc().Click(kMidway);
        calc().Control(focus)->setFocus();
        const Shown before = calc().Shows();
        calc().Key(static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(calc().Shows(), before);
        QCOMPARE(FocusId(), focus);
        QVERIFY(calc().window().isVisible());
    }

    // What QTest cannot send: the X keycode, by which Shift with a main-row digit is still
    // the digit, and the auto-repeat of a held key.
    void heldAndShiftedKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<uint>("keycode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("repeats");
        QTest::addColumn<KeyboardLayout>("layout");
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("focus");
        const Qt::KeyboardModifiers shift(Qt::ShiftModifier), none;
        QTest::newRow("US Shift+8") << int{Qt::Key_Asterisk} << shift << 17u << "*" << 0
                                    << KeyboardLayout::Us << "8" << int{IDC_DIGIT8};
        QTest::newRow("JP Shift+8") << int{Qt::Key_ParenLeft} << shift << 17u << "(" << 0
                                    << KeyboardLayout::Japanese << "8" << int{IDC_DIGIT8};
        QTest::newRow("US Shift+5") << int{Qt::Key_Percent} << shift << 14u << "%" << 0
                                    << KeyboardLayout::Us << "5" << int{IDC_DIGIT5};
        QTest::newRow("5 held") << int{Qt::Key_5} << none << 14u << "5" << 2 << KeyboardLayout::Us
                                << "5 5 5" << int{IDC_DIGIT5};
        QTest::newRow("Backspace held")
            << int{Qt::Key_Backspace} << none << 22u << "\b" << 3 << KeyboardLayout::Us
            << "BS BS BS BS" << int{IDC_BACKSPACE};
    }
    void heldAndShiftedKeys() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(uint, keycode);
        QFETCH(QString, text);
        QFETCH(int, repeats);
        QFETCH(KeyboardLayout, layout);
        QFETCH(QString, words);
        QFETCH(int, focus);
        calc().platform().SetKeyboardLayout(layout);
        calc().Click(kMidway);
        for (int i = 0; i <= repeats; ++i)
            calc().KeyPress(key, modifiers, keycode, text, /*auto_repeat=*/i > 0);
        QCOMPARE(calc().Shows(), calc().ExpectedShown(Then(kMidway, words)));
        QCOMPARE(FocusId(), focus);
    }

    // An overflow typed on the keyboard moves the focus to A.C. and then disables the other
    // 26 buttons in their order; while locked nothing but A.C. works; each way of A.C.
    // enables them in the same order.
    void lockAndUnlock_data() {
        QTest::addColumn<QString>("unlock");
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("Delete") << "Delete";
        QTest::newRow("A.C. clicked") << "click";
    }
    void lockAndUnlock() {
        QFETCH(QString, unlock);
        for (int i = 0; i < 10; ++i)
            calc().Key(Qt::Key_9);
        calc().Key(Qt::Key_Asterisk, Qt::KeypadModifier);
        for (int i = 0; i < 10; ++i)
            calc().Key(Qt::Key_9);
        ButtonEvents events(calc());
        calc().Key(Qt::Key_Return);

        QStringList expected = {QStringLiteral("focus %1").arg(IDC_ALLCLEAR)};
        for (int id : kLockOrder)
            expected << QStringLiteral("disable %1").arg(id);
        QCOMPARE(events.log, expected);
        QVERIFY(calc().dialog().state().locked);
        QCOMPARE(calc().Shows(), calc().ExpectedShown(kOverflow));
        for (const auto& [word, id] : kButtonWords)
            QVERIFY2(calc().Control(id)->isEnabled() == (id == IDC_ALLCLEAR), word.c_str());
        QCOMPARE(FocusId(), IDC_ALLCLEAR);

        const Shown locked = calc().Shows();
        events.log.clear();
        calc().Key(Qt::Key_7);
        calc().Key(Qt::Key_Plus, Qt::KeypadModifier);
        calc().Click("7 =");  // disabled
        QCOMPARE(calc().Shows(), locked);
        QCOMPARE(FocusId(), IDC_ALLCLEAR);
        QCOMPARE(events.log, QStringList());

        if (unlock == "Escape") calc().Key(Qt::Key_Escape);
        if (unlock == "Delete") calc().Key(Qt::Key_Delete);
        if (unlock == "click") calc().Click("AC");
        expected.clear();
        for (int id : kLockOrder)
            expected << QStringLiteral("enable %1").arg(id);
        QCOMPARE(events.log, expected);
        for (const auto& [word, id] : kButtonWords)
            QVERIFY2(calc().Control(id)->isEnabled(), word.c_str());
        QCOMPARE(calc().Shows(), calc().ExpectedShown(Then(kOverflow, "AC")));
        QCOMPARE(FocusId(), IDC_ALLCLEAR);
    }

    void noticeShowsInTheReadout_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("notice");
        QTest::newRow("divide by zero") << "5 / 0 =" << FromUtf8(kNoticeDivideByZero);
        QTest::newRow("reciprocal of zero") << "0 . INV" << FromUtf8(kNoticeZeroDenominator);
    }
    void noticeShowsInTheReadout() {
        QFETCH(QString, keys);
        QFETCH(QString, notice);
        calc().Click(keys.toStdString());
        QCOMPARE(calc().Field(IDC_READOUT)->text(), notice);
        QCOMPARE(calc().Shows(), calc().ExpectedShown(keys.toStdString()));
        QVERIFY(calc().window().TimerActive(IDT_NOTICE));
    }

    // A notice at 0 ms and another at 1500 ms: the second stands until 3500 ms, and then the
    // readout shows the value again with no other event.
    void secondNoticeRestartsTheTimeAndExpiryShowsTheValue() {
        calc().Click("0 / 0 =");
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(calc().Field(IDC_READOUT)->text(), FromUtf8(kNoticeDivideByZero));
        QTest::qWait(1500);
        calc().Key(Qt::Key_R);
        const qint64 second = clock.elapsed();
        QCOMPARE(calc().Field(IDC_READOUT)->text(), FromUtf8(kNoticeZeroDenominator));

        QTest::qWait(static_cast<int>(3000 - clock.elapsed()));
        if (clock.elapsed() - second >= 1900) QSKIP("the machine is too slow to time 2000 ms here");
        QCOMPARE(calc().Field(IDC_READOUT)->text(), FromUtf8(kNoticeZeroDenominator));
        QVERIFY(calc().window().TimerActive(IDT_NOTICE));

        const Shown expired = calc().ExpectedShown("0 / 0 = INV TICK");
        QTRY_COMPARE_WITH_TIMEOUT(calc().Field(IDC_READOUT)->text(), expired.readout, 1500);
        QVERIFY(clock.elapsed() - second >= 1950);
        QCOMPARE(calc().Shows(), expired);
        QVERIFY(!calc().window().TimerActive(IDT_NOTICE));
    }

    // A right-click on a button (a disabled one too), the display or the dialog opens the
    // menu at the pointer.
    void contextMenuFromTheMouse_data() {
        QTest::addColumn<int>("control");  // 0: the dialog itself, between the controls
        QTest::addColumn<bool>("locked");
        QTest::newRow("button 5") << int{IDC_DIGIT5} << false;
        QTest::newRow("button 5, disabled") << int{IDC_DIGIT5} << true;
        QTest::newRow("display") << int{IDC_DISPLAY} << false;
        QTest::newRow("dialog") << 0 << false;
    }
    void contextMenuFromTheMouse() {
        QFETCH(int, control);
        QFETCH(bool, locked);
        if (locked) calc().Click(kOverflow);
        QCOMPARE(calc().Control(IDC_DIGIT5)->isEnabled(), !locked);
        QWidget* target = control ? calc().Control(control) : &calc().window();
        QPoint at = target->rect().center();
        if (!control) {  // right of "<-", above the keypad
            const PixelRect p = ToPixels({150, 50, 0, 0}, calc().window().base_units());
            at = {p.x, p.y};
            QCOMPARE(calc().window().childAt(at), nullptr);
        }
        const Shown before = calc().Shows();
        MenuSeen menu;
        const WhenUp escape = RecordAndEscape(menu);
        QTest::mouseClick(target, Qt::RightButton, {}, at);
        QVERIFY(escape.acted());
        QCOMPARE(menu.texts, kMenuTexts);
        QCOMPARE(menu.at, target->mapToGlobal(at));
        QVERIFY(menu.escaped);
        QCOMPARE(calc().Shows(), before);
        QVERIFY(calc().window().isVisible());
    }

    // From the keyboard the menu opens 5 pixels right of and below the client area's corner.
    void contextMenuFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Menu") << int{Qt::Key_Menu} << Qt::KeyboardModifiers();
        QTest::newRow("Shift+F10") << int{Qt::Key_F10} << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }
    void contextMenuFromTheKeyboard() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        calc().Click(kMidway);
        const Shown before = calc().Shows();
        MenuSeen menu;
        const WhenUp escape = RecordAndEscape(menu);
        calc().Key(static_cast<Qt::Key>(key), modifiers);
        QVERIFY(escape.acted());
        QCOMPARE(menu.texts, kMenuTexts);
        QCOMPARE(menu.at, calc().window().geometry().topLeft() + QPoint(5, 5));
        QVERIFY(menu.escaped);
        QCOMPARE(calc().Shows(), before);
        QCOMPARE(FocusId(), IDC_DIGIT3);
    }

    void readOnlyFieldsKeepTheirOwnMenu_data() {
        QTest::addColumn<int>("field");
        QTest::newRow("readout") << int{IDC_READOUT};
        QTest::newRow("kind") << int{IDC_KIND};
        QTest::newRow("operator") << int{IDC_OPERATOR};
        QTest::newRow("memory") << int{IDC_MEMORYINDICATOR};
    }
    void readOnlyFieldsKeepTheirOwnMenu() {
        QFETCH(int, field);
        MenuSeen menu;
        const WhenUp escape = RecordAndEscape(menu);
        QTest::mouseClick(calc().Control(field), Qt::RightButton);
        QTRY_VERIFY(escape.acted());  // a field's menu does not hold the click up
        QCOMPARE(menu.owner, calc().Control(field));
        QVERIFY2(!menu.texts.contains(kMenuTexts.last()), qPrintable(menu.texts.join('|')));
        // In Japanese like the rest: no English word ("(&C)" marks a mnemonic, and a tab
        // comes before the shortcut keys).
        QString items;
        for (const QString& text : menu.texts)
            items += text.section(u'\t', 0, 0) + u'|';
        QVERIFY2(items.contains(QStringLiteral("コピー")) &&
                     !QRegularExpression(QStringLiteral("[A-Za-z]{2}")).match(items).hasMatch(),
                 qPrintable(menu.texts.join('|')));
    }

    // The focused button shows the style's focus frame from the start, after a key moves the
    // focus, and after a click.
    void focusIsShown() {
        QWidget* equals = calc().Control(IDC_EQUALS);
        QWidget* five = calc().Control(IDC_DIGIT5);
        const QImage equals_focused = equals->grab().toImage();
        const QImage five_unfocused = five->grab().toImage();
        calc().window().grab().save(ScreenshotPath(QStringLiteral("focus-at-start")));
        calc().Key(Qt::Key_5);
        QCOMPARE(FocusId(), IDC_DIGIT5);
        calc().window().grab().save(ScreenshotPath(QStringLiteral("focus-after-key-5")));
        QVERIFY(equals->grab().toImage() != equals_focused);
        QVERIFY(five->grab().toImage() != five_unfocused);
        calc().Click("7");
        QCOMPARE(FocusId(), IDC_DIGIT7);
        QVERIFY(calc().window().testAttribute(Qt::WA_KeyboardFocusChange));
    }

    // Copy and Paste through the application's clipboard: the whole expansion out, the exact
    // fraction back.
    void copyThenPaste() {
        calc().Click("3 BAR 2 + 6 BAR 1 = = =");
        const WhenUp copy = Choose(kMenuTexts[0], Qt::Key_C);
        calc().Key(Qt::Key_Menu);
        QVERIFY(copy.acted());
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0.8{3}"));
        const WhenUp paste = Choose(kMenuTexts[1], Qt::Key_P);
        calc().Key(Qt::Key_Menu);
        QVERIFY(paste.acted());
        QTRY_COMPARE(calc().Shows(), calc().ExpectedShown("3 BAR 2 + 6 BAR 1 = = = AC 6 BAR 5"));
    }

    // "終了(&X)", by mouse or by its mnemonic (which the key map must not take as MR), ends
    // the dialog with 2.
    void exitFromTheMenuEndsWith2_data() {
        QTest::addColumn<bool>("by_mouse");
        QTest::newRow("click") << true;
        QTest::newRow("mnemonic X") << false;
    }
    void exitFromTheMenuEndsWith2() {
        QFETCH(bool, by_mouse);
        calc().Click(kMidway);
        QSignalSpy finished(&calc().window(), &QDialog::finished);
        const WhenUp choose = Choose(kMenuTexts[4], by_mouse ? Qt::Key_unknown : Qt::Key_X);
        QTest::mouseClick(calc().Display(), Qt::RightButton);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 2);
        QCOMPARE(calc().window().result(), 2);
        QVERIFY(!calc().window().isVisible());
        QCOMPARE(calc().Shows(), calc().ExpectedShown(kMidway));
    }

    void closeCommandEndsWith2_data() {
        QTest::addColumn<bool>("from_window_system");
        QTest::newRow("QWidget::close") << false;
        QTest::newRow("window system close") << true;
    }
    void closeCommandEndsWith2() {
        QFETCH(bool, from_window_system);
        QSignalSpy finished(&calc().window(), &QDialog::finished);
        if (from_window_system)
            calc().handle()->close();
        else
            calc().window().close();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 2);
        QCOMPARE(calc().window().result(), 2);
        QVERIFY(!calc().window().isVisible());
    }

    // The About box from the context menu, modal over the calculator, ended four ways; the
    // calculator shows the same before and after, also while locked.
    void aboutBox_data() {
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("keys");
        QTest::newRow("OK clicked") << "OK" << 1 << QString::fromUtf8(kMidway);
        QTest::newRow("Enter") << "Enter" << 1 << QString::fromUtf8(kMidway);
        QTest::newRow("Escape, locked") << "Escape" << 2 << QString::fromUtf8(kOverflow);
        QTest::newRow("close command") << "close" << 2 << QString::fromUtf8(kMidway);
    }
    void aboutBox() {
        QFETCH(QString, end);
        QFETCH(int, result);
        QFETCH(QString, keys);
        calc().Click(keys.toStdString());
        const Shown before = calc().Shows();
        const QImage display = calc().Display()->grab().toImage();

        QString caption;
        QStringList labels;
        bool icon = false, modal_over_calculator = false;
        Shown while_up;
        int ended = -1;
        WhenUp end_box(
            [&]() -> QWidget* {
                QtDialogWindow* running = calc().platform().RunningDialog();
                return running != &calc().window() && running->isVisible() ? running : nullptr;
            },
            [&](QWidget* w) {
                auto* about = static_cast<QtDialogWindow*>(w);
                caption = about->windowTitle();
                for (const QLabel* label : about->findChildren<QLabel*>()) {
                    if (!label->text().isEmpty()) labels << label->text();
                    const QImage picture = label->pixmap().toImage();
                    if (!picture.isNull()) icon = picture.pixelColor(16, 16).alpha() > 0;
                }
                modal_over_calculator = QApplication::activeModalWidget() == about &&
                                        about->parentWidget() == &calc().window();
                calc().Key(Qt::Key_7);  // not for the calculator while the box is up
                calc().Key(Qt::Key_Escape);
                while_up = calc().Shows();
                if (end == "OK") about->grab().save(ScreenshotPath(QStringLiteral("about-box")));
                connect(about, &QDialog::finished, [&](int r) { ended = r; });
                if (end == "OK") QTest::mouseClick(about->Control(IDOK), Qt::LeftButton);
                if (end == "Enter") QTest::keyClick(about->windowHandle(), Qt::Key_Return);
                if (end == "Escape") QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
                if (end == "close") about->windowHandle()->close();
                if (about->isVisible()) about->done(-1);  // not ended: fail rather than hang
            });
        const WhenUp choose = Choose(kMenuTexts[3]);
        calc().Key(Qt::Key_Menu);
        QTRY_COMPARE_WITH_TIMEOUT(ended, result, 5000);

        QCOMPARE(caption, QStringLiteral("Tomaroのバージョン情報"));
        const QString version_line = "Tomaro -Quillet- Version " + FromUtf8(Version().version);
        QVERIFY2(labels.contains(version_line), qPrintable(labels.join('|')));
        QVERIFY(icon);
        QVERIFY(modal_over_calculator);
        QCOMPARE(while_up, before);
        QTRY_COMPARE(calc().platform().RunningDialog(), &calc().window());
        QVERIFY(calc().window().isVisible());
        QCOMPARE(calc().Shows(), before);
        QTRY_COMPARE(calc().Display()->grab().toImage(), display);
    }

    // The display keeps its picture: the dialog's and the fields' repaints copy it out and
    // draw nothing, activation draws it again; a field's text is set only when it changed, so
    // that the repaints come to rest.
    void repaintsDrawFromTheKeptPicture_data() {
        QTest::addColumn<QString>("repaint");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("dialog update") << "update" << false;
        QTest::newRow("field repaints") << "fields" << false;
        QTest::newRow("activation") << "activation" << true;
    }
    void repaintsDrawFromTheKeptPicture() {
        QFETCH(QString, repaint);
        QFETCH(bool, drawn);
        calc().Click(kMidway);
        QWidget other;
        if (repaint == "activation") {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        }
        QTest::qWait(20);
        const int fields[] = {IDC_READOUT, IDC_KIND, IDC_OPERATOR, IDC_MEMORYINDICATOR};
        for (int id : fields) {
            QLineEdit* field = calc().Field(id);
            QVERIFY2(!field->text().isEmpty(), qPrintable(field->objectName()));
            // Any setText clears the flag, also one with the same text, which textChanged
            // would not report.
            field->setModified(true);
        }
        calc().Display()->image().fill(Qt::black);  // white again once the display is drawn

        if (repaint == "update") calc().window().update();
        if (repaint == "fields")
            for (int id : fields)
                calc().Field(id)->repaint();
        if (repaint == "activation") {
            calc().window().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&calc().window()));
        }
        QTest::qWait(20);
        PaintCount paints(calc());
        QTest::qWait(100);
        QCOMPARE(paints.count, 0);  // the chain of repaints has come to rest
        QCOMPARE(calc().Display()->image().pixelColor(0, 0), QColor(drawn ? Qt::white : Qt::black));
        for (int id : fields)
            QVERIFY2(calc().Field(id)->isModified(), qPrintable(QString::number(id)));

        calc().Click("4");  // 2/34: the readout changes, the other fields do not
        QCOMPARE(calc().Shows(), calc().ExpectedShown(Then(kMidway, "4")));
        for (int id : fields)
            QCOMPARE(calc().Field(id)->isModified(), id != IDC_READOUT);
    }
};

}  // namespace tomaro::qt_testing

QTEST_MAIN(tomaro::qt_testing::CalcWindowTest)
#include "calc_window_test.moc"
