// The banner above the plan that tells at once that the listing on show is incomplete (cut short,
// or with lines missing from its input echo) and what the check finds about it; a listing read
// whole shows none.
#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace fp {

class DocumentSession;

class ListingBanner : public QFrame {
    Q_OBJECT
  public:
    explicit ListingBanner(DocumentSession& session, QWidget* parent = nullptr);

    QLabel* headline = nullptr;
    QLabel* details = nullptr;
    QToolButton* dismissButton = nullptr;

  private:
    void showFindings();

    DocumentSession& session_;
};

}  // namespace fp
