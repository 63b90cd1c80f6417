// Rows of widgets, each as full as the width allows.
#include "window/flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace fp {

FlowLayout::FlowLayout(QWidget* parent, int spacing) : QLayout(parent), spacing_(spacing) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::sizeHint() const {
    return minimumSize();
}

QSize FlowLayout::minimumSize() const {
    // As narrow as the widest item: everything else wraps.
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            size = size.expandedTo(item->minimumSize());
        }
    }
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    int y = area.y();
    // One row at a time: the items that fit side by side, then placed centred on the row's
    // height, so a label stands level with the check boxes beside it.
    QList<QLayoutItem*> row;
    int rowWidth = 0;
    int rowHeight = 0;
    const auto placeRow = [&] {
        int x = area.x();
        for (QLayoutItem* item : row) {
            const QSize size = item->sizeHint();
            if (place) {
                item->setGeometry(QRect(QPoint(x, y + (rowHeight - size.height()) / 2), size));
            }
            x += size.width() + spacing_;
        }
        y += rowHeight + spacing_;
    };
    for (QLayoutItem* item : items_) {
        // A hidden widget takes no place.
        if (item->isEmpty()) {
            continue;
        }
        const QSize size = item->sizeHint();
        if (!row.isEmpty() && rowWidth + spacing_ + size.width() > area.width()) {
            placeRow();
            row.clear();
            rowWidth = 0;
            rowHeight = 0;
        }
        rowWidth += (row.isEmpty() ? 0 : spacing_) + size.width();
        rowHeight = std::max(rowHeight, size.height());
        row.append(item);
    }
    if (!row.isEmpty()) {
        placeRow();
        y -= spacing_;
    }
    return y - rect.y() + contentsMargins().bottom();
}

}  // namespace fp
