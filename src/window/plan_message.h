// The text the plan area shows in place of a plan that cannot be drawn.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

namespace fp {

// Writes `message` centred in `area`, wrapped to its width.
void writePlanMessage(QPainter& painter, const QRectF& area, const QString& message);

}  // namespace fp
