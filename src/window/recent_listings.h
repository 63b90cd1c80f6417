// The listings opened last, most recent first, kept in the user's settings between runs.
#pragma once

#include <QStringList>

namespace fp {

class RecentListings {
  public:
    static constexpr int kMost = 8;

    // The listings, most recent first.
    QStringList paths() const;
    // Puts the listing first; it appears once, and the oldest beyond eight are forgotten.
    void add(const QString& path);
    // Forgets the listings that no longer exist and returns them.
    QStringList dropMissing();
    // The folder of the most recent listing; empty when there is none.
    QString lastFolder() const;

  private:
    void store(const QStringList& paths);
};

}  // namespace fp
