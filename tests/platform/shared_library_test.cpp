// A library that cannot be loaded is named in the failure, with the system's reason; the XLSX
// schedule tests load a real one.
#include "platform/shared_library.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace fp {
namespace {

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
