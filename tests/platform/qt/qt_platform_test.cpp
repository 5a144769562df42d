// The Qt platform layer on its own: dialogs built from the templates, the key filter, the
// default endings, the paint events, timers, menus and the display's drawing.
// A scripted handler stands in for the dialog logic; keys go through the window handle, as
// the window system delivers them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/qt/display_widget.hpp"
#include "platform/qt/qt_dialog_window.hpp"
#include "platform/qt/qt_platform.hpp"
#include "resources/resources.hpp"

namespace tomaro::platform::qt {
namespace {

class QtEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[32] = "qt_platform_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Records what the platform asks of a dialog's logic; answers as scripted.
class ScriptedHandler final : public DialogHandler {
public:
    bool init_result = true;
    bool take_keys = true;           // PreTranslateKeyDown's answer
    std::set<int> handled_commands;  // OnCommand answers true for these
    std::function<void()> on_paint;  // run inside OnPaint
    DialogWindow* window = nullptr;

    std::vector<int> keys;
    std::vector<int> commands;
    std::vector<Point> menus;
    std::vector<int> timers;
    int paints = 0;
    int activations = 0;

    bool OnInitDialog(DialogWindow& w) override {
        window = &w;
        return init_result;
    }
    bool OnCommand(int id) override {
        commands.push_back(id);
        return handled_commands.contains(id);
    }
    bool PreTranslateKeyDown(int key, vk::Modifiers) override {
        keys.push_back(key);
        return take_keys;
    }
    void OnContextMenu(Point p) override { menus.push_back(p); }
    void OnPaint() override {
        ++paints;
        if (on_paint) on_paint();
    }
    void OnActivate(bool active) override { activations += active ? 1 : 0; }
    void OnTimer(int id) override { timers.push_back(id); }
};

class QtPlatformTest : public ::testing::Test {
protected:
    std::unique_ptr<QtDialogWindow> Show(const DialogTemplate& t, ScriptedHandler& handler) {
        auto dialog = platform_.Open(t, handler);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    QtPlatform platform_;
};

QPushButton* Button(const QtDialogWindow& d, int id) {
    return qobject_cast<QPushButton*>(d.Control(id));
}

QLineEdit* Field(const QtDialogWindow& d, int id) {
    return qobject_cast<QLineEdit*>(d.Control(id));
}

TEST_F(QtPlatformTest, ControlsStandAtTheirTemplatePlacesInTheDialogFontsUnits) {
    for (const DialogTemplate* t : {&CalcDialogTemplate(), &AboutDialogTemplate()}) {
        SCOPED_TRACE(t->id);
        ScriptedHandler handler;
        const auto dialog = platform_.Open(*t, handler);
        const BaseUnits units = dialog->base_units();
        EXPECT_GT(units.horizontal, 0);
        EXPECT_GT(units.vertical, 0);

        const PixelRect client = ToPixels(t->rect, units);
        EXPECT_EQ(dialog->size(), QSize(client.width, client.height));
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());  // not resizable
        EXPECT_EQ(dialog->windowTitle().toStdString(), t->caption);

        for (const ControlTemplate& c : t->controls) {
            if (c.id == kNoId) continue;
            SCOPED_TRACE(c.id);
            const QWidget* w = dialog->Control(c.id);
            ASSERT_NE(w, nullptr);
            const PixelRect r = ToPixels(c.rect, units);
            EXPECT_EQ(w->geometry(), QRect(r.x, r.y, r.width, r.height));
            EXPECT_EQ(w->property("controlId").toInt(), c.id);
        }
    }
}

TEST_F(QtPlatformTest, TheDialogFontResolvesToTheJapaneseGothic) {
    ScriptedHandler handler;
    const auto dialog = platform_.Open(CalcDialogTemplate(), handler);
    EXPECT_EQ(QFontInfo(dialog->font()).family(), QStringLiteral("IPAPGothic"));
}

TEST_F(QtPlatformTest, ControlKindsStylesAndWindowButtonsFollowTheTemplate) {
    ScriptedHandler handler;
    const auto calc = platform_.Open(CalcDialogTemplate(), handler);
    for (const ControlTemplate& c : CalcDialogTemplate().controls) {
        SCOPED_TRACE(c.id);
        QWidget* w = calc->Control(c.id);
        switch (c.kind) {
            case ControlKind::PushButton:
            case ControlKind::DefaultPushButton: {
                const QPushButton* b = Button(*calc, c.id);
                ASSERT_NE(b, nullptr);
                EXPECT_FALSE(b->autoDefault());
                EXPECT_FALSE(b->isDefault());
                EXPECT_EQ(b->text().toStdString(), c.text);
                EXPECT_EQ(b->accessibleName().toStdString(),
                          c.accessibleName.empty() ? c.text : c.accessibleName);
                EXPECT_EQ(b->focusPolicy(), c.id == IDC_EQUALS ? Qt::StrongFocus : Qt::ClickFocus);
                break;
            }
            case ControlKind::ReadOnlyField: {
                const QLineEdit* e = Field(*calc, c.id);
                ASSERT_NE(e, nullptr);
                EXPECT_TRUE(e->isReadOnly());
                EXPECT_TRUE(e->alignment() & Qt::AlignRight);
                EXPECT_EQ(e->accessibleName().toStdString(), c.accessibleName);
                break;
            }
            case ControlKind::WhiteFrame:
                EXPECT_NE(qobject_cast<DisplayWidget*>(w), nullptr);
                EXPECT_TRUE(w->testAttribute(Qt::WA_OpaquePaintEvent));
                break;
            case ControlKind::Icon:
            case ControlKind::Label:
                ADD_FAILURE() << "the calculator has no icon or label";
                break;
        }
    }
    const Qt::WindowFlags flags = calc->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(calc->windowType(), Qt::Window);  // its own taskbar entry
    EXPECT_EQ(calc->parentWidget(), nullptr);

    ScriptedHandler about_handler;
    const auto about = platform_.Open(AboutDialogTemplate(), about_handler);
    EXPECT_TRUE(Button(*about, IDOK)->isDefault());
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
    const auto labels = about->findChildren<QLabel*>();
    const bool has_icon = std::any_of(labels.begin(), labels.end(), [](const QLabel* l) {
        return !l->pixmap().isNull() && l->pixmap().width() == 32;
    });
    EXPECT_TRUE(has_icon);
}

// A modifier key is a press of its own (Shift 16, Control 17), as on Windows.
TEST_F(QtPlatformTest, EveryPressReachesTheHandlerOnceAsItsVirtualKey) {
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<int> vks;
    };
    const Press presses[] = {
        {Qt::Key_Return, Qt::NoModifier, {13}},    {Qt::Key_Enter, Qt::KeypadModifier, {13}},
        {Qt::Key_Escape, Qt::NoModifier, {27}},    {Qt::Key_Tab, Qt::NoModifier, {9}},
        {Qt::Key_Space, Qt::NoModifier, {32}},     {Qt::Key_5, Qt::KeypadModifier, {101}},
        {Qt::Key_5, Qt::NoModifier, {53}},         {Qt::Key_F, Qt::NoModifier, {70}},
        {Qt::Key_F, Qt::ShiftModifier, {16, 70}},  {Qt::Key_C, Qt::ControlModifier, {17, 67}},
        {Qt::Key_F9, Qt::NoModifier, {120}},       {Qt::Key_Delete, Qt::NoModifier, {46}},
        {Qt::Key_Plus, Qt::KeypadModifier, {107}}, {Qt::Key_VolumeUp, Qt::NoModifier, {0}},
    };
    for (const bool take : {true, false}) {
        ScriptedHandler handler;
        handler.take_keys = take;
        handler.handled_commands = {IDOK, IDCANCEL};  // keep the dialog open either way
        const auto dialog = Show(CalcDialogTemplate(), handler);
        for (const Press& p : presses) {
            handler.keys.clear();
            QTest::keyClick(dialog->windowHandle(), p.key, p.modifiers);
            EXPECT_EQ(handler.keys, p.vks) << "key " << p.key << ", handler takes keys: " << take;
        }
    }
}

TEST_F(QtPlatformTest, TakenKeysGoNoFurther) {
    ScriptedHandler handler;
    const auto dialog = Show(CalcDialogTemplate(), handler);
    QWindow* window = dialog->windowHandle();
    ASSERT_EQ(QApplication::focusWidget(), dialog->Control(IDC_EQUALS));

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space,
                              Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Right, Qt::Key_Down}) {
        QTest::keyClick(window, key);
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(handler.commands.empty());  // no button pressed, no Cancel
    EXPECT_EQ(QApplication::focusWidget(), dialog->Control(IDC_EQUALS));
}

