// The display control: a white rectangle with a sunken edge whose picture is kept in an
// image at the screen's pixel density, so that its text is as sharp as the buttons' at any
// scale. The program draws into the image at any time (QtDeviceContext); the widget's own
// painting only copies it out, so a repaint never wipes what was drawn.
#pragma once

#include <QFrame>
#include <QImage>
#include <memory>

#include "platform/platform.hpp"

namespace tomaro::platform::qt {

class DisplayWidget final : public QFrame {
    Q_OBJECT

public:
    // sunken_edge: the 2-pixel sunken border of a client edge.
    DisplayWidget(bool sunken_edge, QWidget* parent);

    // Call after the geometry is set: sizes the picture to the area inside the edge, at the
    // widget's device pixel ratio.
    void ResizeImage();
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    // Whether the picture was made for another pixel density than the widget's now.
    bool ImageOutOfScale() const { return image_.devicePixelRatio() != devicePixelRatioF(); }

signals:
    // The widget painted on a screen of another pixel density than its picture's: the
    // picture is to be made and drawn again.
    void OutOfScale();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// Draws into a display widget's picture; the widget repaints when the context is released.
class QtDeviceContext final : public DeviceContext {
public:
    explicit QtDeviceContext(DisplayWidget& display);
    ~QtDeviceContext() override;
    QtDeviceContext(const QtDeviceContext&) = delete;
    QtDeviceContext& operator=(const QtDeviceContext&) = delete;

    void FillWhite(const Rect& r) override;
    void SetTextAlign(TextAlign align) override { align_ = align; }
    void TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) override;
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    Size TextExtent(std::string_view utf8) override;
    Rect ClientRect() override;

private:
    DisplayWidget& display_;
    std::unique_ptr<class QPainter> painter_;
    TextAlign align_ = ALIGN_LEFT;
};

}  // namespace tomaro::platform::qt
