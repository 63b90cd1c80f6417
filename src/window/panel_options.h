// The view options of the client area that a reload of the listing keeps where they still apply.
#pragma once

#include <qnamespace.h>

#include <optional>
#include <utility>
#include <vector>

namespace fp {

struct PanelOptions {
    // The height of the level on show, in hundredths of a metre; nothing when none was shown.
    std::optional<float> levelHeight;
    bool memberMode = false;
    Qt::CheckState loadType = Qt::Checked;
    Qt::CheckState beamNumbers = Qt::Unchecked;
    Qt::CheckState allIntensities = Qt::Checked;
    // The state of each intensity box by its intensity; a new intensity starts ticked.
    std::vector<std::pair<float, Qt::CheckState>> intensities;
    // Where the member-load label was dragged to.
    double memberLoadsLeft = 0;
};

}  // namespace fp
