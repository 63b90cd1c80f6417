// Libraries loaded at run time: found functions, and a missing library named in the failure.
#include "platform/shared_library.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace fp {
namespace {

TEST(SharedLibrary, GivesTheFunctionsItHasAndNothingForOthers) {
    void* library = loadSharedLibrary("libm.so.6");
    ASSERT_NE(library, nullptr);
    using Cosine = double (*)(double);
    const auto cosine = reinterpret_cast<Cosine>(sharedLibrarySymbol(library, "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_EQ(cosine(0.0), 1.0);
    EXPECT_EQ(sharedLibrarySymbol(library, "frameplan_no_such_function"), nullptr);
}

TEST(SharedLibrary, AMissingLibraryFailsWithTheSystemsReason) {
    try {
        loadSharedLibrary("libframeplan-missing.so.1");
        FAIL() << "a missing library was loaded";
    } catch (const std::runtime_error& failure) {
        EXPECT_NE(std::string(failure.what()).find("libframeplan-missing.so.1"), std::string::npos)
            << failure.what();
    }
}

}  // namespace
}  // namespace fp
