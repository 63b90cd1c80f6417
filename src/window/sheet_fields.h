// The sheet a plan goes on and the job its title block names, as the export, print and page
// setup dialogs offer them.
#pragma once

#include <QWidget>

#include "window/sheet_choice.h"

class QComboBox;
class QLineEdit;

namespace fp {

// Paper, orientation and scale, then the job's name, number, engineer and checker, each field
// showing the listing's own value greyed while it is left empty. Where the printer's dialog
// already asks for the paper, the form leaves paper and orientation out.
class SheetFields : public QWidget {
    Q_OBJECT
  public:
    enum class Paper { Asked, LeftToPrinter };

    SheetFields(const SheetChoice& choice, const JobInformation& listed, Paper paper,
                QWidget* parent = nullptr);

    SheetChoice choice() const;

  private:
    QComboBox* paper_ = nullptr;
    QComboBox* orientation_ = nullptr;
    QComboBox* scale_ = nullptr;
    QLineEdit* jobName_ = nullptr;
    QLineEdit* jobNumber_ = nullptr;
    QLineEdit* engineer_ = nullptr;
    QLineEdit* checker_ = nullptr;
    // Not asked for here; kept as chosen.
    JobInformation unasked_;
    PageSetup pageKept_;
};

}  // namespace fp
