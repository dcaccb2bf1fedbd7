#include "platform/unfinished_copies.h"

#include "platform/file_name_codec.h"
#include "platform/unique_fd.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

constexpr QByteArrayView kPrefix = ".tamro-";
constexpr QByteArrayView kSuffix = ".part";
constexpr qsizetype kRandomDigits = 16;

struct DirCloser
{
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// Removes `name` in `folder` when it is an unfinished copy nobody holds.
bool RemoveIfAbandoned(int folder, const char* name)
{
    // O_NOFOLLOW refuses a link; O_NONBLOCK keeps a FIFO from hanging us.
    UniqueFd fd(::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat opened
    {};
    if (!fd.valid() || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_nlink != 1)
        return false;
    // A running copy holds its file locked until it is named; a lock that
    // cannot be taken, for whatever reason, leaves the file alone.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return false;
    struct stat named
    {};
    if (::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        return false;
    return ::unlinkat(folder, name, 0) == 0;
}

} // namespace

QByteArray UnfinishedCopyName(std::uint64_t random)
{
    return kPrefix.toByteArray() +
           QByteArray::number(random, 16).rightJustified(kRandomDigits, '0') +
           kSuffix.toByteArray();
}

bool IsUnfinishedCopyName(QByteArrayView name)
{
    // Exactly the form UnfinishedCopyName makes: a finished copy may well be
    // named ".tamro-x-Song.part" by a song list or a swap, and it must stay.
    if (name.size() != kPrefix.size() + kRandomDigits + kSuffix.size() ||
        !name.startsWith(kPrefix) || !name.endsWith(kSuffix))
        return false;
    const QByteArrayView digits = name.sliced(kPrefix.size(), kRandomDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

QStringList RemoveUnfinishedCopies(const QString& folder)
{
    QStringList removed;
    const QByteArray folderBytes = EncodeFileName(folder);
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folderBytes.constData()));
    if (!dir)
        return removed;
    const int folderFd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArrayView name(entry->d_name);
        if (!IsUnfinishedCopyName(name))
            continue;
        if (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN)
            continue;
        if (RemoveIfAbandoned(folderFd, entry->d_name))
            removed.append(DecodeFileName(folderBytes + '/' + name.toByteArray()));
    }
    return removed;
}
