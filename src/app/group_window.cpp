// The main window's controls, as designed, and the wiring of their events to the handlers.
#include "app/group_window.h"

#include <QFont>
#include <QPalette>

namespace fp {

namespace {

constexpr double kClientWidthTwips = 13755;
constexpr double kClientHeightTwips = 7500;

QFont faceFont(const char* family, double points) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

Group::Group(ModelStore& model, PlatformServices& services, const TwipsScale& scale)
    : model_(model), services_(services), scale_(scale) {
    setObjectName(QStringLiteral("Group"));
    // The form and its labels, check boxes and option buttons sit on the window colour.
    QPalette windowColours = palette();
    windowColours.setColor(QPalette::Window, windowColours.color(QPalette::Base));
    setPalette(windowColours);
    setAutoFillBackground(true);
    setFont(faceFont("Liberation Sans", 8));
    resize(scale_.toPixels(kClientWidthTwips), scale_.toPixels(kClientHeightTwips));
    buildControls();
    connectHandlers();
}

void Group::buildControls() {
    // Created in tab order, so focus moves between them as designed.
    LabMlloads = new ToolLabel(this, scale_);
    LabMlloads->setObjectName(QStringLiteral("LabMlloads"));
    LabMlloads->setCaption(QStringLiteral("Member Loads"));
    LabMlloads->setFont(faceFont("Liberation Sans Narrow", 12));
    LabMlloads->setTwipsGeometry({8640, 120, 1365, 300});

    ChkUDL.push_back(new ToolCheckBox(this, scale_));
    ChkUDL[0]->setObjectName(QStringLiteral("ChkUDL_0"));
    ChkUDL[0]->setCaption(QStringLiteral("Chk All"));
    ChkUDL[0]->setCheckState(Qt::Checked);
    ChkUDL[0]->setTwipsGeometry({7560, 240, 900, 255});

    OptMemb = new ToolOptionButton(this, scale_);
    OptMemb->setObjectName(QStringLiteral("OptMemb"));
    OptMemb->setCaption(QStringLiteral("Member Load"));
    OptMemb->setTwipsGeometry({1560, 120, 1335, 375});

    OptFloor = new ToolOptionButton(this, scale_);
    OptFloor->setObjectName(QStringLiteral("OptFloor"));
    OptFloor->setCaption(QStringLiteral("Floor Load"));
    OptFloor->setValue(true);
    OptFloor->setTwipsGeometry({3240, 120, 1215, 375});

    PicXZ = new PictureBox(this, scale_);
    PicXZ->setObjectName(QStringLiteral("PicXZ"));
    PicXZ->setTwipsGeometry({4320, 2520, 1455, 855});

    LabLvl = new ToolLabel(this, scale_);
    LabLvl->setObjectName(QStringLiteral("LabLvl"));
    LabLvl->setCaption(QStringLiteral("Level"));
    LabLvl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabLvl->setFont(faceFont("Liberation Sans", 14.25));
    LabLvl->setTwipsGeometry({120, 120, 1095, 375});

    Labyy.push_back(new ToolLabel(this, scale_));
    Labyy[0]->setObjectName(QStringLiteral("Labyy_0"));
    Labyy[0]->setCaption(QStringLiteral("93.60"));
    Labyy[0]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Labyy[0]->setTwipsGeometry({30, 840, 600, 270});
    // The template carries no level; only its copies are shown.
    Labyy[0]->setVisible(false);

    ChkType = new ToolCheckBox(this, scale_);
    ChkType->setObjectName(QStringLiteral("ChkType"));
    ChkType->setCaption(QStringLiteral("LOAD TYPE"));
    ChkType->setCheckState(Qt::Checked);
    ChkType->setTwipsGeometry({4920, 120, 1215, 375});

    LabUDLS = new ToolLabel(this, scale_);
    LabUDLS->setObjectName(QStringLiteral("LabUDLS"));
    LabUDLS->setCaption(QStringLiteral("FLOADS ->"));
    LabUDLS->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LabUDLS->setTwipsGeometry({6240, 240, 1095, 255});

    ChkBeeNos = new ToolCheckBox(this, scale_);
    ChkBeeNos->setObjectName(QStringLiteral("ChkBeeNos"));
    ChkBeeNos->setCaption(QStringLiteral("Beem Nos"));
    ChkBeeNos->setTwipsGeometry({6360, 120, 1215, 375});

    setTabOrder(ChkUDL[0], OptMemb);
    setTabOrder(OptMemb, OptFloor);
    setTabOrder(OptFloor, PicXZ);
    setTabOrder(PicXZ, ChkType);
    setTabOrder(ChkType, ChkBeeNos);
}

void Group::connectHandlers() {
    connect(ChkUDL[0], &ToolCheckBox::Click, this, [this] { ChkUDL_Click(0); });
    connect(ChkType, &ToolCheckBox::Click, this, &Group::ChkType_Click);
    connect(ChkBeeNos, &ToolCheckBox::Click, this, &Group::ChkBeeNos_Click);
    connect(OptFloor, &ToolOptionButton::MouseUp, this, &Group::OptFloor_MouseUp);
    connect(OptMemb, &ToolOptionButton::MouseUp, this, &Group::OptMemb_MouseUp);
    connect(PicXZ, &PictureBox::KeyDown, this, &Group::PicXZ_KeyDown);
    connect(PicXZ, &PictureBox::MouseDown, this,
            [this](Qt::MouseButton, QPointF planPoint) { PicXZ_MouseDown(planPoint); });
    connect(LabMlloads, &ToolLabel::MouseDown, this,
            [this](Qt::MouseButton, QPointF position) { LabMlloads_MouseDown(position); });
    connect(LabMlloads, &ToolLabel::MouseMove, this, &Group::LabMlloads_MouseMove);
}

ViewState Group::viewState() const {
    ViewState view;
    view.memberLoadMode = OptMemb->Value();
    view.beamNumbers = ChkBeeNos->Value();
    view.loadType = ChkType->Value();
    for (std::size_t i = 0; i < ChkUDL.size() && i < view.intensityBoxes.size(); ++i) {
        view.intensityBoxes[i] = ChkUDL[i]->Value();
    }
    return view;
}

double Group::outerWidthTwips() const {
    return scale_.toTwips(frameGeometry().width());
}

double Group::outerHeightTwips() const {
    return scale_.toTwips(frameGeometry().height());
}

}  // namespace fp
