// The plan canvas: the level drawn through the Qt surface into an image, and the pointer on it.
#include "window/plan_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "compare/change_marks.h"
#include "model/listing_error.h"
#include "plan/check_marks.h"
#include "plan/grid_lines.h"
#include "plan/level_drawing.h"
#include "render/listing_qstring.h"
#include "render/qt_surface.h"
#include "window/document_session.h"
#include "window/plan_message.h"
#include "window/selection_highlight.h"

namespace fp {
namespace {

// One notch of a mouse wheel.
constexpr double kWheelNotch = 120;
constexpr double kMetresPerInch = 0.0254;

}  // namespace

PlanCanvas::PlanCanvas(DocumentSession& session, QWidget* parent)
    : QFrame(parent), session_(session) {
    setObjectName(QStringLiteral("planCanvas"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(&session_, &DocumentSession::documentChanged, this, &PlanCanvas::documentChanged);
    // The warning signs come with the check, after the plan: drawn again only to put them on.
    connect(&session_, &DocumentSession::findingsChanged, this, [this] {
        const std::vector<Finding>& findings = session_.findings();
        if (std::any_of(findings.begin(), findings.end(), [this](const Finding& finding) {
                return signedOnPlan(finding, session_.view());
            })) {
            draw();
        }
    });
    connect(&session_, &DocumentSession::viewChanged, this, [this] {
        outlined_.reset();
        draw();
    });
    // Only the highlight changes: the plan is painted again, not drawn again.
    connect(&session_, &DocumentSession::selectionChanged, this, [this] { update(); });
    connect(&session_, &DocumentSession::selectionToBeShown, this,
            &PlanCanvas::bringSelectionIntoView);
}

void PlanCanvas::documentChanged() {
    placementMemory_.forget();
    const PlanFrame frame = planFrame(session_.document()->grid);
    // A listing read again over the same grid keeps the part of it on show.
    if (!session_.isReloading() || frame != gridFrame_) {
        zoom_.fit();
    }
    gridFrame_ = frame;
}

void PlanCanvas::setRoomBelow(int pixels) {
    if (pixels != roomBelow_) {
        roomBelow_ = pixels;
        draw();
    }
}

PlanFrame PlanCanvas::fittedModelFrame(QtSurface& surface) const {
    const QSizeF size = image_.deviceIndependentSize();
    FrameRoom room;
    room.bottom = roomBelow_;
    surface.setScale(0, 0, size.width(), size.height());
    const FrameRoom bubbles = bubbleRoom(session_.view(), surface);
    room.left += bubbles.left;
    room.top += bubbles.top;
    room.right += bubbles.right;
    room.bottom += bubbles.bottom;
    return fittedFrame(session_.document()->grid, size.width(), size.height(), room);
}

PlanTransform PlanCanvas::transform() const {
    const QSizeF size = image_.deviceIndependentSize();
    return PlanTransform(visibleFrame(), 0, 0, size.width(), size.height());
}

QPointF PlanCanvas::toPlan(const QPointF& imagePixel) const {
    const PlanTransform shown = transform();
    return {shown.planX(imagePixel.x()), shown.planZ(imagePixel.y())};
}

QPointF PlanCanvas::toImage(const QPointF& planPoint) const {
    const PlanTransform shown = transform();
    return {shown.deviceX(planPoint.x()), shown.deviceZ(planPoint.y())};
}

void PlanCanvas::draw() {
    renewImage();
    QPainter painter(&image_);
    const QRectF area(QPointF(0, 0), image_.deviceIndependentSize());
    QtSurface surface(painter, area);
    surface.tellTexts(textPainted);
    const ListingDocument* document = session_.document();
    if (document != nullptr) {
        modelFrame_ = fittedModelFrame(surface);
    }
    const PlanFrame frame = visibleFrame();
    surface.setScale(frame.left, frame.top, frame.right, frame.bottom);
    planMessage_.clear();
    const PlanView& view = session_.view();
    bool drawn = true;
    try {
        picture_ = {};
        if (document != nullptr) {
            DrawingContext context;
            context.memory = &placementMemory_;
            context.findings = &session_.findings();
            // The whole model's frame rather than the part on show, so that panning at one zoom
            // keeps every text where it was.
            context.visible = modelFrame_;
            context.legendTakesKey = true;
            // Texts keep from under the legend on the whole plan; zoomed in, the legend moves
            // over the plan as it pans, and covers texts as it covers beams rather than make them
            // jump at every step.
            if (const QRect over = covered && zoom_.isFit() ? covered() : QRect();
                !over.isEmpty()) {
                const QRectF inImage = QRectF(over).translated(-contentsRect().topLeft());
                const QPointF topLeft = toPlan(inImage.topLeft());
                const QPointF bottomRight = toPlan(inImage.bottomRight());
                context.keepClear.push_back(
                    {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()});
            }
            // The beams, then in floor-load mode the panels' floor loads over them.
            picture_ = drawLevel(*document, view, surface, context);
            if (outlined_) {
                outlineFindingPlace(*outlined_, surface);
            }
            if (const LevelComparison* changes = session_.levelComparison()) {
                drawChangeMarks(*changes, surface);
            }
        }
    } catch (const ListingError& failure) {
        // The level cannot be drawn; the rest of the listing can, so the message takes the
        // plan's place and every other level stays within reach.
        drawn = false;
        picture_ = {};
        planMessage_ = qStringFromListing(failure.inListing(document->name).what());
        surface.clear();
        writePlanMessage(painter, area, planMessage_);
    }
    pointerFacts_.levelDrawn(document, view, picture_.boxes, drawn);
    painter.end();
    ++plansDrawn_;
    update();
    emit planDrawn();
    tellPointer();
}

void PlanCanvas::selectBeam(int serial) {
    if (const std::optional<LevelBeam> beam = pointerFacts_.beam(serial)) {
        session_.showSelected({SelectedItem::beam(beam->member)});
    }
}

void PlanCanvas::bringSelectionIntoView() {
    const LevelSelection& shown = session_.shownSelection();
    if (shown.count() == 0) {
        return;
    }
    PlanFrame part{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                   std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    const auto take = [&part](double x1, double z1, double x2, double z2) {
        part.left = std::min({part.left, x1, x2});
        part.top = std::min({part.top, z1, z2});
        part.right = std::max({part.right, x1, x2});
        part.bottom = std::max({part.bottom, z1, z2});
    };
    for (const auto& [serial, beam] : shown.beams) {
        const PlanPoint end = beam.drawnEnd();
        take(beam.x, beam.z, end.x, end.z);
    }
    for (const LevelPanel& panel : shown.panels) {
        take(panel.bounds.x1, panel.bounds.z1, panel.bounds.x2, panel.bounds.z2);
    }
    for (const LevelColumn& column : shown.columns) {
        take(column.x, column.z, column.x, column.z);
    }
    const PlanZoom before = zoom_;
    zoom_.bringIntoView(modelFrame_, part);
    if (zoom_.factor() != before.factor() || visibleFrame() != before.visible(modelFrame_)) {
        draw();
    }
}

void PlanCanvas::pick(const QPointF& point, bool toggling) {
    const ListingDocument* document = session_.document();
    if (document == nullptr) {
        return;
    }
    std::optional<SelectedItem> item;
    const int serial =
        beamAt(picture_.boxes, static_cast<float>(point.x()), static_cast<float>(point.y()));
    // A column's square stands over the ends of its beams: a click on it is for the column.
    if (const LevelColumn* column = columnAt(point)) {
        item = SelectedItem::column(column->member);
    } else if (const std::optional<LevelBeam> beam = pointerFacts_.beam(serial)) {
        item = SelectedItem::beam(beam->member);
    } else if (const LevelPanel* panel = pointerFacts_.panelAt(point.x(), point.y())) {
        item = SelectedItem::panel(panel->bounds);
    }
    Selection chosen = session_.selection();
    if (toggling) {
        if (!item) {
            return;
        }
        toggle(chosen, *item);
    } else {
        chosen = item ? Selection{*item} : Selection{};
    }
    if (chosen != session_.selection()) {
        session_.setSelection(chosen);
    }
}

const LevelColumn* PlanCanvas::columnAt(const QPointF& planPoint) const {
    const LevelModel* level = pointerFacts_.level();
    if (level == nullptr) {
        return nullptr;
    }
    const QPointF pixel = toImage(planPoint);
    const LevelColumn* nearest = nullptr;
    double nearestDistance = kColumnPickPixels;
    for (const LevelColumn& column : level->columns) {
        const QPointF offset = toImage(QPointF(column.x, column.z)) - pixel;
        const double distance = std::max(std::abs(offset.x()), std::abs(offset.y()));
        if (distance <= nearestDistance) {
            nearest = &column;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void PlanCanvas::outlinePlace(const FindingPlace& place) {
    if (place.kind == FindingPlace::Kind::None) {
        return;
    }
    constexpr double kPerMetre = 100;
    zoom_.bringIntoView(
        modelFrame_,
        {std::min(place.x1, place.x2) * kPerMetre, std::min(place.z1, place.z2) * kPerMetre,
         std::max(place.x1, place.x2) * kPerMetre, std::max(place.z1, place.z2) * kPerMetre});
    outlined_ = place;
    draw();
}

void PlanCanvas::tellPointer() {
    if (pointer_) {
        const QPointF point = toPlan(*pointer_);
        emit pointerTextChanged(QString::fromStdString(pointerFacts_.textAt(point.x(), point.y())));
    }
}

void PlanCanvas::zoomAt(double by, const QPointF& imagePixel) {
    const QSizeF size = image_.deviceIndependentSize();
    if (size.isEmpty()) {
        return;
    }
    zoom_.zoomAbout(by, imagePixel.x() / size.width(), imagePixel.y() / size.height());
    draw();
}

void PlanCanvas::zoomAtMiddle(double by) {
    const QSizeF size = image_.deviceIndependentSize();
    zoomAt(by, QPointF(size.width() / 2, size.height() / 2));
}

void PlanCanvas::fit() {
    zoom_.fit();
    draw();
}

void PlanCanvas::panBy(const QPointF& pixels) {
    const QSizeF size = image_.deviceIndependentSize();
    if (size.isEmpty()) {
        return;
    }
    // The plan follows the pointer, so the part on show moves the other way.
    zoom_.panBy(-pixels.x() / size.width(), -pixels.y() / size.height());
    draw();
}

bool PlanCanvas::renewImage() {
    // Never empty, so that a canvas not laid out yet still draws (and measures) its plan.
    const QSize inside = contentsRect().size().expandedTo(QSize(1, 1));
    // As many image pixels as the screen has, so the plan stays sharp on a high-density screen.
    const double pixelRatio = devicePixelRatioF();
    if (inside == image_.deviceIndependentSize().toSize() &&
        pixelRatio == image_.devicePixelRatio()) {
        return false;
    }
    QImage renewed(inside * pixelRatio, QImage::Format_RGB32);
    renewed.setDevicePixelRatio(pixelRatio);
    // Text and fonts are measured at the screen's resolution, as the controls are.
    renewed.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() / kMetresPerInch)));
    renewed.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / kMetresPerInch)));
    renewed.fill(palette().color(QPalette::Button));
    image_ = renewed;
    return true;
}

void PlanCanvas::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (renewImage()) {
        draw();
    }
}

