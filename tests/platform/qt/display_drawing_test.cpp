// What the window draws: the display's picture for each representation, grabbed from the
// widget and checked against the composed positions, the whole dialog after one calculation,
// and the dialog's size from its font. The pictures are saved as PNG files.
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>

#include "display/paint_display.hpp"
#include "platform/headless/recording_canvas.hpp"
#include "tests/platform/qt/calc_window.hpp"

namespace tomaro::qt_testing {
namespace {

constexpr std::string_view kOverflow = "9 9 9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 9 9 =";

// The grabbed display in the display model's coordinates (inside the sunken edge).
class Picture {
public:
    explicit Picture(DisplayWidget& display)
        : image_(display.grab().toImage()),
          origin_(display.contentsRect().topLeft()),
          size_(display.contentsRect().size()) {}

    const QImage& image() const { return image_; }
    int width() const { return size_.width(); }
    bool Ink(int x, int y) const {
        return image_.pixel(origin_ + QPoint(x, y)) != qRgb(255, 255, 255);
    }
    bool Dark(int x, int y) const { return qGray(image_.pixel(origin_ + QPoint(x, y))) < 128; }
    // The bounding box of the ink in rows [top, bottom) and columns [left, right); null if none.
    QRect InkIn(int left, int top, int right, int bottom) const {
        QRect box;
        for (int y = std::max(top, 0); y < std::min(bottom, size_.height()); ++y)
            for (int x = std::max(left, 0); x < std::min(right, size_.width()); ++x)
                if (Ink(x, y)) box |= QRect(x, y, 1, 1);
        return box;
    }
    QRect InkInRows(int top, int bottom) const { return InkIn(0, top, width(), bottom); }

private:
    QImage image_;
    QPoint origin_;
    QSize size_;
};

// The centre of a box with an odd or even width, doubled to stay in integers.
int TwiceCentre(const QRect& r) {
    return r.left() + r.right() + 1;
}

}  // namespace

class DisplayDrawingTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<CalcWindow> calc_;
    CalcWindow& calc() { return *calc_; }

private slots:
    void init() {
        calc_ = std::make_unique<CalcWindow>();
        QVERIFY(QTest::qWaitForWindowActive(&calc().window()));
    }
    void cleanup() { calc_.reset(); }

