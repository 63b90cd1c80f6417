// The check of a listing: one small listing per kind of finding, and listings that raise none.
#include "checks/listing_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "panels/level_totals.h"
#include "reader/listing_source.h"
#include "support/listing_text.h"

namespace fp {
namespace {

// A frame of three 6 m × 5 m bays at 3 m, its beams designed, loaded whole by one case; each
// case below changes one thing in it.
struct FrameListing {
    std::vector<std::string> loads = {
        "LOAD 1 LOADTYPE Dead TITLE DEAD",
        "FLOOR LOAD",
        "YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 18  ZRANGE 0 5  GY",
        "MEMBER LOAD",
        "101 TO 103 UNI GY -10",
    };
    std::vector<int> designed = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110};
    std::vector<std::string> extraMembers;
    std::vector<std::string> afterDesign = {"FINISH"};
    long skippedEcho = 0;  // an echo number left out, as if its line were lost
    bool lastLineEnd = true;
    // The listing ends with the last beam design header, as if cut off while being written.
    bool cutAfterLastDesignHeader = false;

    std::string text() const {
        std::vector<std::string> input = {"STAAD SPACE", "UNIT METER KN", "JOINT COORDINATES"};
        for (int i = 0; i < 8; ++i) {
            const std::string x = std::to_string(6 * (i % 4));
            const std::string z = i < 4 ? "0" : "5";
            input.push_back(std::to_string(i + 1) + " " + x + " 0 " + z + "; " +
                            std::to_string(i + 101) + " " + x + " 3 " + z);
        }
        input.push_back("MEMBER INCIDENCES");
        for (const char* member :
             {"101 101 102", "102 102 103", "103 103 104", "104 105 106", "105 106 107",
              "106 107 108", "107 101 105", "108 102 106", "109 103 107", "110 104 108"}) {
            input.push_back(member);
        }
        for (int i = 1; i <= 8; ++i) {
            input.push_back(std::to_string(1000 + i) + " " + std::to_string(i) + " " +
                            std::to_string(100 + i));
        }
        input.insert(input.end(), extraMembers.begin(), extraMembers.end());
        input.push_back("SUPPORTS");
        input.insert(input.end(), loads.begin(), loads.end());
        input.push_back("PERFORM ANALYSIS");
        input.push_back("DESIGN BEAM ALL");

        std::string text;
        long echo = 0;
        const auto echoLine = [&](const std::string& line) {
            if (++echo == skippedEcho) {
                ++echo;
            }
            text += "  " + std::to_string(echo) + ". " + line + "\n";
        };
        for (const std::string& line : input) {
            echoLine(line);
        }
        for (const int member : designed) {
            text +=
                "\n   B E A M  N O. " + std::to_string(member) + "   D E S I G N   R E S U L T S\n";
            if (cutAfterLastDesignHeader && member == designed.back()) {
                return text;
            }
            text += "   LENGTH: 6000.0 mm\n";
        }
        for (const std::string& line : afterDesign) {
            echoLine(line);
        }
        text += "  *** END OF THE FRAME ANALYSIS PROGRAM ***";
        return lastLineEnd ? text + "\n" : text;
    }
};

std::vector<Finding> checkText(const std::string& text) {
    struct NoMessages : MessageSink {
        void show(const ListingMessage&) override {}
    } messages;
    const auto listing = listingInMemory(text, "frame.anl");
    const ListingDocument document = readListing(*listing, messages);
    return checkDocument(document);
}

std::set<FindingKind> kindsOf(const std::vector<Finding>& findings) {
    std::set<FindingKind> kinds;
    for (const Finding& finding : findings) {
        kinds.insert(finding.kind);
    }
    return kinds;
}

// A listing whose echo says it is whole, then the same listing cut short on disk after it was
// read: the check tells of the version read, its echo and its loads alike.
TEST(ListingChecks, TellOfTheVersionThatWasReadWhateverTheFileHoldsNow) {
    FrameListing frame;
    const std::string path = testing::writeTestListing(frame.text());
    struct NoMessages : MessageSink {
        void show(const ListingMessage&) override {}
    } messages;
    const ListingDocument document = openListing(path, messages);
    const std::vector<Finding> before = checkDocument(document);
    frame.lastLineEnd = false;
    frame.afterDesign.clear();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << frame.text();
    const std::vector<Finding> after = checkDocument(document);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(kindsOf(after).count(FindingKind::ListingCutShort), 0u);
    std::remove(path.c_str());
}

void replaceLoad(FrameListing& frame, const std::string& from, const std::string& to) {
    std::replace(frame.loads.begin(), frame.loads.end(), from, to);
}

void addLiveLoad(FrameListing& frame, const std::string& load) {
    frame.loads.insert(frame.loads.begin() + 3,
                       {"LOAD 2 LOADTYPE Live TITLE LIVE", "FLOOR LOAD", load});
}

struct KindCase {
    const char* name;
    std::function<void(FrameListing&)> change;
    FindingKind kind;
    Severity severity;
    // Found along with it, where the change makes more than one thing wrong.
    std::set<FindingKind> alsoFound = {};
};

class OneListingPerKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(OneListingPerKind, FindsItsKindAndNothingElse) {
    FrameListing frame;
    GetParam().change(frame);
    const std::vector<Finding> findings = checkText(frame.text());
    std::set<FindingKind> expected = GetParam().alsoFound;
    expected.insert(GetParam().kind);
    EXPECT_EQ(kindsOf(findings), expected);
    for (const Finding& finding : findings) {
        if (finding.kind == GetParam().kind) {
            EXPECT_EQ(finding.severity, GetParam().severity) << finding.sentence;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OneListingPerKind,
    ::testing::Values(
        KindCase{"PartialFloorLoad",
                 [](FrameListing& f) {
                     addLiveLoad(f, "YRANGE 2.9 3.1 FLOAD -2 XRANGE 0 9  ZRANGE 0 5  GY");
                 },
                 FindingKind::PartialFloorLoad, Severity::Warning},
        KindCase{"FloorLoadOnNoPanel",
                 [](FrameListing& f) {
                     addLiveLoad(f, "YRANGE 2.9 3.1 FLOAD -2 XRANGE 20 30  ZRANGE 0 5  GY");
                 },
                 FindingKind::FloorLoadOnNoPanel, Severity::Warning},
        KindCase{"FloorLoadOnNoLevel",
                 [](FrameListing& f) { addLiveLoad(f, "YRANGE 5 6 FLOAD -2 GY"); },
                 FindingKind::FloorLoadOnNoLevel, Severity::Warning},
        KindCase{"PanelLoadedTwice",
                 [](FrameListing& f) {
                     f.loads.insert(f.loads.begin() + 3,
                                    "YRANGE 2.9 3.1 FLOAD -1 XRANGE 0 6  ZRANGE 0 5  GY");
                 },
                 FindingKind::PanelLoadedTwice, Severity::Note},
        KindCase{"PanelMissedByCase",
                 [](FrameListing& f) {
                     replaceLoad(f, "YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 18  ZRANGE 0 5  GY",
                                 "YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 12  ZRANGE 0 5  GY");
                 },
                 FindingKind::PanelMissedByCase, Severity::Warning},
        KindCase{"MemberLoadOnNoMember",
                 [](FrameListing& f) { f.loads.push_back("999 UNI GY -4"); },
                 FindingKind::MemberLoadOnNoMember, Severity::Warning},
        KindCase{"MemberLoadOnColumn", [](FrameListing& f) { f.loads.push_back("1001 UNI GY -4"); },
                 FindingKind::MemberLoadOnColumn, Severity::Warning},
        KindCase{"MemberLoadOnUndrawnBeam",
                 [](FrameListing& f) { f.designed.erase(f.designed.begin()); },
                 FindingKind::MemberLoadOnUndrawnBeam,
                 Severity::Note,
                 {FindingKind::BeamWithoutDesign}},
        KindCase{"NoDesignOutput", [](FrameListing& f) { f.designed.clear(); },
                 FindingKind::NoDesignOutput, Severity::Warning},
        KindCase{"NoFinishLine", [](FrameListing& f) { f.afterDesign.clear(); },
                 FindingKind::ListingCutShort, Severity::Warning},
        KindCase{"LastLineCutOff", [](FrameListing& f) { f.lastLineEnd = false; },
                 FindingKind::ListingCutShort, Severity::Warning},
        KindCase{"DesignBlockCutOff",
                 [](FrameListing& f) { f.cutAfterLastDesignHeader = true; },
                 FindingKind::ListingCutShort,
                 Severity::Warning,
                 {FindingKind::BeamWithoutDesign}},
        KindCase{"EchoLinesMissing", [](FrameListing& f) { f.skippedEcho = 9; },
                 FindingKind::EchoLinesMissing, Severity::Warning},
        KindCase{"EmptyLoadCase",
                 [](FrameListing& f) { f.loads.push_back("LOAD 2 LOADTYPE Live TITLE LIVE"); },
                 FindingKind::EmptyLoadCase, Severity::Warning},
        KindCase{"LoadCaseCommentedOut",
                 [](FrameListing& f) {
                     f.loads.insert(f.loads.end(),
                                    {"LOAD 2 LOADTYPE Live TITLE LIVE", "* FLOOR LOAD",
                                     "* YRANGE 2.9 3.1 FLOAD -2 XRANGE 0 18  ZRANGE 0 5  GY"});
                 },
                 FindingKind::EmptyLoadCase, Severity::Warning},
        KindCase{"LoadCaseWithACommandButNoStatement",
                 [](FrameListing& f) {
                     f.loads.insert(f.loads.end(), {"LOAD 2 LOADTYPE Live TITLE LIVE", "FLOOR LOAD",
                                                    "* no live load yet"});
                 },
                 FindingKind::EmptyLoadCase, Severity::Warning},
        KindCase{"LoadBeforeFirstCase",
                 [](FrameListing& f) {
                     f.loads.insert(
                         f.loads.begin(),
                         {"FLOOR LOAD", "YRANGE 2.9 3.1 FLOAD -1 XRANGE 0 18  ZRANGE 0 5  GY"});
                 },
                 FindingKind::LoadBeforeFirstCase, Severity::Warning},
        KindCase{"FloorLoadActingUpward",
                 [](FrameListing& f) { addLiveLoad(f, "YRANGE 2.9 3.1 FLOAD 4.5 GY"); },
                 FindingKind::FloorLoadNotShown, Severity::Warning},
        KindCase{"FloorLoadInAnotherDirection",
                 [](FrameListing& f) {
                     addLiveLoad(f, "YRANGE 2.9 3.1 FLOAD -2 XRANGE 0 18  ZRANGE 0 5  GZ");
                 },
                 FindingKind::FloorLoadNotShown, Severity::Warning},
        KindCase{"MemberLoadActingUpward",
                 [](FrameListing& f) { f.loads.push_back("104 UNI GY 10"); },
                 FindingKind::MemberLoadNotShown, Severity::Warning},
        KindCase{"MemberLoadInAnotherDirection",
                 [](FrameListing& f) { f.loads.push_back("104 105 UNI GX -3"); },
                 FindingKind::MemberLoadNotShown, Severity::Note}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

Finding onlyFinding(const std::vector<Finding>& findings) {
    EXPECT_EQ(findings.size(), 1u);
    return findings.empty() ? Finding{} : findings.front();
}

TEST(ListingCheck, APartialLoadNamesThePanelItMissesAndTheLoadLost) {
    FrameListing frame;
    addLiveLoad(frame, "YRANGE 2.9 3.1 FLOAD -2 XRANGE 0 9  ZRANGE 0 5  GY");
    const Finding partial = onlyFinding(checkText(frame.text()));
    EXPECT_EQ(partial.level, 2);
    EXPECT_EQ(partial.caseNumber, "2");
    EXPECT_EQ(partial.place.kind, FindingPlace::Kind::Panel);
    EXPECT_EQ(std::vector<double>(
                  {partial.place.x1, partial.place.x2, partial.place.z1, partial.place.z2}),
              std::vector<double>({6, 12, 0, 5}));
    // Half of the 6 m × 5 m panel at 2 kN/m².
    ASSERT_EQ(partial.numbers.size(), 2u);
    EXPECT_DOUBLE_EQ(partial.numbers[0].value, 0.5);
    EXPECT_DOUBLE_EQ(partial.numbers[1].value, 30.0);
    EXPECT_NE(partial.sentence.find("30.0 kN"), std::string::npos) << partial.sentence;
    const std::string text = frame.text();
    const auto loadLine =
        1 + std::count(text.begin(), text.begin() + text.find("XRANGE 0 9"), '\n');
    EXPECT_EQ(partial.lines, std::vector<long>{loadLine});
}

// A floor load reaches 0.1 m over a panel's edges: short of an edge by no more, it loads the
// panel whole; into a panel by no more, it covers none of it.
TEST(ListingCheck, AFloorLoadReachesATenthOfAMetre) {
    const struct {
        const char* name;
        std::vector<std::string> loads;
        std::set<FindingKind> kinds;
        const char* says;
    } cases[] = {
        {"short of the edges within the reach",
         {"YRANGE 2.9 3.1 FLOAD -5 XRANGE 0.05 6.08  ZRANGE 0 5  GY",
          "YRANGE 2.9 3.1 FLOAD -5 XRANGE 6.08 18  ZRANGE 0 5  GY"},
         {},
         ""},
        {"into the next panel within the reach",
         {"YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 6.09  ZRANGE 0 5  GY",
          "YRANGE 2.9 3.1 FLOAD -5 XRANGE 6 18  ZRANGE 0 5  GY"},
         {},
         ""},
        {"into a panel past the reach",
         {"YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 18  ZRANGE 0 5  GY",
          "YRANGE 2.9 3.1 FLOAD -1 XRANGE 6.5 6.7  ZRANGE 1 2  GY"},
         {FindingKind::PartialFloorLoad},
         "covers 1 % of the panel"},
        {"within the reach of every panel",
         {"YRANGE 2.9 3.1 FLOAD -5 XRANGE 0 18  ZRANGE 0 5  GY",
          "YRANGE 2.9 3.1 FLOAD -1 XRANGE 5.95 6.05  ZRANGE 1 2  GY"},
         {FindingKind::FloorLoadOnNoPanel},
         "covers no panel of any level, whole or in part: all 0.1 kN are lost"},
    };
    for (const auto& c : cases) {
        FrameListing frame;
        frame.loads.erase(frame.loads.begin() + 2);
        frame.loads.insert(frame.loads.begin() + 2, c.loads.begin(), c.loads.end());
        const std::vector<Finding> findings = checkText(frame.text());
        EXPECT_EQ(kindsOf(findings), c.kinds) << c.name;
        for (const Finding& finding : findings) {
            EXPECT_NE(finding.sentence.find(c.says), std::string::npos) << finding.sentence;
        }
    }
}

TEST(ListingCheck, ALoadOnNoLevelLosesItsWholeRange) {
    FrameListing frame;
    addLiveLoad(frame, "YRANGE 5 6 FLOAD -2 XRANGE 0 6  ZRANGE 0 5  GY");
    const Finding lost = onlyFinding(checkText(frame.text()));
    EXPECT_EQ(lost.level, 0);
    EXPECT_EQ(lost.place.kind, FindingPlace::Kind::Range);
    EXPECT_DOUBLE_EQ(lost.numbers.at(0).value, 60.0);
}

long lineHolding(const std::string& text, const std::string& part) {
    return 1 + std::count(text.begin(), text.begin() + text.find(part), '\n');
}

TEST(ListingCheck, AListingCutInsideADesignBlockNamesItsHeader) {
    FrameListing frame;
    frame.cutAfterLastDesignHeader = true;
    const std::string text = frame.text();
    std::vector<std::vector<long>> cutLines;
    for (const Finding& finding : checkText(text)) {
        if (finding.kind == FindingKind::ListingCutShort) {
            cutLines.push_back(finding.lines);
        }
    }
    const long header = lineHolding(text, "B E A M  N O. 110");
    EXPECT_NE(std::find(cutLines.begin(), cutLines.end(), std::vector<long>{header}),
              cutLines.end());
}

// What a member-load finding says: its kind, level, the line the member is written on, the place
// of the one beam it is about, and the real reason no plan shows the load.
struct MemberLoadCase {
    const char* name;
    std::function<void(FrameListing&)> change;
    struct Expected {
        FindingKind kind;
        int level;
        const char* lineHolds;  // a text of the line the finding names
        int placeMember;        // the beam it is placed on; 0 for no place
        const char* says;
    };
    std::vector<Expected> expected;
};

const MemberLoadCase kMemberLoadCases[] = {
    {"TiePastAJointIsNoBeamOfAnyPlan",
     [](FrameListing& f) {
         f.loads.push_back("111 UNI GY -4");
         f.extraMembers.push_back("111 101 103");
     },
     {{FindingKind::MemberLoadOnUndrawnBeam, 2, "111 UNI GY -4", 111,
       "names member 111, which runs past another joint of its level: it is not a beam of any "
       "plan"}}},
    {"GroundMemberWithoutDesign",
     [](FrameListing& f) {
         f.loads.push_back("112 UNI GY -4");
         f.extraMembers.push_back("112 1 2");
     },
     {{FindingKind::MemberLoadOnUndrawnBeam, 1, "112 UNI GY -4", 112, "of the lowest level"}}},
    {"GroundMemberDesigned",
     [](FrameListing& f) {
         f.loads.push_back("112 UNI GY -4");
         f.extraMembers.push_back("112 1 2");
         f.designed.push_back(112);
     },
     {{FindingKind::MemberLoadOnUndrawnBeam, 1, "112 UNI GY -4", 112, "of the lowest level"}}},
    {"MemberOnAContinuationLine",
     [](FrameListing& f) {
         f.loads.insert(f.loads.end(), {"104 999 -", "105 UNI GY -4"});
     },
     {{FindingKind::MemberLoadOnNoMember, 0, "104 999 -", 0, "names member 999, which"}}},
    {"MemberNamedTwice",
     [](FrameListing& f) { f.loads.push_back("999 999 UNI GY -4"); },
     {{FindingKind::MemberLoadOnNoMember, 0, "999 999 UNI", 0, "names member 999, which"}}},
    {"TwoUndrawnBeamsOnOneLine",
     [](FrameListing& f) { f.designed.erase(f.designed.begin(), f.designed.begin() + 2); },
     {{FindingKind::BeamWithoutDesign, 2, nullptr, 101, "Beam 101"},
      {FindingKind::BeamWithoutDesign, 2, nullptr, 102, "Beam 102"},
      {FindingKind::MemberLoadOnUndrawnBeam, 2, "101 TO 103 UNI", 101,
       "names member 101, a beam without a design block"},
      {FindingKind::MemberLoadOnUndrawnBeam, 2, "101 TO 103 UNI", 102,
       "names member 102, a beam without a design block"}}},
    {"UnshownLoadOnAContinuationLine",
     [](FrameListing& f) {
         f.loads.insert(f.loads.end(), {"104 -", "105 UNI GX -3"});
     },
     {{FindingKind::MemberLoadNotShown, 0, "105 UNI GX -3", 0,
       "\u00abUNI GX -3\u00bb (load case 1) on members 104 105"}}},
};

class MemberLoadFindings : public ::testing::TestWithParam<MemberLoadCase> {};

TEST_P(MemberLoadFindings, NameTheMembersLineThePlaceAndTheReason) {
    FrameListing frame;
    GetParam().change(frame);
    const std::string text = frame.text();
    std::vector<Finding> findings = checkText(text);
    std::string sentences;
    for (const Finding& finding : findings) {
        sentences += finding.sentence + "\n";
    }
    ASSERT_EQ(findings.size(), GetParam().expected.size()) << sentences;
    std::sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::tie(a.kind, a.place.member) < std::tie(b.kind, b.place.member);
    });
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const auto& expected = GetParam().expected[i];
        const Finding& found = findings[i];
        EXPECT_EQ(found.kind, expected.kind) << found.sentence;
        EXPECT_EQ(found.level, expected.level) << found.sentence;
        if (expected.lineHolds != nullptr) {
            EXPECT_EQ(found.lines, std::vector<long>{lineHolding(text, expected.lineHolds)})
                << found.sentence;
        }
        EXPECT_EQ(found.place.member, expected.placeMember) << found.sentence;
        EXPECT_NE(found.sentence.find(expected.says), std::string::npos) << found.sentence;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MemberLoadFindings, ::testing::ValuesIn(kMemberLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A floor load the plans do not show is told at its line and level, and the level totals say
// they leave it out rather than add it in.
TEST(ListingCheck, AFloorLoadNoPlanShowsIsToldAndLeftOutOfTheTotals) {
    for (const char* load :
         {"YRANGE 2.9 3.1 FLOAD 4.5 GY", "YRANGE 2.9 3.1 FLOAD -2 XRANGE 0 18  ZRANGE 0 5  GZ"}) {
        FrameListing frame;
        addLiveLoad(frame, load);
        const std::string text = frame.text();
        const Finding unshown = onlyFinding(checkText(text));
        EXPECT_EQ(unshown.level, 2) << load;
        EXPECT_EQ(unshown.lines, std::vector<long>{lineHolding(text, load)}) << load;
        EXPECT_EQ(unshown.caseNumber, "2") << load;

        struct NoMessages : MessageSink {
            void show(const ListingMessage&) override {}
        } messages;
        const ListingDocument document = readListing(*listingInMemory(text, "frame.anl"), messages);
        const LevelTotals totals = levelTotals(document, 2);
        EXPECT_EQ(totals.loadsLeftOut, std::vector<long>{lineHolding(text, load)}) << load;
        ASSERT_EQ(totals.cases.size(), 1u) << load;
        EXPECT_EQ(totals.cases.front().caseNumber, "1") << load;
    }
}

TEST(ListingCheck, ACleanFrameRaisesNothing) {
    EXPECT_TRUE(checkText(FrameListing{}.text()).empty());
}

}  // namespace
}  // namespace fp
