// The plan area.
#include "window/plan_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace fp {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kMetresPerInch = 0.0254;
// One notch of a mouse wheel.
constexpr double kWheelNotch = 120;

double span(double from, double to) {
    return to != from ? to - from : 1;
}

}  // namespace

PlanArea::PlanArea(QWidget* parent, const TwipsScale& scale)
    : QFrame(parent), PlacedInTwips(*this, scale) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PlanArea::setModelFrame(const PlanFrame& frame) {
    modelFrame_ = frame;
    zoom_.fit();
}

void PlanArea::setZoom(const PlanZoom& zoom) {
    zoom_ = zoom;
}

QPointF PlanArea::toPlan(const QPointF& imagePixel) const {
    const QSizeF size = image_.deviceIndependentSize();
    const PlanFrame shown = frame();
    const double width = size.width() > 0 ? size.width() : 1;
    const double height = size.height() > 0 ? size.height() : 1;
    return {shown.left + imagePixel.x() * (shown.right - shown.left) / width,
            shown.top + imagePixel.y() * (shown.bottom - shown.top) / height};
}

QPointF PlanArea::toImage(const QPointF& planPoint) const {
    const QSizeF size = image_.deviceIndependentSize();
    const PlanFrame shown = frame();
    return {(planPoint.x() - shown.left) * size.width() / span(shown.left, shown.right),
            (planPoint.y() - shown.top) * size.height() / span(shown.top, shown.bottom)};
}

void PlanArea::zoomAt(double by, const QPointF& imagePixel) {
    const QSizeF size = image_.deviceIndependentSize();
    if (size.isEmpty()) {
        return;
    }
    zoom_.zoomAbout(by, imagePixel.x() / size.width(), imagePixel.y() / size.height());
    emit viewChanged();
}

void PlanArea::zoomAtMiddle(double by) {
    const QSizeF size = image_.deviceIndependentSize();
    zoomAt(by, QPointF(size.width() / 2, size.height() / 2));
}

void PlanArea::fit() {
    zoom_.fit();
    emit viewChanged();
}

void PlanArea::panBy(const QPointF& pixels) {
    const QSizeF size = image_.deviceIndependentSize();
    if (size.isEmpty()) {
        return;
    }
    // The plan follows the pointer, so the part on show moves the other way.
    zoom_.panBy(-pixels.x() / size.width(), -pixels.y() / size.height());
    emit viewChanged();
}

void PlanArea::centreOn(const QPointF& planPoint) {
    zoom_.centreOn(modelFrame_, planPoint.x(), planPoint.y());
    emit viewChanged();
}

bool PlanArea::renewImage() {
    const QSize inside = contentsRect().size();
    // As many image pixels as the screen has, so the plan stays sharp on a high-density screen.
    const double pixelRatio = devicePixelRatioF();
    if (inside == image_.deviceIndependentSize().toSize() &&
        pixelRatio == image_.devicePixelRatio()) {
        return false;
    }
    QImage renewed(inside * pixelRatio, QImage::Format_RGB32);
    renewed.setDevicePixelRatio(pixelRatio);
    // The drawing measures text and fonts at the resolution the controls are placed by.
    const double dotsPerMetre = kTwipsPerInch / scale().twipsPerPixel() / kMetresPerInch;
    renewed.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerMetre)));
    renewed.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerMetre)));
    renewed.fill(palette().color(QPalette::Button));
    image_ = renewed;
    return true;
}

void PlanArea::placed() {
    renewImage();
}

bool PlanArea::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            zoomAt(1 + gesture->value(), imagePixel(gesture->position()));
            return true;
        }
    }
    return QFrame::event(event);
}

void PlanArea::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another pixel ratio: the plan is drawn again at the new one.
    if (renewImage()) {
        emit viewChanged();
    }
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.drawImage(contentsRect().topLeft(), image_);
    }
    QFrame::paintEvent(event);
}

QPointF PlanArea::imagePixel(const QPointF& widgetPoint) const {
    return widgetPoint - contentsRect().topLeft();
}

void PlanArea::showCursor() {
    if (panning_) {
        setCursor(Qt::ClosedHandCursor);
    } else if (spaceHeld_) {
        setCursor(Qt::OpenHandCursor);
    } else {
        unsetCursor();
    }
}

void PlanArea::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomAtMiddle(kZoomStep);
            return;
        case Qt::Key_Minus:
            zoomAtMiddle(1 / kZoomStep);
            return;
        case Qt::Key_Space:
            spaceHeld_ = true;
            showCursor();
            return;
        default:
            emit keyPressed(event->key());
    }
}

void PlanArea::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        spaceHeld_ = false;
        showCursor();
    }
}

void PlanArea::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && spaceHeld_)) {
        panning_ = true;
        panFrom_ = event->position();
        showCursor();
        return;
    }
    emit pressed(event->button(), toPlan(imagePixel(event->position())));
}

void PlanArea::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        const QPointF moved = event->position() - panFrom_;
        panFrom_ = event->position();
        panBy(moved);
    }
    emit hovered(toPlan(imagePixel(event->position())));
}

void PlanArea::mouseReleaseEvent(QMouseEvent* event) {
    if (panning_ && (event->buttons() & (Qt::MiddleButton | Qt::LeftButton)) == 0) {
        panning_ = false;
        showCursor();
    }
}

void PlanArea::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        // Left to the frame around the client area, which scrolls when it is too small.
        event->ignore();
        return;
    }
    const double notches = event->angleDelta().y() / kWheelNotch;
    zoomAt(std::pow(kZoomStep, notches), imagePixel(event->position()));
}

void PlanArea::leaveEvent(QEvent* event) {
    emit pointerLeft();
    QFrame::leaveEvent(event);
}

}  // namespace fp
