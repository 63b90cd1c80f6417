// A check box placed in twips. Besides ticked and unticked it may be grey, which only code sets
// and which counts as unticked.
#pragma once

#include <QCheckBox>

#include "window/placed_in_twips.h"

namespace fp {

class PlacedCheckBox : public QCheckBox, public PlacedInTwips {
    Q_OBJECT
  public:
    PlacedCheckBox(QWidget* parent, const TwipsScale& scale);

    bool isTicked() const { return checkState() == Qt::Checked; }
    // Sets the state without raising clicked().
    void setState(Qt::CheckState state);

  protected:
    // The whole control answers the mouse, not only its mark and caption.
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    // A user's click ticks a grey box and toggles the others.
    void nextCheckState() override;
};

}  // namespace fp
