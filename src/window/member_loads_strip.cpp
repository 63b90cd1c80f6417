// The member-load label and its sideways drag.
#include "window/member_loads_strip.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace fp {

MemberLoadsStrip::MemberLoadsStrip(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("memberLoadsStrip"));
    label_->setObjectName(QStringLiteral("memberLoadsLabel"));
    QFont narrow(QStringLiteral("Liberation Sans Narrow"));
    narrow.setPointSizeF(12);
    label_->setFont(narrow);
    label_->setText(QStringLiteral("Member Loads"));
    label_->installEventFilter(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void MemberLoadsStrip::setCaption(const QString& caption) {
    label_->setText(caption);
    label_->adjustSize();
    updateGeometry();
    placeLabel(offset_);
}

QSize MemberLoadsStrip::sizeHint() const {
    return label_->sizeHint();
}

QSize MemberLoadsStrip::minimumSizeHint() const {
    return {0, label_->sizeHint().height()};
}

void MemberLoadsStrip::placeLabel(int offset) {
    offset_ = std::clamp(offset, 0, std::max(0, width() - label_->width()));
    label_->move(offset_, 0);
}

void MemberLoadsStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeLabel(offset_);
}

bool MemberLoadsStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label_) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        dragStartX_ = static_cast<QMouseEvent*>(event)->position().x();
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        // Only the left button alone drags; the grabbed point stays under the pointer.
        if (move->buttons() == Qt::LeftButton) {
            placeLabel(offset_ + static_cast<int>(std::lround(move->position().x() - dragStartX_)));
        }
        return true;
    }
    return false;
}

}  // namespace fp
