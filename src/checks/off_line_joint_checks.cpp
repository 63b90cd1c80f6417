// The joints a little off their grid lines, and the beams and columns they cost the plans.
#include "checks/off_line_joint_checks.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "checks/finding_text.h"
#include "model/number_text.h"
#include "structure/grid_names.h"

namespace fp {
namespace {

// A joint off one line, and its members that miss the line because of it.
struct OffLine {
    JointOffLine off;
    std::vector<MemberFacts> members;
};

// "member 6", "beams 6 and 7".
std::string namedText(const char* one, const char* many, const std::vector<int>& numbers) {
    return std::string(numbers.size() == 1 ? one : many) + " " + numbersText(numbers);
}

std::string lineText(const ListingDocument& document, const JointOffLine& off) {
    const std::string name =
        off.xLine ? xLineNameAt(document.grid, off.line) : zLineNameAt(document.grid, off.line);
    return "grid line " + name + " at " + (off.xLine ? "X " : "Z ") + shortText(metres(off.line)) +
           " m";
}

// What the members lose: a beam its place on the plan, and its bay a side; a column its part in
// taking the loads down.
std::string lossText(const std::vector<MemberFacts>& members) {
    std::vector<int> beams;
    std::vector<int> columns;
    bool bayOpens = false;
    for (const MemberFacts& member : members) {
        const bool level = member.start.y == member.end.y;
        (level ? beams : columns).push_back(member.number);
        bayOpens = bayOpens || (level && levelHasBeams(member.level));
    }
    std::string text;
    if (!beams.empty()) {
        text = "no plan draws " + namedText("beam", "beams", beams);
        if (bayOpens) {
            text += beams.size() == 1 ? ", so the bay beside it does not close"
                                      : ", so the bays beside them do not close";
        }
    }
    if (!columns.empty()) {
        text += text.empty() ? "" : ", and ";
        text += namedText("member", "members", columns) +
                (columns.size() == 1 ? " is not taken as a column" : " are not taken as columns");
    }
    return text;
}

// The first beam that misses the line, from its other end to the joint; without one, the stretch
// from the line to the joint.
FindingPlace placeOf(const OffLine& offLine) {
    const Joint& joint = offLine.off.joint;
    for (const MemberFacts& member : offLine.members) {
        if (member.start.y == member.end.y) {
            const Joint& other = member.start.number == joint.number ? member.end : member.start;
            return FindingPlace::beam(member.number, metres(other.x), metres(other.z),
                                      metres(joint.x), metres(joint.z));
        }
    }
    const double line = metres(offLine.off.line);
    const double x = metres(joint.x);
    const double z = metres(joint.z);
    return offLine.off.xLine ? FindingPlace::range(std::min(x, line), std::max(x, line), z, z)
                             : FindingPlace::range(x, x, std::min(z, line), std::max(z, line));
}

Finding offLineFinding(const ListingDocument& document, const OffLine& offLine) {
    const JointOffLine& off = offLine.off;
    std::vector<int> members;
    for (const MemberFacts& member : offLine.members) {
        members.push_back(member.number);
    }
    const double distance = metres(off.distance());
    const std::string joint =
        "Joint " + std::to_string(off.joint.number) +
        (off.joint.line > 0 ? " (line " + std::to_string(off.joint.line) + ")" : "");
    return Finding{
        .kind = FindingKind::JointOffGridLine,
        .severity = Severity::Warning,
        .level = document.grid.y.lineOf(off.joint.y),
        .place = placeOf(offLine),
        .lines = off.joint.line > 0 ? std::vector<long>{off.joint.line} : std::vector<long>{},
        .caseNumber = {},
        .numbers = {{"distance", distance, "m"},
                    {"line", metres(off.line), "m"},
                    {"members", static_cast<double>(members.size()), ""}},
        .sentence = joint + " stands " + shortText(distance) + " m off " + lineText(document, off) +
                    ", where the other " + (members.size() == 1 ? "end of " : "ends of ") +
                    namedText("member", "members", members) +
                    (members.size() == 1 ? " stands" : " stand") + ": " +
                    lossText(offLine.members) + ". Check the joint's coordinates."};
}

}  // namespace

void checkJointsOffLines(const ListingDocument& document, std::vector<Finding>& findings) {
    // By joint and axis, X lines first: one finding per line a joint misses.
    std::map<std::pair<int16_t, bool>, OffLine> offLines;
    std::set<int32_t> seen;
    for (const Member& member : document.members) {
        if (!seen.insert(member.number).second) {
            continue;
        }
        const MemberFacts facts = document.member(member.number);
        for (const JointOffLine& off : facts.offLine) {
            OffLine& entry = offLines[{off.joint.number, !off.xLine}];
            if (entry.members.empty()) {
                entry.off = off;
            }
            entry.members.push_back(facts);
        }
    }
    for (const auto& [key, offLine] : offLines) {
        findings.push_back(offLineFinding(document, offLine));
    }
}

}  // namespace fp
