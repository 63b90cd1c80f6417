// The Checks dock: a caption with the counts over a list of the findings.
#include "window/checks_dock.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/number_text.h"
#include "render/listing_qstring.h"

namespace fp {
namespace {

enum Column { kSeverity, kLevel, kKind, kLines, kCase, kText, kColumns };

QString linesText(const std::vector<long>& lines) {
    QStringList texts;
    for (const long line : lines) {
        texts << QString::number(line);
    }
    return texts.join(QStringLiteral(", "));
}

QTreeWidgetItem* findingItem(const ListingDocument& document, const Finding& finding, int index) {
    auto* item = new QTreeWidgetItem;
    const bool warning = finding.severity == Severity::Warning;
    item->setIcon(kSeverity,
                  QApplication::style()->standardIcon(warning ? QStyle::SP_MessageBoxWarning
                                                              : QStyle::SP_MessageBoxInformation));
    item->setText(kSeverity, warning ? QStringLiteral("Warning") : QStringLiteral("Note"));
    item->setText(kLevel, finding.level == 0 ? QStringLiteral("Listing")
                                             : QString::fromStdString(valueText(static_cast<float>(
                                                   metres(document.levelHeight(finding.level))))) +
                                                   QStringLiteral(" m"));
    item->setText(kKind, QString::fromUtf8(kindTitle(finding.kind).data(),
                                           static_cast<qsizetype>(kindTitle(finding.kind).size())));
    item->setText(kLines, linesText(finding.lines));
    item->setText(kCase, qStringFromListing(finding.caseNumber.abbreviated()));
    const QString sentence = QString::fromStdString(finding.sentence);
    item->setText(kText, sentence);
    item->setToolTip(kText, sentence);
    item->setData(kSeverity, Qt::UserRole, index);
    return item;
}

}  // namespace

ChecksDock::ChecksDock(QWidget* parent) : QDockWidget(QStringLiteral("Checks"), parent) {
    setObjectName(QStringLiteral("checksDock"));
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    caption = new QLabel;
    caption->setObjectName(QStringLiteral("checksCaption"));
    caption->setWordWrap(true);
    list = new QTreeWidget;
    list->setObjectName(QStringLiteral("checksList"));
    list->setColumnCount(kColumns);
    list->setHeaderLabels({QStringLiteral("Severity"), QStringLiteral("Level"),
                           QStringLiteral("Kind"), QStringLiteral("Line"), QStringLiteral("Case"),
                           QStringLiteral("What to check")});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAlternatingRowColors(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(true);
    layout->addWidget(caption);
    layout->addWidget(list, 1);
    setWidget(contents);
    const auto choose = [this](QTreeWidgetItem* item) {
        if (!filling_ && item != nullptr) {
            emit findingChosen(item->data(kSeverity, Qt::UserRole).toInt());
        }
    };
    connect(list, &QTreeWidget::currentItemChanged, this,
            [choose](QTreeWidgetItem* current) { choose(current); });
    connect(list, &QTreeWidget::itemClicked, this,
            [choose](QTreeWidgetItem* item) { choose(item); });
}

void ChecksDock::showFindings(const ListingDocument* document,
                              const std::vector<Finding>& findings) {
    filling_ = true;
    list->clear();
    if (document == nullptr) {
        caption->setText(QStringLiteral("No listing is on show."));
        filling_ = false;
        return;
    }
    caption->setText(findings.empty()
                         ? QStringLiteral("The check finds nothing wrong in this listing.")
                         : QString::fromStdString(findingCountsText(countFindings(findings))) +
                               QStringLiteral(". Choose one to see its place on the plan."));
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        items << findingItem(*document, findings[i], static_cast<int>(i));
    }
    list->addTopLevelItems(items);
    filling_ = false;
}

}  // namespace fp
