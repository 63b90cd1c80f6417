// The bar above the plan: "Member Load" and "Floor Load", "LOAD TYPE", "Column Loads" with the
// load case or combination they are for, the load cases whose loads are written, and in floor-load
// mode "FLOADS ->", "Chk All" and one box per floor-load intensity, in member-load mode "Beem Nos"
// and the draggable list of member-load values. The controls wrap onto further rows when the window
// is narrow. They show the session's view and change it only through the session.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QToolButton;

namespace fp {

class DocumentSession;
class MemberLoadsStrip;

class ControlBar : public QWidget {
    Q_OBJECT
  public:
    explicit ControlBar(DocumentSession& session, QWidget* parent = nullptr);

    QRadioButton* memberLoadOption = nullptr;  // "Member Load"
    QRadioButton* floorLoadOption = nullptr;   // "Floor Load"
    QCheckBox* loadTypeBox = nullptr;          // "LOAD TYPE": load-case numbers on the loads
    QCheckBox* beamNumbersBox = nullptr;       // "Beem Nos": member numbers on the beams
    QLabel* intensitiesLabel = nullptr;        // "FLOADS ->"
    QCheckBox* allIntensitiesBox = nullptr;    // "Chk All"
    // One per floor-load intensity, ascending.
    std::vector<QCheckBox*> intensityBoxes;
    MemberLoadsStrip* memberLoads = nullptr;

    // The controls in the order Tab goes through them.
    std::vector<QWidget*> focusOrder() const;
    QCheckBox* columnLoadsBox = nullptr;  // "Column Loads": each column's load below the level
    // The load case or combination the column loads are for: every case with floor or member
    // loads, then every combination.
    QComboBox* columnLoadChoice = nullptr;
    // The load cases whose floor and member loads the plan writes: a menu of "All cases" and
    // every case with its title, each ticked while its loads are written. The button reads
    // "All cases", or the cases chosen: "Cases 1, 3 of 4".
    QToolButton* casesButton = nullptr;

  signals:
    // A control was used: the plan takes the focus back, so the level keys go on working.
    void planFocusWanted();

  private:
    void buildIntensityBoxes();
    void buildColumnLoadChoices();
    // A case's entry chosen in the menu: a case written is no longer, and one not written is.
    // Taking off the last case written leaves every case written, as a plan without any load
    // case would be a plan without loads.
    void caseChosen(const std::string& number);
    // As the menu opens: makes its entries the first time for the listing on show, and ticks
    // those of the cases written. A listing may have thousands of cases, which neither its
    // reading nor every change of the view should walk.
    void prepareCaseMenu();
    // The column loads ticked on, or changed to another case or combination.
    void columnLoadsChosen();
    // Shows the session's view: the mode's controls and every tick.
    void showView();
    // The cases chosen, on the button.
    void showCases();
    // An option was chosen, with the mouse or the keyboard: its mode is applied.
    void modeChosen();

    DocumentSession& session_;
    // The intensity boxes' row, or the member-load values, as the mode asks.
    QWidget* listRow_ = nullptr;
    QWidget* boxesRow_ = nullptr;
};

}  // namespace fp
