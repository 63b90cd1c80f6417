// Writing the findings of a check as text and as JSON.
#include "cli/findings_output.h"

#include <charconv>
#include <cmath>

#include "files/file_names.h"
#include "model/number_text.h"
#include "model/text_encoding.h"
#include "output/json_text.h"
#include "structure/place_text.h"

namespace fp {
namespace {

std::string findingsHeading(const ListingDocument& document, int level) {
    return level == 0 ? "Whole listing" : levelHeading(document.levelHeight(level));
}

std::string whereText(const Finding& finding) {
    std::string text;
    for (std::size_t i = 0; i < finding.lines.size(); ++i) {
        text += (i == 0 ? (finding.lines.size() == 1 ? "line " : "lines ") : ", ") +
                std::to_string(finding.lines[i]);
    }
    if (!finding.caseNumber.empty()) {
        text += (text.empty() ? "" : ", ") + std::string("case ") +
                utf8FromListingText(finding.caseNumber);
    }
    return text.empty() ? text : text + ": ";
}

// The shortest text that reads back as the same 64-bit value; 0 for anything not finite.
std::string jsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

const char* placeKindName(FindingPlace::Kind kind) {
    switch (kind) {
        case FindingPlace::Kind::Panel:
            return "panel";
        case FindingPlace::Kind::Beam:
            return "beam";
        case FindingPlace::Kind::Range:
            return "range";
        case FindingPlace::Kind::None:
            break;
    }
    return "none";
}

void writePlaceJson(std::ostream& out, const FindingPlace& place) {
    if (place.kind == FindingPlace::Kind::None) {
        out << "null";
        return;
    }
    out << "{\"type\": \"" << placeKindName(place.kind) << "\", \"x1\": " << jsonNumber(place.x1)
        << ", \"x2\": " << jsonNumber(place.x2) << ", \"z1\": " << jsonNumber(place.z1)
        << ", \"z2\": " << jsonNumber(place.z2);
    if (place.kind == FindingPlace::Kind::Beam) {
        out << ", \"member\": " << place.member;
    }
    out << "}";
}

void writeFindingJson(std::ostream& out, const ListingDocument& document,
                      const JudgedFinding& judged) {
    const Finding& finding = *judged.finding;
    out << "    {\"id\": " << jsonString(judged.id) << ", \"kind\": \"" << kindName(finding.kind)
        << "\", \"severity\": \"" << severityName(finding.severity)
        << "\", \"level\": " << finding.level << ", \"height\": "
        << (finding.level == 0
                ? std::string("null")
                : jsonNumberText(static_cast<float>(metres(document.levelHeight(finding.level)))))
        << ",\n     \"place\": ";
    writePlaceJson(out, finding.place);
    out << ",\n     \"lines\": [";
    for (std::size_t i = 0; i < finding.lines.size(); ++i) {
        out << (i > 0 ? ", " : "") << finding.lines[i];
    }
    out << "], \"case\": "
        << (finding.caseNumber.empty() ? std::string("null") : jsonString(finding.caseNumber))
        << ",\n     \"numbers\": [";
    for (std::size_t i = 0; i < finding.numbers.size(); ++i) {
        const FindingNumber& number = finding.numbers[i];
        out << (i > 0 ? ", " : "") << "{\"name\": " << jsonString(number.name)
            << ", \"value\": " << jsonNumber(number.value)
            << ", \"unit\": " << jsonString(number.unit) << "}";
    }
    out << "],\n     \"text\": " << jsonString(finding.sentence);
    if (judged.accepted != nullptr) {
        out << ",\n     \"accepted\": {\"reason\": " << jsonString(judged.accepted->reason) << "}";
    }
    out << "}";
}

// The findings grouped by level and kind, each with its id; an accepted one with its reason.
void writeGrouped(std::ostream& out, const ListingDocument& document,
                  const std::vector<const JudgedFinding*>& findings) {
    const Finding* previous = nullptr;
    for (const JudgedFinding* judged : findings) {
        const Finding& finding = *judged->finding;
        if (previous == nullptr || previous->level != finding.level) {
            out << "\n" << findingsHeading(document, finding.level) << "\n";
            previous = nullptr;
        }
        if (previous == nullptr || previous->kind != finding.kind) {
            out << "  " << kindTitle(finding.kind) << "\n";
        }
        out << "    " << judged->id << "  " << severityName(finding.severity) << "  "
            << whereText(finding) << finding.sentence << "\n";
        if (judged->accepted != nullptr) {
            out << "              accepted: " << judged->accepted->reason << "\n";
        }
        previous = &finding;
    }
}

}  // namespace

void writeFindingsText(std::ostream& out, const ListingDocument& document,
                       const std::vector<JudgedFinding>& findings, bool all) {
    out << "Checks of " << document.name << ": " << judgedCountsText(countJudged(findings)) << "\n";
    std::vector<const JudgedFinding*> open;
    std::vector<const JudgedFinding*> accepted;
    for (const JudgedFinding& judged : findings) {
        (judged.accepted != nullptr ? accepted : open).push_back(&judged);
    }
    writeGrouped(out, document, open);
    if (accepted.empty()) {
        return;
    }
    if (!all) {
        out << "\n"
            << accepted.size()
            << (accepted.size() == 1 ? " accepted finding is" : " accepted findings are")
            << " not listed; --all lists them with their reasons.\n";
        return;
    }
    out << "\nAccepted, kept in " << fileNameOf(document.name) << ".frameplan.json\n";
    writeGrouped(out, document, accepted);
}

void writeFindingsJson(std::ostream& out, const ListingDocument& document,
                       const std::vector<JudgedFinding>& findings, bool all) {
    const JudgedCounts counts = countJudged(findings);
    out << "{\n  \"listing\": " << jsonString(document.name)
        << ",\n  \"warnings\": " << counts.open.warnings << ",\n  \"notes\": " << counts.open.notes
        << ",\n  \"accepted\": " << counts.accepted << ",\n  \"findings\": [";
    bool first = true;
    for (const JudgedFinding& judged : findings) {
        if (judged.accepted != nullptr && !all) {
            continue;
        }
        out << (first ? "\n" : ",\n");
        writeFindingJson(out, document, judged);
        first = false;
    }
    out << (first ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace fp
