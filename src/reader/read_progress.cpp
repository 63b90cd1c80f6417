// A listing source that tells how far the reading has come.
#include "reader/read_progress.h"

namespace fp {
namespace {

class ProgressSource : public ListingSource {
  public:
    ProgressSource(ListingSource& listing, ReadProgress progress)
        : listing_(listing), progress_(std::move(progress)) {}

    std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) override {
        const std::size_t count = listing_.readAt(offset, into, size);
        if (!progress_(offset + count, listing_.size())) {
            throw ReadCancelled();
        }
        return count;
    }

    std::uint64_t size() const override { return listing_.size(); }
    const std::string& name() const override { return listing_.name(); }
    void checkUnchanged() override { listing_.checkUnchanged(); }
    std::optional<FileVersion> version() const override { return listing_.version(); }

  private:
    ListingSource& listing_;
    ReadProgress progress_;
};

}  // namespace

std::unique_ptr<ListingSource> withProgress(ListingSource& listing, ReadProgress progress) {
    return std::make_unique<ProgressSource>(listing, std::move(progress));
}

}  // namespace fp
