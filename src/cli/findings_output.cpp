// Writing the findings of a check as text and as JSON.
#include "cli/findings_output.h"

#include <charconv>
#include <cmath>

#include "cli/json_text.h"
#include "model/number_text.h"
#include "model/text_encoding.h"
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

void writeFindingJson(std::ostream& out, const ListingDocument& document, const Finding& finding) {
    out << "    {\"kind\": \"" << kindName(finding.kind) << "\", \"severity\": \""
        << severityName(finding.severity) << "\", \"level\": " << finding.level << ", \"height\": "
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
    out << "],\n     \"text\": " << jsonString(finding.sentence) << "}";
}

}  // namespace

void writeFindingsText(std::ostream& out, const ListingDocument& document,
                       const std::vector<Finding>& findings) {
    out << "Checks of " << document.name << ": " << findingCountsText(countFindings(findings))
        << "\n";
    const Finding* previous = nullptr;
    for (const Finding& finding : findings) {
        if (previous == nullptr || previous->level != finding.level) {
            out << "\n" << findingsHeading(document, finding.level) << "\n";
            previous = nullptr;
        }
        if (previous == nullptr || previous->kind != finding.kind) {
            out << "  " << kindTitle(finding.kind) << "\n";
        }
        out << "    " << severityName(finding.severity) << "  " << whereText(finding)
            << finding.sentence << "\n";
        previous = &finding;
    }
}

void writeFindingsJson(std::ostream& out, const ListingDocument& document,
                       const std::vector<Finding>& findings) {
    const FindingCounts counts = countFindings(findings);
    out << "{\n  \"listing\": " << jsonString(document.name)
        << ",\n  \"warnings\": " << counts.warnings << ",\n  \"notes\": " << counts.notes
        << ",\n  \"findings\": [";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        out << (i > 0 ? ",\n" : "\n");
        writeFindingJson(out, document, findings[i]);
    }
    out << (findings.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace fp
