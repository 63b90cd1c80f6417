// The sheet and job fields of the export, print and page setup dialogs.
#include "window/sheet_fields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <algorithm>

namespace fp {
namespace {

QLineEdit* jobField(QFormLayout* form, const QString& label, const QString& objectName,
                    const std::string& chosen, const std::string& listed) {
    auto* field = new QLineEdit(QString::fromStdString(chosen));
    field->setObjectName(objectName);
    field->setPlaceholderText(QString::fromStdString(listed));
    field->setClearButtonEnabled(true);
    form->addRow(label, field);
    return field;
}

std::string textOf(const QLineEdit* field) {
    return field->text().trimmed().toStdString();
}

}  // namespace

SheetFields::SheetFields(const SheetChoice& choice, const JobInformation& listed, Paper paper,
                         QWidget* parent)
    : QWidget(parent), unasked_(choice.job), pageKept_(choice.page) {
    setObjectName(QStringLiteral("sheetFields"));
    setWindowTitle(QStringLiteral("Sheet"));
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    if (paper == Paper::Asked) {
        paper_ = new QComboBox;
        paper_->setObjectName(QStringLiteral("sheetPaper"));
        paper_->addItems({QStringLiteral("A4"), QStringLiteral("A3")});
        paper_->setCurrentIndex(choice.page.paper == fp::Paper::A3 ? 1 : 0);
        orientation_ = new QComboBox;
        orientation_->setObjectName(QStringLiteral("sheetOrientation"));
        orientation_->addItem(QStringLiteral("Landscape"));
        orientation_->addItem(QStringLiteral("Portrait"));
        orientation_->setCurrentIndex(choice.page.orientation == Orientation::Portrait ? 1 : 0);
        form->addRow(QStringLiteral("&Paper:"), paper_);
        form->addRow(QStringLiteral("&Orientation:"), orientation_);
    }
    scale_ = new QComboBox;
    scale_->setObjectName(QStringLiteral("sheetScale"));
    scale_->addItem(QStringLiteral("Fit to the page"), 0);
    for (const int scale : kPlanScales) {
        scale_->addItem(QString::fromStdString(scaleText(scale)), scale);
    }
    scale_->setCurrentIndex(std::max(0, scale_->findData(choice.page.scale)));
    form->addRow(QStringLiteral("&Scale:"), scale_);
    jobName_ = jobField(form, QStringLiteral("&Job name:"), QStringLiteral("sheetJobName"),
                        choice.job.name, listed.name);
    jobNumber_ = jobField(form, QStringLiteral("Job &number:"), QStringLiteral("sheetJobNumber"),
                          choice.job.number, listed.number);
    engineer_ = jobField(form, QStringLiteral("&Engineer:"), QStringLiteral("sheetEngineer"),
                         choice.job.engineer, listed.engineer);
    checker_ = jobField(form, QStringLiteral("&Checker:"), QStringLiteral("sheetChecker"),
                        choice.job.checker, listed.checker);
}

SheetChoice SheetFields::choice() const {
    SheetChoice chosen{pageKept_, unasked_};
    if (paper_ != nullptr) {
        chosen.page.paper = paper_->currentIndex() == 1 ? fp::Paper::A3 : fp::Paper::A4;
        chosen.page.orientation =
            orientation_->currentIndex() == 1 ? Orientation::Portrait : Orientation::Landscape;
    }
    chosen.page.scale = scale_->currentData().toInt();
    chosen.job.name = textOf(jobName_);
    chosen.job.number = textOf(jobNumber_);
    chosen.job.engineer = textOf(engineer_);
    chosen.job.checker = textOf(checker_);
    return chosen;
}

}  // namespace fp
