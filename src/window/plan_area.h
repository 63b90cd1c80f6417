// The plan area: a framed picture kept in an image, drawn on in plan units, with key and mouse
// events. The image persists, so covering and uncovering the window repaints without redrawing.
// It shows the part of the model's frame its zoom and pan choose: Ctrl + wheel or a pinch zooms
// about the pointer, + and - about the middle; the middle button, or Space and the left button,
// drag the plan along.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPointF>

#include "plan/plan_frame.h"
#include "window/placed_in_twips.h"
#include "window/plan_zoom.h"

namespace fp {

class PlanArea : public QFrame, public PlacedInTwips {
    Q_OBJECT
  public:
    // How much one step of the wheel, or one press of + or -, zooms.
    static constexpr double kZoomStep = 1.25;

    PlanArea(QWidget* parent, const TwipsScale& scale);

    // The drawing, as large as the inside of the frame (in device-independent pixels). Call
    // update() after drawing on it.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // The frame of the whole model; a new one is shown whole.
    void setModelFrame(const PlanFrame& frame);
    const PlanFrame& modelFrame() const { return modelFrame_; }
    // The plan coordinates of the picture's four edges: the part of the model's frame on show.
    PlanFrame frame() const { return zoom_.visible(modelFrame_); }
    const PlanZoom& zoom() const { return zoom_; }
    // Puts back a zoom kept from before; the caller draws the plan.
    void setZoom(const PlanZoom& zoom);

    // A point of the image (pixels from its top-left corner) in plan units, and back.
    QPointF toPlan(const QPointF& imagePixel) const;
    QPointF toImage(const QPointF& planPoint) const;

    // Zooms by `by` keeping the plan point at a pixel of the image where it is.
    void zoomAt(double by, const QPointF& imagePixel);
    // Zooms by `by` about the middle of the picture.
    void zoomAtMiddle(double by);
    // Shows the whole model again.
    void fit();
    // Drags the plan along by pixels of the image.
    void panBy(const QPointF& pixels);
    // Brings a plan point to the middle of the picture, as near as the frame allows.
    void centreOn(const QPointF& planPoint);

  signals:
    // A key the plan area does not answer itself.
    void keyPressed(int key);
    // The pointer in plan units.
    void pressed(Qt::MouseButton button, QPointF planPoint);
    void hovered(QPointF planPoint);
    void pointerLeft();
    // The part of the model on show changed, or the image was made anew: draw it again.
    void viewChanged();

  protected:
    // A new size gets a new, blank image of the inside of the frame.
    void placed() override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // Makes the image anew when the frame's inside or the screen's pixel ratio changed; returns
    // whether it did.
    bool renewImage();
    QPointF imagePixel(const QPointF& widgetPoint) const;
    void showCursor();

    QImage image_;
    PlanFrame modelFrame_{0, 0, 1, 1};
    PlanZoom zoom_;
    bool spaceHeld_ = false;
    bool panning_ = false;
    QPointF panFrom_;
};

}  // namespace fp
