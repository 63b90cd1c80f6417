// A reading of a listing off the GUI thread.
#include "window/listing_loader.h"

#include <QFile>
#include <exception>

#include "checks/listing_checks.h"

namespace fp {
namespace {

// The echo read alongside, or none when it could not be read: the checks of the document itself
// still hold.
ListingEcho echoOf(std::optional<EchoReading>& reading) {
    if (reading) {
        try {
            return reading->result();
        } catch (const ListingError&) {
        }
    }
    return {};
}

}  // namespace

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
    if (reading_) {
        reading_->stop = true;
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    reading_.reset();
}

void ListingLoader::start(const QString& path) {
    stopAndWait();
    auto reading = std::make_shared<Reading>();
    reading_ = reading;
    path_ = path;
    emit started(path);
    const std::string file = QFile::encodeName(path).toStdString();
    thread_ = std::thread([this, reading, path, file, reader = reader] {
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
            // The echo is read alongside the document, on a thread of its own.
            std::optional<EchoReading> echo;
            try {
                echo.emplace(file);
            } catch (const std::system_error&) {
                // No thread to spare: the check goes without the echo.
            }
            outcome.document =
                std::make_shared<const ListingDocument>(reader(file, messages, progress));
            outcome.findings = std::make_shared<const std::vector<Finding>>(
                checkDocument(*outcome.document, echoOf(echo)));
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
        // Handed to the GUI thread; a loader destroyed first waits for this thread to end, and
        // an event posted to it after that is dropped with it.
        QMetaObject::invokeMethod(
            this, [this, reading, outcome] { finish(reading, outcome); }, Qt::QueuedConnection);
    });
}

void ListingLoader::finish(const std::shared_ptr<Reading>& reading, ReadOutcome outcome) {
    // The end of a reading that another one has replaced is not reported.
    if (reading != reading_) {
        return;
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    reading_.reset();
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
