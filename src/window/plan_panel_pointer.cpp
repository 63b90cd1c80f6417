// What lies under the pointer, and a member found and highlighted.
#include <QPainter>
#include <QPen>

#include "render/qt_surface.h"
#include "window/member_search.h"
#include "window/plan_panel.h"

namespace fp {
namespace {

// The highlight is a wide band of colour over the beam, drawn on the screen only.
constexpr double kHighlightPixels = 5;

// The far end of a beam, `share` of the way along it: 1 for its end, 0.5 for its middle.
QPointF alongBeam(const LevelBeam& beam, double share) {
    // Its printed length in millimetres, in plan units.
    const double length = static_cast<double>(beam.lengthMm) / 10 * share;
    return beam.direction == BeamDirection::PlusX ? QPointF(beam.x + length, beam.z)
                                                  : QPointF(beam.x, beam.z + length);
}

}  // namespace

void PlanPanel::pointerMoved(QPointF planPoint) {
    emit pointerTextChanged(
        QString::fromStdString(pointerFacts_.textAt(planPoint.x(), planPoint.y())));
}

std::string PlanPanel::findMember(long member) {
    if (!document_) {
        return "No listing is open.";
    }
    const MemberSearch search = searchMember(*document_, member);
    if (search.serial == 0) {
        return search.answer;
    }
    selectLevel(search.level);
    if (const std::optional<LevelBeam> beam = pointerFacts_.beam(search.serial)) {
        const PlanFrame shown = planArea->frame();
        const QPointF middle = alongBeam(*beam, 0.5);
        const bool inView = shown.left <= middle.x() && middle.x() <= shown.right &&
                            shown.top <= middle.y() && middle.y() <= shown.bottom;
        if (!inView) {
            planArea->centreOn(middle);
        }
    }
    highlighted_ = search.serial;
    drawPlan();
    planArea->setFocus(Qt::OtherFocusReason);
    return {};
}

void PlanPanel::drawHighlight(QPainter& painter, const QtSurface& surface) {
    const std::optional<LevelBeam> beam = pointerFacts_.beam(highlighted_);
    if (!beam) {
        return;
    }
    const QPointF end = alongBeam(*beam, 1);
    QColor colour = palette().color(QPalette::Highlight);
    colour.setAlpha(160);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, kHighlightPixels, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(surface.toDevice(beam->x, beam->z), surface.toDevice(end.x(), end.y()));
    painter.restore();
}

}  // namespace fp
