// Test helper: the text of a listing, built from joints, members, loads and design blocks, each
// written as the analysis program echoes its input; and that text written to a file.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace fp::testing {

class ListingText {
  public:
    // Coordinates in metres, as written in the listing.
    ListingText& joint(long number, double x, double y, double z) {
        joints_.push_back(std::to_string(number) + " " + metres(x) + " " + metres(y) + " " +
                          metres(z));
        return *this;
    }
    ListingText& member(long number, long start, long end) {
        members_.push_back(std::to_string(number) + " " + std::to_string(start) + " " +
                           std::to_string(end));
        return *this;
    }
    // Starts a load case: the loads written after it are its own. Without one, the loads are
    // those of case 1, DEAD.
    ListingText& loadCase(const std::string& number, const std::string& title) {
        cases_.push_back({number, title, {}, {}});
        return *this;
    }
    // A floor load of the latest load case over the whole plan, from y1 to y2.
    ListingText& floorLoad(double y1, double y2, double intensity) {
        latestCase().floorLoads.push_back("YRANGE " + metres(y1) + " " + metres(y2) + " FLOAD -" +
                                          metres(intensity) + " GY");
        return *this;
    }
    // The same over X from x1 to x2 and Z from z1 to z2.
    ListingText& floorLoadOver(double y1, double y2, double intensity, double x1, double x2,
                               double z1, double z2) {
        latestCase().floorLoads.push_back("YRANGE " + metres(y1) + " " + metres(y2) + " FLOAD -" +
                                          metres(intensity) + " XRANGE " + metres(x1) + " " +
                                          metres(x2) + " ZRANGE " + metres(z1) + " " + metres(z2) +
                                          " GY");
        return *this;
    }
    ListingText& memberLoad(const std::string& members, double value) {
        latestCase().memberLoads.push_back(members + " UNI GY -" + metres(value));
        return *this;
    }
    // A load combination after the load cases: its header, then its cases and factors
    // ("1 1.5 2 1.5") on one line.
    ListingText& combination(const std::string& number, const std::string& title,
                             const std::string& factors) {
        combinations_.push_back("LOAD COMBINATION " + number + " " + title);
        combinations_.push_back(factors);
        return *this;
    }
    ListingText& designBlock(long member, long lengthMm) {
        designs_ += "   B E A M  N O. " + std::to_string(member) +
                    "\n   LENGTH: " + std::to_string(lengthMm) + ".0 MM\n";
        return *this;
    }

    std::string text() const {
        std::string text;
        long echo = 0;
        const auto line = [&](const std::string& input) {
            text += std::to_string(++echo) + ". " + input + "\n";
        };
        line("STAAD SPACE");
        line("UNIT METER KN");
        line("JOINT COORDINATES");
        for (const std::string& joint : joints_) {
            line(joint);
        }
        line("MEMBER INCIDENCES");
        for (const std::string& member : members_) {
            line(member);
        }
        // A line without a number ends the member section.
        line("SUPPORTS");
        for (const LoadCaseText& loadCase : cases()) {
            line("LOAD " + loadCase.number + " LOADTYPE Dead TITLE " + loadCase.title);
            line("FLOOR LOAD");
            for (const std::string& load : loadCase.floorLoads) {
                line(load);
            }
            line("MEMBER LOAD");
            for (const std::string& load : loadCase.memberLoads) {
                line(load);
            }
        }
        for (const std::string& combination : combinations_) {
            line(combination);
        }
        line("FINISH");
        return text + designs_;
    }

  private:
    struct LoadCaseText {
        std::string number;
        std::string title;
        std::vector<std::string> floorLoads;
        std::vector<std::string> memberLoads;
    };

    LoadCaseText& latestCase() {
        if (cases_.empty()) {
            loadCase("1", "DEAD");
        }
        return cases_.back();
    }
    std::vector<LoadCaseText> cases() const {
        return cases_.empty() ? std::vector<LoadCaseText>{{"1", "DEAD", {}, {}}} : cases_;
    }

    static std::string metres(double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", value);
        return text;
    }

    std::vector<std::string> joints_;
    std::vector<std::string> members_;
    std::vector<LoadCaseText> cases_;
    std::vector<std::string> combinations_;
    std::string designs_;
};

// Writes `text` byte for byte to a new file in the test's temporary directory.
inline std::string writeTestListing(const std::string& text) {
    static std::atomic<int> serial{0};
    const std::string path = ::testing::TempDir() + "frameplan_test_" + std::to_string(::getpid()) +
                             "_" + std::to_string(++serial) + ".anl";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

}  // namespace fp::testing
