// The levels down the left of the window: "Level", then the height of the level on show, above a
// column of one label per level, the lowest at the bottom, the one on show framed. The column is
// centred when it fits and scrolls, keeping the level on show in view, when it does not. Reached
// with Tab, it steps through the levels with the keys the plan answers.
#pragma once

#include <QWidget>
#include <vector>

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace fp {

class DocumentSession;

class LevelList : public QWidget {
    Q_OBJECT
  public:
    explicit LevelList(DocumentSession& session, QWidget* parent = nullptr);

    QLabel* heightLabel = nullptr;  // "Level", then "3.5 M"
    QScrollArea* column = nullptr;
    // One per level, lowest first.
    std::vector<QLabel*> levelLabels;

  signals:
    // A level label was clicked: the plan takes the focus.
    void planFocusWanted();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void buildLabels();
    void fitWidth();
    void showLevel();
    void keepLevelInView();

    DocumentSession& session_;
    QVBoxLayout* labelsLayout_ = nullptr;
    // The level whose label is framed; 0 when none is.
    int framed_ = 0;
};

}  // namespace fp
