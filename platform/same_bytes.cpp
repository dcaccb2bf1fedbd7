#include "platform/same_bytes.h"

#include "platform/unique_fd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr std::int64_t kCompareChunk = 1 << 20;

// A regular file opened for reading, or an invalid descriptor. O_NOFOLLOW
// refuses a link at the name; O_NONBLOCK keeps a FIFO from hanging us.
UniqueFd OpenRegular(const QByteArray& path, struct stat& info)
{
    UniqueFd fd(::openat(AT_FDCWD, path.constData(),
                         O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.valid() && (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)))
        fd.reset();
    return fd;
}

// Fills `buffer` with up to `size` bytes; fewer only at the end of the file.
ssize_t ReadFully(int fd, char* buffer, std::int64_t size)
{
    std::int64_t got = 0;
    while (got < size) {
        const ssize_t part = ::read(fd, buffer + got, size_t(size - got));
        if (part < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (part == 0)
            break;
        got += part;
    }
    return ssize_t(got);
}

} // namespace

bool HoldsSameBytes(const QByteArray& source, const QByteArray& copy)
{
    struct stat copyInfo
    {
    }, sourceInfo{};
    const UniqueFd copyFd = OpenRegular(copy, copyInfo);
    if (!copyFd.valid())
        return false;
    const UniqueFd sourceFd = OpenRegular(source, sourceInfo);
    if (!sourceFd.valid() || sourceInfo.st_size != copyInfo.st_size)
        return false;
    if (sourceInfo.st_dev == copyInfo.st_dev && sourceInfo.st_ino == copyInfo.st_ino)
        return true; // one file under both names
    (void)::posix_fadvise(copyFd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    (void)::posix_fadvise(sourceFd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    const auto ours = std::make_unique_for_overwrite<char[]>(kCompareChunk);
    const auto theirs = std::make_unique_for_overwrite<char[]>(kCompareChunk);
    for (;;) {
        const ssize_t a = ReadFully(sourceFd.get(), ours.get(), kCompareChunk);
        const ssize_t b = ReadFully(copyFd.get(), theirs.get(), kCompareChunk);
        if (a < 0 || b < 0 || a != b || std::memcmp(ours.get(), theirs.get(), size_t(a)) != 0)
            return false;
        if (a == 0)
            return true;
    }
}
