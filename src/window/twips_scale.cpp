// Twips to pixels at the screen's logical resolution.
#include "window/twips_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace fp {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDotsPerInch = 96.0;
}  // namespace

TwipsScale::TwipsScale(double logicalDotsPerInch)
    : twipsPerPixel_(kTwipsPerInch /
                     (logicalDotsPerInch > 0 ? logicalDotsPerInch : kFallbackDotsPerInch)) {}

TwipsScale TwipsScale::ofScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsScale(screen != nullptr ? screen->logicalDotsPerInchY() : kFallbackDotsPerInch);
}

int TwipsScale::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips / twipsPerPixel_));
}

}  // namespace fp
