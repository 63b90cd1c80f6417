// File names taken apart: the name, the extension, a suffix before it, and unique tags.
#include "files/file_names.h"

#include <gtest/gtest.h>

#include <set>

namespace fp {
namespace {

TEST(FileNames, NameExtensionAndSuffixOfEveryShapeOfPath) {
    const struct {
        const char* path;
        const char* name;
        const char* extension;
        const char* suffixed;
    } cases[] = {
        {"plan.png", "plan.png", "png", "plan-4.png"},
        {"out/Plan.PDF", "Plan.PDF", "pdf", "out/Plan-4.PDF"},
        {"out.v2/plan", "plan", "", "out.v2/plan-4"},
        {"plans.tar.gz", "plans.tar.gz", "gz", "plans.tar-4.gz"},
        {"dir/", "", "", "dir/-4"},
        {"file.", "file.", "", "file-4."},
        {"", "", "", "-4"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(extensionOf(c.path), c.extension) << c.path;
        EXPECT_EQ(withSuffixBeforeExtension(c.path, "-4"), c.suffixed) << c.path;
    }
}

TEST(FileNames, EveryTagIsNew) {
    std::set<std::string> tags;
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(tags.insert(uniqueFileTag()).second);
    }
}

}  // namespace
}  // namespace fp
