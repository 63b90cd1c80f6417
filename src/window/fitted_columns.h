// Columns of a list or table in a dock, fitted so that none runs off the side: each but one
// takes the width of its contents up to a limit, past which its texts wrap, and the one with
// the longest texts takes the room left and wraps its texts in it.
#pragma once

#include <QHeaderView>
#include <algorithm>

namespace fp {

// The characters a column other than the stretched one shows on one line at most.
constexpr int kWidestFittedColumnChars = 16;

// `View` is a QTreeView or a QTableView: both fit a column to its contents alike.
template <typename View>
void fitColumnsAround(View& view, QHeaderView& header, int stretched) {
    const int widest = kWidestFittedColumnChars * view.fontMetrics().averageCharWidth();
    for (int column = 0; column < header.count(); ++column) {
        if (column == stretched) {
            header.setSectionResizeMode(column, QHeaderView::Stretch);
            continue;
        }
        header.setSectionResizeMode(column, QHeaderView::Interactive);
        view.resizeColumnToContents(column);
        header.resizeSection(column, std::min(header.sectionSize(column), widest));
    }
}

}  // namespace fp
