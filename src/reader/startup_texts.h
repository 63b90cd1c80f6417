// What start-up makes of a model that has been read: the sorted load values and the captions
// of the level labels, the intensity boxes, the member-load label and the level label.
#pragma once

#include <string>
#include <vector>

#include "model/model_store.h"

namespace fp {

// Sorts FloorIntensityList and MemberLoadList ascending.
void SortLoadValueLists(ModelStore& model);

// The captions of the level labels 1..nY: " 0", " 3.5", " 7".
std::vector<std::string> LevelLabels(const ModelStore& model);

// The captions of the intensity boxes 1..n, in list order: "2", "4.5".
std::vector<std::string> IntensityCaptions(const ModelStore& model, char decimalSeparator);

// "Member Loads" followed by three blanks and each member-load value in list order.
std::string MemberLoadCaption(const ModelStore& model, char decimalSeparator);

// The level shown first: level 3, the highest level when there are fewer, 0 when none.
int StartLevel(const ModelStore& model);

// What the level label reads while `level` is shown: its height and " M" ("3.5 M").
std::string LevelCaption(const ModelStore& model, int level, char decimalSeparator);

}  // namespace fp
