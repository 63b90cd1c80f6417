// Paper, scale and the check that a plan fits.
#include "output/page_setup.h"

#include <algorithm>

#include "model/listing_error.h"
#include "model/number_text.h"

namespace fp {
namespace {

// A side of a plan on paper at 1:scale: its span and, each side, a metre or its room.
double sideMm(double spanMetres, double roomMm, int scale) {
    const double perMetre = 1000.0 / scale;
    return spanMetres * perMetre + 2 * std::max(perMetre, roomMm);
}

bool fits(const PlanOnPaper& plan, int scale, double widthMm, double heightMm) {
    return plan.widthMm(scale) <= widthMm && plan.heightMm(scale) <= heightMm;
}

}  // namespace

JobInformation jobOf(const JobInformation& given, const JobInformation& listed) {
    const auto either = [](const std::string& field, const std::string& fallback) {
        return field.empty() ? fallback : field;
    };
    return {.name = either(given.name, listed.name),
            .number = either(given.number, listed.number),
            .client = either(given.client, listed.client),
            .engineer = either(given.engineer, listed.engineer),
            .checker = either(given.checker, listed.checker)};
}

std::string scaleText(int scale) {
    return scale == 0 ? "fitted to the page" : "1:" + std::to_string(scale);
}

double PlanOnPaper::widthMm(int scale) const {
    return sideMm(spanX, roomAcrossMm, scale);
}

double PlanOnPaper::heightMm(int scale) const {
    return sideMm(spanZ, roomDownMm, scale);
}

std::optional<int> scaleThatFits(const PlanOnPaper& plan, double widthMm, double heightMm) {
    for (const int scale : kPlanScales) {
        if (fits(plan, scale, widthMm, heightMm)) {
            return scale;
        }
    }
    return std::nullopt;
}

void checkPlanFits(int scale, const std::string& sheet, const std::string& levelCaption,
                   const PlanOnPaper& plan, double widthMm, double heightMm) {
    if (scale == 0 || fits(plan, scale, widthMm, heightMm)) {
        return;
    }
    const std::optional<int> fitting = scaleThatFits(plan, widthMm, heightMm);
    throw ListingError("The plan of level " + levelCaption + ", " +
                           valueText(static_cast<float>(plan.spanX + 2)) + " × " +
                           valueText(static_cast<float>(plan.spanZ + 2)) + " m, does not fit on " +
                           sheet + " at " + scaleText(scale),
                       fitting ? scaleText(*fitting) + " fits."
                               : "No scale down to " + scaleText(std::end(kPlanScales)[-1]) +
                                     " fits; fit it to the page.");
}

}  // namespace fp