bool PlanCanvas::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            zoomAt(1 + gesture->value(), imagePixel(gesture->position()));
            return true;
        }
    }
    return QFrame::event(event);
}

void PlanCanvas::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another pixel ratio: the plan is drawn again at the new one.
    if (renewImage()) {
        draw();
    }
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.drawImage(contentsRect().topLeft(), image_);
        const LevelSelection& shown = session_.shownSelection();
        if (shown.count() > 0) {
            painter.setClipRect(contentsRect());
            painter.translate(contentsRect().topLeft());
            drawSelectionHighlight(painter, transform(), shown,
                                   palette().color(QPalette::Highlight));
        }
    }
    QFrame::paintEvent(event);
}

QPointF PlanCanvas::imagePixel(const QPointF& widgetPoint) const {
    return widgetPoint - contentsRect().topLeft();
}

void PlanCanvas::showCursor() {
    if (panning_) {
        setCursor(Qt::ClosedHandCursor);
    } else if (spaceHeld_) {
        setCursor(Qt::OpenHandCursor);
    } else {
        unsetCursor();
    }
}

void PlanCanvas::keyPressEvent(QKeyEvent* event) {
    if (session_.answerLevelKey(event->key())) {
        return;
    }
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
        case Qt::Key_Escape:
            if (!session_.selection().empty()) {
                session_.setSelection({});
                return;
            }
            QFrame::keyPressEvent(event);
            return;
        default:
            QFrame::keyPressEvent(event);
    }
}