TEST_F(QtPlatformTest, AutoRepeatCountsAndReleasesDoNot) {
    ScriptedHandler handler;
    const auto dialog = Show(CalcDialogTemplate(), handler);
    QWindow* window = dialog->windowHandle();
    QTest::simulateEvent(window, true, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), false);
    QTest::simulateEvent(window, true, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
    QTest::simulateEvent(window, true, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
    QTest::simulateEvent(window, false, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), false);
    EXPECT_EQ(handler.keys, (std::vector<int>{55, 55, 55}));
}

TEST_F(QtPlatformTest, AltCombinationsPassAndMenuKeysAskForTheMenu) {
    ScriptedHandler handler;
    const auto dialog = Show(CalcDialogTemplate(), handler);
    QWindow* window = dialog->windowHandle();
    QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(handler.keys.empty());
    QTest::keyClick(window, Qt::Key_Menu);
    QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(handler.keys, std::vector<int>{vk::kShift});  // the Shift press alone
    EXPECT_EQ(handler.menus, (std::vector<Point>{kKeyboardMenuPoint, kKeyboardMenuPoint}));
}

TEST_F(QtPlatformTest, RightClicksOnTheDialogButtonsAndDisplayAskForTheMenuAtThePointer) {
    ScriptedHandler handler;
    const auto dialog = Show(CalcDialogTemplate(), handler);
    for (const int id : {IDC_DIGIT5, IDC_DISPLAY}) {
        QWidget* target = dialog->Control(id);
        const QPoint local(3, 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
        QApplication::sendEvent(target, &event);
        ASSERT_FALSE(handler.menus.empty());
        const QPoint global = target->mapToGlobal(local);
        EXPECT_EQ(handler.menus.back(), (Point{global.x(), global.y()}));
    }
    EXPECT_EQ(handler.menus.size(), 2u);
}

TEST_F(QtPlatformTest, DefaultEndingsGiveOkAndCancelTheirIds) {
    struct Case {
        const char* label;
        std::function<void(QtDialogWindow&)> act;
        int result;
    };
    const Case cases[] = {
        {"Enter presses the default button",
         [](QtDialogWindow& d) { QTest::keyClick(d.windowHandle(), Qt::Key_Return); }, IDOK},
        {"Escape is Cancel",
         [](QtDialogWindow& d) { QTest::keyClick(d.windowHandle(), Qt::Key_Escape); }, IDCANCEL},
        {"closing is Cancel", [](QtDialogWindow& d) { d.close(); }, IDCANCEL},
        {"clicking OK",
         [](QtDialogWindow& d) { QTest::mouseClick(d.Control(IDOK), Qt::LeftButton); }, IDOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedHandler handler;
        handler.take_keys = false;  // as the About box: keys get their default handling
        const auto dialog = Show(AboutDialogTemplate(), handler);
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        c.act(*dialog);
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.at(0).at(0).toInt(), c.result);
        EXPECT_EQ(handler.commands, std::vector<int>{c.result});
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(QtPlatformTest, AHandledCancelKeepsTheDialogOpenAndOtherButtonsNeverEndIt) {
    ScriptedHandler handler;
    handler.handled_commands = {IDCANCEL};
    const auto dialog = Show(CalcDialogTemplate(), handler);
    dialog->close();
    QTest::mouseClick(dialog->Control(IDC_DIGIT7), Qt::LeftButton);
    dialog->Command(ID_MENU_ABOUT);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(handler.commands, (std::vector<int>{IDCANCEL, IDC_DIGIT7, ID_MENU_ABOUT}));

    dialog->EndDialog(IDCANCEL);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), IDCANCEL);
}

TEST_F(QtPlatformTest, DoModalAnswersTheResultGivenToEndDialog) {
    ScriptedHandler handler;
    QTimer::singleShot(0, [&] { handler.window->EndDialog(7); });
    EXPECT_EQ(platform_.DoModal(CalcDialogTemplate(), handler), 7);
    EXPECT_EQ(platform_.RunningDialog(), nullptr);
}

TEST_F(QtPlatformTest, ANestedDialogRunsOverTheRunningOneAndTakesItsKeys) {
    ScriptedHandler calc_handler;
    const auto calc = Show(CalcDialogTemplate(), calc_handler);
    ScriptedHandler about_handler;
    about_handler.take_keys = false;
    int about_result = -100;
    QTimer::singleShot(0, [&] {
        QtDialogWindow* about = platform_.RunningDialog();
        ASSERT_NE(about, calc.get());
        EXPECT_EQ(about->parentWidget(), calc.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(about));
        const QPoint centre = calc->frameGeometry().center();
        EXPECT_LE((about->frameGeometry().center() - centre).manhattanLength(), 2);
        QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
    });
    about_result = platform_.DoModal(AboutDialogTemplate(), about_handler);
    EXPECT_EQ(about_result, IDCANCEL);
    EXPECT_EQ(about_handler.keys, std::vector<int>{vk::kEscape});
    EXPECT_TRUE(calc_handler.keys.empty());
    EXPECT_EQ(platform_.RunningDialog(), calc.get());
}

TEST_F(QtPlatformTest, FieldTextsRoundTripAndTheInputLimitCutsNothing) {
    ScriptedHandler handler;
    const auto dialog = platform_.Open(CalcDialogTemplate(), handler);
    const std::string notice = "０（ゼロ）で除算することはできません。";
    dialog->SetInputLimit(IDC_KIND, 3);
    dialog->SetControlText(IDC_KIND, "循環小数");
    dialog->SetControlText(IDC_READOUT, notice);
    EXPECT_EQ(dialog->ControlText(IDC_KIND), "循環小数");
    EXPECT_EQ(dialog->ControlText(IDC_READOUT), notice);
    EXPECT_EQ(Field(*dialog, IDC_READOUT)->cursorPosition(), 0);  // shows its beginning
    EXPECT_EQ(dialog->InputLimit(IDC_KIND), 3);

    dialog->SetAccessibleText(IDC_DISPLAY, "5/6");
    EXPECT_EQ(dialog->Control(IDC_DISPLAY)->accessibleName(), QStringLiteral("5/6"));
}

TEST_F(QtPlatformTest, FocusAndEnablingFollowQtsRules) {
    ScriptedHandler handler;
    const auto dialog = Show(CalcDialogTemplate(), handler);
    dialog->SetFocus(IDC_ALLCLEAR);
    EXPECT_EQ(QApplication::focusWidget(), dialog->Control(IDC_ALLCLEAR));
    dialog->EnableControl(IDC_DIGIT1, false);
    dialog->SetFocus(IDC_DIGIT1);
    EXPECT_FALSE(dialog->Control(IDC_DIGIT1)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), dialog->Control(IDC_ALLCLEAR));
    dialog->EnableControl(IDC_DIGIT1, true);
    dialog->SetFocus(IDC_DIGIT1);
    EXPECT_EQ(QApplication::focusWidget(), dialog->Control(IDC_DIGIT1));
}

