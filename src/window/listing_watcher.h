// Watches the listing on show for a change on disk: written again in place, or replaced by a
// new file of the same name, as analysis programs do. A change is told once the file has been
// quiet for a moment, so that a listing the analysis is still writing is not offered half
// written.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace fp {

class ListingWatcher : public QObject {
    Q_OBJECT
  public:
    explicit ListingWatcher(QObject* parent = nullptr);

    // How long the file must stay as it is before its change is told.
    static constexpr int kQuietMs = 1000;

    // Watches `path` from now on, as it is now: a change is reported against this state.
    void watch(const QString& path);
    // Whether the file differs from the state it was watched in.
    bool hasChanged() const;

  signals:
    void changed();

  private:
    struct Stamp {
        bool exists = false;
        QDateTime modified;
        qint64 size = 0;

        bool operator==(const Stamp&) const = default;
    };

    static Stamp stampOf(const QString& path);
    void look();

    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QString path_;
    Stamp stamp_;
    // The listing as the last event found it: events about other files of its folder leave it
    // as it was and must not put off the offer.
    Stamp lastSeen_;
};

}  // namespace fp
