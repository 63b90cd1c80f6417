// Beams as a band wider than their line, panels as a tint that leaves their labels readable,
// columns as a ring round their square.
#include "window/selection_highlight.h"

#include <QPen>

namespace fp {
namespace {

constexpr double kBeamBandPixels = 7;
// Half the side of the ring round a selected column's square.
constexpr double kColumnRingPixels = 7;
constexpr int kBandAlpha = 190;
constexpr int kTintAlpha = 70;

}  // namespace

void drawSelectionHighlight(QPainter& painter, const PlanTransform& shown,
                            const LevelSelection& selection, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor tint = colour;
    tint.setAlpha(kTintAlpha);
    QColor band = colour;
    band.setAlpha(kBandAlpha);
    for (const LevelPanel& panel : selection.panels) {
        const PanelBounds& bounds = panel.bounds;
        const QRectF area(QPointF(shown.deviceX(bounds.x1), shown.deviceZ(bounds.z1)),
                          QPointF(shown.deviceX(bounds.x2), shown.deviceZ(bounds.z2)));
        painter.fillRect(area.normalized(), tint);
        painter.setPen(QPen(band, 2));
        painter.drawRect(area.normalized());
    }
    painter.setPen(QPen(band, 2));
    for (const LevelColumn& column : selection.columns) {
        const QPointF at(shown.deviceX(column.x), shown.deviceZ(column.z));
        painter.drawRect(QRectF(at - QPointF(kColumnRingPixels, kColumnRingPixels),
                                at + QPointF(kColumnRingPixels, kColumnRingPixels)));
    }
    painter.setPen(QPen(band, kBeamBandPixels, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [serial, beam] : selection.beams) {
        const PlanPoint end = beam.drawnEnd();
        painter.drawLine(QPointF(shown.deviceX(beam.x), shown.deviceZ(beam.z)),
                         QPointF(shown.deviceX(end.x), shown.deviceZ(end.z)));
    }
    painter.restore();
}

}  // namespace fp
