// The plan's legend panel.
#include "window/legend_panel.h"

#include <QEvent>

#include "model/listing_error.h"
#include "plan/label_search.h"
#include "plan/legend.h"
#include "render/listing_qstring.h"

namespace fp {
namespace {

// From the plan's edges, in pixels.
constexpr int kMargin = 6;
// The lines of the longest legend: the cases, the units, the serials, the columns, the hatching
// and the grid, and one that says what the plan could not show.
constexpr int kLongestLegend = 7;

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

void LegendPanel::showLegendOf(const ListingDocument* document, const PlanView& view,
                               const std::vector<std::string>& keyLines, int notShown) {
    QString text;
    if (document != nullptr && view.level >= 1) {
        try {
            std::vector<std::string> lines = legendLines(*document, view);
            lines.insert(lines.end(), keyLines.begin(), keyLines.end());
            if (notShown > 0) {
                lines.push_back(notShownNote(notShown));
            }
            for (const std::string& line : lines) {
                text +=
                    (text.isEmpty() ? QString() : QStringLiteral("\n")) + qStringFromListing(line);
            }
        } catch (const ListingError&) {
            // The plan area tells why the level has no plan; nor has it a legend.
            text.clear();
        }
    }
    // Asked at every drawing, and mostly the same: laid out again only when it changed.
    if (text != this->text()) {
        setText(text);
        adjustSize();
    }
    place();
    setVisible(wanted_ && !text.isEmpty());
}

void LegendPanel::setWanted(bool wanted) {
    wanted_ = wanted;
    setVisible(wanted_ && !text().isEmpty());
}

int LegendPanel::roomWanted() const {
    // Measured on a panel styled as this one, holding as many lines as the longest legend.
    QLabel longest;
    longest.setObjectName(objectName());
    longest.setStyleSheet(styleSheet());
    longest.setFont(font());
    longest.setText(QString(kLongestLegend - 1, QLatin1Char('\n')) + QStringLiteral("8"));
    return longest.sizeHint().height() + 2 * kMargin;
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
