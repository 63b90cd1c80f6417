// The texts the window starts with.
#include "document/startup_texts.h"

#include "model/number_text.h"

namespace fp {
namespace {

float levelMetres(const ListingDocument& document, int level) {
    return static_cast<float>(metres(document.levelHeight(level)));
}

}  // namespace

std::vector<std::string> levelLabels(const ListingDocument& document) {
    std::vector<std::string> labels;
    for (int level = 1; level <= document.levelCount(); ++level) {
        labels.push_back(levelText(levelMetres(document, level)));
    }
    return labels;
}

std::vector<std::string> intensityCaptions(const ListingDocument& document, char decimalSeparator) {
    std::vector<std::string> captions;
    for (const float intensity : document.floorIntensities) {
        captions.push_back(valueText(intensity, decimalSeparator));
    }
    return captions;
}

std::string memberLoadCaption(const ListingDocument& document, char decimalSeparator) {
    std::string caption = "Member Loads";
    for (const float value : document.memberLoadValues) {
        caption += "   " + valueText(value, decimalSeparator);
    }
    return caption;
}

std::string levelCaption(const ListingDocument& document, int level, char decimalSeparator) {
    return valueText(levelMetres(document, level), decimalSeparator) + " M";
}

}  // namespace fp
