// A check box control whose Value is 0 (unticked), 1 (ticked) or 2 (grey, counts as unticked).
#pragma once

#include <QCheckBox>

#include "app/twips_placed.h"

namespace fp {

class ToolCheckBox : public QCheckBox, public TwipsPlaced {
    Q_OBJECT
  public:
    ToolCheckBox(QWidget* parent, const TwipsScale& scale);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    int Value() const;
    // A change of value raises Click, as a click by the user does; setting the value it already
    // has raises nothing.
    void setValue(int value);

  signals:
    void Click();

  protected:
    // The whole control answers the mouse, not only its mark and caption.
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
    // A user's click ticks a grey box and toggles the others; the grey state is only ever set
    // from code.
    void nextCheckState() override;
};

}  // namespace fp
