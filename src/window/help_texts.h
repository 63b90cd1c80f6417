// The texts of the Help menu: the keyboard shortcuts and what About tells.
#pragma once

#include <QList>
#include <QString>
#include <vector>

class QAction;

namespace fp {

struct ShortcutLine {
    QString keys;
    QString what;
};

// The menus' shortcuts, from their actions, then the keys the plan answers itself.
std::vector<ShortcutLine> keyboardShortcuts(const QList<QAction*>& actions);

// The shortcuts as a table for the Keyboard Shortcuts box.
QString shortcutTable(const std::vector<ShortcutLine>& lines);

// The program's version, the Qt version it runs on, and the listing on show.
QString aboutText(const QString& listingPath);

}  // namespace fp
