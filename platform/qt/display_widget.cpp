#include "platform/qt/display_widget.hpp"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cstdlib>

namespace tomaro::platform::qt {
namespace {

QString FromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

DisplayWidget::DisplayWidget(bool sunken_edge, QWidget* parent) : QFrame(parent) {
    if (sunken_edge) setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    // The edge and the picture cover every pixel, so the dialog behind never repaints when
    // the display does: the dialog's painting repaints the display, not the other way round.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DisplayWidget::ResizeImage() {
    image_ = QImage(contentsRect().size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void DisplayWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the edge
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
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
// barLeft to barRight covers barLeft..barRight-1.
void QtDeviceContext::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int step_x = x1 < x2 ? 1 : -1;
    const int step_y = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    QPolygon points;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        points << QPoint(x, y);
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
    if (!points.isEmpty()) painter_->drawPoints(points);
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