    void drawnDisplay_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("rep");
        QTest::newRow("fraction") << "3 BAR 2 + 6 BAR 1 =" << int{REP_FRACTION};
        QTest::newRow("mixed") << "7 BAR 1 6 = =" << int{REP_MIXED};
        QTest::newRow("decimal-two-lines") << "1 / 9 7 = = =" << int{REP_DECIMAL};
        QTest::newRow("integer-with-marks")
            << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8" << int{REP_INTEGER};
        QTest::newRow("error") << QString::fromUtf8(kOverflow) << int{REP_ERROR};
    }
    void drawnDisplay() {
        QFETCH(QString, keys);
        QFETCH(int, rep);
        calc().Click(keys.toStdString());
        QCOMPARE(int{calc().dialog().state().entryRep}, rep);
        const DisplayModel& m = calc().dialog().model();
        const int cy = m.charHeight;
        const Picture picture(*calc().Display());
        QVERIFY(picture.image().save(
            ScreenshotPath(QStringLiteral("display-%1").arg(QTest::currentDataTag()))));
        QVERIFY(!picture.Ink(0, 0));

        const QRect upper = picture.InkInRows(m.numY, m.numY + cy);
        const QRect lower = picture.InkInRows(m.denY, m.denY + cy);
        if (rep == REP_FRACTION || rep == REP_MIXED || rep == REP_ERROR) {
            // A one-pixel bar from barLeft up to, not including, barRight.
            for (int x = m.barLeft; x < m.barRight; ++x)
                QVERIFY2(picture.Dark(x, m.barY), qPrintable(QString::number(x)));
            QVERIFY(!picture.Ink(m.barRight, m.barY));
            QVERIFY(!picture.Ink(m.barLeft - 1, m.barY));
            const int middle = (m.barLeft + m.barRight) / 2;
            QVERIFY(!picture.Ink(middle, m.barY - 1) && !picture.Ink(middle, m.barY + 1));
        }
        if (rep == REP_FRACTION || rep == REP_ERROR) {  // centred over and under the bar
            QVERIFY(!upper.isNull() && !lower.isNull());
            QVERIFY2(std::abs(TwiceCentre(upper) - 2 * m.numX) <= 4,
                     qPrintable(QString::number(upper.center().x())));
            QVERIFY2(std::abs(TwiceCentre(lower) - 2 * m.denX) <= 4,
                     qPrintable(QString::number(lower.center().x())));
        }
        if (rep == REP_ERROR) {  // no middle line between the upper line and the lower
            for (int y = m.numY + cy; y < m.denY; ++y)
                if (y != m.barY) QCOMPARE(picture.InkInRows(y, y + 1), QRect());
        }
        if (rep == REP_MIXED) {  // the integer part ends at mainX, the fraction starts at numX
            const QRect whole = picture.InkIn(0, m.mainY, m.mainX + 1, m.mainY + cy);
            QVERIFY(!whole.isNull());
            QVERIFY2(whole.right() < m.mainX && whole.right() >= m.mainX - 4,
                     qPrintable(QString::number(whole.right())));
            const QRect num = picture.InkIn(m.mainX + 1, m.numY, picture.width(), m.numY + cy);
            const QRect den = picture.InkIn(m.mainX + 1, m.denY, picture.width(), m.denY + cy);
            QVERIFY2(num.left() >= m.numX && num.left() <= m.numX + 3,
                     qPrintable(QString::number(num.left())));
            QVERIFY2(den.left() >= m.denX && den.left() <= m.denX + 3,
                     qPrintable(QString::number(den.left())));
        }
        if (rep == REP_DECIMAL) {  // two left-aligned lines, no bar between them
            QVERIFY(!m.numText.empty() && !m.denText.empty() && m.mainText.empty());
            QCOMPARE(picture.InkInRows(m.barY, m.barY + 1), QRect());
            QVERIFY2(upper.left() >= m.numX && upper.left() <= m.numX + 3,
                     qPrintable(QString::number(upper.left())));
            QVERIFY2(lower.left() >= m.denX && lower.left() <= m.denX + 3,
                     qPrintable(QString::number(lower.left())));
        }
        if (rep == REP_INTEGER) {  // 123'456'789'012'345'678: marks above the digits' ink
            RecordingCanvas canvas;
            tomaro::PaintDisplay(m, canvas);
            std::vector<int> marks;
            for (const PaintOp& op : canvas.ops())
                if (op.kind == PaintOp::Text && op.text == "'") marks.push_back(op.a);
            QCOMPARE(marks.size(), std::size_t{5});
            const auto near_mark = [&](int x) {
                return std::any_of(marks.begin(), marks.end(),
                                   [x](int mark) { return std::abs(x - mark) <= 2; });
            };
            int digits_top = m.mainY + cy;
            for (int x = 0; x < picture.width(); ++x)
                if (!near_mark(x))
                    if (const QRect ink = picture.InkIn(x, m.mainY - 3, x + 1, m.mainY + cy);
                        !ink.isNull())
                        digits_top = std::min(digits_top, ink.top());
            QVERIFY(digits_top < m.mainY + cy);
            for (const int mark : marks) {
                const QRect ink = picture.InkIn(mark - 2, m.mainY - 3, mark + 3, digits_top);
                QVERIFY2(!ink.isNull(), qPrintable(QStringLiteral("no mark at %1").arg(mark)));
            }
            // Each mark over its own digit, the 3k-th from the right: the digits are told
            // apart by the dark columns of their lower half, which no mark reaches.
            std::vector<QRect> digits;
            bool in_digit = false;
            for (int x = 0; x < picture.width(); ++x) {
                bool dark = false;
                for (int y = m.mainY + cy / 2; y < m.mainY + cy; ++y)
                    dark = dark || picture.Dark(x, y);
                if (dark && in_digit) digits.back() |= QRect(x, 0, 1, 1);
                if (dark && !in_digit) digits.emplace_back(x, 0, 1, 1);
                in_digit = dark;
            }
            QCOMPARE(digits.size(), m.mainText.size());
            for (const GroupMark& mark : m.marks) {
                const QRect& digit = digits.at(mark.digit);
                QVERIFY2(mark.x >= digit.left() - 1 && mark.x <= digit.right() + 1,
                         qPrintable(QStringLiteral("mark at %1, its digit at %2 to %3")
                                        .arg(mark.x)
                                        .arg(digit.left())
                                        .arg(digit.right())));
            }
            QCOMPARE(picture.InkIn(0, 0, picture.width(), m.mainY - 3), QRect());
        }
    }

    // The road of one calculation from the keyboard alone: 5/6, then its other forms. A
    // painting of the whole dialog shows the display as it stands.
    void dialogAfterOneCalculation() {
        for (const Qt::Key key : {Qt::Key_3, Qt::Key_F, Qt::Key_2, Qt::Key_Plus, Qt::Key_6,
                                  Qt::Key_F, Qt::Key_1, Qt::Key_Return})
            calc().Key(key);
        QCOMPARE(calc().Shows(), calc().ExpectedShown("3 BAR 2 + 6 BAR 1 ="));
        QCOMPARE(calc().Display()->accessibleName(), QStringLiteral("5/6"));
        const QImage dialog = calc().window().grab().toImage();
        QVERIFY(dialog.save(ScreenshotPath(QStringLiteral("dialog-5-6"))));
        QCOMPARE(dialog.copy(calc().Display()->geometry()), calc().Display()->grab().toImage());

        std::string road = "3 BAR 2 + 6 BAR 1 =";
        for (int i = 0; i < 3; ++i) {
            calc().Key(Qt::Key_Return);
            road += " =";
            QCOMPARE(calc().Shows(), calc().ExpectedShown(road));
        }
    }

    // A division refused while the operand was an integer brings back a fraction, which is
    // not composed until the notice ends: the display keeps the refused 0, also after the
    // window has been hidden and shown again.
    void refusedDivisionKeepsTheRefusedOperand() {
        for (const Qt::Key key : {Qt::Key_7, Qt::Key_F, Qt::Key_2, Qt::Key_Slash, Qt::Key_1,
                                  Qt::Key_Period, Qt::Key_5, Qt::Key_Home, Qt::Key_Return})
            calc().Key(key);
        QCOMPARE(calc().dialog().state().entryRep, REP_FRACTION);
        calc().window().hide();
        calc().window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&calc().window()));
        const DisplayModel& m = calc().dialog().model();
        const Picture picture(*calc().Display());
        QVERIFY(picture.image().save(ScreenshotPath(QStringLiteral("display-refused-division"))));
        QCOMPARE(calc().Display()->accessibleName(), QStringLiteral("0"));
        // No bar where the refused fraction had one (the model keeps its last bar).
        int bar_pixels = 0;
        for (int x = m.barLeft; x < m.barRight; ++x)
            bar_pixels += picture.Dark(x, m.barY) ? 1 : 0;
        QVERIFY2(bar_pixels < m.barRight - m.barLeft, qPrintable(QString::number(bar_pixels)));
        const QRect zero = picture.InkInRows(0, picture.image().height());
        QVERIFY(!zero.isNull());
        QVERIFY2(std::abs(TwiceCentre(zero) - 2 * m.mainX) <= 4,
                 qPrintable(QString::number(zero.center().x())));
    }

    // 195 x 155 dialog units, converted by the base units of the dialog font as measured
    // here; a fixed size with no maximise button.
    void dialogGeometry() {
        QtDialogWindow& w = calc().window();
        const QFontMetrics metrics(w.font());
        const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const BaseUnits units{HorizontalBaseUnit(metrics.horizontalAdvance(letters)),
                              metrics.height()};
        const PixelRect client = ToPixels({0, 0, 195, 155}, units);
        QCOMPARE(w.size(), QSize(client.width, client.height));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        qInfo("%s %d pt: base units %d x %d, client %d x %d px",
              qPrintable(QFontInfo(w.font()).family()), w.font().pointSize(), units.horizontal,
              units.vertical, client.width, client.height);
    }
};

}  // namespace tomaro::qt_testing

QTEST_MAIN(tomaro::qt_testing::DisplayDrawingTest)
#include "display_drawing_test.moc"
