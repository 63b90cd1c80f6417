// Label texts laid out once and reused: a plan writes the same few hundred numbers on every
// redraw, and laying text out costs far more than drawing it.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QStaticText>
#include <string>
#include <string_view>
#include <unordered_map>

class QPaintDevice;

namespace fp {

// The laid-out texts of one font on devices of one resolution.
class LabelTextCache {
  public:
    struct Label {
        QStaticText layout;
        double width = 0;  // advance width in device pixels
    };

    // The cache for `font` on devices with the resolution of `device`; caches live as long as
    // the program.
    static LabelTextCache& forFont(const QFont& font, QPaintDevice* device);

    const Label& label(std::string_view text);
    const QFontMetricsF& metrics() const { return metrics_; }

  private:
    LabelTextCache(const QFont& font, QPaintDevice* device);

    QFontMetricsF metrics_;
    std::unordered_map<std::string, Label> labels_;
};

}  // namespace fp
