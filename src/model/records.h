// The records a listing is read into: joints, members, beam designs and floor loads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/bounded_list.h"
#include "model/case_number.h"
#include "model/value_list.h"

namespace fp {

// A joint of the JOINT COORDINATES section; coordinates in hundredths of a metre, so that the
// 16 bits hold -327.68 m to 327.67 m.
struct Joint {
    int16_t number = 0;
    int16_t x = 0;
    int16_t y = 0;
    int16_t z = 0;
    long line = 0;  // of the line its number is written on, counted from 1
};

// A member of the MEMBER INCIDENCES section, by the numbers of its two joints. Once read, every
// member runs from its lower joint to its higher one.
struct Member {
    int32_t number = 0;
    int32_t start = 0;
    int32_t end = 0;
};

// One beam design block: the member it designs and its length as printed, in millimetres.
struct DesignRow {
    int32_t member = 0;
    int32_t lengthMm = 0;
    long line = 0;  // of its "B E A M  N O." header in the listing, counted from 1
};

// One downward floor-load command; the intensity is its absolute value, the ranges in metres.
struct FloorLoad {
    CaseNumber caseNumber;  // the load-case number of the latest load-case header, as written
    float intensity = 0;
    float y1 = 0;
    float y2 = 0;
    float x1 = 0;
    float x2 = 0;
    float z1 = 0;
    float z2 = 0;
    long line = 0;  // of its YRANGE line in the listing, counted from 1
};

// A load-case header of the input echo, «LOAD 1 LOADTYPE Dead TITLE DEAD LOAD».
struct LoadCase {
    CaseNumber number;  // as written; the loads under the header carry it
    std::string type;   // the word after LOADTYPE
    std::string title;  // the words after TITLE; the type when there is no TITLE
    // The header after its number as written, blanks between words made one:
    // "LOADTYPE Live REDUCIBLE TITLE LIVE LOAD". Two runs differ in a case when this differs.
    std::string header;
    long line = 0;  // of the header in the listing, counted from 1
};

// One member a downward uniform member load acts on: a "TO" range or a list of several members
// gives one of these per member. The value is the load's absolute value, in kN/m.
struct MemberLoad {
    int32_t member = 0;
    float value = 0;
    CaseNumber caseNumber;  // of the latest load-case header, as written; empty before any
    // Of the line the member is written on (for a member a "TO" range adds, the line of the
    // range's first end), counted from 1.
    long line = 0;
};

inline constexpr std::size_t kMaxJoints = 9000;
inline constexpr std::size_t kMaxMembers = 9000;
inline constexpr std::size_t kMaxDesignRows = 2500;
inline constexpr std::size_t kMaxFloorLoads = 1000;
inline constexpr std::size_t kMaxLoadValues = 20;
inline constexpr std::size_t kMaxGridLines = 100;
inline constexpr std::size_t kMaxLoadCases = 10000;
// Every member of a large building under several load cases, with room to spare.
inline constexpr std::size_t kMaxMemberLoads = 60000;

using JointList = BoundedList<Joint, kMaxJoints>;
using MemberList = BoundedList<Member, kMaxMembers>;
using DesignRowList = BoundedList<DesignRow, kMaxDesignRows>;
using FloorLoadList = BoundedList<FloorLoad, kMaxFloorLoads>;
using LoadCaseList = BoundedList<LoadCase, kMaxLoadCases>;
using MemberLoadList = BoundedList<MemberLoad, kMaxMemberLoads>;
// The distinct floor-load intensities, or member-load values.
using LoadValueList = ValueList<kMaxLoadValues>;

}  // namespace fp
