// The run-ending errors of a level whose panels, or a panel whose loads, overflow their tables.
#pragma once

#include <cstdint>

#include "model/model_store.h"
#include "model/run_error.h"

namespace fp {

// More than 200 panels on one level.
RunEndingError tooManyPanels(const ModelStore& model, int16_t level);

// More than 10 floor loads acting on the panel (ix, iz)-(ix2, iz2) of a level.
RunEndingError tooManyPanelLoads(const ModelStore& model, int16_t level, int16_t ix, int16_t iz,
                                 int16_t ix2, int16_t iz2);

}  // namespace fp
