// The listing watched through its file and its folder.
#include "window/listing_watcher.h"

#include <QFileInfo>

namespace fp {

ListingWatcher::ListingWatcher(QObject* parent) : QObject(parent) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &ListingWatcher::look);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &ListingWatcher::look);
    // Each write starts the wait again: the change is told after the last one.
    connect(&quiet_, &QTimer::timeout, this, [this] {
        if (hasChanged()) {
            emit changed();
        }
    });
}

ListingWatcher::Stamp ListingWatcher::stampOf(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? Stamp{true, info.lastModified(), info.size()} : Stamp{};
}

void ListingWatcher::watch(const QString& path) {
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    quiet_.stop();
    path_ = QFileInfo(path).absoluteFilePath();
    stamp_ = stampOf(path_);
    lastSeen_ = stamp_;
    // The folder tells of a listing replaced by a new file, which the file's watch loses.
    watcher_.addPath(QFileInfo(path_).absolutePath());
    watcher_.addPath(path_);
}

bool ListingWatcher::hasChanged() const {
    return !path_.isEmpty() && stampOf(path_) != stamp_;
}

void ListingWatcher::look() {
    if (QFileInfo::exists(path_) && !watcher_.files().contains(path_)) {
        watcher_.addPath(path_);
    }
    const Stamp seen = stampOf(path_);
    if (seen == lastSeen_) {
        return;
    }
    lastSeen_ = seen;
    quiet_.start();
}

}  // namespace fp
