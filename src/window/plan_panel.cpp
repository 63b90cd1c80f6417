// The client area's controls, at their designed places, and their wiring.
#include "window/plan_panel.h"

#include <QFont>
#include <QPalette>
#include <utility>

#include "render/decimal_separator.h"

namespace fp {
namespace {

QFont faceFont(const char* family, double points) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

PlanPanel::PlanPanel(const TwipsScale& scale) : scale_(scale) {
    setObjectName(QStringLiteral("PlanPanel"));
    // The panel and its labels, check boxes and option buttons sit on the window colour.
    QPalette windowColours = palette();
    windowColours.setColor(QPalette::Window, windowColours.color(QPalette::Base));
    setPalette(windowColours);
    setAutoFillBackground(true);
    setFont(faceFont("Liberation Sans", 8));
    resize(scale_.toPixels(kDesignedWidthTwips), scale_.toPixels(kDesignedHeightTwips));
    buildControls();
    connectControls();
    // Before any listing is read, as in floor-load mode.
    showModeControls();
}

void PlanPanel::buildControls() {
    levelColumn = new LevelColumn(this, scale_);

    // Made in tab order, so the focus moves between them as designed.
    memberLoadsLabel = new PlacedLabel(this, scale_);
    memberLoadsLabel->setObjectName(QStringLiteral("memberLoadsLabel"));
    memberLoadsLabel->setText(QStringLiteral("Member Loads"));
    memberLoadsLabel->setFont(faceFont("Liberation Sans Narrow", 12));
    memberLoadsLabel->setTwipsGeometry(kMemberLoadsPlace);

    allIntensitiesBox = new PlacedCheckBox(this, scale_);
    allIntensitiesBox->setObjectName(QStringLiteral("allIntensitiesBox"));
    allIntensitiesBox->setText(QStringLiteral("Chk All"));
    allIntensitiesBox->setState(Qt::Checked);
    allIntensitiesBox->setTwipsGeometry({7560, 240, 900, 255});

    memberLoadOption = new PlacedOptionButton(this, scale_);
    memberLoadOption->setObjectName(QStringLiteral("memberLoadOption"));
    memberLoadOption->setText(QStringLiteral("Member Load"));
    memberLoadOption->setTwipsGeometry({1560, 120, 1335, 375});

    floorLoadOption = new PlacedOptionButton(this, scale_);
    floorLoadOption->setObjectName(QStringLiteral("floorLoadOption"));
    floorLoadOption->setText(QStringLiteral("Floor Load"));
    floorLoadOption->setChecked(true);
    floorLoadOption->setTwipsGeometry({3240, 120, 1215, 375});

    planArea = new PlanArea(this, scale_);
    planArea->setObjectName(QStringLiteral("planArea"));
    planArea->setTwipsGeometry({4320, 2520, 1455, 855});

    levelHeightLabel = new PlacedLabel(this, scale_);
    levelHeightLabel->setObjectName(QStringLiteral("levelHeightLabel"));
    levelHeightLabel->setText(QStringLiteral("Level"));
    levelHeightLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    levelHeightLabel->setFont(faceFont("Liberation Sans", 14.25));
    levelHeightLabel->setTwipsGeometry({120, 120, 1095, 375});

    loadTypeBox = new PlacedCheckBox(this, scale_);
    loadTypeBox->setObjectName(QStringLiteral("loadTypeBox"));
    loadTypeBox->setText(QStringLiteral("LOAD TYPE"));
    loadTypeBox->setState(Qt::Checked);
    loadTypeBox->setTwipsGeometry({4920, 120, 1215, 375});

    floadsLabel = new PlacedLabel(this, scale_);
    floadsLabel->setObjectName(QStringLiteral("floadsLabel"));
    floadsLabel->setText(QStringLiteral("FLOADS ->"));
    floadsLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    floadsLabel->setTwipsGeometry({6240, 240, 1095, 255});

    beamNumbersBox = new PlacedCheckBox(this, scale_);
    beamNumbersBox->setObjectName(QStringLiteral("beamNumbersBox"));
    beamNumbersBox->setText(QStringLiteral("Beem Nos"));
    beamNumbersBox->setTwipsGeometry({6360, 120, 1215, 375});

    setTabOrder(allIntensitiesBox, memberLoadOption);
    setTabOrder(memberLoadOption, floorLoadOption);
    setTabOrder(floorLoadOption, planArea);
    setTabOrder(planArea, loadTypeBox);
    setTabOrder(loadTypeBox, beamNumbersBox);
    // Beneath every control, as the level labels it holds were made to lie.
    levelColumn->lower();
}

void PlanPanel::connectControls() {
    connect(allIntensitiesBox, &QCheckBox::clicked, this, &PlanPanel::allIntensitiesClicked);
    connect(loadTypeBox, &QCheckBox::clicked, this, &PlanPanel::annotationClicked);
    connect(beamNumbersBox, &QCheckBox::clicked, this, &PlanPanel::annotationClicked);
    for (const auto& [option, chosen] :
         {std::pair{floorLoadOption, &PlanPanel::floorLoadReleased},
          std::pair{memberLoadOption, &PlanPanel::memberLoadReleased}}) {
        connect(option, &PlacedOptionButton::mouseReleased, this, chosen);
        connect(option, &PlacedOptionButton::keyboardChosen, this, [this, chosen = chosen] {
            (this->*chosen)();
            // An arrow key puts the focus on the option it chose once its click is over; the
            // plan takes it back after that, as after a click.
            QMetaObject::invokeMethod(
                planArea, [this] { planArea->setFocus(Qt::OtherFocusReason); },
                Qt::QueuedConnection);
        });
    }
    connect(planArea, &PlanArea::keyPressed, this, &PlanPanel::stepLevel);
    connect(planArea, &PlanArea::pressed, this,
            [this](Qt::MouseButton, QPointF planPoint) { planPressed(planPoint); });
    connect(planArea, &PlanArea::hovered, this, &PlanPanel::pointerMoved);
    connect(planArea, &PlanArea::pointerLeft, this, [this] { emit pointerTextChanged({}); });
    connect(planArea, &PlanArea::viewChanged, this, &PlanPanel::viewChanged);
    connect(memberLoadsLabel, &PlacedLabel::pressed, this,
            [this](Qt::MouseButton, QPointF position) { memberLoadsPressed(position); });
    connect(memberLoadsLabel, &PlacedLabel::dragged, this, &PlanPanel::memberLoadsDragged);
}

PlanView PlanPanel::view() const {
    PlanView view;
    view.level = level_;
    view.mode = memberLoadOption->isChecked() ? LoadMode::Member : LoadMode::Floor;
    view.memberNumbers = beamNumbersBox->isTicked();
    view.memberNumbersBeside = memberNumbersBeside_;
    view.memberLoadsOnBeams = memberLoadsOnBeams_;
    view.markPanelsWithoutLoad = markPanelsWithoutLoad_;
    view.loadCaseNumbers = loadTypeBox->isTicked();
    view.decimalSeparator = userDecimalSeparator();
    if (document_) {
        for (std::size_t i = 0; i < intensityBoxes.size(); ++i) {
            if (intensityBoxes[i]->isTicked()) {
                view.shownIntensities.push_back(document_->floorIntensities[i]);
            }
        }
    }
    return view;
}

double PlanPanel::widthTwips() const {
    return scale_.toTwips(width());
}

double PlanPanel::heightTwips() const {
    return scale_.toTwips(height());
}

}  // namespace fp
