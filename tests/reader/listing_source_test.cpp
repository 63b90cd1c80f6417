// Where a listing's bytes come from: a file, refused when it is not a readable plain file, or
// text in memory; both read by position.
#include "reader/listing_source.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "model/listing_error.h"
#include "reader/listing_fixture.h"

namespace fp {
namespace {

std::string openingFailure(const std::string& path) {
    try {
        openListingFile(path);
    } catch (const ListingError& failure) {
        return failure.what();
    }
    return "(opened)";
}

TEST(OpenListingFile, AFileThatCannotBeOpenedEndsTheReadingNamingIt) {
    const std::string message = openingFailure("/nonexistent/listing.anl");
    EXPECT_NE(message.find("/nonexistent/listing.anl"), std::string::npos) << message;
}

TEST(OpenListingFile, AFolderIsRefusedBeforeItIsRead) {
    const std::string folder = ::testing::TempDir();
    const std::string folderMessage = openingFailure(folder);
    EXPECT_NE(folderMessage.find("a folder"), std::string::npos) << folderMessage;
    EXPECT_NE(folderMessage.find(folder), std::string::npos) << folderMessage;
}

// A pipe with no writer would block the opening for good; it is refused without being opened.
TEST(OpenListingFile, APipeIsRefusedWithoutWaitingForAWriter) {
    const std::string pipe = ::testing::TempDir() + "frameplan_pipe_" + std::to_string(::getpid());
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string message = openingFailure(pipe);
    ::unlink(pipe.c_str());
    EXPECT_NE(message.find("a device or pipe"), std::string::npos) << message;
}

// Reads `size` bytes at `offset` as text.
std::string bytesAt(ListingSource& source, std::uint64_t offset, std::size_t size) {
    std::string into(size, '#');
    into.resize(source.readAt(offset, into.data(), size));
    return into;
}

TEST(ListingSource, AFileIsReadByPositionForwardAndBack) {
    const std::string path = testing::writeListingFile("0123456789");
    const auto source = openListingFile(path);
    EXPECT_EQ(source->name(), path);
    EXPECT_EQ(source->size(), 10u);
    EXPECT_EQ(bytesAt(*source, 6, 3), "678");
    EXPECT_EQ(bytesAt(*source, 2, 3), "234");
    EXPECT_EQ(bytesAt(*source, 5, 3), "567");
    EXPECT_EQ(bytesAt(*source, 8, 5), "89") << "fewer only at the end";
    EXPECT_EQ(bytesAt(*source, 10, 5), "");
    EXPECT_EQ(bytesAt(*source, 0, 4), "0123") << "a read after the end starts afresh";
}

TEST(ListingSource, TextInMemoryIsReadByPositionUnderItsName) {
    const std::string text = "0123456789";
    const auto source = listingInMemory(text, "sample.anl");
    EXPECT_EQ(source->name(), "sample.anl");
    EXPECT_EQ(source->size(), 10u);
    EXPECT_EQ(bytesAt(*source, 6, 3), "678");
    EXPECT_EQ(bytesAt(*source, 8, 5), "89");
    EXPECT_EQ(bytesAt(*source, 11, 5), "");
    EXPECT_EQ(bytesAt(*source, 0, 4), "0123");
}

}  // namespace
}  // namespace fp
