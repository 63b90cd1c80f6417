// Labels written in their forms, at their places and sizes.
#include "plan/label_drawing.h"

#include <string>

#include "plan/check_marks.h"

namespace fp {
namespace {

// `font`, or the surface's own when none, drawn `shrink` of its size.
FontDescription shrunk(const std::optional<FontDescription>& font, double shrink) {
    FontDescription smaller = font.value_or(FontDescription{});
    smaller.shrink = shrink;
    return smaller;
}

void writeText(Surface& surface, const LabelText& text, const LabelPlace& place) {
    const bool ownFont = !text.font && place.shrink == 1;
    if (!ownFont) {
        surface.selectFont(place.shrink == 1 ? *text.font : shrunk(text.font, place.shrink));
    }
    if (text.calloutNumber) {
        // Centred in the room kept for the widest number.
        const std::string number = "[" + std::to_string(place.callout) + "]";
        const double room = text.box.width() * place.shrink;
        surface.drawText(number, place.placedX(text.x) + (room - surface.textWidth(number)) / 2,
                         place.placedZ(text.z));
    } else {
        surface.drawText(text.text, place.placedX(text.x), place.placedZ(text.z));
    }
    if (!ownFont) {
        surface.restoreOwnFont();
    }
}

}  // namespace

void drawLabels(const PlanLabels& labels, const LabelLayout& layout, Surface& surface) {
    for (std::size_t i = 0; i < labels.labels().size() && i < layout.places.size(); ++i) {
        const PlanLabel& label = labels.labels()[i];
        const LabelPlace& place = layout.places[i];
        if (!place.form || *place.form >= label.forms.size()) {
            continue;
        }
        const LabelForm& form = label.forms[*place.form];
        surface.startPart(label.part);
        for (const LabelText& text : form.texts) {
            writeText(surface, text, place);
        }
        if (form.sign) {
            drawWarningSign(surface,
                            {place.placedX(form.sign->left), place.placedZ(form.sign->top),
                             place.placedX(form.sign->right), place.placedZ(form.sign->bottom)});
        }
    }
    surface.startPart(PlanPart::PanelLabels);
    for (const PlacedLine& line : layout.keyPlaced) {
        surface.drawText(line.text, line.x, line.z);
    }
    if (layout.note) {
        surface.drawText(layout.note->text, layout.note->x, layout.note->z);
    }
}

}  // namespace fp
