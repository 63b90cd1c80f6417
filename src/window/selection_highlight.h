// The highlight of what is selected, drawn over the plan on the screen only: a wide band of
// colour along each selected beam, a tint over each selected panel, and a ring round each selected
// column.
#pragma once

#include <QColor>
#include <QPainter>

#include "inspect/selection.h"
#include "plan/plan_transform.h"

namespace fp {

void drawSelectionHighlight(QPainter& painter, const PlanTransform& shown,
                            const LevelSelection& selection, const QColor& colour);

}  // namespace fp
