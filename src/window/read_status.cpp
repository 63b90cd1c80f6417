// The reading's progress in the status bar.
#include "window/read_status.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace fp {
namespace {

constexpr int kPollMs = 100;
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

}  // namespace

ReadStatus::ReadStatus(ListingLoader& loader, QWidget* parent) : QWidget(parent), loader_(loader) {
    text = new QLabel(this);
    bar = new QProgressBar(this);
    // The reader goes over the listing more than once, so the bytes read have no fixed end.
    bar->setRange(0, 0);
    bar->setMaximumWidth(120);
    cancelButton = new QToolButton(this);
    cancelButton->setText(QStringLiteral("Cancel"));
    cancelButton->setToolTip(QStringLiteral("Stop reading; the listing on show stays"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    layout->addWidget(bar);
    layout->addWidget(cancelButton);
    hide();

    delay_.setSingleShot(true);
    delay_.setInterval(kDelayMs);
    poll_.setInterval(kPollMs);
    connect(&delay_, &QTimer::timeout, this, [this] {
        tell();
        show();
        poll_.start();
    });
    connect(&poll_, &QTimer::timeout, this, &ReadStatus::tell);
    connect(&loader_, &ListingLoader::started, this, &ReadStatus::began);
    connect(&loader_, &ListingLoader::finished, this, [this] {
        delay_.stop();
        poll_.stop();
        hide();
    });
    connect(cancelButton, &QToolButton::clicked, &loader_, &ListingLoader::cancel);
    // A reading started before the status bar was built counts from now.
    if (loader_.isReading()) {
        began();
    }
}

void ReadStatus::began() {
    hide();
    poll_.stop();
    delay_.start();
}

void ReadStatus::tell() {
    const double read = static_cast<double>(loader_.bytesRead()) / kBytesPerMegabyte;
    text->setText(QStringLiteral("Reading %1: %2 MB")
                      .arg(QFileInfo(loader_.path()).fileName())
                      .arg(read, 0, 'f', 1));
}

}  // namespace fp
