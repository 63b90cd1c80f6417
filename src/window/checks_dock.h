// "Checks": a dockable list of what the check of the listing on show found, one row per finding
// with its severity, level, kind, listing lines, load case and sentence, and apart from them the
// findings the engineer accepted, each with its reason. Choosing a row asks the window to show
// the finding's place; Accept takes the finding chosen out of the warnings with a reason.
#pragma once

#include <QDockWidget>
#include <QString>
#include <functional>
#include <vector>

#include "checks/accepted_findings.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace fp {

class DocumentSession;

class ChecksDock : public QDockWidget {
    Q_OBJECT
  public:
    ChecksDock(DocumentSession& session, QWidget* parent);

    // Asks for the reason a finding is accepted with; an empty text is a cancelled question. A
    // test puts its own in its place.
    std::function<QString(QWidget* parent, const Finding& finding)> askReason;

    QLabel* caption = nullptr;
    // The findings not accepted, then those accepted.
    QTreeWidget* list = nullptr;
    QLabel* acceptedCaption = nullptr;
    QTreeWidget* acceptedList = nullptr;
    QPushButton* acceptButton = nullptr;
    QPushButton* withdrawButton = nullptr;

    // Accepts the open finding chosen in the list with the reason asked for.
    void acceptChosen();
    // Takes back the acceptance chosen in the accepted list.
    void withdrawChosen();

  signals:
    // A row was chosen (clicked, or stepped to with the keys).
    void findingChosen(const fp::Finding& finding);
    // The accepted findings could not be written; the message tells why.
    void acceptingFailed(const QString& message);

  private:
    void showFindings();
    // The finding of a row; null for none.
    const JudgedFinding* judgedOf(const QTreeWidgetItem* item) const;

    DocumentSession& session_;
    std::vector<JudgedFinding> judged_;
    bool filling_ = false;
};

}  // namespace fp
