// A label control: caption, border style 0 (none) or 1 (single line), click and mouse events.
#pragma once

#include <QLabel>
#include <QPointF>

#include "app/twips_placed.h"

namespace fp {

class ToolLabel : public QLabel, public TwipsPlaced {
    Q_OBJECT
  public:
    ToolLabel(QWidget* parent, const TwipsScale& scale);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

  signals:
    // A press and release of a mouse button over the label.
    void Click();
    // Positions are in twips from the label's top-left corner.
    void MouseDown(Qt::MouseButton button, QPointF positionTwips);
    void MouseMove(Qt::MouseButtons buttons, QPointF positionTwips);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QPointF toTwips(const QPointF& pixels) const;

    int borderStyle_ = 0;
};

}  // namespace fp
