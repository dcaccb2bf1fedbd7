#include "output/output_folder.h"

#include "platform/file_name_codec.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Unusable(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("OutputFolder", "The output folder cannot be used.\n%1\n%2")
        .arg(path, reason);
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// errno is taken before the translation could change it.
QString NoWriting(int error)
{
    return QCoreApplication::translate("OutputFolder", "tamro may not write into it: %1")
        .arg(SystemReason(error));
}

} // namespace

OutputFolderCheck CheckOutputFolder(const QString& path)
{
    const QByteArray bytes = EncodeFileName(path);
    struct stat info;
    if (::stat(bytes.constData(), &info) != 0) {
        if (errno == ENOENT)
            return {OutputFolderState::Missing, {}};
        return {OutputFolderState::Unusable, Unusable(path, SystemReason(errno))};
    }
    if (!S_ISDIR(info.st_mode))
        return {OutputFolderState::Unusable,
                Unusable(path, QCoreApplication::translate("OutputFolder", "It is not a folder."))};
    // Root passes this for any folder on a writable file system; a read-only
    // mount still fails it.
    if (::access(bytes.constData(), W_OK | X_OK) != 0)
        return {OutputFolderState::Unusable, Unusable(path, NoWriting(errno))};
    return {};
}

QString CreateOutputFolder(const QString& path)
{
    const QByteArray bytes = EncodeFileName(path);
    // Each leading part in turn, so a missing parent is made first.
    for (qsizetype end = 1; end <= bytes.size(); ++end) {
        if (end < bytes.size() && bytes[end] != '/')
            continue;
        const QByteArray part = bytes.left(end);
        if (::mkdir(part.constData(), 0777) == 0)
            continue;
        const int error = errno;
        struct stat info;
        if (error == EEXIST && ::stat(part.constData(), &info) == 0 && S_ISDIR(info.st_mode))
            continue;
        return QCoreApplication::translate("OutputFolder",
                                           "The output folder could not be created.\n%1\n%2")
            .arg(path, SystemReason(error));
    }
    return {};
}
