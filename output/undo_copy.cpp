#include "output/undo_copy.h"

#include "platform/fd_read.h"
#include "platform/unique_fd.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kCompareBlock = size_t{256} * 1024;

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// `text` (translated) with the system's words for `error` in place of %1;
// errno is taken before the translation could change it.
QString WithReason(const char* text, int error)
{
    return QCoreApplication::translate("UndoCopy", text).arg(SystemReason(error));
}

UndoCopyOutcome Stays(const QString& reason)
{
    return UndoCopyOutcome{false, false, reason};
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Reading must not change even the access time of the files, and must not
// hang on a FIFO; only the owner may ask for O_NOATIME.
int OpenForReading(int folder, const char* name, int extraFlags)
{
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | extraFlags;
    int fd = ::openat(folder, name, flags | O_NOATIME);
    if (fd < 0 && errno == EPERM)
        fd = ::openat(folder, name, flags);
    return fd;
}

// Empty when both hold the same bytes, else why the copy counts as changed.
QString CompareContents(int source, int copy)
{
    auto sourceBlock = std::make_unique_for_overwrite<char[]>(kCompareBlock);
    auto copyBlock = std::make_unique_for_overwrite<char[]>(kCompareBlock);
    for (;;) {
        const ssize_t fromSource = ReadFull(source, sourceBlock.get(), kCompareBlock);
        if (fromSource < 0)
            return WithReason(QT_TRANSLATE_NOOP("UndoCopy", "its source could not be read: %1"),
                              errno);
        const ssize_t fromCopy = ReadFull(copy, copyBlock.get(), kCompareBlock);
        if (fromCopy < 0)
            return WithReason(QT_TRANSLATE_NOOP("UndoCopy", "it could not be read: %1"), errno);
        if (fromSource != fromCopy ||
            std::memcmp(sourceBlock.get(), copyBlock.get(), size_t(fromCopy)) != 0)
            return QCoreApplication::translate("UndoCopy", "it was changed since the copy");
        if (size_t(fromCopy) < kCompareBlock)
            return {};
    }
}

void SplitPath(const QByteArray& path, QByteArray& folder, QByteArray& name)
{
    const qsizetype slash = path.lastIndexOf('/');
    folder = slash < 0    ? QByteArrayLiteral(".")
             : slash == 0 ? QByteArrayLiteral("/")
                          : path.left(slash);
    name = path.mid(slash + 1);
}

} // namespace

UndoCopyOutcome UndoCopy(const QByteArray& source, const QByteArray& copy, bool remove)
{
    QByteArray folderPath, name;
    SplitPath(copy, folderPath, name);
    if (name.isEmpty() || name == "." || name == "..")
        return Stays(QCoreApplication::translate("UndoCopy", "the log does not name a file here"));

    const UniqueFd folder(::open(folderPath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return Stays(
            errno == ENOENT
                ? QCoreApplication::translate("UndoCopy", "it is missing (its folder is gone)")
                : WithReason(QT_TRANSLATE_NOOP("UndoCopy", "its folder cannot be opened: %1"),
                             errno));
    }
    struct stat named
    {};
    if (::fstatat(folder.get(), name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
        return Stays(
            errno == ENOENT
                ? QCoreApplication::translate("UndoCopy", "it is missing")
                : WithReason(QT_TRANSLATE_NOOP("UndoCopy", "it cannot be looked at: %1"), errno));
    }
    if (S_ISLNK(named.st_mode))
        return Stays(QCoreApplication::translate("UndoCopy", "a link stands in its place"));
    if (!S_ISREG(named.st_mode))
        return Stays(QCoreApplication::translate("UndoCopy", "it is no longer a regular file"));

    const UniqueFd sourceFd(OpenForReading(AT_FDCWD, source.constData(), 0));
    if (!sourceFd.valid()) {
        return Stays(errno == ENOENT ? QCoreApplication::translate("UndoCopy", "its source is gone")
                                     : WithReason(QT_TRANSLATE_NOOP(
                                                      "UndoCopy", "its source cannot be read: %1"),
                                                  errno));
    }
    struct stat sourceStat
    {};
    if (::fstat(sourceFd.get(), &sourceStat) != 0 || !S_ISREG(sourceStat.st_mode))
        return Stays(
            QCoreApplication::translate("UndoCopy", "its source is no longer a regular file"));

    const UniqueFd copyFd(OpenForReading(folder.get(), name.constData(), O_NOFOLLOW));
    if (!copyFd.valid())
        return Stays(WithReason(QT_TRANSLATE_NOOP("UndoCopy", "it cannot be read: %1"), errno));
    struct stat opened
    {};
    if (::fstat(copyFd.get(), &opened) != 0 || !SameFile(opened, named))
        return Stays(
            QCoreApplication::translate("UndoCopy", "it was replaced while being checked"));
    if (SameFile(opened, sourceStat))
        return Stays(
            QCoreApplication::translate("UndoCopy", "it is its source itself, not a copy"));
    if (opened.st_size != sourceStat.st_size)
        return Stays(QCoreApplication::translate("UndoCopy", "it was changed since the copy"));
    if (const QString changed = CompareContents(sourceFd.get(), copyFd.get()); !changed.isEmpty())
        return Stays(changed);
    if (!remove)
        return UndoCopyOutcome{true, false, {}};

    // The name may have been given to another file while the bytes were
    // compared; only the file that was compared is removed.
    struct stat now
    {};
    if (::fstatat(folder.get(), name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
        !SameFile(now, opened))
        return Stays(
            QCoreApplication::translate("UndoCopy", "it was replaced while being checked"));
    if (::unlinkat(folder.get(), name.constData(), 0) != 0)
        return Stays(
            WithReason(QT_TRANSLATE_NOOP("UndoCopy", "it could not be removed: %1"), errno));
    return UndoCopyOutcome{true, true, {}};
}
