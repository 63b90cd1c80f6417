// Plan drawing on a QPainter, with fonts and pens sized for the device it paints on.
#include "app/qt_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <cmath>

namespace fp {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kScreenDpi = 96;

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Arial is not installed here; Liberation Sans has the same metrics.
QString familyFor(const std::string& faceName) {
    if (faceName == "Arial") {
        return QStringLiteral("Liberation Sans");
    }
    return QString::fromStdString(faceName);
}

double safeSpan(double from, double to) {
    const double span = to - from;
    return span == 0 ? 1 : span;
}

}  // namespace

QFont QtSurface::ownFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    return font;
}

QtSurface::QtSurface(QPainter& painter, const QRectF& deviceArea)
    : painter_(painter),
      area_(deviceArea),
      twipsPerPixelY_(kTwipsPerInch / painter.device()->logicalDpiY()) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    // One screen pixel wide on any device, so a PDF page looks like the window.
    QPen pen(Qt::black);
    pen.setWidthF(painter.device()->logicalDpiX() / kScreenDpi);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.setFont(ownFont());
    setScale(area_.left(), area_.top(), area_.right(), area_.bottom());
}

void QtSurface::clear() {
    painter_.fillRect(area_, Qt::white);
}

void QtSurface::setScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    scaleX_ = area_.width() / safeSpan(left, right);
    scaleZ_ = area_.height() / safeSpan(top, bottom);
}

QPointF QtSurface::toDevice(double x, double z) const {
    return {area_.left() + (x - left_) * scaleX_, area_.top() + (z - top_) * scaleZ_};
}

void QtSurface::line(double x1, double z1, double x2, double z2) {
    painter_.drawLine(toDevice(x1, z1), toDevice(x2, z2));
}

void QtSurface::circle(double x, double z, double radius) {
    const double pixels = std::abs(radius * scaleX_);
    painter_.drawEllipse(toDevice(x, z), pixels, pixels);
}

double QtSurface::TextWidth(std::string_view text) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    return metrics.horizontalAdvance(toQString(text)) / std::abs(scaleX_);
}

double QtSurface::TextHeight(std::string_view) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    return metrics.height() / std::abs(scaleZ_);
}

void QtSurface::Print(std::string_view text) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QPointF cellTopLeft = toDevice(CurrentX, CurrentY);
    painter_.save();
    painter_.translate(cellTopLeft);
    // Escapement turns counter-clockwise on the page; Qt turns clockwise with y downward.
    painter_.rotate(-escapementDegrees_);
    painter_.drawText(QPointF(0, metrics.ascent()), toQString(text));
    painter_.restore();
}

void QtSurface::selectFont(const FontDescription& description) {
    QFont font(familyFor(description.lfFaceName));
    if (description.lfHeight == 0) {
        font.setPointSizeF(ownFont().pointSizeF());
    } else {
        // Negative asks for the character height, positive for the cell height; for labels
        // the two are close enough to take either as the pixel size.
        font.setPixelSize(std::abs(description.lfHeight));
    }
    painter_.setFont(font);
    escapementDegrees_ = description.lfEscapement / 10.0;
}

void QtSurface::restoreOwnFont() {
    painter_.setFont(ownFont());
    escapementDegrees_ = 0;
}

}  // namespace fp
