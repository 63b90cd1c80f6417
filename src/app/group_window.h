// The main window Group: the level labels, the load-mode and annotation controls, and the plan.
#pragma once

#include <QPointF>
#include <QWidget>
#include <vector>

#include "app/picture_box.h"
#include "app/tool_check_box.h"
#include "app/tool_label.h"
#include "app/tool_option_button.h"
#include "app/twips_scale.h"
#include "model/model_store.h"
#include "plan/beam_boxes.h"
#include "plan/view_state.h"
#include "reader/platform_services.h"

namespace fp {

class Group : public QWidget {
    Q_OBJECT
  public:
    // The window reads its listing into `model` through `services` in Form_Load.
    Group(ModelStore& model, PlatformServices& services, const TwipsScale& scale);

    // Start-up: reads the listing, builds the level labels, the intensity boxes and the
    // member-load caption, derives the framing, shows the window and draws the start level.
    // A listing that cannot be read throws RunEndingError before the window is shown.
    void Form_Load();

    // Selects a level (an index into GridY) and redraws it; every other handler ends here.
    void Labyy_Click(int index);
    // Up and down arrows step through the levels without wrapping; other keys do nothing.
    void PicXZ_KeyDown(int keyCode);
    void ChkBeeNos_Click();
    void ChkType_Click();
    void ChkUDL_Click(int index);
    void OptFloor_MouseUp();
    void OptMemb_MouseUp();
    // A press on the plan, in plan units: shows the serial number of the first beam hit.
    void PicXZ_MouseDown(QPointF planPoint);
    // The member-load label follows the pointer sideways while only the left button is held.
    void LabMlloads_MouseDown(QPointF positionTwips);
    void LabMlloads_MouseMove(Qt::MouseButtons buttons, QPointF positionTwips);

    // What the controls ask the plan to show.
    ViewState viewState() const;
    const BeamBoxes& beamBoxes() const { return boxes_; }
    // How many times the plan has been drawn since the window was built.
    int plansDrawn() const { return plansDrawn_; }
    const TwipsScale& scale() const { return scale_; }
    // The window's outer size (frame included), in twips.
    double outerWidthTwips() const;
    double outerHeightTwips() const;

    // The controls, by their names. Labyy and ChkUDL are indexed from 0, the design-time
    // element; Labyy(i) is the label of level i, ChkUDL(d) the box of the d-th intensity.
    ToolLabel* LabLvl = nullptr;
    ToolOptionButton* OptMemb = nullptr;
    ToolOptionButton* OptFloor = nullptr;
    ToolCheckBox* ChkType = nullptr;
    ToolCheckBox* ChkBeeNos = nullptr;
    ToolLabel* LabUDLS = nullptr;
    ToolLabel* LabMlloads = nullptr;
    PictureBox* PicXZ = nullptr;
    std::vector<ToolLabel*> Labyy;
    std::vector<ToolCheckBox*> ChkUDL;

  private:
    void buildControls();
    void connectHandlers();
    void SetLoadModeControls();
    void buildLevelLabels();
    void buildIntensityBoxes();
    void buildMemberLoadCaption();
    void preparePlanArea();
    void drawPlan(int level);
    ToolCheckBox* createIntensityBox(int index);

    ModelStore& model_;
    PlatformServices& services_;
    TwipsScale scale_;
    BeamBoxes boxes_;
    float DragStartX = 0;
    int plansDrawn_ = 0;
    // Set while "Chk All" is copied to the intensity boxes: their clicks wait for one redraw.
    bool copyingChkAll_ = false;
};

}  // namespace fp
