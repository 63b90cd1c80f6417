// A label placed in twips: a caption, an optional single-line border, and pointer events.
#pragma once

#include <QLabel>
#include <QPointF>

#include "window/placed_in_twips.h"

namespace fp {

class PlacedLabel : public QLabel, public PlacedInTwips {
    Q_OBJECT
  public:
    PlacedLabel(QWidget* parent, const TwipsScale& scale);

    // A single-line border marks the level on show.
    bool isMarked() const { return marked_; }
    void setMarked(bool marked);

  signals:
    // A press and release of a mouse button over the label.
    void clicked();
    // Positions are in twips from the label's top-left corner.
    void pressed(Qt::MouseButton button, QPointF positionTwips);
    void dragged(Qt::MouseButtons buttons, QPointF positionTwips);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QPointF toTwips(const QPointF& pixels) const;

    bool marked_ = false;
};

}  // namespace fp
