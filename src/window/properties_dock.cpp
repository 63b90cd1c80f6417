// The Properties dock: a caption over a read-only table built from the selection's facts.
#include "window/properties_dock.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "inspect/selection_table.h"
#include "inspect/takedown_facts.h"
#include "plan/columns.h"
#include "window/fitted_columns.h"

namespace fp {
namespace {

// The table item's role that holds the listing line a cell links to.
constexpr int kLineRole = Qt::UserRole + 1;
// Columns are fitted to this many rows, so that a selection of hundreds is shown at once.
constexpr int kRowsMeasured = 40;
// Rows the table keeps in sight however the docks beside it are stacked.
constexpr int kRowsKept = 5;

// The column with the most text: it takes the room the others leave, and its texts wrap in it.
int widestColumn(const FactsTable& facts) {
    std::vector<std::size_t> text(facts.headers.size(), 0);
    for (const std::vector<FactsCell>& row : facts.rows) {
        for (std::size_t column = 0; column < row.size() && column < text.size(); ++column) {
            text[column] += row[column].text.size();
        }
    }
    return static_cast<int>(std::max_element(text.begin(), text.end()) - text.begin());
}

}  // namespace

PropertiesDock::PropertiesDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Properties"), parent) {
    setObjectName(QStringLiteral("propertiesDock"));
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    caption = new QLabel;
    caption->setObjectName(QStringLiteral("propertiesCaption"));
    caption->setWordWrap(true);
    table = new QTableWidget;
    table->setObjectName(QStringLiteral("propertiesTable"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
    table->setWordWrap(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() +
                            kRowsKept * (table->fontMetrics().height() + 6));
    // What is selected never widens the dock: the table scrolls or wraps inside it.
    table->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copyAction = new QAction(QStringLiteral("&Copy Table"), table);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyAction, &QAction::triggered, this, &PropertiesDock::copy);
    table->addAction(copyAction);
    addAction(copyAction);
    connect(table, &QTableWidget::cellActivated, this, [this](int row, int column) {
        const QTableWidgetItem* item = table->item(row, column);
        const long line = item != nullptr ? item->data(kLineRole).toLongLong() : 0;
        if (line > 0) {
            emit listingLineChosen(line);
        }
    });
    connect(table, &QTableWidget::cellClicked, table, &QTableWidget::cellActivated);
    layout->addWidget(caption);
    layout->addWidget(table, 1);
    setWidget(contents);
    showNote(QStringLiteral("Nothing is selected."));
}

void PropertiesDock::showSelection(const ListingDocument& document, int level,
                                   const LevelSelection& selection,
                                   const std::vector<Finding>& findings, char decimalSeparator) {
    const bool several = selection.count() > 1;
    std::vector<BeamFacts> beams;
    for (const auto& [serial, beam] : selection.beams) {
        beams.push_back(beamFacts(document, serial, beam, !several));
    }
    std::vector<PanelFacts> panels;
    for (const LevelPanel& panel : selection.panels) {
        panels.push_back(panelFacts(panel, level, findings));
    }
    if (selection.count() == 0) {
        showNote(QStringLiteral("Nothing is selected."));
        return;
    }
    if (several) {
        caption->setText(QStringLiteral("%1 selected").arg(selection.count()));
        fill(selectionSummary(document, beams, panels, decimalSeparator));
        std::vector<std::string> columns;
        for (const LevelColumn& column : selection.columns) {
            columns.push_back(columnLabel(column));
        }
        addRows("Column", columns);
    } else if (!beams.empty()) {
        caption->setText(QStringLiteral("Beam %1").arg(beams[0].serial));
        FactsTable table = beamTable(document, beams[0], decimalSeparator);
        addBeamShareRows(table, document, documentTakedown(document), level, beams[0].beam.member);
        fill(table);
    } else if (!panels.empty()) {
        caption->setText(QStringLiteral("Panel"));
        fill(panelTable(document, panels[0], decimalSeparator));
    } else {
        showColumn(document, level, selection.columns[0]);
    }
}

void PropertiesDock::showColumn(const ListingDocument& document, int level,
                                const LevelColumn& column) {
    const Takedown& takedown = documentTakedown(document);
    const ColumnStack* stack = stackAt(takedown, level, {column.x, column.z});
    const QString name = QString::fromStdString(columnLabel(column));
    if (stack == nullptr) {
        showNote(name + QStringLiteral(": no load reaches this column."));
        return;
    }
    caption->setText(QStringLiteral("Column %1, %2: its takedown in kN without self-weight")
                         .arg(QString::fromStdString(stack->name), name));
    fill(stackTable(document, takedown, *stack));
}

void PropertiesDock::addRows(const std::string& property, const std::vector<std::string>& values) {
    if (values.empty() || facts_.headers.empty()) {
        return;
    }
    for (const std::string& value : values) {
        std::vector<FactsCell> row(facts_.headers.size());
        row[0].text = property;
        row[1 % row.size()].text = value;
        facts_.rows.push_back(std::move(row));
    }
    fill(facts_);
}

void PropertiesDock::fill(const FactsTable& facts) {
    facts_ = facts;
    table->setUpdatesEnabled(false);
    table->clear();
    table->setColumnCount(static_cast<int>(facts.headers.size()));
    table->setRowCount(static_cast<int>(facts.rows.size()));
    QStringList headers;
    for (const std::string& header : facts.headers) {
        headers << QString::fromStdString(header);
    }
    table->setHorizontalHeaderLabels(headers);
    QFont linkFont = table->font();
    linkFont.setUnderline(true);
    for (int row = 0; row < table->rowCount(); ++row) {
        const std::vector<FactsCell>& cells = facts.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            const FactsCell& cell = cells[static_cast<std::size_t>(column)];
            auto* item = new QTableWidgetItem(QString::fromStdString(cell.text));
            if (cell.number) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (cell.line > 0) {
                item->setData(kLineRole, static_cast<qlonglong>(cell.line));
                item->setForeground(table->palette().color(QPalette::Link));
                item->setFont(linkFont);
                item->setToolTip(QStringLiteral("Show line %1 in the Listing").arg(cell.line));
            }
            table->setItem(row, column, item);
        }
    }
    fitColumnsAround(*table, *table->horizontalHeader(), widestColumn(facts));
    table->setUpdatesEnabled(true);
    table->show();
}

void PropertiesDock::showNote(const QString& text) {
    facts_ = {};
    caption->setText(text);
    table->clear();
    table->setRowCount(0);
    table->setColumnCount(0);
    table->hide();
}

QString PropertiesDock::tableText() const {
    return facts_.headers.empty() ? QString() : QString::fromStdString(tabSeparated(facts_));
}

void PropertiesDock::copy() const {
    const QString text = tableText();
    if (!text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

}  // namespace fp