// The dialog logic may draw the display and set field texts on every paint; each text is
// set only when it changed. The repaints this causes must come to rest.
TEST_F(QtPlatformTest, PaintingTheDisplayFromPaintEventsComesToRest) {
    ScriptedHandler handler;
    std::string readout = "1";
    handler.on_paint = [&] {
        if (!handler.window) return;
        {
            const auto dc = handler.window->GetDeviceContext(IDC_DISPLAY);
            dc->FillWhite(dc->ClientRect());
            dc->TextOut(10, 0, readout);
        }
        if (handler.window->ControlText(IDC_READOUT) != readout)
            handler.window->SetControlText(IDC_READOUT, readout);
    };
    const auto dialog = Show(CalcDialogTemplate(), handler);
    readout = "22";
    dialog->update();
    QTest::qWait(200);
    const int paints = handler.paints;
    QTest::qWait(300);
    EXPECT_EQ(handler.paints, paints);
    EXPECT_EQ(dialog->ControlText(IDC_READOUT), "22");
}

TEST_F(QtPlatformTest, TimersRepeatRestartAndStop) {
    ScriptedHandler handler;
    const auto dialog = platform_.Open(CalcDialogTemplate(), handler);
    QElapsedTimer clock;
    clock.start();
    dialog->SetTimer(1000, 300);
    QTest::qWait(100);
    handler.timers.clear();  // should a slow machine have let it fire already
    const qint64 restarted = clock.elapsed();
    dialog->SetTimer(1000, 300);  // starts the period afresh
    ASSERT_TRUE(QTest::qWaitFor([&] { return !handler.timers.empty(); }, 5000));
    EXPECT_GE(clock.elapsed(), restarted + 300);
    EXPECT_TRUE(QTest::qWaitFor([&] { return handler.timers.size() >= 2; }, 5000));  // repeats
    dialog->KillTimer(1000);
    dialog->KillTimer(1001);  // never set: nothing happens
    const size_t fired = handler.timers.size();
    QTest::qWait(400);
    EXPECT_EQ(handler.timers.size(), fired);
    EXPECT_EQ(handler.timers, std::vector<int>(fired, 1000));
}

