// The Listing dock: a row of go-to-line and find fields over the listing's text.
#include "window/listing_dock.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/listing_error.h"
#include "reader/line_index.h"
#include "reader/read_progress.h"
#include "render/listing_qstring.h"
#include "window/background_work.h"
#include "window/listing_view.h"

namespace fp {

ListingDock::ListingDock(QWidget* parent) : QDockWidget(QStringLiteral("Listing"), parent) {
    setObjectName(QStringLiteral("listingDock"));
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    auto* bar = new QHBoxLayout;
    lineField = new QSpinBox;
    lineField->setObjectName(QStringLiteral("listingLineField"));
    lineField->setPrefix(QStringLiteral("Line "));
    lineField->setRange(1, 1);
    lineField->setKeyboardTracking(false);
    lineField->setToolTip(QStringLiteral("Go to a line (Ctrl+L)"));
    connect(lineField, &QSpinBox::editingFinished, this, [this] { showLine(lineField->value()); });
    findField = new QLineEdit;
    findField->setObjectName(QStringLiteral("listingFindField"));
    findField->setPlaceholderText(QStringLiteral("Find in the listing"));
    findField->setClearButtonEnabled(true);
    connect(findField, &QLineEdit::returnPressed, this, &ListingDock::findNext);
    previousButton = new QToolButton;
    previousButton->setText(QStringLiteral("Previous"));
    previousButton->setToolTip(QStringLiteral("Find the previous line holding the text"));
    connect(previousButton, &QToolButton::clicked, this, &ListingDock::findPrevious);
    nextButton = new QToolButton;
    nextButton->setText(QStringLiteral("Next"));
    nextButton->setToolTip(QStringLiteral("Find the next line holding the text"));
    connect(nextButton, &QToolButton::clicked, this, &ListingDock::findNext);
    stopButton = new QToolButton;
    stopButton->setObjectName(QStringLiteral("listingStopButton"));
    stopButton->setText(QStringLiteral("Stop"));
    stopButton->setToolTip(QStringLiteral("Stop looking for the text"));
    stopButton->hide();
    connect(stopButton, &QToolButton::clicked, this, &ListingDock::stopFinding);
    bar->addWidget(lineField);
    bar->addWidget(findField, 1);
    bar->addWidget(previousButton);
    bar->addWidget(nextButton);
    bar->addWidget(stopButton);
    indexing_ = new BackgroundWork(this);
    finding_ = new BackgroundWork(this);
    note = new QLabel;
    note->setObjectName(QStringLiteral("listingNote"));
    note->setWordWrap(true);
    note->hide();
    view = new ListingView;
    layout->addLayout(bar);
    layout->addWidget(note);
    layout->addWidget(view, 1);
    setWidget(contents);
}

ListingDock::~ListingDock() = default;

void ListingDock::setListing(const QString& path, const std::optional<FileVersion>& version) {
    // Read again, the listing keeps the place it was shown at.
    keptLine_ = path == path_ ? view->currentLine() : 0;
    path_ = path;
    version_ = version;
    indexed_ = false;
    indexing_->stop();
    stopFinding();
    // The old index would show the old text at the new line numbers: it goes at once.
    view->setIndex(nullptr);
    note->hide();
    if (isVisible()) {
        ensureIndex();
    }
}

bool ListingDock::isIndexing() const {
    return indexing_->isBusy();
}

bool ListingDock::isFinding() const {
    return finding_->isBusy();
}

void ListingDock::showNote(const QString& text) {
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

bool ListingDock::ensureIndex() {
    if (indexed_) {
        return view->index() != nullptr;
    }
    if (path_.isEmpty()) {
        return false;
    }
    indexed_ = true;
    showNote(QStringLiteral("Reading the listing's lines…"));
    using Built = std::pair<std::shared_ptr<const LineIndex>, QString>;
    indexing_->start<Built>(
        [path = QFile::encodeName(path_).toStdString(),
         version = version_](const std::function<bool()>& stopped) -> Built {
            try {
                return {std::make_shared<const LineIndex>(openListingFile(path, version),
                                                          std::size_t{1} << 20, stopped),
                        QString()};
            } catch (const ReadCancelled&) {
                return {nullptr, QString()};
            } catch (const ListingError& failure) {
                return {nullptr, qStringFromListing(failure.what())};
            } catch (const std::exception& failure) {
                return {nullptr, QString::fromLocal8Bit(failure.what())};
            }
        },
        [this](Built built) { indexBuilt(built.first, built.second); });
    return false;
}

void ListingDock::indexBuilt(const std::shared_ptr<const LineIndex>& index,
                             const QString& failure) {
    if (index == nullptr) {
        showNote(failure);
        return;
    }
    lineField->setRange(1, static_cast<int>(std::max(1L, index->lineCount())));
    view->setIndex(index);
    showNote({});
    // A reload keeps the place: the line highlighted before, when the listing still has it.
    if (keptLine_ > 0) {
        view->showLine(keptLine_);
        lineField->setValue(static_cast<int>(std::clamp<long>(keptLine_, 1, index->lineCount())));
        keptLine_ = 0;
    }
    if (findPending_) {
        const bool forward = *findPending_;
        findPending_.reset();
        find(forward);
    }
}

void ListingDock::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    ensureIndex();
}

void ListingDock::showLine(int lineNumber) {
    show();
    raise();
    if (!ensureIndex()) {
        keptLine_ = lineNumber;
        return;
    }
    view->showLine(lineNumber);
    lineField->setValue(std::clamp<int>(lineNumber, lineField->minimum(), lineField->maximum()));
}

void ListingDock::askForLine() {
    show();
    raise();
    lineField->setFocus(Qt::ShortcutFocusReason);
    lineField->selectAll();
}

void ListingDock::findNext() {
    find(true);
}

void ListingDock::findPrevious() {
    find(false);
}

void ListingDock::stopFinding() {
    findPending_.reset();
    if (finding_->isBusy()) {
        finding_->stop();
        showNote({});
    }
    stopButton->hide();
}

void ListingDock::find(bool forward) {
    const QString text = findField->text();
    if (text.isEmpty()) {
        return;
    }
    if (!ensureIndex()) {
        findPending_ = forward;
        return;
    }
    const long from = view->currentLine() > 0 ? view->currentLine() : view->topLine();
    using Found = std::pair<long, QString>;
    showNote(QStringLiteral("Looking for “%1”…").arg(text));
    stopButton->show();
    finding_->start<Found>(
        [index = view->sharedIndex(), wanted = text.toStdString(), from,
         forward](const std::function<bool()>& stopped) -> Found {
            try {
                return {index->find(wanted, from, forward, stopped), QString()};
            } catch (const ListingError& failure) {
                return {0, qStringFromListing(failure.what())};
            } catch (const std::exception& failure) {
                return {0, QString::fromLocal8Bit(failure.what())};
            }
        },
        [this, text](Found result) {
            stopButton->hide();
            if (!result.second.isEmpty()) {
                showNote(result.second);
                return;
            }
            found(text, result.first);
        });
}

void ListingDock::found(const QString& text, long line) {
    if (line == 0) {
        showNote(QStringLiteral("“%1” is not in the listing.").arg(text));
        return;
    }
    showNote({});
    view->showLine(line);
    lineField->setValue(static_cast<int>(line));
}

}  // namespace fp
