// "Changes": a dockable list of what changed between the listing on show and the earlier one it
// is compared with, under one heading per level. Choosing a change shows its level and selects
// the beam it is about.
#pragma once

#include <QDockWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace fp {

class DocumentSession;

class ChangesDock : public QDockWidget {
    Q_OBJECT
  public:
    ChangesDock(DocumentSession& session, QWidget* parent);

    QTreeWidget* list = nullptr;

  private:
    void showChanges();
    void goTo(QTreeWidgetItem* item);

    DocumentSession& session_;
};

}  // namespace fp
