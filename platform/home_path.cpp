#include "platform/home_path.h"

#include <QDir>

QString ExpandHomePath(const QString& path)
{
    if (path == u"~"_qs)
        return QDir::homePath();
    if (path.startsWith(u"~/"_qs))
        return QDir::homePath() + path.mid(1);
    return path;
}
