// The plan's legend panel.
#include "window/legend_panel.h"

#include <QEvent>

#include "model/listing_error.h"
#include "plan/legend.h"
#include "render/listing_qstring.h"

namespace fp {
namespace {

// From the plan's edges, in pixels.
constexpr int kMargin = 6;

}  // namespace

LegendPanel::LegendPanel(QWidget* plan) : QLabel(plan) {
    setObjectName(QStringLiteral("legendPanel"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setStyleSheet(QStringLiteral(
        "#legendPanel { background: rgba(255, 255, 255, 225); border: 1px solid #909090; "
        "padding: 3px 5px; color: black; }"));
    plan->installEventFilter(this);
    hide();
}

void LegendPanel::showLegendOf(const ListingDocument* document, const PlanView& view) {
    QString text;
    if (document != nullptr && view.level >= 1) {
        try {
            for (const std::string& line : legendLines(*document, view)) {
                text +=
                    (text.isEmpty() ? QString() : QStringLiteral("\n")) + qStringFromListing(line);
            }
        } catch (const ListingError&) {
            // The plan area tells why the level has no plan; nor has it a legend.
            text.clear();
        }
    }
    setText(text);
    adjustSize();
    place();
    setVisible(wanted_ && !text.isEmpty());
}

void LegendPanel::setWanted(bool wanted) {
    wanted_ = wanted;
    setVisible(wanted_ && !text().isEmpty());
}

bool LegendPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        place();
    }
    return QLabel::eventFilter(watched, event);
}

void LegendPanel::place() {
    if (parentWidget() != nullptr) {
        move(kMargin, parentWidget()->height() - height() - kMargin);
    }
}

}  // namespace fp
