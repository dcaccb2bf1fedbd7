#include "platform/file_copy.h"

#include "platform/process_umask.h"
#include "platform/unique_fd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CopyResult Failure(CopyStage stage, int error)
{
    return CopyResult{stage, error};
}

int OpenSource(const QByteArray& source)
{
    // O_NOATIME keeps even the access time of the source as it was; only the
    // owner may ask for it, so fall back to a plain read-only open. O_NONBLOCK
    // keeps a FIFO from hanging the open; it has no effect on regular files.
    constexpr int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(source.constData(), flags | O_NOATIME);
    if (fd < 0 && errno == EPERM)
        fd = ::open(source.constData(), flags);
    return fd;
}

class ProgressReporter
{
public:
    ProgressReporter(CopyProgressRoutine routine, void* data, std::int64_t total)
        : m_routine(routine), m_data(data), m_total(total)
    {}
    // False once the routine has asked to abandon the copy.
    [[nodiscard]] bool report(std::int64_t transferred)
    {
        if (!m_routine || m_quiet)
            return true;
        const CopyProgressAnswer answer = m_routine(m_total, transferred, m_data);
        m_quiet = answer == PROGRESS_QUIET;
        return answer != PROGRESS_CANCEL;
    }

private:
    CopyProgressRoutine m_routine;
    void* m_data;
    std::int64_t m_total;
    bool m_quiet = false;
};

bool WriteAll(int fd, const char* data, std::int64_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Plain read/write, for file systems that cannot copy in the kernel.
int CopyByReadWrite(int src, int dst, std::int64_t& transferred, ProgressReporter& progress)
{
    const auto buffer = std::make_unique_for_overwrite<char[]>(kCopyChunkSize);
    for (;;) {
        const ssize_t got = ::read(src, buffer.get(), kCopyChunkSize);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        if (!WriteAll(dst, buffer.get(), got))
            return errno;
        transferred += got;
        if (!progress.report(transferred))
            return ECANCELED;
    }
}

bool KernelCopyUnsupported(int error)
{
    return error == EXDEV || error == ENOSYS || error == EOPNOTSUPP || error == EINVAL ||
           error == EBADF || error == EPERM;
}

// Moves the data: a clone where the file system shares blocks, else
// copy_file_range in chunks, else read/write. Returns 0 or an errno;
// ECANCELED when the progress routine abandoned the copy.
int TransferData(int src, int dst, std::int64_t size, ProgressReporter& progress)
{
    std::int64_t transferred = 0;
    if (size > 0 && ::ioctl(dst, FICLONE, src) == 0)
        return progress.report(size) ? 0 : ECANCELED;
    for (;;) {
        const ssize_t moved =
            ::copy_file_range(src, nullptr, dst, nullptr, static_cast<size_t>(kCopyChunkSize), 0);
        if (moved < 0) {
            if (errno == EINTR)
                continue;
            if (transferred == 0 && KernelCopyUnsupported(errno))
                return CopyByReadWrite(src, dst, transferred, progress);
            return errno;
        }
        if (moved == 0) {
            // Some file systems report a false end of file; let read() decide.
            if (transferred == 0 && size > 0)
                return CopyByReadWrite(src, dst, transferred, progress);
            return 0;
        }
        transferred += moved;
        if (!progress.report(transferred))
            return ECANCELED;
    }
}

// Removes the file this copy created, and only that file: if another process
// has put something else under the name meanwhile, it stays.
void RemovePartial(const QByteArray& path, const struct stat& created)
{
    struct stat now
    {};
    if (::fstatat(AT_FDCWD, path.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
        now.st_dev == created.st_dev && now.st_ino == created.st_ino)
        ::unlinkat(AT_FDCWD, path.constData(), 0);
}

} // namespace

QString CopyResult::Reason() const
{
    if (stage == CopyStage::OpenSource && error == EINVAL)
        return QStringLiteral("Not a regular file");
    return QString::fromLocal8Bit(std::strerror(error));
}

CopyResult CopyFileWithProgress(const QByteArray& source, const QByteArray& destination,
                                CopyProgressRoutine progressRoutine, void* data)
{
    UniqueFd src(OpenSource(source));
    if (!src.valid())
        return Failure(CopyStage::OpenSource, errno);
    struct stat sourceInfo
    {};
    if (::fstat(src.get(), &sourceInfo) != 0)
        return Failure(CopyStage::OpenSource, errno);
    if (S_ISDIR(sourceInfo.st_mode))
        return Failure(CopyStage::OpenSource, EISDIR);
    if (!S_ISREG(sourceInfo.st_mode))
        return Failure(CopyStage::OpenSource, EINVAL);

    // Readable only by us until the data is complete; the source's mode
    // follows at the end. O_EXCL with O_NOFOLLOW refuses anything that stands
    // under the name, a dangling link too.
    UniqueFd dst(::openat(AT_FDCWD, destination.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600));
    if (!dst.valid())
        return Failure(CopyStage::CreateDestination, errno);
    struct stat created
    {};
    if (::fstat(dst.get(), &created) != 0) {
        const int error = errno;
        ::unlinkat(AT_FDCWD, destination.constData(), 0);
        return Failure(CopyStage::CreateDestination, error);
    }

    ProgressReporter progress(progressRoutine, data, sourceInfo.st_size);
    CopyResult result;
    if (!progress.report(0)) {
        result = Failure(CopyStage::Transfer, ECANCELED);
    } else if (const int error = TransferData(src.get(), dst.get(), sourceInfo.st_size, progress)) {
        result = Failure(CopyStage::Transfer, error);
    } else {
        // Best effort: FAT sticks, shares and player mounts refuse modes or
        // times, and the data is what the operator came for.
        (void)::fchmod(dst.get(), sourceInfo.st_mode & 0777 & ~ProcessUmask());
        const struct timespec times[2] = {{0, UTIME_OMIT}, sourceInfo.st_mtim};
        (void)::futimens(dst.get(), times);
    }
    if (dst.closeChecked() != 0 && result.Succeeded())
        result = Failure(CopyStage::Finish, errno);
    if (!result.Succeeded())
        RemovePartial(destination, created);
    return result;
}
