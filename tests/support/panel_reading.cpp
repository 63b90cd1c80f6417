// The reading of a panel's texts against its label's forms.
#include "support/panel_reading.h"

#include <algorithm>

#include "plan/panel_labels.h"

namespace fp::test {

bool isCalloutNumber(const std::string& text) {
    return text.size() > 2 && text.front() == '[' && text.back() == ']';
}

std::string judgePanel(const LevelPanel& panel, const PlanView& view,
                       const std::vector<std::string>& found, const std::vector<std::string>& key,
                       bool noteDrawn, bool spansRequired) {
    const std::string spans = panelLabelLines(panel, view).back();
    std::string number;
    for (const std::string& text : found) {
        if (isCalloutNumber(text)) {
            number = text;
        }
    }
    if (found.empty()) {
        return spansRequired ? "nothing in it"
                             : (noteDrawn ? "" : "nothing in it and no note saying so");
    }
    std::vector<std::string> sorted = found;
    std::sort(sorted.begin(), sorted.end());
    const auto same = [&](std::vector<std::string> lines) {
        std::sort(lines.begin(), lines.end());
        return lines == sorted;
    };
    if (number.empty()) {
        return same(panelLabelLines(panel, view)) || same(panelLabelLinesByCase(panel, view))
                   ? ""
                   : "lines not its own";
    }
    const std::size_t cut = spans.find(" X ");
    const std::string spansAbove = spans.substr(0, cut + 2);
    const std::string spansBelow = spans.substr(cut + 3);
    if (!same({number, spans}) && !same({number, spansAbove, spansBelow}) &&
        !(same({number}) && !spansRequired)) {
        return "a callout with lines not its own";
    }
    const std::string keyStart = number.substr(1, number.size() - 2);
    const auto line = std::find_if(key.begin(), key.end(), [&](const std::string& text) {
        return text.rfind("[" + keyStart + "] ", 0) == 0;
    });
    if (line == key.end()) {
        return noteDrawn ? "" : "a callout without key line or note";
    }
    for (const std::string& load : panelLabelLines(panel, view)) {
        if (load != spans && line->find(load) == std::string::npos) {
            return "a key line without its load " + load;
        }
    }
    return "";
}

}  // namespace fp::test
