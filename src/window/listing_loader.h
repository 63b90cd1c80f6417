// Reads a listing on a thread of its own, so the window stays responsive while a large listing
// (or one on a slow network drive) is read, and tells the GUI thread how it ended.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "checks/finding.h"
#include "document/listing_document.h"
#include "model/listing_error.h"
#include "reader/message_sink.h"
#include "reader/read_progress.h"

namespace fp {

// How one reading ended: a whole document, a failure, or stopped on request. The reader's
// messages, collected while it read, are to be shown on the GUI thread.
struct ReadOutcome {
    QString path;
    std::shared_ptr<const ListingDocument> document;
    std::optional<ListingError> failure;
    bool cancelled = false;
    std::vector<ListingMessage> messages;
};

class ListingLoader : public QObject {
    Q_OBJECT
  public:
    explicit ListingLoader(QObject* parent = nullptr);
    // Stops a reading in progress and waits for its thread.
    ~ListingLoader() override;

    // Starts reading the listing; a reading still in progress is stopped first and its end is
    // never reported, nor are the findings of a check still in progress.
    void start(const QString& path);
    // Asks the reading in progress to stop; it ends, cancelled, at its next block.
    void cancel();
    bool isReading() const { return reading_ != nullptr; }
    // The document read last is being checked: its findings are still to come.
    bool isChecking() const { return checking_ != nullptr; }
    // What reads a listing; a test may put a slower one in its place.
    using Reader = std::function<ListingDocument(const std::string& path, MessageSink& messages,
                                                 const ReadProgress& progress)>;
    Reader reader = &openListing;
    // Whether a document read is then checked, on the same thread, while the plan is shown.
    bool checks = true;

    // The path being read.
    const QString& path() const { return path_; }
    // The bytes read so far, over every pass through the listing, and the listing's size.
    std::uint64_t bytesRead() const;
    std::uint64_t listingSize() const;

  signals:
    void started(const QString& path);
    // On the GUI thread, once the reading is over.
    void finished(const fp::ReadOutcome& outcome);
    // On the GUI thread, after finished(): what the check of the document read finds.
    void checked(std::shared_ptr<const fp::ListingDocument> document,
                 std::shared_ptr<const std::vector<fp::Finding>> findings);

  private:
    struct Reading;

    void finish(const std::shared_ptr<Reading>& reading, ReadOutcome outcome);
    // On the reading's thread.
    void check(const std::shared_ptr<Reading>& reading,
               const std::shared_ptr<const ListingDocument>& document);
    void stopAndWait();

    std::shared_ptr<Reading> reading_;
    // The reading whose document is being checked, after its end was reported.
    std::shared_ptr<Reading> checking_;
    std::thread thread_;
    QString path_;
};

}  // namespace fp
