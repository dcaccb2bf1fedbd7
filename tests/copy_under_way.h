#pragma once

#include "platform/file_name_codec.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

// How far the copy that process `pid` is writing into `folder` has got: the
// size of its unnamed or hidden file there, seen through the process's open
// descriptors, since a copy under way has no final name. -1 when there is
// none.
inline qint64 SizeOfCopyUnderWay(pid_t pid, const QString& folder)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    const QByteArray inside = EncodeFileName(folder) + '/';
    qint64 size = -1;
    for (const QString& fd : QDir(fds).entryList(QDir::Files | QDir::System)) {
        const QByteArray link = EncodeFileName(fds + u'/' + fd);
        char target[4096];
        const ssize_t length = ::readlink(link.constData(), target, sizeof target);
        if (length <= 0)
            continue;
        const QByteArray path(target, length);
        const bool unnamed = path.endsWith(" (deleted)");
        const bool hidden = path.mid(path.lastIndexOf('/') + 1).startsWith(".tamro-");
        struct stat info
        {};
        if (path.startsWith(inside) && (unnamed || hidden) && ::stat(link.constData(), &info) == 0)
            size = std::max<qint64>(size, info.st_size);
    }
    return size;
}
