// Test helpers that place joints, members and design rows in a model store as the reader would.
#pragma once

#include <cstdint>

#include "model/model_store.h"

namespace fp::testing {

// Coordinates in hundredths of a metre.
inline void addJoint(ModelStore& model, int16_t number, int16_t x, int16_t y, int16_t z) {
    const int row = ++model.JointCount;
    model.JointTable.at(row, 0) = number;
    model.JointTable.at(row, 1) = x;
    model.JointTable.at(row, 2) = y;
    model.JointTable.at(row, 3) = z;
}

inline void addMember(ModelStore& model, int32_t number, int16_t start, int16_t end) {
    const int row = ++model.MemberCount;
    model.MemberTable.at(row, 0) = number;
    model.MemberTable.at(row, 1) = start;
    model.MemberTable.at(row, 2) = end;
}

// Returns the design row's index.
inline int16_t addDesignRow(ModelStore& model, int32_t member, int32_t lengthMillimetres) {
    const int16_t row = ++model.BeamDesignCount;
    model.BeamDesignTable.at(row, 1) = member;
    model.BeamDesignTable.at(row, 2) = lengthMillimetres;
    return row;
}

}  // namespace fp::testing
