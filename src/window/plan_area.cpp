// The plan area.
#include "window/plan_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace fp {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kMetresPerInch = 0.0254;
}  // namespace

PlanArea::PlanArea(QWidget* parent, const TwipsScale& scale)
    : QFrame(parent), PlacedInTwips(*this, scale) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF PlanArea::toPlan(const QPointF& imagePixel) const {
    const QSizeF size = image_.deviceIndependentSize();
    const double width = size.width() > 0 ? size.width() : 1;
    const double height = size.height() > 0 ? size.height() : 1;
    return {frame_.left + imagePixel.x() * (frame_.right - frame_.left) / width,
            frame_.top + imagePixel.y() * (frame_.bottom - frame_.top) / height};
}

void PlanArea::placed() {
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

void PlanArea::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.drawImage(contentsRect().topLeft(), image_);
    }
    QFrame::paintEvent(event);
}

void PlanArea::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event->key());
}

void PlanArea::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    emit pressed(event->button(), toPlan(event->position() - contentsRect().topLeft()));
}

}  // namespace fp
