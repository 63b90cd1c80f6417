// The test surface: records calls and measures text with fixed metrics.
#include "support/recording_surface.h"

namespace fp::test {

void RecordingSurface::record(Kind kind, double x1, double z1, double x2, double z2) {
    Call call;
    call.kind = kind;
    call.x1 = x1;
    call.z1 = z1;
    call.x2 = x2;
    call.z2 = z2;
    call.stroke = stroke_;
    call.part = part_;
    call.style = style_;
    calls_.push_back(std::move(call));
}

void RecordingSurface::clear() {
    record(Kind::Clear);
}

void RecordingSurface::setScale(double left, double top, double right, double bottom) {
    record(Kind::SetScale, left, top, right, bottom);
}

void RecordingSurface::line(double x1, double z1, double x2, double z2) {
    record(Kind::Line, x1, z1, x2, z2);
}

void RecordingSurface::circle(double x, double z, double radius) {
    record(Kind::Circle, x, z, radius);
}

void RecordingSurface::fillSquare(double x, double z, double halfSide) {
    record(Kind::Square, x, z, halfSide);
}

double RecordingSurface::textWidth(std::string_view text) {
    const double perCharacter = ownsItsSize() ? ownCharWidth_ : kSelectedCharWidth;
    return perCharacter * shrink() * static_cast<double>(text.size());
}

double RecordingSurface::textHeight(std::string_view) {
    return (ownsItsSize() ? ownLineHeight_ : kSelectedLineHeight) * shrink();
}

bool RecordingSurface::ownsItsSize() const {
    return !selected_ || (selected_->points == 0 && selected_->angleTenths == 0);
}

double RecordingSurface::shrink() const {
    return selected_ ? selected_->shrink : 1;
}

void RecordingSurface::drawText(std::string_view text, double x, double z) {
    record(Kind::Text, x, z);
    calls_.back().text = std::string(text);
    calls_.back().font = selected_;
}

void RecordingSurface::selectFont(const FontDescription& font) {
    selected_ = font;
    record(Kind::SelectFont);
    calls_.back().font = font;
}

void RecordingSurface::restoreOwnFont() {
    selected_.reset();
    record(Kind::RestoreOwnFont);
}

std::vector<RecordingSurface::Call> RecordingSurface::callsOf(Kind kind) const {
    std::vector<Call> found;
    for (const Call& call : calls_) {
        if (call.kind == kind) {
            found.push_back(call);
        }
    }
    return found;
}

}  // namespace fp::test
