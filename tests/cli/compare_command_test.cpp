// frameplan compare on pairs of small listings that differ in one way each: what the report
// names, where, and the exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "cli/command_line.h"
#include "support/listing_text.h"

namespace fp {
namespace {

// A two-storey frame of two 5 m x 4 m bays on level 3 m, closed by beams 101..107, under one
// floor load per bay and one member load, written as an analysis listing's echo.
struct Frame {
    std::vector<std::string> joints{"1 0 0 0",   "2 5 0 0",  "3 10 0 0", "4 0 0 4",
                                    "5 5 0 4",   "6 10 0 4", "11 0 3 0", "12 5 3 0",
                                    "13 10 3 0", "14 0 3 4", "15 5 3 4", "16 10 3 4"};
    std::vector<std::string> members{
        "1 1 11",    "2 2 12",    "3 3 13",    "4 4 14",    "5 5 15",    "6 6 16",   "101 11 12",
        "102 12 13", "103 14 15", "104 15 16", "105 11 14", "106 12 15", "107 13 16"};
    std::vector<std::string> loads{"LOAD 1 LOADTYPE Dead TITLE DEAD",
                                   "FLOOR LOAD",
                                   "YRANGE 2.9 3.1 FLOAD -4.5 XRANGE 0 5  ZRANGE 0 4  GY",
                                   "YRANGE 2.9 3.1 FLOAD -4.5 XRANGE 5 10  ZRANGE 0 4  GY",
                                   "MEMBER LOAD",
                                   "101 UNI GY -10"};
    std::vector<std::pair<int, int>> designs{{101, 5000}, {102, 5000}, {103, 5000}, {104, 5000},
                                             {105, 4000}, {106, 4000}, {107, 4000}};

    std::string text() const {
        std::string text;
        int echo = 0;
        const auto line = [&](const std::string& input) {
            text += std::to_string(++echo) + ". " + input + "\n";
        };
        line("STAAD SPACE");
        line("UNIT METER KN");
        line("JOINT COORDINATES");
        std::for_each(joints.begin(), joints.end(), line);
        line("MEMBER INCIDENCES");
        std::for_each(members.begin(), members.end(), line);
        line("SUPPORTS");
        std::for_each(loads.begin(), loads.end(), line);
        line("FINISH");
        for (const auto& [member, length] : designs) {
            text += "   B E A M  N O. " + std::to_string(member) +
                    "\n   LENGTH: " + std::to_string(length) + ".0 MM\n";
        }
        return text;
    }

