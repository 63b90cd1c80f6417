// "Properties": a dockable table of what is selected on the plan — one beam with its share of
// the loads, one panel, one column with its whole takedown, or a row for each of several with
// their totals. A listing line in it is a link to the Listing dock;
// Ctrl+C copies the table as tab-separated text.
#pragma once

#include <QDockWidget>
#include <QString>

#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "inspect/facts_table.h"
#include "inspect/selection.h"

class QLabel;
class QTableWidget;

namespace fp {

class PropertiesDock : public QDockWidget {
    Q_OBJECT
  public:
    explicit PropertiesDock(QWidget* parent);

    // The facts of what is selected on `level`.
    void showSelection(const ListingDocument& document, int level, const LevelSelection& selection,
                       const std::vector<Finding>& findings, char decimalSeparator);
    // Rows after the facts on show, one for each value, under `property`: what changed in the
    // listing compared with.
    void addRows(const std::string& property, const std::vector<std::string>& values);
    // A text in place of the table: nothing is selected, or no listing is on show.
    void showNote(const QString& text);
    // The table on show as tab-separated text; empty when none is.
    QString tableText() const;
    // Puts tableText() on the clipboard.
    void copy() const;

    QLabel* caption = nullptr;
    QTableWidget* table = nullptr;

  signals:
    // A listing line of the table was chosen.
    void listingLineChosen(long line);

  private:
    void fill(const FactsTable& facts);
    // The takedown of the column's stack, from its top down to its base.
    void showColumn(const ListingDocument& document, int level, const LevelColumn& column);

    FactsTable facts_;
};

}  // namespace fp
