// The level labels down the left edge of the client area: at their designed places, centred on
// the panel's height, while they fit in it; stacked in a scrolling column beside the plan when
// they do not, the level on show kept in view.
#pragma once

#include <QScrollArea>
#include <vector>

#include "window/placed_in_twips.h"
#include "window/placed_label.h"

namespace fp {

class LevelColumn : public QScrollArea {
    Q_OBJECT
  public:
    // Every level label copies the designed one: 600 by 270 twips at the panel's left edge.
    static constexpr TwipsRect kLabel{30, 840, 600, 270};
    // The designed labels' right edge and the gap to the plan.
    static constexpr double kWidthTwips = 650;

    LevelColumn(QWidget* panel, const TwipsScale& scale);

    // The parent of the level labels.
    QWidget* labels() const { return widget(); }

    // Places `count` labels for a panel of the given size: at their designed places when they
    // fit its height, otherwise stacked in a column that scrolls beside the plan, from `top` to
    // `bottom`. Returns the extra width the column's scroll bar takes, in twips (0 when the
    // labels fit).
    double place(const std::vector<PlacedLabel*>& levelLabels, double panelHeight, double top,
                 double bottom);
    // Scrolls so that the label is in view.
    void keepInView(PlacedLabel* label);
    bool scrolls() const { return scrolls_; }

  private:
    TwipsScale scale_;
    bool scrolls_ = false;
};

}  // namespace fp
