// Messages in the window: a modal box with one OK button and no icon, under the program's title.
#pragma once

#include <QString>
#include <string>

#include "reader/message_sink.h"

class QWidget;

namespace fp {

// The program's title, the caption of every message box.
inline const QString kProgramTitle = QStringLiteral("FramePlan");

// Shows `text` (listing text: UTF-8, or Windows-1252 where it is not) and waits for OK; owned by
// `parent` when it is showing.
void showMessageBox(QWidget* parent, const std::string& text);

// The reader's messages, each in a box of its own, in the one form of every message.
class MessageBoxes : public MessageSink {
  public:
    // The window that owns the boxes once it is showing; before, they stand alone.
    void setWindow(QWidget& window) { window_ = &window; }
    void show(const ListingMessage& message) override;

  private:
    QWidget* window_ = nullptr;
};

}  // namespace fp
