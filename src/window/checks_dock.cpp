// The Checks dock: a caption with the counts over the list of the findings, and the accepted
// findings apart below it.
#include "window/checks_dock.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/number_text.h"
#include "render/listing_qstring.h"
#include "window/document_session.h"
#include "window/fitted_columns.h"

namespace fp {
namespace {

enum Column { kSeverity, kLevel, kKind, kLines, kCase, kText, kColumns };
enum AcceptedColumn { kAcceptedLevel, kAcceptedKind, kAcceptedCase, kReason, kAcceptedText };
// The role of a row's index into the findings.
constexpr int kIndexRole = Qt::UserRole;
// Rows either list keeps in sight however the docks beside it are stacked.
constexpr int kRowsKept = 5;

QString linesText(const std::vector<long>& lines) {
    QStringList texts;
    for (const long line : lines) {
        texts << QString::number(line);
    }
    return texts.join(QStringLiteral(", "));
}

QString levelText(const ListingDocument& document, const Finding& finding) {
    return finding.level == 0
               ? QStringLiteral("Listing")
               : QString::fromStdString(
                     valueText(static_cast<float>(metres(document.levelHeight(finding.level))))) +
                     QStringLiteral(" m");
}

QString kindText(const Finding& finding) {
    const std::string_view title = kindTitle(finding.kind);
    return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

// Measures a row's cells at their columns' widths, so that a long text takes the lines it wraps
// into rather than one line cut short.
class WrappingDelegate : public QStyledItemDelegate {
  public:
    explicit WrappingDelegate(QTreeView* tree) : QStyledItemDelegate(tree), tree_(tree) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem measured(option);
        // Any height: the style wraps only within a rectangle that is valid.
        measured.rect = QRect(0, 0, tree_->header()->sectionSize(index.column()), 1);
        measured.features |= QStyleOptionViewItem::WrapText;
        return QStyledItemDelegate::sizeHint(measured, index);
    }

  private:
    QTreeView* tree_;
};

// A list whose long sentences wrap in their column instead of widening it past the dock.
QTreeWidget* findingsList(const char* name, const QStringList& headers, int textColumn) {
    auto* list = new QTreeWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setColumnCount(static_cast<int>(headers.size()));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setWordWrap(true);
    list->setUniformRowHeights(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->header()->setStretchLastSection(false);
    fitColumnsAround(*list, *list->header(), textColumn);
    list->setItemDelegate(new WrappingDelegate(list));
    // A tree keeps its rows' heights as they were first measured; a sentence wraps into more or
    // fewer lines as its column widens or narrows, so they are measured again.
    QObject::connect(
        list->header(), &QHeaderView::sectionResized, list, [list] { list->doItemsLayout(); },
        Qt::QueuedConnection);
    const int row = list->fontMetrics().height() + 4;
    list->setMinimumHeight(list->header()->sizeHint().height() + kRowsKept * row);
    return list;
}

QString askReasonInDialog(QWidget* parent, const Finding& finding) {
    return QInputDialog::getText(
               parent, QStringLiteral("Accept Finding"),
               QStringLiteral("%1\n\nWhy is it as meant? The reason is kept with the listing.")
                   .arg(QString::fromStdString(finding.sentence)))
        .trimmed();
}

}  // namespace

ChecksDock::ChecksDock(DocumentSession& session, QWidget* parent)
    : QDockWidget(QStringLiteral("Checks"), parent), session_(session) {
    setObjectName(QStringLiteral("checksDock"));
    askReason = askReasonInDialog;
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    caption = new QLabel;
    caption->setObjectName(QStringLiteral("checksCaption"));
    caption->setWordWrap(true);
    list = findingsList(
        "checksList",
        {QStringLiteral("Severity"), QStringLiteral("Level"), QStringLiteral("Kind"),
         QStringLiteral("Line"), QStringLiteral("Case"), QStringLiteral("What to check")},
        kText);
    acceptButton = new QPushButton(QStringLiteral("&Accept…"));
    acceptButton->setObjectName(QStringLiteral("acceptButton"));
    acceptButton->setToolTip(
        QStringLiteral("Accept the finding chosen, with a reason: it is no longer a warning"));
    withdrawButton = new QPushButton(QStringLiteral("&Take Back"));
    withdrawButton->setObjectName(QStringLiteral("withdrawButton"));
    withdrawButton->setToolTip(QStringLiteral("Count the accepted finding chosen again"));
    acceptedCaption = new QLabel;
    acceptedCaption->setObjectName(QStringLiteral("acceptedCaption"));
    acceptedCaption->setWordWrap(true);
    acceptedList =
        findingsList("acceptedList",
                     {QStringLiteral("Level"), QStringLiteral("Kind"), QStringLiteral("Case"),
                      QStringLiteral("Reason"), QStringLiteral("What was found")},
                     kAcceptedText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(acceptButton);
    buttons->addWidget(withdrawButton);
    layout->addWidget(caption);
    layout->addWidget(list, 2);
    layout->addLayout(buttons);
    layout->addWidget(acceptedCaption);
    layout->addWidget(acceptedList, 1);
    setWidget(contents);

    for (QTreeWidget* shown : {list, acceptedList}) {
        const auto choose = [this](QTreeWidgetItem* item) {
            if (const JudgedFinding* judged = judgedOf(item); judged != nullptr && !filling_) {
                emit findingChosen(*judged->finding);
            }
        };
        connect(shown, &QTreeWidget::currentItemChanged, this,
                [choose](QTreeWidgetItem* current) { choose(current); });
        connect(shown, &QTreeWidget::itemClicked, this,
                [choose](QTreeWidgetItem* item) { choose(item); });
    }
    connect(list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { acceptButton->setEnabled(current != nullptr); });
    connect(acceptedList, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { withdrawButton->setEnabled(current != nullptr); });
    connect(acceptButton, &QPushButton::clicked, this, &ChecksDock::acceptChosen);
    connect(withdrawButton, &QPushButton::clicked, this, &ChecksDock::withdrawChosen);
    connect(&session_, &DocumentSession::documentChanged, this, &ChecksDock::showFindings);
    connect(&session_, &DocumentSession::findingsChanged, this, &ChecksDock::showFindings);
    showFindings();
}

const JudgedFinding* ChecksDock::judgedOf(const QTreeWidgetItem* item) const {
    if (item == nullptr) {
        return nullptr;
    }
    const int index = item->data(0, kIndexRole).toInt();
    return index >= 0 && static_cast<std::size_t>(index) < judged_.size()
               ? &judged_[static_cast<std::size_t>(index)]
               : nullptr;
}

void ChecksDock::showFindings() {
    filling_ = true;
    list->clear();
    acceptedList->clear();
    acceptButton->setEnabled(false);
    withdrawButton->setEnabled(false);
    const ListingDocument* document = session_.document();
    judged_ = session_.judgedFindings();
    if (document == nullptr) {
        caption->setText(QStringLiteral("No listing is on show."));
        acceptedCaption->clear();
        filling_ = false;
        return;
    }
    const JudgedCounts counts = countJudged(judged_);
    const int open = counts.open.warnings + counts.open.notes;
    caption->setText(
        judged_.empty() ? QStringLiteral("The check finds nothing wrong in this listing.")
        : open == 0     ? QStringLiteral("Every finding is accepted.")
                        : QString::fromStdString(findingCountsText(counts.open)) +
                          QStringLiteral(". Choose one to see its place on the plan."));
    acceptedCaption->setText(
        !session_.acceptedProblem().isEmpty()
            ? session_.acceptedProblem()
            : QStringLiteral("Accepted (%1), kept in %2.frameplan.json beside the listing:")
                  .arg(counts.accepted)
                  .arg(session_.fileName()));
    QList<QTreeWidgetItem*> openItems;
    QList<QTreeWidgetItem*> acceptedItems;
    for (std::size_t i = 0; i < judged_.size(); ++i) {
        const Finding& finding = *judged_[i].finding;
        auto* item = new QTreeWidgetItem;
        item->setData(0, kIndexRole, static_cast<int>(i));
        const QString sentence = QString::fromStdString(finding.sentence);
        if (const AcceptedFinding* accepted = judged_[i].accepted) {
            item->setText(kAcceptedLevel, levelText(*document, finding));
            item->setText(kAcceptedKind, kindText(finding));
            item->setText(kAcceptedCase, qStringFromListing(finding.caseNumber.abbreviated()));
            item->setText(kReason, QString::fromStdString(accepted->reason));
            item->setText(kAcceptedText, sentence);
            acceptedItems << item;
            continue;
        }
        const bool warning = finding.severity == Severity::Warning;
        item->setIcon(kSeverity, QApplication::style()->standardIcon(
                                     warning ? QStyle::SP_MessageBoxWarning
                                             : QStyle::SP_MessageBoxInformation));
        item->setText(kSeverity, warning ? QStringLiteral("Warning") : QStringLiteral("Note"));
        item->setText(kLevel, levelText(*document, finding));
        item->setText(kKind, kindText(finding));
        item->setText(kLines, linesText(finding.lines));
        item->setText(kCase, qStringFromListing(finding.caseNumber.abbreviated()));
        item->setText(kText, sentence);
        item->setToolTip(kText, sentence);
        openItems << item;
    }
    list->addTopLevelItems(openItems);
    acceptedList->addTopLevelItems(acceptedItems);
    fitColumnsAround(*list, *list->header(), kText);
    fitColumnsAround(*acceptedList, *acceptedList->header(), kAcceptedText);
    filling_ = false;
}

void ChecksDock::acceptChosen() {
    const JudgedFinding* judged = judgedOf(list->currentItem());
    if (judged == nullptr) {
        return;
    }
    const QString reason = askReason(this, *judged->finding);
    if (!reason.isEmpty() && !session_.accept(*judged, reason.toStdString())) {
        emit acceptingFailed(session_.acceptedProblem());
    }
}

void ChecksDock::withdrawChosen() {
    const JudgedFinding* judged = judgedOf(acceptedList->currentItem());
    if (judged != nullptr && !session_.accept(*judged, {})) {
        emit acceptingFailed(session_.acceptedProblem());
    }
}

}  // namespace fp
