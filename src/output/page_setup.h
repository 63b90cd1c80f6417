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

// The scales a drawing set uses, the most detailed first.
inline constexpr int kDrawingScales[] = {50, 100, 200, 500, 1000};
// Those a plan may be asked at; the coarser ones are only named as the scale that fits.
inline constexpr int kPlanScales[] = {50, 100, 200};

// The most detailed drawing scale at which a plan of `widthMetres` by `heightMetres` fits an
// area of `widthMm` by `heightMm` on paper; nothing when not even the smallest does.
std::optional<int> scaleThatFits(double widthMetres, double heightMetres, double widthMm,
                                 double heightMm);

// Throws ListingError unless the plan fits the area at 1:scale (a fitted page, scale 0, always
// does), naming the sheet as given: "The plan of level 7.8 M, 26 × 19.8 m, does not fit on A4
// landscape at 1:50. 1:200 fits."
void checkPlanFits(int scale, const std::string& sheet, const std::string& levelCaption,
                   double widthMetres, double heightMetres, double widthMm, double heightMm);

}  // namespace fp
