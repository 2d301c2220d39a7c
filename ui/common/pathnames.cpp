#include "ui/common/pathnames.h"

#include <QDir>
#include <QFileInfo>

QString ShortPathName(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    const QString name = QFileInfo(clean).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(clean) : name;
}
