// The level column.
#include "window/level_column.h"

#include <QScrollBar>
#include <cmath>

namespace fp {

LevelColumn::LevelColumn(QWidget* panel, const TwipsScale& scale)
    : QScrollArea(panel), scale_(scale) {
    setObjectName(QStringLiteral("levelColumn"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("levelLabels"));
    setWidget(content);
    // The labels lie on the panel itself, beneath the controls that overlap them.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
}

double LevelColumn::place(const std::vector<PlacedLabel*>& levelLabels, double panelHeight,
                          double top, double bottom) {
    const auto levels = static_cast<double>(levelLabels.size());
    const double height = kLabel.height;
    scrolls_ = height * levels > panelHeight;
    double extra = 0;
    double columnHeight = panelHeight;
    double base = 0;
    if (!scrolls_) {
        // Centred on half the panel's height; the half rounds to even.
        base = std::nearbyint((height * levels + panelHeight) / 2);
        setGeometry(0, 0, scale_.toPixels(kWidthTwips), scale_.toPixels(panelHeight));
    } else {
        extra = scale_.toTwips(verticalScrollBar()->sizeHint().width());
        columnHeight = height * levels;
        base = columnHeight;
        setGeometry(0, scale_.toPixels(top), scale_.toPixels(kWidthTwips + extra),
                    scale_.toPixels(bottom) - scale_.toPixels(top));
    }
    widget()->resize(scale_.toPixels(kWidthTwips), scale_.toPixels(columnHeight));
    for (std::size_t i = 0; i < levelLabels.size(); ++i) {
        TwipsRect place = kLabel;
        place.top = base - static_cast<double>(i + 1) * height;
        levelLabels[i]->setTwipsGeometry(place);
    }
    return extra;
}

void LevelColumn::keepInView(PlacedLabel* label) {
    if (label != nullptr && scrolls_) {
        // With a neighbour on each side in view where there is one.
        ensureWidgetVisible(label, 0, label->height());
    }
}

}  // namespace fp
