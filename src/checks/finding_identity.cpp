// A finding's id: a short hash of what it is about.
#include "checks/finding_identity.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>

namespace fp {
namespace {

// Metres to whole centimetres (a level's height is kept in them already): a place read again
// gives the same number whatever the float it passed through.
long centimetres(double metresValue) {
    return std::lround(metresValue * 100);
}

std::string identityText(const Finding& finding, const ListingDocument& document) {
    const FindingPlace& place = finding.place;
    const bool onLevel = finding.level >= 1 && finding.level <= document.levelCount();
    std::string text(kindName(finding.kind));
    text += '|';
    text += onLevel ? std::to_string(std::lround(document.levelHeight(finding.level)))
                    : std::string("listing");
    text += '|' + std::to_string(static_cast<int>(place.kind));
    if (place.kind != FindingPlace::Kind::None) {
        for (const double edge : {place.x1, place.x2, place.z1, place.z2}) {
            text += ',' + std::to_string(centimetres(edge));
        }
        text += ',' + std::to_string(place.member);
    }
    text += '|';
    text += finding.caseNumber.text();
    return text;
}

// FNV-1a, 64 bits: the same on every platform and run.
std::uint64_t hashOf(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace

std::vector<std::string> findingIds(const std::vector<Finding>& findings,
                                    const ListingDocument& document) {
    std::vector<std::string> ids;
    ids.reserve(findings.size());
    std::map<std::string, int> alike;
    for (const Finding& finding : findings) {
        std::string identity = identityText(finding, document);
        const int order = alike[identity]++;
        if (order > 0) {
            identity += '#' + std::to_string(order);
        }
        char text[17];
        std::snprintf(text, sizeof text, "%08llx",
                      static_cast<unsigned long long>(hashOf(identity) >> 32));
        ids.emplace_back(text);
    }
    return ids;
}

}  // namespace fp