TEST_F(QtPlatformTest, AChosenMenuItemArrivesAsACommandAfterTheMenuCloses) {
    ScriptedHandler handler;
    const auto dialog = Show(CalcDialogTemplate(), handler);
    const MenuItem items[] = {{31, "&One"}, {0, ""}, {IDCANCEL, "&Close"}};
    const QPoint at = dialog->mapToGlobal(QPoint(20, 30));
    QPoint shown_at;
    QStringList texts;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        shown_at = menu->pos();
        for (const QAction* a : menu->actions())
            texts << (a->isSeparator() ? "-" : a->text());
        QTest::keyClick(menu, Qt::Key_C);
    });
    dialog->TrackPopupMenu(items, {at.x(), at.y()});
    EXPECT_EQ(shown_at, at);
    EXPECT_EQ(texts, (QStringList{"&One", "-", "&Close"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }, 5000));
    EXPECT_EQ(handler.commands, std::vector<int>{IDCANCEL});
    EXPECT_EQ(dialog->result(), IDCANCEL);
}

TEST_F(QtPlatformTest, SystemMenuIsAbsentAndTheIconIsSet) {
    ScriptedHandler handler;
    const auto dialog = platform_.Open(CalcDialogTemplate(), handler);
    EXPECT_FALSE(dialog->HasSystemMenu());
    dialog->SetBigIcon(IDR_MAINFRAME);
    const QList<QSize> sizes = dialog->windowIcon().availableSizes();
    for (const int px : {16, 32, 48})
        EXPECT_TRUE(sizes.contains(QSize(px, px))) << px;
    EXPECT_FALSE(dialog->PaintMinimised());
}

