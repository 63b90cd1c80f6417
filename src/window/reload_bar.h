// The bar above the plan that tells that the listing on show has changed on disk (the analysis
// was run again) and offers to read it again.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

namespace fp {

class ReloadBar : public QFrame {
    Q_OBJECT
  public:
    explicit ReloadBar(QWidget* parent);

    QLabel* text = nullptr;
    QPushButton* reloadButton = nullptr;   // "Reload"
    QToolButton* dismissButton = nullptr;  // hides the bar

  signals:
    void reloadClicked();
};

}  // namespace fp
