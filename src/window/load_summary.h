// "Load Summary": a dockable table of the floor load on the level on show, per load case, for
// checking against the analysis' reactions.
#pragma once

#include <QDockWidget>
#include <QString>

#include "document/listing_document.h"
#include "panels/level_totals.h"

class QLabel;
class QTableWidget;

namespace fp {

class LoadSummary : public QDockWidget {
    Q_OBJECT
  public:
    explicit LoadSummary(QWidget* parent);

    // The level's totals: a caption with its panels, and a row per floor-load case.
    void showTotals(const ListingDocument& document, const LevelTotals& totals,
                    char decimalSeparator);
    // A text in place of the totals: why the level has none, or that no level is on show.
    void showNote(const QString& text);

    QLabel* caption = nullptr;
    QTableWidget* table = nullptr;
};

}  // namespace fp
