// "Checks": a dockable list of what the check of the listing on show found, one row per finding
// with its severity, level, kind, listing lines, load case and sentence. Choosing a row asks the
// window to show the finding's place.
#pragma once

#include <QDockWidget>
#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"

class QLabel;
class QTreeWidget;

namespace fp {

class ChecksDock : public QDockWidget {
    Q_OBJECT
  public:
    explicit ChecksDock(QWidget* parent);

    // The findings of `document`, in their order; with no document, an empty list.
    void showFindings(const ListingDocument* document, const std::vector<Finding>& findings);

    QLabel* caption = nullptr;
    QTreeWidget* list = nullptr;

  signals:
    // A row was chosen (clicked, or stepped to with the keys): its finding's index.
    void findingChosen(int index);

  private:
    bool filling_ = false;
};

}  // namespace fp
