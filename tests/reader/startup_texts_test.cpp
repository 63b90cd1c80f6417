// The start-up texts of a model: level labels, intensity captions, member-load caption.
#include "reader/startup_texts.h"

#include <gtest/gtest.h>

#include "grid/grid_derivation.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

std::unique_ptr<ModelStore> modelWithLevels(std::initializer_list<int16_t> heights) {
    auto model = makeModelStore();
    for (const int16_t height : heights) {
        AddGridValue(model->GridY, height);
    }
    SortValueList(model->GridY);
    return model;
}

TEST(StartupTexts, LevelLabelsUseTheLevelFormAndCaptionsTheValueForm) {
    const auto model = modelWithLevels({700, 0, 350, -150, 9360});
    EXPECT_EQ(LevelLabels(*model), (std::vector<std::string>{"-1.5", " 0", " 3.5", " 7", " 93.6"}));
    EXPECT_EQ(LevelCaption(*model, 5, '.'), "93.6 M");
    EXPECT_EQ(LevelCaption(*model, 3, ','), "3,5 M");
}

TEST(StartupTexts, TheFirstLevelShownIsTheThirdOrTheHighestOfFewer) {
    EXPECT_EQ(StartLevel(*modelWithLevels({0, 350, 700, 1050})), 3);
    EXPECT_EQ(StartLevel(*modelWithLevels({0, 350})), 2);
    EXPECT_EQ(StartLevel(*modelWithLevels({})), 0);
}

TEST(StartupTexts, LoadValuesAreSortedBeforeTheirCaptionsAreWritten) {
    auto model = makeModelStore();
    for (const float value : {4.5f, 2.0f}) {
        AddIfAbsent(model->FloorIntensityList, value);
    }
    for (const float value : {12.5f, 10.0f}) {
        AddIfAbsent(model->MemberLoadList, value);
    }
    SortLoadValueLists(*model);
    EXPECT_EQ(IntensityCaptions(*model, '.'), (std::vector<std::string>{"2", "4.5"}));
    EXPECT_EQ(MemberLoadCaption(*model, '.'), "Member Loads   10   12.5");
    EXPECT_EQ(MemberLoadCaption(*makeModelStore(), '.'), "Member Loads");
}

}  // namespace
}  // namespace fp
