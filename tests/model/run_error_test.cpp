// Tests of the run-ending error's message: what it says, where, and what to do.
#include "model/run_error.h"

#include <gtest/gtest.h>

#include <string>

namespace fp {
namespace {

// Listing text quoted in a message may hold NUL bytes; the message is read as a C string, so
// it would stop at the first of them and lose the line and the advice.
TEST(RunEndingError, ANulByteOfQuotedTextDoesNotCutTheMessageShort) {
    const RunEndingError failure(std::string("Piece 3, \"2\0x\", is no number", 28), "Check it.",
                                 9);
    EXPECT_STREQ(failure.what(), "Piece 3, \"2\\0x\", is no number (line 9). Check it.");
    EXPECT_EQ(failure.statement().size(), 28u);
}

}  // namespace
}  // namespace fp