class DeviceContextTest : public QtPlatformTest {
protected:
    void SetUp() override {
        dialog_ = platform_.Open(CalcDialogTemplate(), handler_);
        display_ = dialog_->Display(IDC_DISPLAY);
        ASSERT_NE(display_, nullptr);
    }

    // The non-white pixels of the display's picture.
    std::set<std::pair<int, int>> Ink() const {
        std::set<std::pair<int, int>> ink;
        const QImage& image = display_->image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != Qt::white) ink.insert({x, y});
        return ink;
    }

    QRect InkBounds() const {
        QRect bounds;
        for (const auto& [x, y] : Ink())
            bounds |= QRect(x, y, 1, 1);
        return bounds;
    }

    ScriptedHandler handler_;
    std::unique_ptr<QtDialogWindow> dialog_;
    DisplayWidget* display_ = nullptr;
};

TEST_F(DeviceContextTest, TheClientAreaIsTheDisplayInsideItsSunkenEdge) {
    const auto dc = dialog_->GetDeviceContext(IDC_DISPLAY);
    const PixelRect outer = ToPixels(
        std::ranges::find(CalcDialogTemplate().controls, IDC_DISPLAY, &ControlTemplate::id)->rect,
        dialog_->base_units());
    EXPECT_EQ(dc->ClientRect(), (Rect{0, 0, outer.width - 4, outer.height - 4}));
    EXPECT_EQ(display_->image().size(), QSize(outer.width - 4, outer.height - 4));
    EXPECT_EQ(dialog_->GetDeviceContext(IDC_READOUT), nullptr);
}

