// Help texts.
#include "window/help_texts.h"

#include <QAction>
#include <QDir>
#include <QtGlobal>

namespace fp {
namespace {

// The keys of the plan, which has the focus whenever a level is on show.
const std::vector<ShortcutLine>& planKeys() {
    static const std::vector<ShortcutLine> keys{
        {QStringLiteral("Up / Down"), QStringLiteral("The level above / below")},
        {QStringLiteral("Page Up / Page Down"), QStringLiteral("Five levels up / down")},
        {QStringLiteral("Home / End"), QStringLiteral("The highest / the lowest level")},
        {QStringLiteral("+ / -"), QStringLiteral("Zoom in / out about the middle of the plan")},
        {QStringLiteral("Ctrl + wheel, pinch"), QStringLiteral("Zoom about the pointer")},
        {QStringLiteral("Middle button, Space + left button"),
         QStringLiteral("Drag the plan along")},
        {QStringLiteral("Click"), QStringLiteral("Select a beam or a panel")},
        {QStringLiteral("Ctrl + click"), QStringLiteral("Add to or take from the selection")},
        {QStringLiteral("Escape, click on empty paper"), QStringLiteral("Clear the selection")},
    };
    return keys;
}

}  // namespace

std::vector<ShortcutLine> keyboardShortcuts(const QList<QAction*>& actions) {
    std::vector<ShortcutLine> lines;
    for (const QAction* action : actions) {
        if (action->shortcut().isEmpty()) {
            continue;
        }
        QString what = action->text();
        what.remove(QLatin1Char('&'));
        what.remove(QStringLiteral("…"));
        lines.push_back({action->shortcut().toString(QKeySequence::NativeText), what});
    }
    lines.insert(lines.end(), planKeys().begin(), planKeys().end());
    return lines;
}

QString shortcutTable(const std::vector<ShortcutLine>& lines) {
    QString rows;
    for (const ShortcutLine& line : lines) {
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(line.keys.toHtmlEscaped(), line.what.toHtmlEscaped());
    }
    return QStringLiteral("<table>") + rows + QStringLiteral("</table>");
}

QString aboutText(const QString& listingPath) {
    const QString listing =
        listingPath.isEmpty() ? QStringLiteral("No listing is open.")
                              : QStringLiteral("Listing: ") + QDir::toNativeSeparators(listingPath);
    return QStringLiteral(
               "FramePlan %1\nQt %2\n\n%3\n\nFramePlan reads the output listing of a "
               "frame analysis and draws the beam plan and floor loads of each level.")
        .arg(QStringLiteral(FRAMEPLAN_VERSION), QString::fromLatin1(qVersion()), listing);
}

}  // namespace fp
