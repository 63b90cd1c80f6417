// Column stacks as tables, page after page.
#include "render/takedown_pages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <algorithm>
#include <vector>

#include "render/listing_qstring.h"
#include "render/page_flow.h"
#include "structure/place_text.h"
#include "takedown/takedown_rows.h"

namespace fp {
namespace {

constexpr double kTitlePoints = 14;
constexpr double kTextPoints = 8;

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The widths of a stack's table: the level and the column at its left, then two values for
// each case or combination.
struct TableWidths {
    double level = 0;
    double column = 0;
    double value = 0;
    std::size_t choicesPerBand = 1;
};

TableWidths tableWidths(const QFontMetricsF& metrics, double pageWidth) {
    TableWidths widths;
    const double gap = metrics.horizontalAdvance(QStringLiteral("  "));
    widths.level = metrics.horizontalAdvance(QStringLiteral("-000.00 m")) + gap;
    widths.column = metrics.horizontalAdvance(QStringLiteral("Column")) + gap;
    widths.value = metrics.horizontalAdvance(QStringLiteral("-0000000.0")) + gap;
    const double room = pageWidth - widths.level - widths.column;
    widths.choicesPerBand =
        room > 2 * widths.value ? static_cast<std::size_t>(room / (2 * widths.value)) : 1;
    return widths;
}

void paintStack(PageFlow& flow, const ListingDocument& document, const Takedown& takedown,
                const ColumnStack& stack, const std::vector<LoadChoice>& choices,
                const TableWidths& widths) {
    const std::vector<ColumnRow> rows = stackRows(takedown, stack, choices);
    const double valuesLeft = widths.level + widths.column;
    for (std::size_t first = 0; first < choices.size(); first += widths.choicesPerBand) {
        const std::size_t last = std::min(choices.size(), first + widths.choicesPerBand);
        // The heading and the two head rows stay with the first row of the band.
        flow.keepRoomFor(flow.rowHeight() * 4);
        if (first == 0) {
            flow.paragraph(text(stackHeading(takedown, stack)), 0);
        }
        std::vector<PageFlow::Cell> names{
            {QStringLiteral("Level"), 0, widths.level, false},
            {QStringLiteral("Column"), widths.level, widths.column, false}};
        std::vector<PageFlow::Cell> heads;
        for (std::size_t c = first; c < last; ++c) {
            const double left = valuesLeft + 2 * widths.value * static_cast<double>(c - first);
            names.push_back({text(choiceName(document, takedown.cases, choices[c])), left,
                             2 * widths.value, false});
            heads.push_back({QStringLiteral("added"), left, widths.value, true});
            heads.push_back({QStringLiteral("below"), left + widths.value, widths.value, true});
        }
        flow.row(names);
        flow.row(heads);
        for (const ColumnRow& row : rows) {
            flow.keepRoomFor(flow.rowHeight());
            std::vector<PageFlow::Cell> cells{
                {text(levelHeightText(row.height)), 0, widths.level, false},
                {QString::number(row.member), widths.level, widths.column, false}};
            for (std::size_t c = first; c < last; ++c) {
                const double left = valuesLeft + 2 * widths.value * static_cast<double>(c - first);
                cells.push_back({text(kNText(row.added[c])), left, widths.value, true});
                cells.push_back(
                    {text(kNText(row.below[c])), left + widths.value, widths.value, true});
            }
            flow.row(cells);
        }
    }
    for (const ColumnRow& row : rows) {
        if (!row.remark.empty()) {
            flow.paragraph(text(levelHeightText(row.height) + ", column " +
                                std::to_string(row.member) + ": " + row.remark),
                           0);
        }
    }
    flow.space(flow.rowHeight());
}

}  // namespace

int paintTakedownPages(QPagedPaintDevice& device, QPainter& painter,
                       const ListingDocument& document, const Takedown& takedown,
                       const PageFooter& footer) {
    // Fonts of their own, not whatever the page before left: the pages are counted before they
    // are drawn, and must come out the same both times.
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPointSizeF(kTitlePoints);
    title.setBold(true);
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSizeF(kTextPoints);
    body.setBold(false);

    painter.save();
    painter.setPen(Qt::black);
    PageFlow flow(device, painter, footer);
    painter.setFont(title);
    flow.paragraph(QStringLiteral("Takedown of %1: loads in kN without self-weight")
                       .arg(qStringFromListing(document.name)),
                   flow.rowHeight() / 2);
    painter.setFont(body);
    flow.paragraph(QStringLiteral("For each column stack, at each level: the load reaching the "
                                  "column's top (added) and the load in the column below the "
                                  "level (below)."),
                   flow.rowHeight());
    if (!takedown.hasColumns) {
        flow.paragraph(QStringLiteral("The listing has no columns (no vertical members): every "
                                      "load stays at its joint, unsupported."),
                       flow.rowHeight());
    }
    const std::vector<LoadChoice> choices = takedown.cases.everyChoice();
    if (choices.empty()) {
        flow.paragraph(QStringLiteral("The listing has no floor or member loads."), 0);
        painter.restore();
        return flow.pages();
    }
    const TableWidths widths = tableWidths(QFontMetricsF(body, &device), flow.width());
    for (const ColumnStack& stack : takedown.stacks) {
        paintStack(flow, document, takedown, stack, choices, widths);
    }
    flow.keepRoomFor(flow.rowHeight() * 3);
    flow.paragraph(QStringLiteral("Equilibrium: applied (floor + member) = bases + unsupported, "
                                  "in kN without self-weight"),
                   0);
    for (const LoadChoice& choice : choices) {
        flow.paragraph(text(choiceName(document, takedown.cases, choice) + ": " +
                            equilibriumText(takedown, choice)),
                       0);
    }
    for (const int level : takedown.equilibrium.levelsLeftOut) {
        flow.paragraph(text("Level " + levelHeightText(document.levelHeight(level)) +
                            " is left out, past a drawing limit: its own loads are in neither "
                            "side."),
                       0);
    }
    painter.restore();
    return flow.pages();
}

}  // namespace fp
