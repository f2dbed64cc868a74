#include "main/caption.h"

#include <QFileInfo>

namespace torvex {

QString DisplayName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(".txd"), Qt::CaseInsensitive)) name.chop(4);
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name;
}

QString WindowCaption(const QString& path) { return QString::fromLatin1(kProgramCaption) + DisplayName(path); }

}  // namespace torvex
