// Drawn texts read back and sorted into panels.
#include "support/drawn_texts.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "support/panel_reading.h"

namespace fp::test {

bool covers(const DrawnText& a, const DrawnText& b, double hair) {
    return a.left < b.right - hair && b.left < a.right - hair && a.top < b.bottom - hair &&
           b.top < a.bottom - hair;
}

std::vector<double> bubbleCentres(const std::vector<DrawnText>& texts,
                                  const std::vector<std::string>& names, bool column) {
    const auto across = [column](const DrawnText& text) {
        return column ? (text.left + text.right) / 2 : (text.top + text.bottom) / 2;
    };
    const auto along = [column](const DrawnText& text) {
        return column ? (text.top + text.bottom) / 2 : (text.left + text.right) / 2;
    };
    // Rows: the bubbles of a row share their centre line, to within the rounding of a text's
    // place to whole pixels.
    std::vector<const DrawnText*> named;
    for (const DrawnText& text : texts) {
        if (std::find(names.begin(), names.end(), text.text) != names.end()) {
            named.push_back(&text);
        }
    }
    std::sort(named.begin(), named.end(),
              [&](const DrawnText* a, const DrawnText* b) { return across(*a) < across(*b); });
    constexpr double kRounding = 1.5;
    std::vector<std::vector<const DrawnText*>> rows;
    for (std::size_t i = 0; i < named.size(); ++i) {
        if (i == 0 || across(*named[i]) - across(*named[i - 1]) > kRounding) {
            rows.emplace_back();
        }
        rows.back().push_back(named[i]);
    }
    for (auto& row : rows) {
        std::sort(row.begin(), row.end(),
                  [&](const DrawnText* a, const DrawnText* b) { return along(*a) < along(*b); });
        std::vector<std::string> found;
        std::vector<double> centres;
        for (const DrawnText* text : row) {
            found.push_back(text->text);
            centres.push_back(along(*text));
        }
        if (found == names) {
            return centres;
        }
    }
    return {};
}

double alongBubbles(double at, const std::vector<float>& lines,
                    const std::vector<double>& centres) {
    if (lines.size() < 2) {
        return centres.front();
    }
    return centres.front() + (at - lines.front()) * (centres.back() - centres.front()) /
                                 (lines.back() - lines.front());
}

std::vector<DrawnText> panelsAlongBubbles(const std::vector<DrawnText>& texts,
                                          const LevelModel& level, const GridLineSet& lines) {
    const std::vector<double> x = bubbleCentres(texts, lines.xNames, false);
    const std::vector<double> z = bubbleCentres(texts, lines.zNames, true);
    if (x.size() != lines.x.size() || z.size() != lines.z.size() || x.empty() || z.empty()) {
        return {};
    }
    std::vector<DrawnText> panels;
    for (const LevelPanel& panel : level.panels) {
        panels.push_back({"", alongBubbles(panel.bounds.x1, lines.x, x),
                          alongBubbles(panel.bounds.z1, lines.z, z),
                          alongBubbles(panel.bounds.x2, lines.x, x),
                          alongBubbles(panel.bounds.z2, lines.z, z)});
    }
    return panels;
}

namespace {

bool isSerial(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

}  // namespace

PanelTexts sortIntoPanels(const std::vector<DrawnText>& texts, const std::vector<DrawnText>& panels,
                          double hair) {
    PanelTexts sorted;
    sorted.found.resize(panels.size());
    sorted.numbers.resize(panels.size());
    for (const DrawnText& text : texts) {
        const auto home = std::find_if(panels.begin(), panels.end(), [&](const DrawnText& panel) {
            return text.left >= panel.left - hair && text.right <= panel.right + hair &&
                   text.top >= panel.top - hair && text.bottom <= panel.bottom + hair;
        });
        if (home != panels.end()) {
            const auto index = static_cast<std::size_t>(home - panels.begin());
            (isSerial(text.text) ? sorted.numbers : sorted.found)[index].push_back(text.text);
            continue;
        }
        if (isSerial(text.text)) {
            continue;
        }
        if (std::any_of(panels.begin(), panels.end(),
                        [&](const DrawnText& panel) { return covers(text, panel, hair); })) {
            sorted.across.push_back(text.text);
        }
        sorted.noteDrawn = sorted.noteDrawn || text.text.find("not shown") != std::string::npos;
        sorted.outside.push_back(text.text);
    }
    return sorted;
}

std::string judgeSortedPanel(const PanelTexts& sorted, std::size_t index, const LevelPanel& panel,
                             const PlanView& view, bool spansRequired) {
    const std::vector<std::string>& found = sorted.found[index];
    const std::string fault =
        judgePanel(panel, view, found, sorted.outside, sorted.noteDrawn, spansRequired);
    for (const std::string& number : sorted.numbers[index]) {
        std::vector<std::string> with = found;
        with.push_back(number);
        if (judgePanel(panel, view, with, sorted.outside, sorted.noteDrawn, spansRequired)
                .empty()) {
            return "";
        }
    }
    return fault;
}

}  // namespace fp::test
