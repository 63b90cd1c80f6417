// The structural model store: every table the program fills from a listing and draws from.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/fixed_table.h"
#include "model/value_list.h"

namespace fp {

// One downward floor-load command of the listing; ranges in metres.
struct FloorLoadRow {
    std::string CaseTitle;
    float Intensity = 0;
    float Y1 = 0;
    float Y2 = 0;
    float X1 = 0;
    float X2 = 0;
    float Z1 = 0;
    float Z2 = 0;
};

// Flags of one grid point: a beam leaves it towards -Z, +Z, +X, -X. True is -1.
struct PanelEdges {
    int16_t MinusZ = 0;
    int16_t PlusZ = 0;
    int16_t PlusX = 0;
    int16_t MinusX = 0;
};

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// The floor-load rows acting on one panel, and its two spans (hundredths of a metre).
struct PanelLoadRecord {
    static constexpr int kMaxLoads = 10;
    int16_t LoadCount = 0;
    float Intensity[kMaxLoads + 1] = {};
    std::string CaseTitle[kMaxLoads + 1];
    float SpanX = 0;
    float SpanZ = 0;
};

// Rows are used from 1; every table starts zero-filled and never grows. The store is large
// (the grid maps are dense), so it lives on the heap: create it with makeModelStore().
struct ModelStore {
    static constexpr int kMaxJoints = 9000;
    static constexpr int kMaxMembers = 9000;
    static constexpr int kMaxDesignRows = 2500;
    static constexpr int kMaxFloorLoads = 1000;
    static constexpr int kMaxPanels = 200;
    static constexpr int kMaxGridLines = 100;

    // Column 0 joint number; columns 1..3 X, Y, Z in hundredths of a metre.
    FixedTable<int16_t, kMaxJoints, 4> JointTable{"joints"};
    int16_t JointCount = 0;
    // Column 0 member number, 1 start joint, 2 end joint; 3 and 4 stay 0.
    FixedTable<int32_t, kMaxMembers, 5> MemberTable{"members"};
    int16_t MemberCount = 0;
    // Column 1 member number, column 2 printed length in millimetres; column 0 stays 0.
    FixedTable<int32_t, kMaxDesignRows, 3> BeamDesignTable{"beam design blocks"};
    int16_t BeamDesignCount = 0;
    RecordTable<FloorLoadRow, kMaxFloorLoads> FloorLoadTable{"floor loads"};
    int16_t FloorLoadCount = 0;
    LoadValueList FloorIntensityList{"distinct floor-load intensities"};
    LoadValueList MemberLoadList{"distinct member-load values"};

    GridList GridX{"distinct X coordinates"};
    GridList GridY{"distinct Y coordinates (levels)"};
    GridList GridZ{"distinct Z coordinates"};
    GridMap<int16_t, kMaxGridLines> NodeGrid;
    GridMap<int16_t, kMaxGridLines> XBeamGrid;
    GridMap<int16_t, kMaxGridLines> ZBeamGrid;
    // Indexed like the other grid maps: only indices 1..100 are ever used, so the map is not
    // laid out over the 200 points per axis that the flags could address.
    GridMap<PanelEdges, kMaxGridLines> PanelEdgeGrid;

    int16_t CurrentLevel = 0;
    // Columns 1..4: ix, iz, ix2, iz2 of each panel of the level last scanned.
    FixedTable<int16_t, kMaxPanels, 5> PanelTable{"panels on one level"};
    int16_t PanelCount = 0;
    ::fp::PanelLoadRecord PanelLoadRecord;
};

std::unique_ptr<ModelStore> makeModelStore();

}  // namespace fp