    void replace(std::vector<std::string>& lines, const std::string& from, const std::string& to) {
        *std::find(lines.begin(), lines.end(), from) = to;
    }
};

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome compare(const std::vector<std::string>& arguments) {
    std::vector<std::string> all{"compare"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(all, out, err, {});
    return {status, out.str(), err.str()};
}

Outcome compare(const Frame& before, const Frame& after,
                const std::vector<std::string>& options = {}) {
    std::vector<std::string> arguments{testing::writeTestListing(before.text()),
                                       testing::writeTestListing(after.text())};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return compare(arguments);
}

struct ChangeCase {
    const char* name;
    std::function<void(Frame&)> change;
    std::vector<std::string> reported;
    std::vector<std::string> notReported;
};

// Line 31 is the load-case header, 33 the first floor load and 36 the member load.
const ChangeCase kChanges[] = {
    {"MovedFloorLoadRange",
     [](Frame& f) {
         f.replace(f.loads, "YRANGE 2.9 3.1 FLOAD -4.5 XRANGE 5 10  ZRANGE 0 4  GY",
                   "YRANGE 2.9 3.1 FLOAD -4.5 XRANGE 0 5  ZRANGE 0 4  GY");
     },
     {"Level 3 m\n",
      "Floor load on panel X 5\u201310 m, Z 0\u20134 m, Case 1 DEAD: 4.5 -> 0 kN/m², -90.0 kN  "
      "[old line 34]",
      "Floor load on panel X 0\u20135 m, Z 0\u20134 m, Case 1 DEAD: 4.5 -> 9 kN/m², +90.0 kN  [old "
      "line 33, "
      "new line 33]"},
     {"Floor load total", "Beam"}},
    {"ChangedIntensity",
     [](Frame& f) {
         f.replace(f.loads, "YRANGE 2.9 3.1 FLOAD -4.5 XRANGE 0 5  ZRANGE 0 4  GY",
                   "YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 5  ZRANGE 0 4  GY");
     },
     {"Floor load on panel X 0\u20135 m, Z 0\u20134 m, Case 1 DEAD: 4.5 -> 5 kN/m², +10.0 kN",
      "Floor load total, Case 1 DEAD: 180.0 -> 190.0 kN, +10.0 kN (+5.6 %)"},
     {"X 5\u201310 m, Z 0\u20134 m,"}},
    {"RenumberedMember",
     [](Frame& f) {
         f.replace(f.members, "101 11 12", "201 11 12");
         f.replace(f.loads, "101 UNI GY -10", "201 UNI GY -10");
         f.designs[0].first = 201;
     },
     {"Beam (0, 0)-(5, 0) renumbered: member 101 -> 201",
      "Member 101 renumbered 201: (0, 3, 0)-(5, 3, 0)"},
     {"added", "removed", "Member load"}},
    {"ChangedMemberLoad",
     [](Frame& f) { f.replace(f.loads, "101 UNI GY -10", "101 UNI GY -12"); },
     {"Member load on beam (0, 0)-(5, 0) (member 101), Case 1 DEAD: 10 -> 12 kN/m  [old line "
      "36, new line 36]"},
     {"Floor load"}},
    {"ResizedBeam",
     [](Frame& f) { f.designs[5].second = 4100; },
     {"Beam (5, 0)-(5, 4) length: 4000 -> 4100 mm"},
     {"renumbered"}},
    {"SplitBay",
     [](Frame& f) {
         f.joints.insert(f.joints.end(), {"17 2.5 3 0", "18 2.5 3 4"});
         f.replace(f.members, "101 11 12", "101 11 17");
         f.replace(f.members, "103 14 15", "103 14 18");
         f.members.insert(f.members.end(), {"108 17 12", "109 18 15", "110 17 18"});
         f.designs.insert(f.designs.end(), {{108, 2500}, {109, 2500}, {110, 4000}});
     },
     {"Panel X 0\u20135 m, Z 0\u20134 m removed", "Panel X 0\u20132.5 m, Z 0\u20134 m added",
      "Panel X 2.5\u20135 m, Z 0\u20134 m added", "Beam (0, 0)-(5, 0) removed: member 101",
      "Beam (0, 0)-(2.5, 0) added: member 101", "Beam (2.5, 0)-(2.5, 4) added: member 110",
      "Member 110 added: (2.5, 3, 0)-(2.5, 3, 4)"},
     {"Floor load on panel X 5-10"}},
    {"NewLoadCase",
     [](Frame& f) {
         f.loads.insert(f.loads.end(), {"LOAD 2 LOADTYPE Live TITLE LIVE", "FLOOR LOAD",
                                        "YRANGE 2.9 3.1 FLOAD -3 XRANGE 0 10  ZRANGE 0 4  GY"});
     },
     {"Case 2 added: LOADTYPE Live TITLE LIVE  [new line 37]",
      "Floor load on panel X 5\u201310 m, Z 0\u20134 m, Case 2 LIVE: 0 -> 3 kN/m², +60.0 kN  [new "
      "line 39]",
      "Floor load total, Case 2 LIVE: 0.0 -> 120.0 kN, +120.0 kN\n"},
     {"Case 1"}},
    {"RetitledLoadCase",
     [](Frame& f) {
         f.replace(f.loads, "LOAD 1 LOADTYPE Dead TITLE DEAD", "LOAD 1 LOADTYPE Dead TITLE SELF");
     },
     {"Case 1 retitled: LOADTYPE Dead TITLE DEAD -> LOADTYPE Dead TITLE SELF  [old line 31, new "
      "line 31]"},
     {"Level"}},
    {"MovedJoint",
     [](Frame& f) { f.replace(f.joints, "1 0 0 0", "1 0 0 4"); },
     {"Joint 1 moved: (0, 0, 0) -> (0, 0, 4)", "Member 1 removed: (0, 0, 0)-(0, 3, 0)",
      "Member 1 added: (0, 3, 0)-(0, 0, 4)"},
     {"Level"}},
    {"MemberLoadOnAColumn",
     [](Frame& f) { f.loads.push_back("1 UNI GY -3"); },
     {"Member loads on members no plan draws\n  Member load on member 1, Case 1 DEAD: 0 -> 3 "
      "kN/m  [new line 37]"},
     {"Level"}},
    {"HeaderWordsBetweenTypeAndTitle",
     [](Frame& f) {
         f.replace(f.loads, "LOAD 1 LOADTYPE Dead TITLE DEAD",
                   "LOAD 1 LOADTYPE Dead REDUCIBLE TITLE DEAD");
     },
     {"Case 1 retitled: LOADTYPE Dead TITLE DEAD -> LOADTYPE Dead REDUCIBLE TITLE DEAD"},
     {"Level"}},
    {"LoadedBeamUndesigned",
     [](Frame& f) { f.designs.erase(f.designs.begin()); },
     {"Beam (0, 0)-(5, 0) removed: member 101",
      "Member load on beam (0, 0)-(5, 0) (member 101), Case 1 DEAD: 10 -> 0 kN/m  [old line 36]",
      "Member load on member 101, Case 1 DEAD: 0 -> 10 kN/m  [new line 36]"},
     {}},
};

class CompareChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(CompareChange, TheReportNamesTheChangeAndTheListingsDiffer) {
    const ChangeCase& change = GetParam();
    Frame after;
    change.change(after);
    const Outcome outcome = compare(Frame{}, after);
    EXPECT_EQ(outcome.status, 1) << outcome.err;
    for (const std::string& text : change.reported) {
        EXPECT_NE(outcome.out.find(text), std::string::npos) << text << "\n" << outcome.out;
    }
    for (const std::string& text : change.notReported) {
        EXPECT_EQ(outcome.out.find(text), std::string::npos) << text << "\n" << outcome.out;
    }
    EXPECT_NE(outcome.out.find("Differences found."), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pairs, CompareChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Compare, AListingComparedWithItselfReportsNothing) {
    const std::string path = testing::writeTestListing(Frame{}.text());
    const Outcome text = compare({path, path});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "Comparing " + path + " with " + path + "\n\nNo differences.\n");
    const Outcome json = compare({path, path, "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"same\": true"), std::string::npos) << json.out;
}

// A load one listing does not have is null, not 0, beside its null line.
TEST(Compare, JsonWritesALoadAListingLacksAsNull) {
    Frame after;
    after.loads.insert(after.loads.end(), {"LOAD 2 LOADTYPE Live TITLE LIVE", "MEMBER LOAD",
                                           "101 UNI GY -2", "1 UNI GY -3"});
    const Outcome json = compare(Frame{}, after, {"--json"});
    EXPECT_EQ(json.status, 1) << json.err;
    EXPECT_NE(json.out.find("\"old\": null, \"new\": 2, \"oldLine\": null, \"newLine\": 39"),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"offPlanMemberLoads\": [{\"member\": 1, \"case\": \"2\", "
                            "\"caseName\": \"Case 2 LIVE\", \"old\": null, \"new\": 3"),
              std::string::npos)
        << json.out;
}

TEST(Compare, AListingThatCannotBeReadEndsWithStatus2AndNoReport) {
    const std::string good = testing::writeTestListing(Frame{}.text());
    const std::string bad = testing::writeTestListing("1. UNIT FEET KIP\n");
    for (const auto& pair : {std::vector<std::string>{good, "/nonexistent/new.anl"},
                             std::vector<std::string>{bad, good}}) {
        const Outcome outcome = compare(pair);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.out.empty()) << outcome.out;
        EXPECT_FALSE(outcome.err.empty());
    }
}

TEST(Compare, LevelLimitsTheReportToOneHeightAndRefusesOneThatIsNoLevel) {
    Frame after;
    after.replace(after.loads, "101 UNI GY -10", "101 UNI GY -12");
    const Outcome ground = compare(Frame{}, after, {"--level", "0"});
    EXPECT_EQ(ground.status, 0) << ground.out;
    const Outcome level = compare(Frame{}, after, {"--level", "3"});
    EXPECT_EQ(level.status, 1);
    EXPECT_NE(level.out.find("Member load on beam"), std::string::npos);
    for (const char* height : {"7.8", "three"}) {
        const Outcome refused = compare(Frame{}, after, {"--level", height});
        EXPECT_EQ(refused.status, 2) << height;
        EXPECT_NE(refused.err.find(height), std::string::npos) << refused.err;
    }
}

}  // namespace
}  // namespace fp
