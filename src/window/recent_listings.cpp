// Recent listings in QSettings.
#include "window/recent_listings.h"

#include <QFileInfo>
#include <QSettings>

namespace fp {
namespace {

const QString kKey = QStringLiteral("recentListings");

}  // namespace

QStringList RecentListings::paths() const {
    return QSettings().value(kKey).toStringList();
}

void RecentListings::store(const QStringList& paths) {
    QSettings().setValue(kKey, paths);
}

void RecentListings::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMost) {
        list.removeLast();
    }
    store(list);
}

QStringList RecentListings::dropMissing() {
    QStringList kept;
    QStringList dropped;
    for (const QString& path : paths()) {
        (QFileInfo::exists(path) ? kept : dropped).append(path);
    }
    if (!dropped.isEmpty()) {
        store(kept);
    }
    return dropped;
}

QString RecentListings::lastFolder() const {
    const QStringList list = paths();
    return list.isEmpty() ? QString() : QFileInfo(list.first()).absolutePath();
}

}  // namespace fp
