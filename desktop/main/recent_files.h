// The ten most recently used project files, most recent first, kept in the
// program settings ("File1" … "File10").
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace torvex {

class RecentFiles {
public:
    static constexpr int kMaxFiles = 10;

    // Moves an entry to the front (nothing when already first) or inserts
    // it there, dropping the tenth.
    void add(const QString& path);
    const QStringList& paths() const { return paths_; }
    int count() const { return static_cast<int>(paths_.size()); }
    void clear() { paths_.clear(); }

    // The menu text of entry k (1-based): "k path", the path shortened to
    // what follows the current folder when it lies inside it.
    QString menuText(int k, const QString& currentFolder) const;

    void read(QSettings& settings);
    void write(QSettings& settings) const;

private:
    QStringList paths_;
};

}  // namespace torvex
