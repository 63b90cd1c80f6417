// What the session holds beside the document and the view: the selection, the comparison with
// an earlier listing, and the findings accepted.
#include <QFile>

#include "files/pending_file.h"
#include "output/accepted_findings_file.h"
#include "window/document_session.h"

namespace fp {

void DocumentSession::findSelection(bool always) {
    const Selection before = selection_;
    shownSelection_ = {};
    if (document_ != nullptr && view_.level >= 1 && !selection_.empty()) {
        const LevelModel& level = document_->level(view_.level);
        // A level past a drawing limit has no plan to select on.
        if (!level.limitError()) {
            shownSelection_ = fp::findSelection(selection_, level);
        }
    }
    selection_ = shownSelection_.kept;
    if (always || selection_ != before) {
        emit selectionChanged();
    }
}

void DocumentSession::setSelection(const Selection& selection) {
    selection_ = selection;
    findSelection(true);
}

void DocumentSession::showSelected(const Selection& selection) {
    setSelection(selection);
    emit selectionToBeShown();
}

void DocumentSession::compareWith(const QString& path) {
    earlierPath_ = path;
    earlierLoader_.start(path);
}

void DocumentSession::earlierRead(const ReadOutcome& outcome) {
    if (outcome.cancelled) {
        return;
    }
    if (!outcome.document) {
        emit earlierReadingFailed(QString::fromStdString(outcome.failure->what()));
        return;
    }
    earlier_ = outcome.document;
    earlierMessages_ = outcome.messages;
    compare();
}

void DocumentSession::compare() {
    if (document_ == nullptr || earlier_ == nullptr) {
        return;
    }
    comparison_ = compareListings({*earlier_, earlierMessages_}, {*document_, messages_});
    emit comparisonChanged();
    // The plan is drawn again, now with the marks.
    emit viewChanged();
}

void DocumentSession::endComparison() {
    if (!comparison_) {
        return;
    }
    earlierLoader_.cancel();
    comparison_.reset();
    earlier_.reset();
    earlierMessages_.clear();
    emit comparisonChanged();
    emit viewChanged();
}

const LevelComparison* DocumentSession::levelComparison() const {
    if (!comparison_ || document_ == nullptr || view_.level < 1 ||
        view_.level > document_->levelCount()) {
        return nullptr;
    }
    const float height = document_->levelHeight(view_.level);
    for (const LevelComparison& compared : comparison_->levels) {
        if (compared.height == height) {
            return &compared;
        }
    }
    return nullptr;
}

void DocumentSession::loadAccepted() {
    accepted_ = {};
    acceptedProblem_.clear();
    try {
        accepted_ = readAcceptedFindings(QFile::encodeName(path_).toStdString());
    } catch (const AcceptedFileError& failure) {
        acceptedProblem_ = QString::fromStdString(failure.what());
    }
}

std::vector<JudgedFinding> DocumentSession::judgedFindings() const {
    if (document_ == nullptr) {
        return {};
    }
    return judgeFindings(findings(), *document_, accepted_);
}

bool DocumentSession::accept(const JudgedFinding& judged, const std::string& reason) {
    if (document_ == nullptr || judged.finding == nullptr) {
        return false;
    }
    const std::string listing = QFile::encodeName(path_).toStdString();
    AcceptedFindings changed;
    try {
        // Read again: "frameplan accept" may have added to the file since; a file that cannot be
        // read is left as it is rather than written over.
        changed = readAcceptedFindings(listing);
        if (reason.empty()) {
            changed.withdraw(judged.id);
        } else {
            changed.accept(*judged.finding, judged.id, reason);
        }
        writeAcceptedFindings(listing, changed);
    } catch (const AcceptedFileError& failure) {
        acceptedProblem_ = QString::fromStdString(failure.what());
        return false;
    } catch (const FileWriteError& failure) {
        acceptedProblem_ = QString::fromStdString(failure.what());
        return false;
    }
    accepted_ = std::move(changed);
    acceptedProblem_.clear();
    emit findingsChanged();
    return true;
}

}  // namespace fp
