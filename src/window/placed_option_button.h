// An option button placed in twips, which tells when a mouse button is released over it, and
// when it is chosen with the keyboard.
#pragma once

#include <QRadioButton>

#include "window/placed_in_twips.h"

namespace fp {

class PlacedOptionButton : public QRadioButton, public PlacedInTwips {
    Q_OBJECT
  public:
    PlacedOptionButton(QWidget* parent, const TwipsScale& scale);

  signals:
    // After the button has taken the selection the release gives it, so handlers see it.
    void mouseReleased(Qt::MouseButton button);
    // Chosen with Space, or with an arrow key from the other option.
    void keyboardChosen();

  protected:
    // The whole control answers the mouse, not only its mark and caption.
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // A click raised by a mouse release is told by mouseReleased alone.
    bool releasing_ = false;
};

}  // namespace fp
