// The legend in the bottom-left corner of the plan: what the numbers and marks on show mean.
#pragma once

#include <QLabel>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/plan_view.h"

namespace fp {

// A small framed panel over its parent's bottom-left corner that keeps its place as the parent
// is resized. It lets the pointer through to the plan under it.
class LegendPanel : public QLabel {
    Q_OBJECT
  public:
    explicit LegendPanel(QWidget* plan);

    // Tells the legend of the view, then the callouts' key lines the plan found no room for and
    // how many texts it could not show; empty (and hidden) without a document or for a level that
    // cannot be drawn.
    void showLegendOf(const ListingDocument* document, const PlanView& view,
                      const std::vector<std::string>& keyLines = {}, int notShown = 0);
    // Whether the user wants the panel; it shows only while it has a legend too.
    void setWanted(bool wanted);
    bool wanted() const { return wanted_; }
    // The room the plan keeps for the panel below its grid, in pixels: as high as the longest
    // legend, so that the plan keeps its place from level to level and mode to mode.
    int roomWanted() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void place();

    bool wanted_ = true;
};

}  // namespace fp
