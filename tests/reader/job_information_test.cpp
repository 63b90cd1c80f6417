// The job information block of a listing's input echo.
#include "reader/listing_echo.h"

#include <gtest/gtest.h>

namespace fp {
namespace {

TEST(JobInformation, IsReadFromTheBlockOfTheInputEcho) {
    const struct {
        const char* text;
        JobInformation job;
    } cases[] = {
        {"     JOB: TOWER                 DATE 08-DEC-26\n"
         "    2. START JOB INFORMATION\n"
         "    3. JOB NAME TOWER - SIX STOREYS  \n"
         "    4. JOB CLIENT HARBOUR ESTATES LTD\r\n"
         "    5. JOB NO 24-117\n"
         "    6. JOB REV 2\n"
         "    7. ENGINEER NAME R. OKAFOR\n"
         "    8. CHECKER NAME M. LINDQVIST\n"
         "    9. ENGINEER DATE 08-DEC-26\n"
         "   10. END JOB INFORMATION\n"
         "   11. UNIT METER KN\n",
         {"TOWER - SIX STOREYS", "24-117", "HARBOUR ESTATES LTD", "R. OKAFOR", "M. LINDQVIST"}},
        // Only the number given; fields after the block's end are not its own.
        {"    2. START JOB INFORMATION\n"
         "    3. JOB NO 7\n"
         "    4. END JOB INFORMATION\n"
         "    5. JOB NAME LATE\n",
         {"", "7", "", "", ""}},
        // No block before the commands: nothing, even where words look alike later.
        {"    1. UNIT METER KN\n"
         "    2. START JOB INFORMATION\n"
         "    3. JOB NAME AFTER\n",
         {}},
        // Outside the block, and not echoed, lines are not read.
        {"JOB NAME HEADING\n    3. JOB NAME OUTSIDE\n", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EchoScan scan;
        scan.take(c.text);
        const JobInformation job = scan.finish().job;
        EXPECT_EQ(job.name, c.job.name) << c.text;
        EXPECT_EQ(job.number, c.job.number) << c.text;
        EXPECT_EQ(job.client, c.job.client) << c.text;
        EXPECT_EQ(job.engineer, c.job.engineer) << c.text;
        EXPECT_EQ(job.checker, c.job.checker) << c.text;
    }
}

}  // namespace
}  // namespace fp
