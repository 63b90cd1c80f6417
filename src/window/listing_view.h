// The listing's text with line numbers, painted a screenful at a time from the file through a
// line index, so that a listing of any size costs the window no copy of its text.
#pragma once

#include <QAbstractScrollArea>
#include <memory>
#include <string>
#include <vector>

#include "reader/line_index.h"

namespace fp {

class ListingView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit ListingView(QWidget* parent = nullptr);

    // Shows the lines of `index`; null shows nothing.
    void setIndex(std::shared_ptr<const LineIndex> index);
    const LineIndex* index() const { return index_.get(); }
    // The same, shared with a find that runs on another thread.
    std::shared_ptr<const LineIndex> sharedIndex() const { return index_; }

    // Scrolls the line into view, a third of the way down, and highlights it with the other
    // lines of its statement.
    void showLine(long line);
    // The line last shown by showLine(); 0 before any.
    long currentLine() const { return current_; }
    // The first line highlighted (0 when none) and the last.
    long highlightedLine() const { return highlightFirst_; }
    long highlightedLast() const { return highlightLast_; }
    // The line at the top of the view.
    long topLine() const;
    // How many whole lines the view shows.
    int linesOnShow() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void updateScrollBars();
    int lineHeight() const;
    int gutterWidth() const;
    // The lines on show, read again only when the view scrolled or grew.
    const std::vector<std::string>& linesFrom(long first, int count);

    std::shared_ptr<const LineIndex> index_;
    long current_ = 0;
    long highlightFirst_ = 0;
    long highlightLast_ = 0;
    long cachedFirst_ = 0;
    std::vector<std::string> cached_;
    // The widest line seen, in characters, for the horizontal scroll bar.
    int widest_ = 0;
};

}  // namespace fp
