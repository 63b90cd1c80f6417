// What a plan shows: the level, the load mode and the annotations. The window, the exports and
// printing each hold one and draw the same level through it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/listing_document.h"

namespace fp {

enum class LoadMode {
    Floor,   // every slab panel labelled with its floor loads and spans
    Member,  // the beams only, with their member numbers when asked for
};

// The load case or combination whose column loads a plan writes.
struct ColumnLoadChoice {
    bool combination = false;
    // As the listing writes it: "1", or the combination's "101".
    std::string number;

    bool operator==(const ColumnLoadChoice&) const = default;
};

struct PlanView {
    // The level on show, 1 .. the document's level count (0 for a listing without joints).
    int level = 0;
    LoadMode mode = LoadMode::Floor;
    // The floor-load intensities whose loads are written on the panels.
    std::vector<float> shownIntensities;
    // The load cases whose floor and member loads the labels write, by their numbers as the
    // listing writes them, in the listing's order; empty for every case.
    std::vector<std::string> shownCases;
    // The load case's number, in brackets, after each load ("LOAD TYPE").
    bool loadCaseNumbers = true;
    // "B: " and the member number on every beam, in member-load mode only ("Beem Nos").
    bool memberNumbers = false;
    // The member numbers beside the serial numbers rather than on top of them.
    bool memberNumbersBeside = false;
    // Each beam's member loads, with their load cases, in member-load mode only.
    bool memberLoadsOnBeams = false;
    // Hatching over every panel that no floor load acts on, in floor-load mode only.
    bool markPanelsWithoutLoad = false;
    // Faint lines inside every panel where its load parts between its beams (the 45° lines and
    // the ridge of a two-way panel, the middle line of a one-way one), in floor-load mode only.
    bool tributaryAreas = false;
    // Beside every column, the load it carries below the level (on the lowest level, into its
    // base) for this case or combination, in either mode; none when not set.
    std::optional<ColumnLoadChoice> columnLoads;
    // A warning sign at the label of every panel the check warns about, in floor-load mode
    // only, where the findings are at hand (the window).
    bool markChecks = true;
    // The grid lines of the level with their named bubbles.
    bool gridLines = true;
    // Every text where the drawing designs it, even on top of another or across a beam; else
    // each text is moved to the first free place near it.
    bool designedLabelPositions = false;
    // Written in the numbers of the panel labels and captions.
    char decimalSeparator = '.';

    bool operator==(const PlanView&) const = default;
    bool showsIntensity(float intensity) const;
    bool showsCase(std::string_view caseNumber) const;
    // Whether a panel's label writes the floor load: its intensity and its case are shown.
    bool showsFloorLoad(const ActingLoad& load) const {
        return showsIntensity(load.intensity) && showsCase(load.caseNumber);
    }
    bool showsMemberNumbers() const { return mode == LoadMode::Member && memberNumbers; }
    bool showsMemberLoadsOnBeams() const { return mode == LoadMode::Member && memberLoadsOnBeams; }
    bool showsTributaryAreas() const { return mode == LoadMode::Floor && tributaryAreas; }
};

// The view the window opens with: the start level in floor-load mode, every intensity and the
// load-case numbers shown, no member numbers.
PlanView startUpView(const ListingDocument& document, char decimalSeparator = '.');

}  // namespace fp
