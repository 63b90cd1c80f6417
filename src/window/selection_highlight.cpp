// Beams as a band wider than their line, panels as a tint that leaves their labels readable.
#include "window/selection_highlight.h"

#include <QPen>

namespace fp {
namespace {

constexpr double kBeamBandPixels = 7;
constexpr int kBandAlpha = 190;
constexpr int kTintAlpha = 70;

}  // namespace

void drawSelectionHighlight(QPainter& painter, const PlanTransform& shown, const Grid& grid,
                            const LevelSelection& selection, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor tint = colour;
    tint.setAlpha(kTintAlpha);
    QColor band = colour;
    band.setAlpha(kBandAlpha);
    for (const SlabPanel& panel : selection.panels) {
        const QRectF area(
            QPointF(shown.deviceX(grid.x.at(panel.ix)), shown.deviceZ(grid.z.at(panel.iz))),
            QPointF(shown.deviceX(grid.x.at(panel.ix2)), shown.deviceZ(grid.z.at(panel.iz2))));
        painter.fillRect(area.normalized(), tint);
        painter.setPen(QPen(band, 2));
        painter.drawRect(area.normalized());
    }
    painter.setPen(QPen(band, kBeamBandPixels, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [serial, beam] : selection.beams) {
        // Its printed length in millimetres, in plan units.
        const double length = static_cast<double>(beam.lengthMm) / 10;
        const double endX = beam.direction == BeamDirection::PlusX ? beam.x + length : beam.x;
        const double endZ = beam.direction == BeamDirection::PlusZ ? beam.z + length : beam.z;
        painter.drawLine(QPointF(shown.deviceX(beam.x), shown.deviceZ(beam.z)),
                         QPointF(shown.deviceX(endX), shown.deviceZ(endZ)));
    }
    painter.restore();
}

}  // namespace fp
