// The level labels and the height on show.
#include "window/level_list.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>
#include <algorithm>

#include "document/startup_texts.h"
#include "window/document_session.h"

namespace fp {
namespace {

const char* const kLevelProperty = "level";

}  // namespace

LevelList::LevelList(DocumentSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("levelList"));
    heightLabel = new QLabel(QStringLiteral("Level"));
    heightLabel->setObjectName(QStringLiteral("levelHeightLabel"));
    heightLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont large(QStringLiteral("Liberation Sans"));
    large.setPointSizeF(14.25);
    heightLabel->setFont(large);

    auto* labels = new QWidget;
    labels->setObjectName(QStringLiteral("levelLabels"));
    labelsLayout_ = new QVBoxLayout(labels);
    labelsLayout_->setContentsMargins(2, 0, 2, 0);
    labelsLayout_->setSpacing(0);
    column = new QScrollArea;
    column->setObjectName(QStringLiteral("levelColumn"));
    column->setFrameShape(QFrame::NoFrame);
    column->setWidgetResizable(true);
    column->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->setFocusPolicy(Qt::NoFocus);
    column->setWidget(labels);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heightLabel);
    layout->addWidget(column, 1);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    // Tab reaches it; a click on a label hands the focus to the plan.
    setFocusPolicy(Qt::TabFocus);

    fitWidth();
    connect(&session_, &DocumentSession::documentChanged, this, &LevelList::buildLabels);
    connect(&session_, &DocumentSession::viewChanged, this, &LevelList::showLevel);
}

void LevelList::buildLabels() {
    for (QLabel* label : levelLabels) {
        delete label;
    }
    levelLabels.clear();
    while (QLayoutItem* item = labelsLayout_->takeAt(0)) {
        delete item;
    }
    // Centred in the column when they fit: stretch above and below them.
    labelsLayout_->addStretch(1);
    const std::vector<std::string> captions = fp::levelLabels(*session_.document());
    for (std::size_t i = captions.size(); i-- > 0;) {
        auto* label = new QLabel(QString::fromStdString(captions[i]));
        const int level = static_cast<int>(i) + 1;
        label->setObjectName(QStringLiteral("levelLabel%1").arg(level));
        label->setProperty(kLevelProperty, level);
        label->setAlignment(Qt::AlignCenter);
        label->setLineWidth(1);
        label->setMargin(1);
        label->installEventFilter(this);
        labelsLayout_->addWidget(label);
        levelLabels.insert(levelLabels.begin(), label);
    }
    labelsLayout_->addStretch(1);
    framed_ = 0;
    fitWidth();
}

void LevelList::fitWidth() {
    // As wide as the widest label, with room for the scroll bar that a long column needs.
    int widest = heightLabel->sizeHint().width();
    for (const QLabel* label : levelLabels) {
        widest = std::max(widest, label->sizeHint().width() + 8);
    }
    setFixedWidth(widest + column->verticalScrollBar()->sizeHint().width());
}

void LevelList::keepLevelInView() {
    const int shown = session_.view().level;
    if (shown >= 1 && shown <= static_cast<int>(levelLabels.size())) {
        QLabel* label = levelLabels[static_cast<std::size_t>(shown - 1)];
        // With a neighbour on each side in view where there is one.
        column->ensureWidgetVisible(label, 0, label->height());
    }
}

void LevelList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    keepLevelInView();
}

void LevelList::showLevel() {
    const int shown = session_.view().level;
    // Only the frames that change are set: each change lays the column out again.
    if (shown != framed_) {
        for (QLabel* label : levelLabels) {
            const int level = label->property(kLevelProperty).toInt();
            if (level == framed_ || level == shown) {
                // The frame takes the place of a margin, so the labels never move.
                const bool onShow = level == shown;
                label->setFrameStyle(onShow ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
                label->setMargin(onShow ? 0 : 1);
            }
        }
        framed_ = shown;
    }
    keepLevelInView();
    const ListingDocument* document = session_.document();
    if (document != nullptr && shown >= 1) {
        heightLabel->setText(QString::fromStdString(
            levelCaption(*document, shown, session_.view().decimalSeparator)));
    }
}

void LevelList::keyPressEvent(QKeyEvent* event) {
    if (!session_.answerLevelKey(event->key())) {
        QWidget::keyPressEvent(event);
    }
}

void LevelList::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void LevelList::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void LevelList::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

bool LevelList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* release = static_cast<QMouseEvent*>(event);
        if (label != nullptr && label->rect().contains(release->position().toPoint())) {
            session_.showLevel(label->property(kLevelProperty).toInt());
            emit planFocusWanted();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace fp
