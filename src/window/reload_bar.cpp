// The reload bar.
#include "window/reload_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace fp {

ReloadBar::ReloadBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("reloadBar"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    text = new QLabel(QStringLiteral("The listing has changed on disk since it was read."), this);
    reloadButton = new QPushButton(QStringLiteral("Reload"), this);
    dismissButton = new QToolButton(this);
    dismissButton->setText(QStringLiteral("Dismiss"));
    dismissButton->setAutoRaise(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->addWidget(text, 1);
    layout->addWidget(reloadButton);
    layout->addWidget(dismissButton);
    hide();

    connect(reloadButton, &QPushButton::clicked, this, &ReloadBar::reloadClicked);
    connect(dismissButton, &QToolButton::clicked, this, &ReloadBar::hide);
}

}  // namespace fp
