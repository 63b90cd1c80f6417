// Where the placement step put a plan's texts: the form and place of each label, the callouts'
// key and what could not be shown.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace fp {

// Where one label went: its form `form`, drawn `shrink` of its size about the designed top-left
// of that form's box (originX, originZ), then shifted by (dx, dz).
struct LabelPlace {
    // An index into the label's forms; none for a label drawn nowhere.
    std::optional<std::size_t> form;
    double dx = 0;
    double dz = 0;
    double shrink = 1;
    double originX = 0;
    double originZ = 0;
    // The number of its callout, from 1; 0 for a label that is not a callout.
    int callout = 0;

    double placedX(double x) const { return originX + (x - originX) * shrink + dx; }
    double placedZ(double z) const { return originZ + (z - originZ) * shrink + dz; }
};

// A line of text written where the placement found room for it: a line of the callouts' key, or
// the note of what could not be shown. (x, z) is the top-left of its cell, in the own font.
struct PlacedLine {
    std::string text;
    double x = 0;
    double z = 0;
};

struct LabelLayout {
    // One for each label, in the order they were registered.
    std::vector<LabelPlace> places;
    // "[3] 4.5 (1), 3 (2)": the key lines of the callouts, in the order of their numbers.
    std::vector<std::string> keyLines;
    // Where each key line went on the plan; the lines past keyPlaced found no room there.
    std::vector<PlacedLine> keyPlaced;
    // "2 texts not shown: a larger sheet or more zoom shows them", where there is one and it
    // found room.
    std::optional<PlacedLine> note;
    // The labels drawn nowhere, and with them the key lines without room unless a legend beside
    // the plan lists those.
    int notShown = 0;

    // The key lines that found no room on the plan.
    std::vector<std::string> keyLinesElsewhere() const {
        return {keyLines.begin() + static_cast<std::ptrdiff_t>(keyPlaced.size()), keyLines.end()};
    }
};

}  // namespace fp
