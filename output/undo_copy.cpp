#include "output/undo_copy.h"

#include "platform/unique_fd.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr ssize_t kCompareBlock = ssize_t{256} * 1024;

// The system's words for `error`; callers take errno before translating
// their own text, which may change it.
QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

UndoCopyOutcome Stays(const QString& reason, bool gone = false)
{
    return UndoCopyOutcome{false, false, gone, reason};
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool AsRecorded(const struct stat& info, const RecordedCopy& copy)
{
    return info.st_size == copy.m_nSize && info.st_mtim.tv_sec == copy.m_nMtimeSec &&
           info.st_mtim.tv_nsec == copy.m_nMtimeNsec;
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

// Fills `buffer` up to `size` bytes; fewer only at the end of the file.
ssize_t ReadBlock(int fd, char* buffer, ssize_t size)
{
    ssize_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, buffer + done, size - done);
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        done += got;
    }
    return done;
}

// Empty when both hold the same bytes, else why the copy stays.
QString CompareContents(int source, int copy, std::int64_t size, const UndoProgress& progress)
{
    auto sourceBlock = std::make_unique_for_overwrite<char[]>(kCompareBlock);
    auto copyBlock = std::make_unique_for_overwrite<char[]>(kCompareBlock);
    std::int64_t compared = 0;
    for (;;) {
        if (progress && !progress(compared, size))
            return QCoreApplication::translate("UndoCopy",
                                               "the undo was cancelled before it was checked");
        const ssize_t fromSource = ReadBlock(source, sourceBlock.get(), kCompareBlock);
        if (fromSource < 0) {
            const int error = errno;
            return QCoreApplication::translate("UndoCopy", "its source could not be read: %1")
                .arg(SystemReason(error));
        }
        const ssize_t fromCopy = ReadBlock(copy, copyBlock.get(), kCompareBlock);
        if (fromCopy < 0) {
            const int error = errno;
            return QCoreApplication::translate("UndoCopy", "it could not be read: %1")
                .arg(SystemReason(error));
        }
        if (fromSource != fromCopy ||
            std::memcmp(sourceBlock.get(), copyBlock.get(), size_t(fromCopy)) != 0)
            return QCoreApplication::translate("UndoCopy", "it no longer equals its source");
        compared += fromCopy;
        if (fromCopy < kCompareBlock)
            return {};
    }
}

