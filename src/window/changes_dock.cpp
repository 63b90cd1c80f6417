// The Changes dock: the comparison report as a tree.
#include "window/changes_dock.h"

#include <QTreeWidget>

#include "compare/comparison_report.h"
#include "window/document_session.h"

namespace fp {
namespace {

constexpr int kHeightRole = Qt::UserRole;
// The place of the beam a change is about: its start and the joint it runs to.
constexpr int kBeamRole = Qt::UserRole + 1;

QVariantList placeData(const BeamPlace& place) {
    return {place.from.x, place.from.z, place.to.x, place.to.z};
}

}  // namespace

ChangesDock::ChangesDock(DocumentSession& session, QWidget* parent)
    : QDockWidget(QStringLiteral("Changes"), parent), session_(session) {
    setObjectName(QStringLiteral("changesDock"));
    list = new QTreeWidget;
    list->setHeaderHidden(true);
    list->setObjectName(QStringLiteral("changesList"));
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(list);
    connect(list, &QTreeWidget::itemActivated, this, &ChangesDock::goTo);
    connect(list, &QTreeWidget::currentItemChanged, this, &ChangesDock::goTo);
    connect(&session_, &DocumentSession::comparisonChanged, this, &ChangesDock::showChanges);
}

void ChangesDock::showChanges() {
    const QSignalBlocker quiet(list);
    list->clear();
    const ListingComparison* comparison = session_.comparison();
    if (comparison == nullptr) {
        return;
    }
    const std::vector<ReportSection> sections = comparisonReport(*comparison);
    if (sections.empty()) {
        new QTreeWidgetItem(list, {QStringLiteral("No differences.")});
    }
    for (const ReportSection& section : sections) {
        auto* heading = new QTreeWidgetItem(list, {QString::fromStdString(section.heading)});
        for (const ReportLine& line : section.lines) {
            auto* item = new QTreeWidgetItem(heading, {QString::fromStdString(line.text)});
            if (section.height) {
                item->setData(0, kHeightRole, *section.height);
            }
            if (line.beam) {
                item->setData(0, kBeamRole, placeData(*line.beam));
            }
        }
        if (section.height) {
            heading->setData(0, kHeightRole, *section.height);
        }
        heading->setExpanded(true);
    }
}

void ChangesDock::goTo(QTreeWidgetItem* item) {
    const ListingDocument* shown = session_.document();
    if (item == nullptr || shown == nullptr || !item->data(0, kHeightRole).isValid()) {
        return;
    }
    const int level = shown->levelAtHeight(item->data(0, kHeightRole).toFloat());
    if (level <= 0) {
        return;
    }
    session_.showLevel(level);
    const QVariant place = item->data(0, kBeamRole);
    if (!place.isValid()) {
        return;
    }
    // A level past its beam limit has no plan to select on.
    for (const LevelBeam& beam : shown->level(level).beams) {
        if (placeData(placeOf(beam)) == place.toList()) {
            session_.showSelected({SelectedItem::beam(beam.member)});
            return;
        }
    }
}

}  // namespace fp
