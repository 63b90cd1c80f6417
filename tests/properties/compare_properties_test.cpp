// Compare over the generator's listings: a copy with one random edit differs in exactly that edit,
// named at the edited lines; a copy changed only in how it is written does not differ at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <set>
#include <sstream>

#include "compare/comparison_report.h"
#include "compare/listing_comparison.h"
#include "properties/generated_listing.h"

namespace fp {
namespace {

using testing::Lines;

// A listing edited once, and what compare must say of it.
struct Edited {
    Lines lines;
    // The listing lines the report may name, as "old line 58" or "new line 59": those of the
    // edit. Empty for an edit whose consequences reach other lines (a joint moved moves beams):
    // the report names it by number.
    std::set<std::string> linesNamed;
    // A text the report must hold.
    std::string says;
    // Besides those, the report may name lines matching this: a member's loads of a case are
    // named by the first of them, on the line the member is written on.
    std::string alsoLinesMatching = {};
};

// A line of a member-load statement: its load, or a member list continued on the next line.
const char* const kMemberLoadLine = " UNI GY | -$";

std::string lineName(const char* which, std::size_t index) {
    return std::string(which) + " line " + std::to_string(index + 1);
}

std::string numberText(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

// A downward floor load of a random YRANGE line made heavier.
Edited heavierFloorLoad(Lines lines, std::mt19937& random) {
    const std::size_t at = testing::anyLineHolding(lines, " FLOAD -", random);
    std::vector<std::string> words = testing::wordsOf(lines[at]);
    const double value = std::stod(words[5]);
    lines[at] = std::regex_replace(lines[at], std::regex(" FLOAD -[0-9.]+ "),
                                   " FLOAD " + numberText(value - 1.5) + " ");
    return {lines, {lineName("old", at), lineName("new", at)}, lineName("new", at)};
}

// The X range of a random full-form floor load stopped 1 m short of its end.
Edited shorterFloorLoad(Lines lines, std::mt19937& random) {
    const std::size_t at = testing::anyLineHolding(lines, " XRANGE ", random);
    const std::vector<std::string> words = testing::wordsOf(lines[at]);
    const double x2 = std::stod(words[8]);
    lines[at] = std::regex_replace(lines[at], std::regex(" XRANGE ([0-9.]+) [0-9.]+ "),
                                   " XRANGE $1 " + numberText(x2 - 1) + " ");
    return {lines, {lineName("old", at), lineName("new", at)}, lineName("old", at)};
}

// A downward uniform load on any member of the listing, a column or a beam, or on one it lacks.
Edited memberLoadAdded(Lines lines, std::mt19937& random) {
    const std::size_t at = testing::anyLineHolding(lines, ". MEMBER LOAD", random);
    const ListingDocument document = testing::documentOf(lines);
    const std::size_t count = document.members.size();
    const std::size_t pick = std::uniform_int_distribution<std::size_t>(0, count)(random);
    const int32_t member = pick == count ? 9999 : document.members[pick].number;
    lines.insert(lines.begin() + static_cast<long>(at) + 1,
                 testing::echoLineLike(lines, at, std::to_string(member) + " UNI GY -3.5"));
    return {lines, {lineName("new", at + 1)}, lineName("new", at + 1), kMemberLoadLine};
}

Edited memberLoadChanged(Lines lines, std::mt19937& random) {
    const std::size_t at = testing::anyLineHolding(lines, " UNI GY -", random);
    lines[at] = std::regex_replace(lines[at], std::regex("UNI GY -[0-9.]+"), "UNI GY -31.5");
    // The statement's members may stand on the continuation lines before.
    std::set<std::string> named;
    for (std::size_t i = at + 1; i-- > 0 && (i == at || lines[i].ends_with(" -"));) {
        named.insert({lineName("old", i), lineName("new", i)});
    }
    return {lines, named, "kN/m"};
}

// A random joint of the listing moved 0.3 m along X.
Edited jointMoved(Lines lines, std::mt19937& random) {
    const ListingDocument document = testing::documentOf(lines);
    const Joint& joint = document.joints[std::uniform_int_distribution<std::size_t>(
        0, document.joints.size() - 1)(random)];
    const std::size_t first = testing::linesHolding(lines, "JOINT COORDINATES").front();
    const std::regex written("([ ;.]) " + std::to_string(joint.number) + " ([-0-9.]+) ");
    for (std::size_t i = first + 1;; ++i) {
        std::smatch found;
        if (std::regex_search(lines[i], found, written)) {
            const double x = std::stod(found[2]);
            lines[i] = found.prefix().str() + found[1].str() + " " + std::to_string(joint.number) +
                       " " + numberText(x + 0.3) + " " + found.suffix().str();
            break;
        }
    }
    return {lines, {}, "Joint " + std::to_string(joint.number) + " moved"};
}

// A random column given an unused number: nothing names a column but its incidence.
Edited columnRenumbered(Lines lines, std::mt19937& random) {
    const ListingDocument document = testing::documentOf(lines);
    std::vector<int32_t> columns;
    for (const Member& member : document.members) {
        if (document.member(member.number).isColumn()) {
            columns.push_back(member.number);
        }
    }
    const int32_t column =
        columns[std::uniform_int_distribution<std::size_t>(0, columns.size() - 1)(random)];
    const std::size_t first = testing::linesHolding(lines, "MEMBER INCIDENCES").front();
    const std::regex written("([;.]) " + std::to_string(column) + " ");
    for (std::size_t i = first + 1;; ++i) {
        if (std::regex_search(lines[i], written)) {
            lines[i] =
                std::regex_replace(lines[i], written, "$1 " + std::to_string(column + 5000) + " ",
                                   std::regex_constants::format_first_only);
            break;
        }
    }
    return {lines,
            {},
            "Member " + std::to_string(column) + " renumbered " + std::to_string(column + 5000)};
}

// The line after the last primary case's loads: the first combination, or the analysis when
// there is none.
std::size_t endOfPrimaryCases(const Lines& lines) {
    const std::vector<std::size_t> combinations = testing::linesHolding(lines, "LOAD COMBINATION");
    return combinations.empty() ? testing::linesHolding(lines, "PERFORM ANALYSIS").front()
                                : combinations.front();
}

// A load case with nothing under it, added after the last primary case.
Edited caseAdded(Lines lines, std::mt19937&) {
    const std::size_t at = endOfPrimaryCases(lines);
    lines.insert(lines.begin() + static_cast<long>(at),
                 testing::echoLineLike(lines, at, "LOAD 77 LOADTYPE Live TITLE ROOF MAINTENANCE"));
    return {lines, {lineName("new", at)}, "Case 77 added"};
}

// The last primary case taken out whole, its header and every load under it.
Edited caseRemoved(Lines lines, std::mt19937&) {
    const std::size_t last = testing::linesHolding(lines, "LOADTYPE").back();
    const std::size_t end = endOfPrimaryCases(lines);
    std::set<std::string> named;
    for (std::size_t i = last; i < end; ++i) {
        named.insert(lineName("old", i));
    }
    lines.erase(lines.begin() + static_cast<long>(last), lines.begin() + static_cast<long>(end));
    return {lines, named, "removed"};
}

Edited caseRetitled(Lines lines, std::mt19937& random) {
    const std::size_t at = testing::anyLineHolding(lines, " TITLE ", random);
    lines[at] = lines[at].substr(0, lines[at].find(" TITLE ")) + " TITLE RENAMED CASE";
    return {lines, {lineName("old", at), lineName("new", at)}, "retitled"};
}

// Words added between a header's load type and its title, as a reducible flag.
Edited headerWordsChanged(Lines lines, std::mt19937& random) {
    const std::size_t at = testing::anyLineHolding(lines, " TITLE ", random);
    lines[at].insert(lines[at].find(" TITLE "), " REDUCIBLE");
    return {lines, {lineName("old", at), lineName("new", at)}, "REDUCIBLE TITLE"};
}

// A loaded beam's design block given up: no plan draws the beam, and its loads go with it from
// the level to the members outside every plan.
Edited beamUndesigned(Lines lines, std::mt19937& random) {
    const ListingDocument document = testing::documentOf(lines);
    std::vector<const DesignRow*> loaded;
    for (const DesignRow& row : document.designRows) {
        if (!document.memberLoadsOn(row.member).empty()) {
            loaded.push_back(&row);
        }
    }
    const DesignRow& row =
        *loaded[std::uniform_int_distribution<std::size_t>(0, loaded.size() - 1)(random)];
    const auto at = static_cast<std::size_t>(row.line - 1);
    lines[at] = std::regex_replace(lines[at], std::regex("N O\\. +[0-9]+"), "N O.  ---");
    return {lines,
            {lineName("old", at)},
            "(member " + std::to_string(row.member) + "), ",
            kMemberLoadLine};
}

// The index of the design header of a member, in the listing's lines.
std::size_t designHeaderOf(const Lines& lines, int32_t member) {
    const std::regex header("B E A M  N O\\. +" + std::to_string(member) + " ");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (std::regex_search(lines[i], header)) {
            return i;
        }
    }
    ADD_FAILURE() << "no design block of member " << member;
    return 0;
}

// A random drawn beam split in two through a new joint at its middle: the beam keeps its number
// and its first half, a new member with a design block of its own takes the second, each half as
// long as the whole was.
Edited baySplit(Lines lines, std::mt19937& random) {
    const ListingDocument document = testing::documentOf(lines);
    std::vector<MemberFacts> drawn;
    for (const DesignRow& row : document.designRows) {
        drawn.push_back(document.member(row.member));
    }
    const MemberFacts beam =
        drawn[std::uniform_int_distribution<std::size_t>(0, drawn.size() - 1)(random)];
    int16_t joint = 0;
    for (const Joint& existing : document.joints) {
        joint = std::max(joint, existing.number);
    }
    ++joint;
    int32_t member = 0;
    for (const Member& existing : document.members) {
        member = std::max(member, existing.number);
    }
    ++member;
    const auto middle = [](int16_t a, int16_t b) { return numberText((a + b) / 200.0); };

    const std::size_t oldHeader = designHeaderOf(lines, beam.number);
    // The header, a blank line, the block's lines up to the blank line after them.
    std::vector<std::string> block = {lines[oldHeader], lines[oldHeader + 1]};
    for (std::size_t i = oldHeader + 2; i < lines.size(); ++i) {
        block.push_back(lines[i]);
        if (lines[i].empty()) {
            break;
        }
    }
    const std::regex length("LENGTH: +([0-9.]+) mm");
    std::smatch found;
    for (std::string& line : block) {
        if (std::regex_search(line, found, length)) {
            line = std::regex_replace(line, length,
                                      "LENGTH: " + numberText(std::stod(found[1]) / 2) + " mm");
        }
    }
    std::vector<std::string> newBlock = block;
    newBlock.front() = std::regex_replace(newBlock.front(), std::regex("N O\\. +[0-9]+ "),
                                          "N O.  " + std::to_string(member) + " ");
    const std::size_t blockEnd = oldHeader + block.size();
    lines.insert(lines.begin() + static_cast<long>(blockEnd), newBlock.begin(), newBlock.end());
    std::copy(block.begin(), block.end(), lines.begin() + static_cast<long>(oldHeader));

    // The member's incidence as written, its first joint kept.
    const std::size_t members = testing::linesHolding(lines, "MEMBER INCIDENCES").front();
    const std::regex written("([;.]) " + std::to_string(beam.number) + " ([0-9]+) ([0-9]+)");
    std::string farJoint;
    for (std::size_t incidence = members + 1;; ++incidence) {
        if (std::regex_search(lines[incidence], found, written)) {
            farJoint = found[3].str();
            lines[incidence] = found.prefix().str() + found[1].str() + " " +
                               std::to_string(beam.number) + " " + found[2].str() + " " +
                               std::to_string(joint) + found.suffix().str();
            break;
        }
    }
    lines.insert(
        lines.begin() + static_cast<long>(members) + 1,
        testing::echoLineLike(
            lines, members, std::to_string(member) + " " + std::to_string(joint) + " " + farJoint));
    lines.insert(
        lines.begin() + static_cast<long>(members),
        testing::echoLineLike(lines, members,
                              std::to_string(joint) + " " + middle(beam.start.x, beam.end.x) + " " +
                                  numberText(beam.start.y / 100.0) + " " +
                                  middle(beam.start.z, beam.end.z)));
    return {lines,
            {lineName("old", oldHeader), lineName("new", designHeaderOf(lines, beam.number)),
             lineName("new", designHeaderOf(lines, member))},
            "Member " + std::to_string(member) + " added",
            kMemberLoadLine};
}

struct EditKind {
    const char* name;
    std::function<Edited(Lines, std::mt19937&)> make;
};

const EditKind kEdits[] = {
    {"floor load intensity", heavierFloorLoad},
    {"floor load range", shorterFloorLoad},
    {"member load added", memberLoadAdded},
    {"member load changed", memberLoadChanged},
    {"joint moved", jointMoved},
    {"column renumbered", columnRenumbered},
    {"case added", caseAdded},
    {"case removed", caseRemoved},
    {"case retitled", caseRetitled},
    {"header words", headerWordsChanged},
    {"beam undesigned", beamUndesigned},
    {"bay split", baySplit},
};

ListingComparison compareLines(const Lines& before, const Lines& after) {
    const ListingDocument was = testing::documentOf(before);
    const ListingDocument is = testing::documentOf(after);
    const std::vector<ListingMessage> none;
    return compareListings({was, none}, {is, none});
}

std::string reportOf(const ListingComparison& comparison) {
    std::ostringstream report;
    writeComparisonReport(report, comparison);
    return report.str();
}

// Every "old line N" and "new line N" the report names.
std::set<std::string> linesInReport(const std::string& report) {
    std::set<std::string> named;
    const std::regex line("(old|new) line [0-9]+");
    for (auto it = std::sregex_iterator(report.begin(), report.end(), line);
         it != std::sregex_iterator(); ++it) {
        named.insert(it->str());
    }
    return named;
}

class OneEdit : public ::testing::TestWithParam<unsigned> {};

TEST_P(OneEdit, IsReportedAtItsLinesAndNothingElse) {
    std::mt19937 random(GetParam());
    const auto& shapes = testing::generatedShapes();
    const std::string& shape = shapes[GetParam() % shapes.size()];
    const EditKind& edit = kEdits[(GetParam() / shapes.size()) % std::size(kEdits)];
    const Lines& original = testing::generatedLines(shape);
    const Edited edited = edit.make(original, random);

    const ListingComparison comparison = compareLines(original, edited.lines);
    const std::string report = reportOf(comparison);
    const auto differs =
        std::mismatch(original.begin(), original.end(), edited.lines.begin(), edited.lines.end());
    const std::string context = std::string(edit.name) + " on " + shape + " at line " +
                                std::to_string(differs.first - original.begin() + 1) + ": " +
                                *differs.second + "\n" + report;
    EXPECT_FALSE(comparison.same()) << context;
    EXPECT_NE(report.find(edited.says), std::string::npos) << context;
    if (edited.linesNamed.empty()) {
        return;
    }
    EXPECT_FALSE(linesInReport(report).empty()) << context;
    for (const std::string& named : linesInReport(report)) {
        const bool isOld = named.starts_with("old");
        const Lines& listing = isOld ? original : edited.lines;
        const std::size_t index = std::stoul(named.substr(named.rfind(' ') + 1)) - 1;
        const bool alsoAllowed =
            !edited.alsoLinesMatching.empty() &&
            std::regex_search(listing[index], std::regex(edited.alsoLinesMatching));
        EXPECT_TRUE(edited.linesNamed.contains(named) || alsoAllowed) << named << " in " << context;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, OneEdit, ::testing::ValuesIn(testing::propertySeeds(180u)));

// Blank lines, blanks after a line's end, comments, page headings and line ends change how a
// listing is written, not what it holds. (Blanks inside a line are not among them: a line's
// pieces are cut at single blanks, so a doubled blank shifts them.)
Lines withBlanks(Lines lines, std::mt19937& random) {
    Lines spaced;
    for (const std::string& line : lines) {
        if (random() % 5 == 0) {
            spaced.emplace_back(random() % 2 == 0 ? "" : "    ");
        }
        spaced.push_back(random() % 3 == 0 ? line + "   " : line);
    }
    return spaced;
}

// Comment lines among the load commands, where the analysis reads no data from them.
Lines withComments(Lines lines, std::mt19937& random) {
    const std::size_t first = testing::linesHolding(lines, "LOADTYPE").front();
    const std::size_t last = testing::linesHolding(lines, "FINISH").front();
    for (std::size_t i = last; i >= first; --i) {
        if (random() % 2 == 0 && std::regex_search(lines[i], std::regex("^ +[0-9]+\\. .*LOAD"))) {
            lines.insert(lines.begin() + static_cast<long>(i),
                         testing::echoLineLike(lines, i, "* CHECKED BY THE ENGINEER"));
        }
    }
    return lines;
}

Lines withPageHeadings(Lines lines, std::mt19937& random) {
    const Lines heading = {"",
                           " FRAME ANALYSIS PROGRAM  --  Version 4.2.1                    -- PAGE "
                           "NO.    99",
                           "     ALL UNITS ARE -- KN   METE  (UNLESS OTHERWISE NOTED)", ""};
    // The heading tells the units, so the analysis prints it only once they are set.
    const std::size_t first = testing::linesHolding(lines, "JOINT COORDINATES").front();
    for (std::size_t i = lines.size() - 1; i > first; --i) {
        if (random() % 20 == 0 && std::regex_search(lines[i], std::regex("^ +[0-9]+\\. "))) {
            lines.insert(lines.begin() + static_cast<long>(i), heading.begin(), heading.end());
        }
    }
    return lines;
}

// Each seed rewrites every shape four ways.
class RewrittenListing : public ::testing::TestWithParam<unsigned> {};

TEST_P(RewrittenListing, IsTheSame) {
    std::mt19937 random(GetParam());
    for (const std::string& shape : testing::generatedShapes()) {
        const Lines& original = testing::generatedLines(shape);
        const struct {
            const char* name;
            Lines lines;
        } copies[] = {
            {"itself", original},
            {"blanks", withBlanks(original, random)},
            {"comments", withComments(original, random)},
            {"page headings", withPageHeadings(original, random)},
        };
        for (const auto& copy : copies) {
            const ListingComparison comparison = compareLines(original, copy.lines);
            EXPECT_TRUE(comparison.same()) << copy.name << " on " << shape << "\n"
                                           << reportOf(comparison);
        }
        const std::vector<ListingMessage> none;
        const ListingDocument was = testing::documentOf(original);
        const std::string crlfText = testing::joined(original, "\r\n");
        const std::unique_ptr<ListingSource> crlf = listingInMemory(crlfText, "crlf.anl");
        struct NoMessages : MessageSink {
            void show(const ListingMessage&) override {}
        } messages;
        const ListingDocument is = readListing(*crlf, messages);
        const ListingComparison comparison = compareListings({was, none}, {is, none});
        EXPECT_TRUE(comparison.same()) << "line ends on " << shape << "\n" << reportOf(comparison);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RewrittenListing,
                         ::testing::ValuesIn(testing::propertySeeds(10u, 50u)));

}  // namespace
}  // namespace fp
