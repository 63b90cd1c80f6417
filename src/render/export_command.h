// "frameplan export": reads a listing and writes level plans to PNG, SVG or PDF files.
#pragma once

#include <QGuiApplication>
#include <memory>
#include <ostream>

#include "output/export_request.h"

namespace fp {

// Fonts and images need a Qt application; the command line has none of its own. Makes one
// (offscreen without a display) when there is none; nothing when there is.
std::unique_ptr<QGuiApplication> guiApplicationIfNone();

// Reads the listing and writes the plans the request asks for, with the user's decimal
// separator. Names the files written on `out`;
// the reader's messages and failures go to `err`. Returns 0, or 2 when it failed.
int runExport(const ExportRequest& request, std::ostream& out, std::ostream& err);

}  // namespace fp
