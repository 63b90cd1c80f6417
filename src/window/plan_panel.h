// The designed client area: the level labels down its left edge, the load-mode and annotation
// controls along its top, and the plan of the level on show. At its designed size every control
// sits at its designed place; larger, the plan grows with it.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "document/listing_document.h"
#include "plan/pick_boxes.h"
#include "plan/plan_view.h"
#include "window/level_column.h"
#include "window/panel_options.h"
#include "window/placed_check_box.h"
#include "window/placed_label.h"
#include "window/placed_option_button.h"
#include "window/plan_area.h"
#include "window/pointer_facts.h"
#include "window/twips_scale.h"

class QPainter;

namespace fp {

class QtSurface;

class PlanPanel : public QWidget {
    Q_OBJECT
  public:
    // The designed size, in twips.
    static constexpr double kDesignedWidthTwips = 13755;
    static constexpr double kDesignedHeightTwips = 7500;

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
    // Up and down arrows step through the levels without wrapping, Page Up and Page Down by
    // five, Home and End to the highest and the lowest; other keys do nothing.
    void stepLevel(int key);
    // "Beem Nos", "LOAD TYPE" or one intensity box was clicked.
    void annotationClicked();
    // "Chk All" was clicked: every intensity box takes its state.
    void allIntensitiesClicked();
    // "Floor Load", or "Member Load", was chosen: a mouse button released over it, or the
    // keyboard.
    void floorLoadReleased();
    void memberLoadReleased();
    // A press on the plan, in plan units: tells the serial number of the first beam hit.
    void planPressed(QPointF planPoint);
    // The pointer over the plan, in plan units: tells what lies under it.
    void pointerMoved(QPointF planPoint);
    // The member-load label follows the pointer sideways while only the left button is held,
    // and stays over the plan.
    void memberLoadsPressed(QPointF positionTwips);
    void memberLoadsDragged(Qt::MouseButtons buttons, QPointF positionTwips);
    // Options of the View menu, kept over levels and listings: "B: " and the member number
    // beside the serial number rather than on it; each beam's member loads on it in member-load
    // mode; hatching over the panels without floor load in floor-load mode.
    void setMemberNumbersBeside(bool beside);
    void setMemberLoadsOnBeams(bool on);
    void setMarkPanelsWithoutLoad(bool on);
    // Shows the beam of the member: selects its level, brings it into view and highlights it
    // until the next change of level or view. Returns why it cannot when the member is no
    // beam on the plan; the empty text when it is shown.
    std::string findMember(long member);

    // What the controls ask the plan to show.
    PlanView view() const;
    const ListingDocument* document() const { return document_.get(); }
    int levelOnShow() const { return level_; }
    const PickBoxes& pickBoxes() const { return boxes_; }
    // The serial number of the highlighted beam; 0 when none is.
    int highlightedBeam() const { return highlighted_; }
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
    LevelColumn* levelColumn = nullptr;
    // One per level, lowest first, and one per floor-load intensity, ascending.
    std::vector<PlacedLabel*> levelLabels;
    std::vector<PlacedCheckBox*> intensityBoxes;

  signals:
    // A press on the plan hit the beam with this serial number; the program shows it.
    void beamPicked(int serial);
    // What lies under the pointer ("X 12.3 m, Z 4.5 m; beam 12 ..."); empty when it left.
    void pointerTextChanged(const QString& text);
    // A level, a mode or a document was put on show and its plan drawn.
    void levelShown();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The designed place of the member-load label; it widens to show every value.
    static constexpr TwipsRect kMemberLoadsPlace{8640, 120, 1365, 300};

    void buildControls();
    void connectControls();
    void showModeControls();
    void buildLevelLabels();
    void buildIntensityBoxes();
    void buildMemberLoadCaption();
    void applyOptions(const PanelOptions& kept);
    // Places what depends on the panel's size: the intensity boxes' rows, the plan area, the
    // level column and the member-load label.
    void layoutControls();
    double placeIntensityBoxes();
    void keepMemberLoadsOverPlan();
    // The zoom or pan changed: the plan is drawn again, without a highlight.
    void viewChanged();
    void setMenuOption(bool& option, bool on);
    void drawPlan();
    void drawHighlight(QPainter& painter, const QtSurface& surface);
    PlacedLabel* levelLabel(int level) const;

    TwipsScale scale_;
    std::shared_ptr<const ListingDocument> document_;
    int level_ = 0;
    PickBoxes boxes_;
    QString planMessage_;
    PointerFacts pointerFacts_;
    int highlighted_ = 0;
    bool memberNumbersBeside_ = false;
    bool memberLoadsOnBeams_ = false;
    bool markPanelsWithoutLoad_ = false;
    float dragStartX_ = 0;
    int plansDrawn_ = 0;
};

}  // namespace fp
