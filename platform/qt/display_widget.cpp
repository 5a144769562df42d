#include "platform/qt/display_widget.hpp"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <cstdlib>

namespace tomaro::platform::qt {
namespace {

QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A sunken client edge as Windows draws it, and Qt's style at a scale of 1: two rings of
// whole pixels. (The style's lines are a device pixel wide: at a larger scale they leave the
// rest of each pixel unpainted, and the window would show whatever was there.)
void DrawSunkenEdge(QPainter& painter, QRect r, const QPalette& palette) {
    const auto ring = [&](const QColor& top_left, const QColor& bottom_right) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, top_left);
        painter.fillRect(r.left(), r.top() + 1, 1, r.height() - 2, top_left);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottom_right);
        painter.fillRect(r.right(), r.top(), 1, r.height() - 1, bottom_right);
        r.adjust(1, 1, -1, -1);
    };
    ring(palette.color(QPalette::Dark), palette.color(QPalette::Light));
    ring(palette.color(QPalette::Shadow), palette.color(QPalette::Midlight));
}

}  // namespace

DisplayWidget::DisplayWidget(bool sunken_edge, QWidget* parent) : QFrame(parent) {
    if (sunken_edge) setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    // The edge and the picture cover every pixel, so the dialog behind never repaints when
    // the display does: the dialog's painting repaints the display, not the other way round.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DisplayWidget::ResizeImage() {
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(contentsRect().size() * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
}

void DisplayWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (frameShape() == QFrame::WinPanel) DrawSunkenEdge(painter, rect(), palette());
    painter.drawImage(contentsRect().topLeft(), image_);
    if (ImageOutOfScale()) emit OutOfScale();
}

QtDeviceContext::QtDeviceContext(DisplayWidget& display)
    : display_(display), painter_(std::make_unique<QPainter>(&display.image())) {
    painter_->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    painter_->setPen(Qt::black);
    painter_->setBackgroundMode(Qt::TransparentMode);
}

QtDeviceContext::~QtDeviceContext() {
    painter_->end();
    display_.update();
}

void QtDeviceContext::FillWhite(const Rect& r) {
    painter_->fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), Qt::white);
}

void QtDeviceContext::TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) {
    const QString text = FromUtf8(utf8);
    const QFontMetrics metrics = painter_->fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    int left = x;
    if (align_ == ALIGN_RIGHT) left = x - width;
    if (align_ == ALIGN_CENTRE) left = x - width / 2;
    painter_->drawText(QPoint(left, y + metrics.ascent()), text);  // y is the top of the text
}

// Bresenham's line from the first point up to, not including, the second: a bar from
// barLeft to barRight covers barLeft..barRight-1. Each point fills its whole pixel, also at
// a device pixel ratio above 1 (a point of the pen would stand half a pixel up and left).
void QtDeviceContext::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int step_x = x1 < x2 ? 1 : -1;
    const int step_y = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        painter_->fillRect(QRect(x, y, 1, 1), Qt::black);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += step_x;
        }
        if (twice <= dx) {
            error += dx;
            y += step_y;
        }
    }
}

Size QtDeviceContext::TextExtent(std::string_view utf8) {
    const QFontMetrics metrics = painter_->fontMetrics();
    return {metrics.horizontalAdvance(FromUtf8(utf8)), metrics.height()};
}

Rect QtDeviceContext::ClientRect() {
    const QSize size = display_.contentsRect().size();
    return {0, 0, size.width(), size.height()};
}

}  // namespace tomaro::platform::qt
