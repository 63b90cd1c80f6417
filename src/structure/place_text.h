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

// "X 9 m, Z 5 m": a point by its coordinates in metres.
std::string pointText(double x, double z, char decimalSeparator = '.');

// "X 2–4 m at Z 4 m": a stretch of a grid line by its ends in metres, which lie on one line of X
// or of Z.
std::string stretchText(double x1, double x2, double z1, double z2, char decimalSeparator = '.');

// The same for a panel's bounds.
std::string boundsText(const PanelBounds& bounds, char decimalSeparator = '.');

}  // namespace fp
