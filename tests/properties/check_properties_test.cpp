// Check over the generator's listings with one fault planted at random: it finds that fault, at
// its line, and nothing else but what the fault itself brings about; the unedited listing raises
// nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <set>
#include <sstream>

#include "checks/listing_checks.h"
#include "panels/level_totals.h"
#include "properties/generated_listing.h"

namespace fp {
namespace {

using testing::Lines;

// A listing with one fault, and what check must find of it.
struct Planted {
    Lines lines;
    FindingKind kind;
    // The listing line the finding names, counted from 1; 0 for a finding with no line.
    long line = 0;
    // What the fault brings about besides, which check may rightly report as well.
    std::set<FindingKind> consequences = {};
};

std::string numberText(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

// A full-form floor load stopped 1 m short of its X range's end, inside the last panel.
Planted shortenedIntoAPanel(Lines lines, std::mt19937& random) {
    const std::size_t at = testing::anyLineHolding(lines, " XRANGE ", random);
    const double x2 = std::stod(testing::wordsOf(lines[at])[8]);
    lines[at] = std::regex_replace(lines[at], std::regex(" XRANGE ([0-9.]+) [0-9.]+ "),
                                   " XRANGE $1 " + numberText(x2 - 1) + " ");
    return {lines,
            FindingKind::PartialFloorLoad,
            static_cast<long>(at + 1),
            {FindingKind::PanelMissedByCase}};
}

// A floor load's Y range moved 1.5 m up, between two levels or above the roof.
Planted movedOffItsLevel(Lines lines, std::mt19937& random) {
    const std::size_t at = testing::anyLineHolding(lines, " YRANGE ", random);
    const std::vector<std::string> words = testing::wordsOf(lines[at]);
    const std::string moved = "YRANGE " + numberText(std::stod(words[2]) + 1.5) + " " +
                              numberText(std::stod(words[3]) + 1.5);
    lines[at] = std::regex_replace(lines[at], std::regex("YRANGE [0-9.]+ [0-9.]+"), moved);
    return {lines,
            FindingKind::FloorLoadOnNoLevel,
            static_cast<long>(at + 1),
            {FindingKind::PanelMissedByCase}};
}

// A member load on a random column, or on a member the listing does not have.
Planted memberLoadOffTheBeams(Lines lines, std::mt19937& random, bool onAColumn) {
    const ListingDocument document = testing::documentOf(lines);
    int32_t member = 9999;
    if (onAColumn) {
        std::vector<int32_t> columns;
        for (const Member& candidate : document.members) {
            if (document.member(candidate.number).isColumn()) {
                columns.push_back(candidate.number);
            }
        }
        member = columns[std::uniform_int_distribution<std::size_t>(0, columns.size() - 1)(random)];
    }
    const std::size_t at = testing::anyLineHolding(lines, ". MEMBER LOAD", random);
    // Half the time the member stands on a continuation line, before a beam of the first plan.
    const std::vector<std::string> statement =
        random() % 2 == 0
            ? std::vector<std::string>{std::to_string(member) + " UNI GY -2.5"}
            : std::vector<std::string>{std::to_string(member) + " -", "1 UNI GY -2.5"};
    for (auto line = statement.rbegin(); line != statement.rend(); ++line) {
        lines.insert(lines.begin() + static_cast<long>(at) + 1,
                     testing::echoLineLike(lines, at, *line));
    }
    return {lines, onAColumn ? FindingKind::MemberLoadOnColumn : FindingKind::MemberLoadOnNoMember,
            static_cast<long>(at + 2)};
}

// Every statement of a random load case commented out, its header left standing.
Planted caseEmptied(Lines lines, std::mt19937& random) {
    const std::size_t header = testing::anyLineHolding(lines, " LOADTYPE ", random);
    const std::regex echo("^( +[0-9]+\\. )(.*)$");
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        if (lines[i].find("LOAD COMBINATION") != std::string::npos ||
            lines[i].find(" LOADTYPE ") != std::string::npos ||
            lines[i].find("PERFORM ANALYSIS") != std::string::npos) {
            break;
        }
        lines[i] = std::regex_replace(lines[i], echo, "$1* $2");
    }
    return {lines,
            FindingKind::EmptyLoadCase,
            static_cast<long>(header + 1),
            {FindingKind::PanelMissedByCase}};
}

// The listing cut off at a random line from the beam design blocks to its FINISH line, without
// its last line end. (Past FINISH, a listing cut at a line end is whole to every sign it gives.)
Planted cutShort(Lines lines, std::mt19937& random) {
    const std::vector<std::size_t> blocks = testing::linesHolding(lines, "B E A M  N O.");
    const std::size_t finish = testing::linesHolding(lines, ". FINISH").back();
    const std::size_t cut =
        std::uniform_int_distribution<std::size_t>(blocks.front() + 1, finish)(random);
    lines.resize(cut);
    // Cut within the first block, the listing has no design block at all.
    return {lines,
            FindingKind::ListingCutShort,
            0,
            {FindingKind::NoDesignOutput, FindingKind::BeamWithoutDesign,
             FindingKind::MemberLoadOnUndrawnBeam}};
}

// A random joint put down 3 to 30 cm off its place across X or Z, as a slip of the pen: the
// members along the line it leaves go off the plans, and the bays and columns with them.
Planted jointOffItsLine(Lines lines, std::mt19937& random) {
    const ListingDocument document = testing::documentOf(lines);
    const Joint& joint = document.joints[std::uniform_int_distribution<std::size_t>(
        0, document.joints.size() - 1)(random)];
    const double by =
        std::uniform_int_distribution<int>(3, 30)(random) / 100.0 * (random() % 2 == 0 ? 1 : -1);
    const bool acrossX = random() % 2 == 0;
    const std::size_t first = testing::linesHolding(lines, "JOINT COORDINATES").front();
    const std::regex written("([ ;.]) " + std::to_string(joint.number) +
                             " ([-0-9.]+) ([-0-9.]+) ([-0-9.]+)");
    std::size_t at = first + 1;
    for (;; ++at) {
        std::smatch found;
        if (std::regex_search(lines[at], found, written)) {
            const double x = std::stod(found[2]) + (acrossX ? by : 0);
            const double z = std::stod(found[4]) + (acrossX ? 0 : by);
            lines[at] = found.prefix().str() + found[1].str() + " " + std::to_string(joint.number) +
                        " " + numberText(x) + " " + found[3].str() + " " + numberText(z) +
                        found.suffix().str();
            break;
        }
    }
    return {lines,
            FindingKind::JointOffGridLine,
            static_cast<long>(at + 1),
            {FindingKind::MemberLoadOnUndrawnBeam, FindingKind::PartialFloorLoad,
             FindingKind::FloorLoadOnNoPanel, FindingKind::PanelMissedByCase,
             FindingKind::PanelLoadedTwice, FindingKind::LoadWithoutColumn,
             FindingKind::BeamEndOnNothing, FindingKind::PanelSideWithoutBeam}};
}

struct FaultKind {
    const char* name;
    std::function<Planted(Lines, std::mt19937&)> plant;
};

const FaultKind kFaults[] = {
    {"floor load shortened into a panel", shortenedIntoAPanel},
    {"floor load moved off its level", movedOffItsLevel},
    {"member load on a column",
     [](Lines lines, std::mt19937& random) {
         return memberLoadOffTheBeams(std::move(lines), random, true);
     }},
    {"member load on an absent member",
     [](Lines lines, std::mt19937& random) {
         return memberLoadOffTheBeams(std::move(lines), random, false);
     }},
    {"load case emptied", caseEmptied},
    {"listing cut short", cutShort},
    {"joint off its line", jointOffItsLine},
};

std::vector<Finding> checkLines(const Lines& lines, bool lastLineEnded = true) {
    std::string text = testing::joined(lines);
    if (!lastLineEnded) {
        text.pop_back();
    }
    struct NoMessages : MessageSink {
        void show(const ListingMessage&) override {}
    } messages;
    const auto listing = listingInMemory(text, "generated.anl");
    return checkDocument(readListing(*listing, messages));
}

class PlantedFault : public ::testing::TestWithParam<unsigned> {};

TEST_P(PlantedFault, IsFoundAtItsLineAndNothingElse) {
    std::mt19937 random(GetParam());
    const auto& shapes = testing::generatedShapes();
    const std::string& shape = shapes[GetParam() % shapes.size()];
    const FaultKind& fault = kFaults[(GetParam() / shapes.size()) % std::size(kFaults)];
    const Lines& original = testing::generatedLines(shape);
    EXPECT_TRUE(checkLines(original).empty()) << shape;

    const Planted planted = fault.plant(original, random);
    const std::vector<Finding> findings =
        checkLines(planted.lines, planted.kind != FindingKind::ListingCutShort);
    std::string context = std::string(fault.name) + " on " + shape + " at line " +
                          std::to_string(planted.line) + "\n";
    for (const Finding& finding : findings) {
        context += std::string(kindName(finding.kind)) + ": " + finding.sentence + "\n";
    }
    bool found = false;
    for (const Finding& finding : findings) {
        const bool atTheLine =
            planted.line == 0 || std::find(finding.lines.begin(), finding.lines.end(),
                                           planted.line) != finding.lines.end();
        found = found || (finding.kind == planted.kind && atTheLine);
        EXPECT_TRUE((finding.kind == planted.kind && atTheLine) ||
                    planted.consequences.contains(finding.kind))
            << context;
    }
    EXPECT_TRUE(found) << context;
}

INSTANTIATE_TEST_SUITE_P(Seeds, PlantedFault, ::testing::ValuesIn(testing::propertySeeds(105u)));

// The kN a partial-cover finding says are not applied are what the analysis applies over the
// load's range less what the level totals gain from the load.
TEST(PlantedFaultTotals, ThePartLostIsTheLoadLessWhatTheTotalsGain) {
    for (unsigned seed = 0; seed < 12; ++seed) {
        std::mt19937 random(seed);
        const std::string& shape =
            testing::generatedShapes()[seed % testing::generatedShapes().size()];
        const Planted planted = shortenedIntoAPanel(testing::generatedLines(shape), random);
        const auto at = static_cast<std::size_t>(planted.line - 1);
        const std::vector<std::string> words = testing::wordsOf(planted.lines[at]);
        const double applied = -std::stod(words[5]) * (std::stod(words[8]) - std::stod(words[7])) *
                               (std::stod(words[11]) - std::stod(words[10]));
        Lines without = planted.lines;
        without.erase(without.begin() + static_cast<long>(at));

        double lost = 0;
        int level = 0;
        for (const Finding& finding : checkLines(planted.lines)) {
            if (finding.kind == FindingKind::PartialFloorLoad) {
                lost += finding.numbers.at(1).value;
                level = finding.level;
            }
        }
        ASSERT_GT(level, 0) << shape;
        const auto totalOf = [&](const Lines& lines) {
            double total = 0;
            for (const CaseTotal& caseTotal :
                 levelTotals(testing::documentOf(lines), level).cases) {
                total += caseTotal.load;
            }
            return total;
        };
        const double gained = totalOf(planted.lines) - totalOf(without);
        EXPECT_NEAR(lost, applied - gained, 0.05) << shape << " line " << planted.line;
    }
}

}  // namespace
}  // namespace fp
