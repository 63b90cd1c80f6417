// The one text of a level and of a place on a plan, for every command, page and dock.
#pragma once

#include <string>

#include "structure/panel_bounds.h"

namespace fp {

// "4.2 m": a level by its height, given in hundredths of a metre.
std::string levelHeightText(float heightHundredths, char decimalSeparator = '.');

// "Level 4.2 m": the heading of a level's page, section or table.
std::string levelHeading(float heightHundredths, char decimalSeparator = '.');

// "X 0–6 m, Z 5–16 m": a rectangle by its edges in metres, a load's ranges or a panel.
std::string rangeText(double x1, double x2, double z1, double z2, char decimalSeparator = '.');

// The same for a panel's bounds.
std::string boundsText(const PanelBounds& bounds, char decimalSeparator = '.');

}  // namespace fp
