// A message in place of the plan.
#include "window/plan_message.h"

namespace fp {
namespace {

constexpr double kMarginFraction = 0.1;

}  // namespace

void writePlanMessage(QPainter& painter, const QRectF& area, const QString& message) {
    const double marginX = area.width() * kMarginFraction;
    const double marginY = area.height() * kMarginFraction;
    painter.save();
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    painter.setFont(font);
    painter.drawText(area.adjusted(marginX, marginY, -marginX, -marginY),
                     Qt::AlignCenter | Qt::TextWordWrap, message);
    painter.restore();
}

}  // namespace fp
