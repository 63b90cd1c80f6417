// The member-load values over the plan: "Member Loads" and each value, in a strip as wide as the
// plan, where the left button drags the label sideways out of the way of the plan's labels.
#pragma once

#include <QWidget>

class QLabel;

namespace fp {

class MemberLoadsStrip : public QWidget {
    Q_OBJECT
  public:
    explicit MemberLoadsStrip(QWidget* parent = nullptr);

    // "Member Loads" followed by three blanks and each value.
    void setCaption(const QString& caption);
    QLabel* label() const { return label_; }
    // How far the label's left edge stands from the strip's, in pixels.
    int labelOffset() const { return offset_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Moves the label, keeping it whole within the strip where it fits.
    void placeLabel(int offset);

    QLabel* label_;
    int offset_ = 0;
    // Where in the label the pointer took it, at the last press.
    double dragStartX_ = 0;
};

}  // namespace fp
