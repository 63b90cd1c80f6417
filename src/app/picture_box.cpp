// The plan area.
#include "app/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "app/key_codes.h"

namespace fp {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kMetresPerInch = 0.0254;
}  // namespace

PictureBox::PictureBox(QWidget* parent, const TwipsScale& scale)
    : QFrame(parent), TwipsPlaced(*this, scale) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF PictureBox::toPlan(const QPointF& imagePixel) const {
    const QSizeF size = image_.deviceIndependentSize();
    const double width = size.width() > 0 ? size.width() : 1;
    const double height = size.height() > 0 ? size.height() : 1;
    return {userScale_.left + imagePixel.x() * (userScale_.right - userScale_.left) / width,
            userScale_.top + imagePixel.y() * (userScale_.bottom - userScale_.top) / height};
}

void PictureBox::placed() {
    const QSize inside = contentsRect().size();
    // As many image pixels as the screen has, so the plan stays sharp on a high-density screen.
    const double pixelRatio = devicePixelRatioF();
    if (inside != image_.deviceIndependentSize().toSize() ||
        pixelRatio != image_.devicePixelRatio()) {
        QImage resized(inside * pixelRatio, QImage::Format_RGB32);
        resized.setDevicePixelRatio(pixelRatio);
        // The drawing measures text and fonts at the resolution the controls are placed by.
        const double dotsPerMetre = kTwipsPerInch / scale().twipsPerPixel() / kMetresPerInch;
        resized.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerMetre)));
        resized.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerMetre)));
        resized.fill(palette().color(QPalette::Button));
        image_ = resized;
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.drawImage(contentsRect().topLeft(), image_);
    }
    QFrame::paintEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(virtualKeyCode(event->key()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    emit MouseDown(event->button(), toPlan(event->position() - contentsRect().topLeft()));
}

}  // namespace fp
