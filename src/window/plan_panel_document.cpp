// Showing a document: the controls built from it, the plan area framed on it, the first plan.
#include <algorithm>
#include <string>
#include <vector>

#include "document/startup_texts.h"
#include "plan/plan_frame.h"
#include "render/decimal_separator.h"
#include "window/plan_panel.h"

namespace fp {
namespace {

constexpr int kCaptionPaddingPixels = 4;

}  // namespace

void PlanPanel::showDocument(std::shared_ptr<const ListingDocument> document,
                             const PanelOptions* kept) {
    const PlanZoom zoom = planArea->zoom();
    const bool sameFrame = document_ && planFrame(document_->grid) == planFrame(document->grid);
    document_ = std::move(document);
    level_ = 0;
    highlighted_ = 0;
    buildLevelLabels();
    buildIntensityBoxes();
    buildMemberLoadCaption();
    if (kept != nullptr) {
        applyOptions(*kept);
    }
    showModeControls();
    show();
    planArea->setModelFrame(planFrame(document_->grid));
    // A listing read again over the same grid keeps the part of it on show.
    if (kept != nullptr && sameFrame) {
        planArea->setZoom(zoom);
    }
    layoutControls();
    int start = startLevel(*document_);
    if (kept != nullptr && kept->levelHeight) {
        for (int level = 1; level <= document_->levelCount(); ++level) {
            if (document_->levelHeight(level) == *kept->levelHeight) {
                start = level;
            }
        }
    }
    if (start > 0) {
        selectLevel(start);
    } else {
        drawPlan();
        emit levelShown();
    }
    showModeControls();
    planArea->setFocus(Qt::OtherFocusReason);
}

PanelOptions PlanPanel::options() const {
    PanelOptions options;
    if (document_ && level_ >= 1) {
        options.levelHeight = document_->levelHeight(level_);
    }
    options.memberMode = memberLoadOption->isChecked();
    options.loadType = loadTypeBox->checkState();
    options.beamNumbers = beamNumbersBox->checkState();
    options.allIntensities = allIntensitiesBox->checkState();
    for (std::size_t i = 0; i < intensityBoxes.size(); ++i) {
        options.intensities.emplace_back(document_->floorIntensities[i],
                                         intensityBoxes[i]->checkState());
    }
    options.memberLoadsLeft = memberLoadsLabel->twipsGeometry().left;
    return options;
}

void PlanPanel::applyOptions(const PanelOptions& kept) {
    (kept.memberMode ? memberLoadOption : floorLoadOption)->setChecked(true);
    loadTypeBox->setEnabled(!kept.memberMode);
    loadTypeBox->setState(kept.loadType);
    beamNumbersBox->setState(kept.beamNumbers);
    allIntensitiesBox->setState(kept.allIntensities);
    for (std::size_t i = 0; i < intensityBoxes.size(); ++i) {
        for (const auto& [intensity, state] : kept.intensities) {
            if (intensity == document_->floorIntensities[i]) {
                intensityBoxes[i]->setState(state);
            }
        }
    }
    memberLoadsLabel->moveToTwipsLeft(kept.memberLoadsLeft);
}

void PlanPanel::buildLevelLabels() {
    for (PlacedLabel* label : levelLabels) {
        delete label;
    }
    levelLabels.clear();
    const std::vector<std::string> captions = fp::levelLabels(*document_);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const int level = static_cast<int>(i) + 1;
        auto* label = new PlacedLabel(levelColumn->labels(), scale_);
        label->setObjectName(QStringLiteral("levelLabel%1").arg(level));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setText(QString::fromStdString(captions[i]));
        label->setVisible(true);
        connect(label, &PlacedLabel::clicked, this, [this, level] {
            selectLevel(level);
            planArea->setFocus(Qt::OtherFocusReason);
        });
        levelLabels.push_back(label);
    }
}

void PlanPanel::buildIntensityBoxes() {
    for (PlacedCheckBox* box : intensityBoxes) {
        delete box;
    }
    intensityBoxes.clear();
    const std::vector<std::string> captions = intensityCaptions(*document_, userDecimalSeparator());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* box = new PlacedCheckBox(this, scale_);
        box->setObjectName(QStringLiteral("intensityBox%1").arg(i + 1));
        box->setFont(allIntensitiesBox->font());
        box->setText(QString::fromStdString(captions[i]));
        box->setState(Qt::Checked);
        box->setVisible(true);
        connect(box, &QCheckBox::clicked, this, &PlanPanel::annotationClicked);
        intensityBoxes.push_back(box);
    }
}

void PlanPanel::buildMemberLoadCaption() {
    const QString caption =
        QString::fromStdString(memberLoadCaption(*document_, userDecimalSeparator()));
    memberLoadsLabel->setText(caption);
    // At its designed width the label shows "Member Loads" and none of the values; it grows
    // to the right to show them all (and can be dragged sideways out of the way).
    TwipsRect place = memberLoadsLabel->twipsGeometry();
    const double needed = scale_.toTwips(
        memberLoadsLabel->fontMetrics().horizontalAdvance(caption) + kCaptionPaddingPixels);
    place.width = std::max(kMemberLoadsPlace.width, needed);
    memberLoadsLabel->setTwipsGeometry(place);
}

}  // namespace fp
