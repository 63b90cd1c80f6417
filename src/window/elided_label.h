// A one-line label that never asks for more room than it gets: text too long for it ends in
// "…", and the whole text is its tooltip.
#pragma once

#include <QLabel>
#include <QString>

namespace fp {

class ElidedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    // The text shown, cut to the label's width.
    QString shownText() const;

  public slots:
    // text() stays the whole text.
    void setText(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void updateToolTip();
};

}  // namespace fp