// Opens the folder at the absolute `path` one component at a time, none of
// them followed as a link, so a folder that was swapped for a link is never
// entered. Invalid with errno on failure (ELOOP or ENOTDIR for a link).
UniqueFd OpenFolderWithoutLinks(const QByteArray& path)
{
    UniqueFd folder(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    qsizetype start = 1;
    while (folder.valid() && start < path.size()) {
        qsizetype end = path.indexOf('/', start);
        if (end < 0)
            end = path.size();
        const QByteArray name = path.mid(start, end - start);
        start = end + 1;
        if (name.isEmpty() || name == ".")
            continue;
        if (name == "..") {
            errno = ELOOP; // a recorded path has every link and ".." resolved
            return UniqueFd();
        }
        UniqueFd next(::openat(folder.get(), name.constData(),
                               O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.valid()) {
            const int error = errno;
            folder = UniqueFd();
            errno = error;
            return next;
        }
        folder = std::move(next);
    }
    return folder;
}

} // namespace

UndoCopyOutcome UndoCopy(const RecordedFolder& recordedFolder, const RecordedCopy& copy,
                         const QByteArray& source, bool remove, const UndoProgress& progress)
{
    const UniqueFd folder(OpenFolderWithoutLinks(recordedFolder.m_path));
    if (!folder.valid()) {
        const int error = errno;
        if (error == ENOENT)
            return Stays(QCoreApplication::translate("UndoCopy", "its folder is gone"));
        if (error == ELOOP || error == ENOTDIR)
            return Stays(QCoreApplication::translate("UndoCopy",
                                                     "a link stands in the place of its folder"));
        return Stays(QCoreApplication::translate("UndoCopy", "its folder cannot be opened: %1")
                         .arg(SystemReason(error)));
    }
    struct stat folderInfo
    {};
    if (::fstat(folder.get(), &folderInfo) != 0 || folderInfo.st_dev != recordedFolder.m_nDevice ||
        folderInfo.st_ino != recordedFolder.m_nInode)
        return Stays(QCoreApplication::translate(
            "UndoCopy", "another folder stands in the place of its folder"));

    const char* name = copy.m_name.constData();
    struct stat named
    {};
    if (::fstatat(folder.get(), name, &named, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        return error == ENOENT
                   ? Stays(QCoreApplication::translate("UndoCopy", "it is missing"), true)
                   : Stays(QCoreApplication::translate("UndoCopy", "it cannot be looked at: %1")
                               .arg(SystemReason(error)));
    }
    if (S_ISLNK(named.st_mode))
        return Stays(QCoreApplication::translate("UndoCopy", "a link stands in its place"));
    if (!S_ISREG(named.st_mode))
        return Stays(QCoreApplication::translate("UndoCopy", "it is no longer a regular file"));
    if (named.st_dev != copy.m_nDevice || named.st_ino != copy.m_nInode)
        return Stays(QCoreApplication::translate("UndoCopy", "another file stands in its place"));
    if (!AsRecorded(named, copy))
        return Stays(QCoreApplication::translate("UndoCopy", "it was changed since the copy"));

    const UniqueFd sourceFd(OpenForReading(AT_FDCWD, source.constData(), 0));
    if (!sourceFd.valid()) {
        const int error = errno;
        return error == ENOENT
                   ? Stays(QCoreApplication::translate("UndoCopy", "its source is gone"))
                   : Stays(QCoreApplication::translate("UndoCopy", "its source cannot be read: %1")
                               .arg(SystemReason(error)));
    }
    struct stat sourceInfo
    {};
    if (::fstat(sourceFd.get(), &sourceInfo) != 0 || !S_ISREG(sourceInfo.st_mode))
        return Stays(
            QCoreApplication::translate("UndoCopy", "its source is no longer a regular file"));
    if (SameFile(named, sourceInfo))
        return Stays(
            QCoreApplication::translate("UndoCopy", "it is its source itself, not a copy"));
    if (sourceInfo.st_size != named.st_size)
        return Stays(QCoreApplication::translate("UndoCopy", "it no longer equals its source"));

    const UniqueFd copyFd(OpenForReading(folder.get(), name, O_NOFOLLOW));
    if (!copyFd.valid()) {
        const int error = errno;
        return Stays(QCoreApplication::translate("UndoCopy", "it cannot be read: %1")
                         .arg(SystemReason(error)));
    }
    struct stat opened
    {};
    if (::fstat(copyFd.get(), &opened) != 0 || !SameFile(opened, named))
        return Stays(
            QCoreApplication::translate("UndoCopy", "it was replaced while being checked"));
    if (const QString changed =
            CompareContents(sourceFd.get(), copyFd.get(), opened.st_size, progress);
        !changed.isEmpty())
        return Stays(changed);
    if (!remove)
        return UndoCopyOutcome{true, false, false, {}};

    // The name may have been given to another file while the bytes were
    // compared; only the file that was compared is removed.
    struct stat now
    {};
    if (::fstatat(folder.get(), name, &now, AT_SYMLINK_NOFOLLOW) != 0 || !SameFile(now, opened))
        return Stays(
            QCoreApplication::translate("UndoCopy", "it was replaced while being checked"));
    if (::unlinkat(folder.get(), name, 0) != 0) {
        const int error = errno;
        return Stays(QCoreApplication::translate("UndoCopy", "it could not be removed: %1")
                         .arg(SystemReason(error)));
    }
    return UndoCopyOutcome{true, true, true, {}};
}
