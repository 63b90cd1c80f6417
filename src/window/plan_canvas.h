// The plan of the level on show: drawn into an image whenever the session's view changes, shown
// at the zoom and pan the user chose, picked, selected in and hovered. The image persists, so
// covering and uncovering the window repaints without drawing again. Ctrl + wheel or a pinch zooms
// about the pointer, + and - about the middle; the middle button, or Space and the left button,
// drag the plan along; the level keys step through the levels.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

#include "checks/finding.h"
#include "inspect/selection.h"
#include "plan/level_drawing.h"
#include "plan/pick_boxes.h"
#include "plan/placement_memory.h"
#include "plan/plan_frame.h"
#include "plan/plan_transform.h"
#include "plan/surface.h"
#include "render/qt_surface.h"
#include "window/plan_zoom.h"
#include "window/pointer_facts.h"

namespace fp {

class DocumentSession;

class PlanCanvas : public QFrame {
    Q_OBJECT
  public:
    // How much one step of the wheel, or one press of + or -, zooms.
    static constexpr double kZoomStep = 1.25;
    // How far from a column's joint, in pixels across or down, a click picks the column.
    static constexpr double kColumnPickPixels = 5;

    explicit PlanCanvas(DocumentSession& session, QWidget* parent = nullptr);

    // The drawing, as large as the inside of the frame (in device-independent pixels). The
    // selection is painted over it on the screen only.
    const QImage& image() const { return image_; }
    // The plan coordinates of the image's four edges: the part of the model on show.
    PlanFrame visibleFrame() const { return zoom_.visible(modelFrame_); }
    const PlanFrame& modelFrame() const { return modelFrame_; }
    const PlanZoom& zoom() const { return zoom_; }
    // A pixel of the image in plan units, and back.
    QPointF toPlan(const QPointF& imagePixel) const;
    QPointF toImage(const QPointF& planPoint) const;

    const PickBoxes& pickBoxes() const { return picture_.boxes; }
    // Why the level on show has no plan (a drawing limit it passes); empty when it has one.
    const QString& planMessage() const { return planMessage_; }
    // How many times the plan has been drawn.
    int plansDrawn() const { return plansDrawn_; }
    const PlacementMemory& placementMemory() const { return placementMemory_; }
    // The callouts' key lines the plan on show found no room for, and how many texts it could not
    // show: a legend beside the plan lists them.
    const std::vector<std::string>& keyLinesElsewhere() const { return picture_.keyLinesElsewhere; }
    int textsNotShown() const { return picture_.notShown; }

    // What lies over the plan (the legend), in the canvas's own coordinates, asked at every
    // drawing; an empty rectangle for nothing. No text of the plan is placed under it.
    std::function<QRect()> covered;
    // The room the whole plan keeps below its grid for what lies over it, in pixels.
    void setRoomBelow(int pixels);

    // Told of each text the plan paints, with the box it covers on the image (in
    // device-independent pixels), at every drawing: what a reader of the screen sees.
    QtSurface::TextTold textPainted;

    // Zooms by `by` keeping the plan point at a pixel of the image where it is.
    void zoomAt(double by, const QPointF& imagePixel);
    void zoomAtMiddle(double by);
    // Shows the whole model again.
    void fit();
    // Drags the plan along by pixels of the image.
    void panBy(const QPointF& pixels);
    // Selects the beam with the serial number alone, and brings it whole into view when it is
    // not.
    void selectBeam(int serial);
    // Outlines a finding's place in dashes until the view changes, and brings it into view.
    void outlinePlace(const FindingPlace& place);
    // The place outlined; nothing when none is.
    const std::optional<FindingPlace>& outlinedPlace() const { return outlined_; }

  signals:
    // A press on the plan, with any button, hit the beam with this serial number.
    void beamPicked(int serial);
    // What lies under the pointer ("X 12.3 m, Z 4.5 m; beam 12 ..."); empty when it left. Told
    // again after every drawing, so it never describes a plan no longer on show.
    void pointerTextChanged(const QString& text);
    // The plan was drawn anew.
    void planDrawn();

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void documentChanged();
    void draw();
    // Brings what is selected into view, zooming out as far as it needs.
    void bringSelectionIntoView();
    void pick(const QPointF& planPoint, bool toggling);
    // The column whose square is under a point of the plan, within a few pixels; null when
    // none is.
    const LevelColumn* columnAt(const QPointF& planPoint) const;
    void tellPointer();
    // Makes the image anew when the frame's inside or the screen's pixel ratio changed; returns
    // whether it did.
    bool renewImage();
    PlanTransform transform() const;
    // The whole model's frame for the image as it is: its grid with room for the bubbles and
    // below them for what covers the plan.
    PlanFrame fittedModelFrame(QtSurface& surface) const;

    QPointF imagePixel(const QPointF& widgetPoint) const;
    void showCursor();

    DocumentSession& session_;
    QImage image_;
    PlanFrame modelFrame_{0, 0, 1, 1};
    PlanZoom zoom_;
    LevelPicture picture_;
    // The frame of the grid alone, to tell a listing read again over the same grid.
    PlanFrame gridFrame_{0, 0, 1, 1};
    int roomBelow_ = 0;
    // The texts' places of the last drawing, taken again while only the part on show moves.
    PlacementMemory placementMemory_;
    QString planMessage_;
    PointerFacts pointerFacts_;
    std::optional<FindingPlace> outlined_;
    int plansDrawn_ = 0;
    // Where the pointer was last seen over the image; nothing once it left.
    std::optional<QPointF> pointer_;
    bool spaceHeld_ = false;
    bool panning_ = false;
    QPointF panFrom_;
};

}  // namespace fp
