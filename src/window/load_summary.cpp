// The Load Summary dock: a caption over a read-only table.
#include "window/load_summary.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "document/startup_texts.h"
#include "structure/place_text.h"

namespace fp {
namespace {

// Rows the table keeps in sight however the docks beside it are stacked.
constexpr int kRowsKept = 4;

QString panelsText(int count) {
    return count == 1 ? QStringLiteral("1 panel") : QStringLiteral("%1 panels").arg(count);
}

QTableWidgetItem* numberItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

LoadSummary::LoadSummary(QWidget* parent) : QDockWidget(QStringLiteral("Load Summary"), parent) {
    setObjectName(QStringLiteral("loadSummary"));
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    caption = new QLabel;
    caption->setObjectName(QStringLiteral("loadSummaryCaption"));
    caption->setWordWrap(true);
    caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table = new QTableWidget(0, 4);
    table->setObjectName(QStringLiteral("loadSummaryTable"));
    table->setHorizontalHeaderLabels({QStringLiteral("Load case"),
                                      QStringLiteral("Floor load (kN)"), QStringLiteral("Panels"),
                                      QStringLiteral("Panels without floor load")});
    table->horizontalHeaderItem(1)->setToolTip(
        QStringLiteral("Σ area × intensity over the level's panels"));
    table->horizontalHeaderItem(2)->setToolTip(
        QStringLiteral("Panels carrying a floor load of the case"));
    table->horizontalHeaderItem(3)->setToolTip(
        QStringLiteral("Panels carrying no floor load of the case"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    // A load case's title can be long: it wraps in its column, which takes the room the figures
    // leave, and the dock keeps its width whatever the level on show.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setWordWrap(true);
    table->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() +
                            kRowsKept * (table->fontMetrics().height() + 6));
    layout->addWidget(caption);
    layout->addWidget(table, 1);
    setWidget(contents);
}

void LoadSummary::showTotals(const ListingDocument& document, const LevelTotals& totals,
                             char decimalSeparator) {
    caption->setText(
        QStringLiteral("%1: %2, %3 without floor load")
            .arg(QString::fromStdString(
                     levelHeading(document.levelHeight(totals.level), decimalSeparator)),
                 panelsText(totals.panels))
            .arg(totals.panelsWithoutLoad) +
        (totals.cases.empty() ? QStringLiteral("; the listing has no floor loads.") : QString()));
    table->setRowCount(static_cast<int>(totals.cases.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const CaseTotal& total = totals.cases[static_cast<std::size_t>(row)];
        table->setItem(
            row, 0,
            new QTableWidgetItem(QString::fromStdString(loadCaseName(document, total.caseNumber))));
        table->setItem(row, 1,
                       numberItem(QString::number(total.load, 'f', 1)
                                      .replace(QLatin1Char('.'), QLatin1Char(decimalSeparator))));
        table->setItem(row, 2, numberItem(QString::number(total.panelsLoaded)));
        table->setItem(row, 3, numberItem(QString::number(total.panelsUnloaded)));
    }
    table->show();
}

void LoadSummary::showNote(const QString& text) {
    caption->setText(text);
    table->setRowCount(0);
    table->hide();
}

}  // namespace fp
