// How a plan goes on paper: the sheet, its orientation, the scale, and the job it belongs to.
#pragma once

#include <optional>
#include <string>

#include "reader/job_information.h"

namespace fp {

enum class Paper { A4, A3 };
enum class Orientation { Landscape, Portrait };

struct PageSetup {
    Paper paper = Paper::A4;
    Orientation orientation = Orientation::Landscape;
    // The plan drawn at 1:scale on the paper; 0 fits it to the page.
    int scale = 0;
};

// The job as given, each field not given taken from the listing's own job information.
JobInformation jobOf(const JobInformation& given, const JobInformation& listed);

// "1:100", or "fitted to the page".
std::string scaleText(int scale);

// The scales plans are drawn at, the most detailed first; 0 (fitted to the page) besides.
inline constexpr int kPlanScales[] = {50, 100, 200, 250, 500};

// A plan as it goes on paper: its grid spans `spanX` by `spanZ` metres between the outermost
// lines, and beyond them on each side it takes at least 1 m and at least `roomMm` of paper (its
// bubbles), across and down.
struct PlanOnPaper {
    double spanX = 0;
    double spanZ = 0;
    double roomAcrossMm = 0;
    double roomDownMm = 0;

    // Millimetres of paper the plan takes at 1:scale.
    double widthMm(int scale) const;
    double heightMm(int scale) const;
};

// The most detailed plan scale at which the plan fits an area of `widthMm` by `heightMm` on
// paper; nothing when not even the smallest does.
std::optional<int> scaleThatFits(const PlanOnPaper& plan, double widthMm, double heightMm);

// Throws ListingError unless the plan fits the area at 1:scale (a fitted page, scale 0, always
// does), naming the sheet as given and a scale the program offers that fits: "The plan of level
// 7.8 M, 26 × 19.8 m, does not fit on A4 landscape at 1:50. 1:200 fits."; the plan's size is
// its grid with a metre around it.
void checkPlanFits(int scale, const std::string& sheet, const std::string& levelCaption,
                   const PlanOnPaper& plan, double widthMm, double heightMm);

}  // namespace fp
