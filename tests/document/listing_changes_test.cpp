// A listing that changes while it is read (the analysis still writing it, a copy landing on it)
// is refused as a whole: the document never joins the parts of two versions.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "document/listing_document.h"
#include "model/listing_error.h"
#include "reader/listing_fixture.h"

namespace fp {
namespace {

// A listing of two levels with a floor load, padded past the reader's block so that the scan of
// the loads takes several reads.
std::string paddedListing(const std::string& title, std::size_t paddingLines) {
    std::string text = testing::structureHead() +
                       testing::lines({"   8. LOAD 1 LOADTYPE DEAD TITLE " + title,
                                       "   9. FLOOR LOAD", "  10. YRANGE 2 4 FLOAD -4.5 GY"});
    for (std::size_t i = 0; i < paddingLines; ++i) {
        text += "  PAGE FILLER LINE WITHOUT ANY KEYWORD OF THE READER, PADDED TO SOME LENGTH\n";
    }
    return text + "   B E A M  N O. 1\n   LENGTH: 12000.0 MM\n";
}

// The file's source, with `change` applied to the file just before read number `changeAt`.
class ChangingSource : public ListingSource {
  public:
    ChangingSource(const std::string& path, int changeAt, std::function<void()> change)
        : file_(openListingFile(path)), changeAt_(changeAt), change_(std::move(change)) {}

    std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) override {
        if (++reads_ == changeAt_) {
            change_();
        }
        return file_->readAt(offset, into, size);
    }
    std::uint64_t size() const override { return file_->size(); }
    const std::string& name() const override { return file_->name(); }
    void checkUnchanged() override { file_->checkUnchanged(); }
    int reads() const { return reads_; }

  private:
    std::unique_ptr<ListingSource> file_;
    int changeAt_;
    std::function<void()> change_;
    int reads_ = 0;
};

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct Change {
    const char* name;
    std::function<void(const std::string& path)> apply;
};

TEST(ListingChanges, AChangeAtAnyReadEndsTheReadingWithItsMessage) {
    const std::string original = paddedListing("FIRST", 4000);
    const Change changes[] = {
        {"truncated to nothing", [](const std::string& path) { writeFile(path, ""); }},
        {"cut in half",
         [&](const std::string& path) { std::filesystem::resize_file(path, original.size() / 2); }},
        {"rewritten with another listing",
         [](const std::string& path) { writeFile(path, paddedListing("SECOND", 10)); }},
        {"grown by the analysis",
         [&](const std::string& path) {
             std::ofstream(path, std::ios::binary | std::ios::app) << "  11. MORE\n";
         }},
        {"replaced by a copy of the same size",
         [](const std::string& path) {
             const std::string copy = path + ".copy";
             writeFile(copy, paddedListing("OTHER", 4000));
             std::filesystem::rename(copy, path);
         }},
    };
    // How many reads a whole reading makes.
    const std::string counted = testing::writeListingFile(original);
    ChangingSource unchanged(counted, 0, [] {});
    testing::RecordingSink sink;
    ASSERT_NO_THROW(readListing(unchanged, sink));
    ASSERT_GT(unchanged.reads(), 3);

    for (const Change& change : changes) {
        for (int at = 1; at <= unchanged.reads(); ++at) {
            SCOPED_TRACE(std::string(change.name) + " before read " + std::to_string(at));
            const std::string path = testing::writeListingFile(original);
            ChangingSource changing(path, at, [&] { change.apply(path); });
            try {
                readListing(changing, sink);
                ADD_FAILURE() << "read whole";
            } catch (const ListingError& failure) {
                EXPECT_EQ(std::string(failure.what()),
                          path +
                              ": the listing changed while it was being read; read it again "
                              "once the analysis has finished writing it");
            }
            std::filesystem::remove(path);
        }
    }
}

}  // namespace
}  // namespace fp
