// The progress of a slow reading in the status bar: shown once a reading has taken half a
// second, with a button that stops it.
#pragma once

#include <QTimer>
#include <QWidget>

#include "window/listing_loader.h"

class QLabel;
class QProgressBar;
class QToolButton;

namespace fp {

class ReadStatus : public QWidget {
    Q_OBJECT
  public:
    // How long a reading goes unremarked.
    static constexpr int kDelayMs = 500;

    ReadStatus(ListingLoader& loader, QWidget* parent);

    QLabel* text = nullptr;
    QProgressBar* bar = nullptr;
    QToolButton* cancelButton = nullptr;

  private:
    void began();
    void tell();

    ListingLoader& loader_;
    QTimer delay_;
    QTimer poll_;
};

}  // namespace fp
