// The designed client area: the level labels down its left edge, the load-mode and annotation
// controls along its top, and the plan of the level on show.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "document/listing_document.h"
#include "plan/pick_boxes.h"
#include "plan/plan_view.h"
#include "window/panel_options.h"
#include "window/placed_check_box.h"
#include "window/placed_label.h"
#include "window/placed_option_button.h"
#include "window/plan_area.h"
#include "window/twips_scale.h"

namespace fp {

class PlanPanel : public QWidget {
    Q_OBJECT
  public:
    explicit PlanPanel(const TwipsScale& scale);

    // Builds the level labels, the intensity boxes and the member-load caption of the document
    // in place of those of any document shown before, shows the panel, frames the plan area on
    // the whole model and shows the start level. With `kept`, the options of the document shown
    // before, the level at the same height and the options that still apply are shown instead.
    void showDocument(std::shared_ptr<const ListingDocument> document,
                      const PanelOptions* kept = nullptr);
    // The level on show (by its height) and the view options, to be kept by the next document.
    PanelOptions options() const;

    // Shows a level (1 .. the level count) and marks its label; every other change ends here.
    void selectLevel(int level);
    // Up and down arrows step through the levels without wrapping; other keys do nothing.
    void stepLevel(int key);
    // "Beem Nos", "LOAD TYPE" or one intensity box was clicked.
    void annotationClicked();
    // "Chk All" was clicked: every intensity box takes its state.
    void allIntensitiesClicked();
    // A mouse button was released over "Floor Load", or over "Member Load".
    void floorLoadReleased();
    void memberLoadReleased();
    // A press on the plan, in plan units: tells the serial number of the first beam hit.
    void planPressed(QPointF planPoint);
    // The member-load label follows the pointer sideways while only the left button is held.
    void memberLoadsPressed(QPointF positionTwips);
    void memberLoadsDragged(Qt::MouseButtons buttons, QPointF positionTwips);

    // What the controls ask the plan to show.
    PlanView view() const;
    const ListingDocument* document() const { return document_.get(); }
    std::shared_ptr<const ListingDocument> sharedDocument() const { return document_; }
    int levelOnShow() const { return level_; }
    const PickBoxes& pickBoxes() const { return boxes_; }
    // Why the level on show has no plan (a drawing limit it passes); empty when it has one.
    const QString& planMessage() const { return planMessage_; }
    // How many times the plan has been drawn since the panel was built.
    int plansDrawn() const { return plansDrawn_; }
    const TwipsScale& scale() const { return scale_; }
    // The panel's size, in twips.
    double widthTwips() const;
    double heightTwips() const;

    PlacedLabel* levelHeightLabel = nullptr;         // "Level", then the height on show
    PlacedOptionButton* memberLoadOption = nullptr;  // "Member Load"
    PlacedOptionButton* floorLoadOption = nullptr;   // "Floor Load"
    PlacedCheckBox* loadTypeBox = nullptr;           // "LOAD TYPE": load-case titles
    PlacedCheckBox* beamNumbersBox = nullptr;        // "Beem Nos": member numbers
    PlacedLabel* floadsLabel = nullptr;              // "FLOADS ->"
    PlacedCheckBox* allIntensitiesBox = nullptr;     // "Chk All"
    PlacedLabel* memberLoadsLabel = nullptr;         // "Member Loads" and the values
    PlanArea* planArea = nullptr;
    // One per level, lowest first, and one per floor-load intensity, ascending.
    std::vector<PlacedLabel*> levelLabels;
    std::vector<PlacedCheckBox*> intensityBoxes;

  signals:
    // A press on the plan hit the beam with this serial number; the program shows it.
    void beamPicked(int serial);

  private:
    // The designed place of the member-load label; it widens to show every value.
    static constexpr TwipsRect kMemberLoadsPlace{8640, 120, 1365, 300};

    void buildControls();
    void connectControls();
    void showModeControls();
    void buildLevelLabels();
    void buildIntensityBoxes();
    void buildMemberLoadCaption();
    void framePlanArea();
    void applyOptions(const PanelOptions& kept);
    void drawPlan();
    PlacedLabel* levelLabel(int level) const;

    TwipsScale scale_;
    std::shared_ptr<const ListingDocument> document_;
    int level_ = 0;
    PickBoxes boxes_;
    QString planMessage_;
    float dragStartX_ = 0;
    int plansDrawn_ = 0;
};

}  // namespace fp
