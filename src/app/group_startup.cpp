// Start-up of the main window: the listing, the controls built from it, and the first plan.
#include <cmath>
#include <string>
#include <vector>

#include "app/decimal_separator.h"
#include "app/group_window.h"
#include "grid/grid_derivation.h"
#include "plan/plan_scale.h"
#include "reader/listing_reader.h"
#include "reader/startup_texts.h"

namespace fp {

namespace {
constexpr double kIntensityBoxSpacingTwips = 900;
constexpr double kPlanLeftTwips = 650;
constexpr double kPlanTopTwips = 500;
constexpr double kPlanMarginTwips = 1200;
constexpr int kCaptionPaddingPixels = 4;
}  // namespace

void Group::Form_Load() {
    ListingReading reading;
    ReadListing(model_, services_, reading);
    buildLevelLabels();
    SortLoadValueLists(model_);
    buildIntensityBoxes();
    buildMemberLoadCaption();
    SetLoadModeControls();
    DeriveFrames(model_);
    show();
    preparePlanArea();
    const int start = StartLevel(model_);
    if (start > 0) {
        Labyy_Click(start);
    } else {
        drawPlan(0);
    }
    SetLoadModeControls();
}

void Group::buildLevelLabels() {
    const std::vector<std::string> captions = LevelLabels(model_);
    const int levels = static_cast<int>(captions.size());
    const double h = Labyy[0]->Height();
    // Centres the column on half the window's height; the half rounds to even.
    const double base = std::nearbyint((h * levels + outerHeightTwips()) / 2);
    for (int i = 1; i <= levels; ++i) {
        auto* label = new ToolLabel(this, scale_);
        label->setObjectName(QStringLiteral("Labyy_%1").arg(i));
        label->setFont(Labyy[0]->font());
        label->setAlignment(Labyy[0]->alignment());
        TwipsRect place = Labyy[0]->twipsGeometry();
        place.top = base - i * h;
        label->setTwipsGeometry(place);
        label->setCaption(QString::fromStdString(captions[static_cast<std::size_t>(i - 1)]));
        label->setVisible(true);
        connect(label, &ToolLabel::Click, this, [this, i] { Labyy_Click(i); });
        Labyy.push_back(label);
    }
}

void Group::buildIntensityBoxes() {
    const std::vector<std::string> captions = IntensityCaptions(model_, userDecimalSeparator());
    for (int d = 1; d <= static_cast<int>(captions.size()); ++d) {
        ToolCheckBox* box = createIntensityBox(d);
        box->setLeft(ChkUDL[static_cast<std::size_t>(d - 1)]->Left() + kIntensityBoxSpacingTwips);
        box->setCaption(QString::fromStdString(captions[static_cast<std::size_t>(d - 1)]));
        box->setValue(kTicked);
        box->setVisible(true);
    }
}

ToolCheckBox* Group::createIntensityBox(int index) {
    const ToolCheckBox& design = *ChkUDL[0];
    auto* box = new ToolCheckBox(this, scale_);
    box->setObjectName(QStringLiteral("ChkUDL_%1").arg(index));
    box->setFont(design.font());
    box->setTwipsGeometry(design.twipsGeometry());
    // Copied without a click, as a new element of a control array takes the template's value.
    box->setCheckState(design.checkState());
    box->setCaption(design.Caption());
    box->setVisible(design.Visible());
    connect(box, &ToolCheckBox::Click, this, [this, index] { ChkUDL_Click(index); });
    ChkUDL.push_back(box);
    return box;
}

void Group::buildMemberLoadCaption() {
    const QString caption =
        QString::fromStdString(MemberLoadCaption(model_, userDecimalSeparator()));
    LabMlloads->setCaption(caption);
    // At its designed width the label shows "Member Loads" and none of the values; it grows
    // to the right to show them all (and can be dragged sideways out of the way).
    const double needed = scale_.toTwips(LabMlloads->fontMetrics().horizontalAdvance(caption) +
                                         kCaptionPaddingPixels);
    if (needed > LabMlloads->Width()) {
        TwipsRect place = LabMlloads->twipsGeometry();
        place.width = needed;
        LabMlloads->setTwipsGeometry(place);
    }
}

void Group::preparePlanArea() {
    PicXZ->setTwipsGeometry({kPlanLeftTwips, kPlanTopTwips, outerWidthTwips() - kPlanMarginTwips,
                             outerHeightTwips() - kPlanMarginTwips});
    const PlanFrame frame = planFrame(model_);
    PicXZ->setUserScale({frame.left, frame.top, frame.right, frame.bottom});
}

}  // namespace fp
