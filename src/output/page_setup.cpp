// Paper, scale and the check that a plan fits.
#include "output/page_setup.h"

#include "model/listing_error.h"
#include "model/number_text.h"

namespace fp {
namespace {

// A plan is as wide on paper as its metres are at 1:scale, in millimetres.
bool fits(int scale, double widthMetres, double heightMetres, double widthMm, double heightMm) {
    const double perMetre = 1000.0 / scale;
    return widthMetres * perMetre <= widthMm && heightMetres * perMetre <= heightMm;
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

std::optional<int> scaleThatFits(double widthMetres, double heightMetres, double widthMm,
                                 double heightMm) {
    for (const int scale : kDrawingScales) {
        if (fits(scale, widthMetres, heightMetres, widthMm, heightMm)) {
            return scale;
        }
    }
    return std::nullopt;
}

void checkPlanFits(int scale, const std::string& sheet, const std::string& levelCaption,
                   double widthMetres, double heightMetres, double widthMm, double heightMm) {
    if (scale == 0 || fits(scale, widthMetres, heightMetres, widthMm, heightMm)) {
        return;
    }
    const std::optional<int> fitting = scaleThatFits(widthMetres, heightMetres, widthMm, heightMm);
    throw ListingError("The plan of level " + levelCaption + ", " +
                           valueText(static_cast<float>(widthMetres)) + " × " +
                           valueText(static_cast<float>(heightMetres)) + " m, does not fit on " +
                           sheet + " at " + scaleText(scale),
                       fitting ? scaleText(*fitting) + " fits."
                               : "No drawing scale down to 1:1000 fits; fit it to the page.");
}

}  // namespace fp
