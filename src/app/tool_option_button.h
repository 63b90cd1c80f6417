// An option button control; MouseUp is raised when a mouse button is released over it.
#pragma once

#include <QRadioButton>

#include "app/twips_placed.h"

namespace fp {

class ToolOptionButton : public QRadioButton, public TwipsPlaced {
    Q_OBJECT
  public:
    ToolOptionButton(QWidget* parent, const TwipsScale& scale);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    bool Value() const { return isChecked(); }
    void setValue(bool selected) { setChecked(selected); }

  signals:
    // After the button has taken the selection the release gives it, so handlers see it.
    void MouseUp(Qt::MouseButton button);

  protected:
    // The whole control answers the mouse, not only its mark and caption.
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace fp
