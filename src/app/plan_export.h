// Writes level plans to PNG, SVG or PDF files, drawn exactly as the window draws them.
#pragma once

#include <QPainter>
#include <QRectF>
#include <string>
#include <vector>

#include "app/export_options.h"
#include "model/model_store.h"
#include "plan/view_state.h"

namespace fp {

// The view the options ask for. An intensity the listing does not have ends the run.
ViewState exportViewState(const ModelStore& model, const ExportOptions& options);

// Draws one page: the level's caption as a title along the top of `area`, the plan below it.
void renderPage(ModelStore& model, QPainter& painter, const QRectF& area, const ViewState& view,
                int16_t level, char decimalSeparator);

// Writes the files the options ask for and returns their paths. A failure to write ends the
// run naming the file.
std::vector<std::string> exportPlans(ModelStore& model, const ExportOptions& options,
                                     char decimalSeparator);

}  // namespace fp
