// The banner of a listing that is incomplete, told by the check's findings about the listing as a
// whole, so that the banner and `frameplan check` never disagree.
#include "window/listing_banner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "window/document_session.h"

namespace fp {

ListingBanner::ListingBanner(DocumentSession& session, QWidget* parent)
    : QFrame(parent), session_(session) {
    setObjectName(QStringLiteral("listingBanner"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setAutoFillBackground(true);
    // The colours of a warning, which the eye catches before the plan.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xff, 0xe9, 0xa8));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    auto* icon = new QLabel;
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize) * 2;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    headline = new QLabel;
    QFont bold = headline->font();
    bold.setBold(true);
    headline->setFont(bold);
    headline->setWordWrap(true);
    details = new QLabel;
    details->setWordWrap(true);
    dismissButton = new QToolButton;
    dismissButton->setText(QStringLiteral("&Dismiss"));
    dismissButton->setAutoRaise(true);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(headline);
    texts->addWidget(details);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(icon);
    layout->addLayout(texts, 1);
    layout->addWidget(dismissButton, 0, Qt::AlignTop);
    hide();

    connect(dismissButton, &QToolButton::clicked, this, &ListingBanner::hide);
    connect(&session_, &DocumentSession::documentChanged, this, &ListingBanner::hide);
    connect(&session_, &DocumentSession::findingsChanged, this, &ListingBanner::showFindings);
}

void ListingBanner::showFindings() {
    bool cutShort = false;
    QStringList sentences;
    for (const Finding& finding : session_.findings()) {
        if (finding.kind == FindingKind::ListingCutShort ||
            finding.kind == FindingKind::EchoLinesMissing) {
            cutShort = cutShort || finding.kind == FindingKind::ListingCutShort;
            sentences << QStringLiteral("Line %1: %2")
                             .arg(finding.lines.empty() ? 0 : finding.lines.front())
                             .arg(QString::fromStdString(finding.sentence));
        }
    }
    if (sentences.isEmpty()) {
        hide();
        return;
    }
    headline->setText(
        cutShort ? QStringLiteral("The listing is incomplete: it was cut short.")
                 : QStringLiteral("The listing is incomplete: lines are missing from it."));
    details->setText(sentences.join(QLatin1Char(' ')) +
                     QStringLiteral(" What it lacks is in none of the plans, totals or checks."));
    show();
}

}  // namespace fp
