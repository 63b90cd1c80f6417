// The grid of distinct coordinates, the joints on it, and the framing of every level.
#pragma once

#include <cstdint>

#include "model/model_store.h"

namespace fp {

// Appends a coordinate (hundredths of a metre) unless the list already holds it.
void AddGridValue(GridList& list, int16_t value);

// Sorts elements 1..count ascending in place (element 0, the count, is left alone).
// Repeated passes of neighbour exchanges until a pass exchanges nothing; equal values never move.
template <int Capacity>
void SortValueList(ValueList<Capacity>& list) {
    const int count = list.count();
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = 1; i < count; ++i) {
            if (list[i] > list[i + 1]) {
                const float held = list[i];
                list.set(i, list[i + 1]);
                list.set(i + 1, held);
                exchanged = true;
            }
        }
    }
}

// Fills GridX, GridY, GridZ and NodeGrid from the joint table.
void BuildGrid(ModelStore& model);

// The member stored from joint a to joint b (first match), 0 when none. Orientation-sensitive.
int32_t FindMemberByEnds(const ModelStore& model, int16_t a, int16_t b);

// The first BeamDesignTable row of member m, 0 when it has none.
int16_t FindDesignRow(const ModelStore& model, int32_t m);

// Fills XBeamGrid, ZBeamGrid and PanelEdgeGrid for levels 2..nY.
void DeriveFrames(ModelStore& model);

}  // namespace fp
