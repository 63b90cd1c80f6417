// What start-up makes of a model that has been read.
#include "reader/startup_texts.h"

#include <algorithm>

#include "grid/grid_derivation.h"
#include "model/number_text.h"

namespace fp {
namespace {

constexpr int kFirstLevelShown = 3;

float metres(float hundredths) {
    return hundredths / 100.0f;
}

}  // namespace

void SortLoadValueLists(ModelStore& model) {
    SortValueList(model.FloorIntensityList);
    SortValueList(model.MemberLoadList);
}

std::vector<std::string> LevelLabels(const ModelStore& model) {
    std::vector<std::string> labels;
    for (int level = 1; level <= model.GridY.count(); ++level) {
        labels.push_back(levelText(metres(model.GridY[level])));
    }
    return labels;
}

std::vector<std::string> IntensityCaptions(const ModelStore& model, char decimalSeparator) {
    std::vector<std::string> captions;
    for (int i = 1; i <= model.FloorIntensityList.count(); ++i) {
        captions.push_back(valueText(model.FloorIntensityList[i], decimalSeparator));
    }
    return captions;
}

std::string MemberLoadCaption(const ModelStore& model, char decimalSeparator) {
    std::string caption = "Member Loads";
    for (int i = 1; i <= model.MemberLoadList.count(); ++i) {
        caption += "   " + valueText(model.MemberLoadList[i], decimalSeparator);
    }
    return caption;
}

int StartLevel(const ModelStore& model) {
    return std::min(kFirstLevelShown, model.GridY.count());
}

std::string LevelCaption(const ModelStore& model, int level, char decimalSeparator) {
    return valueText(metres(model.GridY[level]), decimalSeparator) + " M";
}

}  // namespace fp
