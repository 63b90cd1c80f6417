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
#include "render/listing_qstring.h"
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
    bar->addWidget(lineField);
    bar->addWidget(findField, 1);
    bar->addWidget(previousButton);
    bar->addWidget(nextButton);
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
    // The old index would show the old text at the new line numbers: it goes at once.
    view->setIndex(nullptr);
    note->hide();
    if (isVisible()) {
        ensureIndex();
    }
}

bool ListingDock::ensureIndex() {
    if (indexed_) {
        return view->index() != nullptr;
    }
    if (path_.isEmpty()) {
        return false;
    }
    indexed_ = true;
    try {
        auto index = std::make_shared<const LineIndex>(
            openListingFile(QFile::encodeName(path_).toStdString(), version_));
        lineField->setRange(1, static_cast<int>(std::max(1L, index->lineCount())));
        view->setIndex(std::move(index));
        note->hide();
        // A reload keeps the place: the line highlighted before, when the listing still has it.
        if (keptLine_ > 0) {
            view->showLine(keptLine_);
        }
        return true;
    } catch (const ListingError& failure) {
        note->setText(qStringFromListing(failure.what()));
        note->show();
        return false;
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

void ListingDock::find(bool forward) {
    const QString text = findField->text();
    if (text.isEmpty() || !ensureIndex()) {
        return;
    }
    const long from = view->currentLine() > 0 ? view->currentLine() : view->topLine();
    long found = 0;
    try {
        found = view->index()->find(text.toStdString(), from, forward);
    } catch (const ListingError& failure) {
        note->setText(qStringFromListing(failure.what()));
        note->show();
        return;
    }
    if (found == 0) {
        note->setText(QStringLiteral("“%1” is not in the listing.").arg(text));
        note->show();
        return;
    }
    note->hide();
    view->showLine(found);
    lineField->setValue(static_cast<int>(found));
}

}  // namespace fp