TEST_F(DeviceContextTest, LinesLeaveOutTheirEndPoint) {
    using Pixels = std::set<std::pair<int, int>>;
    struct Case {
        int x1, y1, x2, y2;
        Pixels pixels;
    };
    const Case cases[] = {
        {2, 5, 6, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {6, 5, 2, 5, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {3, 1, 3, 4, {{3, 1}, {3, 2}, {3, 3}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {4, 4, 4, 4, {}},
        {10, 20, 11, 20, {{10, 20}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2);
        {
            const auto dc = dialog_->GetDeviceContext(IDC_DISPLAY);
            dc->FillWhite(dc->ClientRect());
            dc->Line(c.x1, c.y1, c.x2, c.y2);
        }
        EXPECT_EQ(Ink(), c.pixels);
    }
}

TEST_F(DeviceContextTest, FillWhiteCoversItsRectangleOnly) {
    display_->image().fill(Qt::black);
    {
        const auto dc = dialog_->GetDeviceContext(IDC_DISPLAY);
        dc->FillWhite({10, 5, 20, 8});
    }
    const QImage& image = display_->image();
    EXPECT_EQ(image.pixelColor(10, 5), Qt::white);
    EXPECT_EQ(image.pixelColor(19, 7), Qt::white);
    EXPECT_EQ(image.pixelColor(20, 7), Qt::black);
    EXPECT_EQ(image.pixelColor(19, 8), Qt::black);
    EXPECT_EQ(image.pixelColor(9, 5), Qt::black);
}

// y is the top of the text; x is its left end, right end or centre.
TEST_F(DeviceContextTest, TextStandsWhereItsAlignmentSays) {
    const auto measure = [&](TextAlign align) {
        const auto dc = dialog_->GetDeviceContext(IDC_DISPLAY);
        dc->FillWhite(dc->ClientRect());
        dc->SetTextAlign(align);
        dc->TextOut(150, 6, "888");
        return dc->TextExtent("888");
    };
    const Size extent = measure(ALIGN_LEFT);
    const QRect left = InkBounds();
    measure(ALIGN_RIGHT);
    const QRect right = InkBounds();
    measure(ALIGN_CENTRE);
    const QRect centre = InkBounds();

    ASSERT_GT(extent.cx, 10);
    for (const QRect& r : {left, right, centre}) {
        EXPECT_GE(r.top(), 6);
        EXPECT_LT(r.bottom(), 6 + extent.cy);
    }
    EXPECT_GE(left.left(), 150);
    EXPECT_LE(left.right(), 150 + extent.cx);
    EXPECT_GE(right.left(), 150 - extent.cx);
    EXPECT_LE(right.right(), 150);
    EXPECT_NEAR(left.left() - right.left(), extent.cx, 1);
    EXPECT_NEAR(left.left() - centre.left(), extent.cx / 2, 1);
}

}  // namespace
}  // namespace tomaro::platform::qt
