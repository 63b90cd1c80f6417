// Writing a comparison as JSON: lengths in metres, loads in kN, kN/m² and kN/m, null where a
// listing has no value.
#include "cli/compare_json.h"

#include <functional>
#include <string>

#include "model/number_text.h"
#include "output/json_text.h"

namespace fp {
namespace {

template <typename Items>
void writeList(std::ostream& out, const Items& items,
               const std::function<void(const typename Items::value_type&)>& element) {
    out << "[";
    bool first = true;
    for (const auto& item : items) {
        out << (first ? "" : ",\n      ");
        element(item);
        first = false;
    }
    out << "]";
}

std::string metresJson(float hundredths) {
    return jsonNumberText(static_cast<float>(metres(hundredths)));
}

// A load a listing has, which always has its line; null where it has none.
std::string loadJson(double value, long line) {
    return line > 0 ? amountJson(value) : "null";
}

std::string lineJson(long line) {
    return line > 0 ? std::to_string(line) : "null";
}

std::string memberJson(int32_t member) {
    return member != 0 ? std::to_string(member) : "null";
}

const char* kindName(ChangeKind kind) {
    switch (kind) {
        case ChangeKind::Added:
            return "\"added\"";
        case ChangeKind::Removed:
            return "\"removed\"";
        case ChangeKind::Renumbered:
            return "\"renumbered\"";
        case ChangeKind::Resized:
            return "\"resized\"";
        default:
            return "\"retitled\"";
    }
}

std::string linesJson(const ListingLines& lines) {
    return "\"oldLine\": " + lineJson(lines.oldLine) + ", \"newLine\": " + lineJson(lines.newLine);
}

std::string pointJson(PlanPoint point) {
    return "[" + metresJson(point.x) + ", " + metresJson(point.z) + "]";
}

std::string pointJson(ModelPoint point) {
    return "[" + metresJson(point.x) + ", " + metresJson(point.y) + ", " + metresJson(point.z) +
           "]";
}

std::string boundsJson(const PanelBounds& bounds) {
    return "\"x1\": " + metresJson(bounds.x1) + ", \"z1\": " + metresJson(bounds.z1) +
           ", \"x2\": " + metresJson(bounds.x2) + ", \"z2\": " + metresJson(bounds.z2);
}

std::string caseJson(const ListingComparison& comparison, const std::string& number) {
    return "\"case\": " + jsonString(number) +
           ", \"caseName\": " + jsonString(comparison.caseName(number));
}

std::string textOrNull(const std::string& text, bool present) {
    return present ? jsonString(text) : "null";
}

void writeListing(std::ostream& out, const std::string& name,
                  const std::vector<ListingMessage>& messages) {
    out << "{\"listing\": " << jsonString(name) << ", \"messages\": ";
    writeList(out, messages, [&](const ListingMessage& message) {
        out << "{\"line\": " << lineJson(message.line) << ", \"text\": " << jsonString(message.text)
            << "}";
    });
    out << "}";
}

void writeLevel(std::ostream& out, const ListingComparison& comparison,
                const LevelComparison& level) {
    out << "{\"height\": " << metresJson(level.height)
        << ", \"inOld\": " << (level.oldLevel > 0 ? "true" : "false")
        << ", \"inNew\": " << (level.newLevel > 0 ? "true" : "false") << ",\n     \"problems\": ";
    writeList(out, level.problems, [&](const std::string& problem) { out << jsonString(problem); });
    out << ",\n     \"beams\": ";
    writeList(out, level.beams, [&](const BeamChange& change) {
        out << "{\"change\": " << kindName(change.kind)
            << ", \"from\": " << pointJson(change.place.from)
            << ", \"to\": " << pointJson(change.place.to)
            << ", \"oldMember\": " << memberJson(change.oldMember)
            << ", \"newMember\": " << memberJson(change.newMember)
            << ", \"oldLengthMm\": " << memberJson(change.oldLengthMm)
            << ", \"newLengthMm\": " << memberJson(change.newLengthMm) << ", "
            << linesJson(change.lines) << "}";
    });
    out << ",\n     \"panels\": ";
    writeList(out, level.panels, [&](const PanelChange& change) {
        out << "{\"change\": " << kindName(change.kind) << ", " << boundsJson(change.bounds) << "}";
    });
    out << ",\n     \"floorLoads\": ";
    writeList(out, level.floorLoads, [&](const FloorLoadChange& change) {
        out << "{" << boundsJson(change.bounds) << ", " << caseJson(comparison, change.caseNumber)
            << ", \"oldIntensity\": " << loadJson(change.oldIntensity, change.lines.oldLine)
            << ", \"newIntensity\": " << loadJson(change.newIntensity, change.lines.newLine)
            << ", \"changeKn\": " << amountJson(change.changeKn) << ", " << linesJson(change.lines)
            << "}";
    });
    out << ",\n     \"memberLoads\": ";
    writeList(out, level.memberLoads, [&](const MemberLoadChange& change) {
        out << "{\"from\": " << pointJson(change.place.from)
            << ", \"to\": " << pointJson(change.place.to)
            << ", \"oldMember\": " << memberJson(change.oldMember)
            << ", \"newMember\": " << memberJson(change.newMember) << ", "
            << caseJson(comparison, change.caseNumber)
            << ", \"old\": " << loadJson(change.oldValue, change.lines.oldLine)
            << ", \"new\": " << loadJson(change.newValue, change.lines.newLine) << ", "
            << linesJson(change.lines) << "}";
    });
    out << ",\n     \"totals\": ";
    writeList(out, level.totals, [&](const TotalChange& change) {
        out << "{" << caseJson(comparison, change.caseNumber)
            << ", \"oldKn\": " << amountJson(change.oldLoad)
            << ", \"newKn\": " << amountJson(change.newLoad)
            << ", \"changeKn\": " << amountJson(change.newLoad - change.oldLoad)
            << ", \"changePercent\": "
            << (change.percent ? amountJson(*change.percent) : std::string("null")) << "}";
    });
    out << "}";
}

}  // namespace

void writeComparisonJson(std::ostream& out, const ListingComparison& comparison) {
    out << "{\n  \"schema\": \"frameplan-compare 1\",\n  \"old\": ";
    writeListing(out, comparison.oldName, comparison.oldMessages);
    out << ",\n  \"new\": ";
    writeListing(out, comparison.newName, comparison.newMessages);
    out << ",\n  \"same\": " << (comparison.same() ? "true" : "false");
    out << ",\n  \"loadCases\": ";
    writeList(out, comparison.loadCases, [&](const LoadCaseChange& change) {
        out << "{\"change\": " << kindName(change.kind)
            << ", \"case\": " << jsonString(change.number)
            << ", \"old\": " << textOrNull(change.oldText, change.kind != ChangeKind::Added)
            << ", \"new\": " << textOrNull(change.newText, change.kind != ChangeKind::Removed)
            << ", " << linesJson(change.lines) << "}";
    });
    out << ",\n  \"joints\": ";
    writeList(out, comparison.joints, [&](const JointMove& move) {
        out << "{\"joint\": " << move.before.number
            << ", \"old\": " << pointJson(ModelPoint{move.before.x, move.before.y, move.before.z})
            << ", \"new\": " << pointJson(ModelPoint{move.after.x, move.after.y, move.after.z})
            << "}";
    });
    out << ",\n  \"members\": ";
    writeList(out, comparison.members, [&](const MemberChange& change) {
        out << "{\"change\": " << kindName(change.kind)
            << ", \"oldMember\": " << memberJson(change.oldMember)
            << ", \"newMember\": " << memberJson(change.newMember)
            << ", \"start\": " << pointJson(change.start) << ", \"end\": " << pointJson(change.end)
            << "}";
    });
    out << ",\n  \"offPlanMemberLoads\": ";
    writeList(out, comparison.offPlanMemberLoads, [&](const OffPlanMemberLoadChange& change) {
        out << "{\"member\": " << change.member << ", " << caseJson(comparison, change.caseNumber)
            << ", \"old\": " << loadJson(change.oldValue, change.lines.oldLine)
            << ", \"new\": " << loadJson(change.newValue, change.lines.newLine) << ", "
            << linesJson(change.lines) << "}";
    });
    out << ",\n  \"levels\": [";
    bool first = true;
    for (const LevelComparison& level : comparison.levels) {
        if (!level.same()) {
            out << (first ? "\n    " : ",\n    ");
            writeLevel(out, comparison, level);
            first = false;
        }
    }
    out << (first ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace fp
