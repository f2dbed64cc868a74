#include "main/recent_files.h"

#include <QDir>
#include <QSettings>

namespace torvex {

void RecentFiles::add(const QString& path) {
    if (path.isEmpty()) return;
    const qsizetype at = paths_.indexOf(path);
    if (at == 0) return;
    if (at > 0) paths_.removeAt(at);
    paths_.prepend(path);
    while (paths_.size() > kMaxFiles) paths_.removeLast();
}

QString RecentFiles::menuText(int k, const QString& currentFolder) const {
    QString path = paths_.value(k - 1);
    QString folder = QDir::cleanPath(currentFolder);
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    if (path.startsWith(folder)) path = path.mid(folder.size());
    return QString::number(k) + QLatin1Char(' ') + path;
}

void RecentFiles::read(QSettings& settings) {
    paths_.clear();
    for (int i = 1; i <= kMaxFiles; ++i) {
        const QString value = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!value.isEmpty()) paths_.append(value);
    }
}

void RecentFiles::write(QSettings& settings) const {
    for (int i = 1; i <= kMaxFiles; ++i) settings.setValue(QStringLiteral("File%1").arg(i), paths_.value(i - 1));
}

}  // namespace torvex
