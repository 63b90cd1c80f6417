// A reading of a listing off the GUI thread.
#include "window/listing_loader.h"

#include <QFile>
#include <exception>

#include "checks/listing_checks.h"

namespace fp {

struct ListingLoader::Reading {
    std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> bytesRead{0};
    std::atomic<std::uint64_t> size{0};
    // The offset the previous block ended at; the reader's passes each start again from the top.
    std::uint64_t lastReached = 0;
};

namespace {

// Keeps the reader's messages for the GUI thread.
class CollectedMessages : public MessageSink {
  public:
    void show(const ListingMessage& message) override { messages.push_back(message); }

    std::vector<ListingMessage> messages;
};

}  // namespace

ListingLoader::ListingLoader(QObject* parent) : QObject(parent) {}

ListingLoader::~ListingLoader() {
    stopAndWait();
}

void ListingLoader::stopAndWait() {
    for (const auto& running : {reading_, checking_}) {
        if (running) {
            running->stop = true;
        }
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    reading_.reset();
    checking_.reset();
}

void ListingLoader::start(const QString& path) {
    stopAndWait();
    auto reading = std::make_shared<Reading>();
    reading_ = reading;
    path_ = path;
    emit started(path);
    const std::string file = QFile::encodeName(path).toStdString();
    thread_ = std::thread([this, reading, path, file, reader = reader, checks = checks] {
        ReadOutcome outcome;
        outcome.path = path;
        CollectedMessages messages;
        const ReadProgress progress = [&reading](std::uint64_t reached, std::uint64_t size) {
            reading->size = size;
            const std::uint64_t from = reached >= reading->lastReached ? reading->lastReached : 0;
            reading->bytesRead += reached - from;
            reading->lastReached = reached;
            return !reading->stop;
        };
        try {
            outcome.document =
                std::make_shared<const ListingDocument>(reader(file, messages, progress));
        } catch (const ReadCancelled&) {
            outcome.cancelled = true;
        } catch (const ListingError& failure) {
            outcome.failure = failure;
        } catch (const std::bad_alloc&) {
            outcome.failure = ListingError("There is not enough memory to read the listing",
                                           "Close other programs and try again.")
                                  .inListing(file);
        } catch (const std::exception& failure) {
            // Nothing may escape the thread: whatever stopped the reader is told as a failure.
            outcome.failure =
                ListingError(std::string("The listing could not be read: ") + failure.what())
                    .inListing(file);
        }
        outcome.messages = std::move(messages.messages);
        const std::shared_ptr<const ListingDocument> document = outcome.document;
        // Handed to the GUI thread; a loader destroyed first waits for this thread to end, and
        // an event posted to it after that is dropped with it.
        QMetaObject::invokeMethod(
            this, [this, reading, outcome] { finish(reading, outcome); }, Qt::QueuedConnection);
        if (document && checks && !reading->stop) {
            check(reading, document);
        }
    });
}

void ListingLoader::check(const std::shared_ptr<Reading>& reading,
                          const std::shared_ptr<const ListingDocument>& document) {
    std::shared_ptr<const std::vector<Finding>> findings;
    try {
        findings = std::make_shared<const std::vector<Finding>>(checkDocument(*document));
    } catch (const std::exception&) {
        // Nothing may escape the thread; a check that could not be made finds nothing.
        findings = std::make_shared<const std::vector<Finding>>();
    }
    QMetaObject::invokeMethod(
        this,
        [this, reading, document, findings] {
            // The findings of a reading that another one has replaced are not reported.
            if (reading == checking_) {
                checking_.reset();
                emit checked(document, findings);
            }
        },
        Qt::QueuedConnection);
}

void ListingLoader::finish(const std::shared_ptr<Reading>& reading, ReadOutcome outcome) {
    // The end of a reading that another one has replaced is not reported.
    if (reading != reading_) {
        return;
    }
    reading_.reset();
    // The thread goes on to check the document, and is joined when the next reading starts.
    if (outcome.document) {
        checking_ = reading;
    }
    emit finished(outcome);
}

void ListingLoader::cancel() {
    if (reading_) {
        reading_->stop = true;
    }
}

std::uint64_t ListingLoader::bytesRead() const {
    return reading_ ? reading_->bytesRead.load() : 0;
}

std::uint64_t ListingLoader::listingSize() const {
    return reading_ ? reading_->size.load() : 0;
}

}  // namespace fp
