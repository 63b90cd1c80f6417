// Watches the listing on show for a change on disk: written again in place, or replaced by a
// new file of the same name, as analysis programs do.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

namespace fp {

class ListingWatcher : public QObject {
    Q_OBJECT
  public:
    explicit ListingWatcher(QObject* parent = nullptr);

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
    QString path_;
    Stamp stamp_;
};

}  // namespace fp
