// Converts the window's designed twips (1/1440 inch) to device-independent pixels and back.
#pragma once

namespace fp {

class TwipsScale {
  public:
    // The screen's logical dots per inch: 96 gives 15 twips per pixel.
    explicit TwipsScale(double logicalDotsPerInch);
    // The scale of the primary screen.
    static TwipsScale ofScreen();

    double twipsPerPixel() const { return twipsPerPixel_; }
    int toPixels(double twips) const;
    double toTwips(double pixels) const { return pixels * twipsPerPixel_; }

  private:
    double twipsPerPixel_;
};

}  // namespace fp