void PlanCanvas::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        spaceHeld_ = false;
        showCursor();
    }
}

void PlanCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && spaceHeld_)) {
        panning_ = true;
        panFrom_ = event->position();
        showCursor();
        return;
    }
    const QPointF point = toPlan(imagePixel(event->position()));
    if (event->button() == Qt::LeftButton) {
        pick(point, (event->modifiers() & Qt::ControlModifier) != 0);
    }
    const int serial =
        beamAt(picture_.boxes, static_cast<float>(point.x()), static_cast<float>(point.y()));
    if (serial > 0) {
        emit beamPicked(serial);
    }
}

void PlanCanvas::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = imagePixel(event->position());
    if (panning_) {
        const QPointF moved = event->position() - panFrom_;
        panFrom_ = event->position();
        // The drawing tells the pointer's new place on the plan.
        panBy(moved);
        return;
    }
    tellPointer();
}

void PlanCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (panning_ && (event->buttons() & (Qt::MiddleButton | Qt::LeftButton)) == 0) {
        panning_ = false;
        showCursor();
    }
}

void PlanCanvas::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    const double notches = event->angleDelta().y() / kWheelNotch;
    zoomAt(std::pow(kZoomStep, notches), imagePixel(event->position()));
}

void PlanCanvas::leaveEvent(QEvent* event) {
    pointer_.reset();
    emit pointerTextChanged({});
    QFrame::leaveEvent(event);
}

}  // namespace fp
