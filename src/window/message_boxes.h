// Messages in the window: a modal box with one OK button and no icon, under the program's title.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace fp {

// The program's title, the caption of every message box.
inline const QString kProgramTitle = QStringLiteral("FramePlan");

// Shows `text` (listing text: UTF-8, or Windows-1252 where it is not) and waits for OK; owned by
// `parent` when it is showing.
void showMessageBox(QWidget* parent, const std::string& text);

}  // namespace fp
