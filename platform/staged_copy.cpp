#include "platform/staged_copy.h"

#include "platform/copy_session.h"
#include "platform/process_umask.h"
#include "platform/unfinished_copies.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <memory>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

CopyResult Failure(CopyStage stage, int error)
{
    return CopyResult{stage, error};
}

// The folder part of `path`: everything before its last "/".
QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

int OpenSourceFile(const QByteArray& source)
{
    // O_NOATIME keeps even the access time of the source as it was; only the
    // owner may ask for it, so fall back to a plain read-only open. O_NONBLOCK
    // keeps a FIFO from hanging the open; it has no effect on regular files.
    constexpr int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd = ::openat(AT_FDCWD, source.constData(), flags | O_NOATIME);
    if (fd < 0 && errno == EPERM)
        fd = ::openat(AT_FDCWD, source.constData(), flags);
    return fd;
}

// What a file system that has no such feature answers.
bool Unsupported(int error)
{
    return error == EOPNOTSUPP || error == ENOSYS || error == EINVAL || error == ENOTTY;
}

bool KernelCopyUnsupported(int error)
{
    return error == EXDEV || error == ENOSYS || error == EOPNOTSUPP || error == EINVAL ||
           error == EBADF || error == EPERM;
}

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

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes `path` when it is still the file this copy made, and only then:
// if another process has put something else under the name, it stays.
void RemoveIfOurs(const QByteArray& path, const struct stat& created)
{
    struct stat now
    {};
    if (::fstatat(AT_FDCWD, path.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 &&
        SameFile(now, created))
        ::unlinkat(AT_FDCWD, path.constData(), 0);
}

// Temporary names are random; a few collisions in a row mean something
// else is wrong.
constexpr int kHiddenNameAttempts = 16;

// Up to this size a copy's write-back is not steered on its own; see
// CWriteBackWindow::Loose.
constexpr std::int64_t kLooseFileSize = 256 << 10;

} // namespace

class CStagedCopy::Progress
{
public:
    Progress(CopyProgressRoutine routine, void* data, std::int64_t total)
        : m_pRoutine(routine), m_pData(data), m_nTotal(total)
    {}
    // False once the routine has asked to abandon the copy.
    [[nodiscard]] bool Report(std::int64_t transferred)
    {
        if (!m_pRoutine || m_bQuiet)
            return true;
        const CopyProgressAnswer answer = m_pRoutine(m_nTotal, transferred, m_pData);
        m_bQuiet = answer == PROGRESS_QUIET;
        return answer != PROGRESS_CANCEL;
    }

private:
    CopyProgressRoutine m_pRoutine;
    void* m_pData;
    std::int64_t m_nTotal;
    bool m_bQuiet = false;
};

CStagedCopy::CStagedCopy(CCopySession& session) : m_session(session) {}

mode_t CStagedCopy::WantedMode() const
{
    return m_sourceInfo.st_mode & 0777 & ~ProcessUmask();
}

CStagedCopy::~CStagedCopy()
{
    if (!m_bClosed)
        Abandon();
}

CopyResult CStagedCopy::OpenSource(const QByteArray& source)
{
    m_src.reset(OpenSourceFile(source));
    if (!m_src.valid())
        return Failure(CopyStage::OpenSource, errno);
    if (::fstat(m_src.get(), &m_sourceInfo) != 0)
        return Failure(CopyStage::OpenSource, errno);
    if (S_ISDIR(m_sourceInfo.st_mode))
        return Failure(CopyStage::OpenSource, EISDIR);
    if (!S_ISREG(m_sourceInfo.st_mode))
        return Failure(CopyStage::OpenSource, EINVAL);
    return {};
}

CopyResult CStagedCopy::Create(const QByteArray& destination)
{
    m_strFolder = FolderOf(destination);
    CMediumTraits* expected = m_session.TraitsForFolder(m_strFolder);
    bool tmpFileRefused = false;
    int error = ENOTSUP;
    if (!expected || expected->m_eTmpFile != MediumAnswer::No) {
        error = CreateUnnamed(m_strFolder);
        // Refused by the file system (or by a kernel without O_TMPFILE, which
        // takes the flag for O_DIRECTORY): try the next way.
        tmpFileRefused = Unsupported(error) || error == EISDIR;
        if (error != 0 && !tmpFileRefused)
            return Failure(CopyStage::CreateDestination, error);
    }
    if (m_eStaging == Staging::None &&
        (!expected || expected->m_eRenameNoReplace != MediumAnswer::No)) {
        error = CreateHidden(m_strFolder);
        if (error != 0)
            return Failure(CopyStage::CreateDestination, error);
    }
    if (m_eStaging == Staging::None) {
        if ((error = CreateFinal(destination)) != 0)
            return Failure(CopyStage::CreateDestination, error);
    }

    if (m_eStaging == Staging::Unnamed && expected && expected->m_eTmpFile == MediumAnswer::Yes) {
        // The usual case from the second copy on: the file system is known
        // and the file has no name anything could be mistaken for, so it
        // is first examined once whole, by Finish.
        m_created = {};
        m_pTraits = expected;
        return {};
    }
    if (::fstat(m_dst.get(), &m_created) != 0) {
        const int failed = errno;
        Abandon();
        return Failure(CopyStage::CreateDestination, failed);
    }
    m_pTraits = &m_session.TraitsForFile(m_dst.get(), m_created.st_dev, m_strFolder);
    if (m_eStaging == Staging::Unnamed)
        m_pTraits->m_eTmpFile = MediumAnswer::Yes;
    else if (tmpFileRefused)
        m_pTraits->m_eTmpFile = MediumAnswer::No;

    if (m_eStaging == Staging::Hidden && RenameNoReplaceRefused()) {
        // Known now, before any byte has moved: the final name is the only way.
        Abandon();
        if ((error = CreateFinal(destination)) != 0)
            return Failure(CopyStage::CreateDestination, error);
        if (::fstat(m_dst.get(), &m_created) != 0) {
            const int failed = errno;
            Abandon();
            return Failure(CopyStage::CreateDestination, failed);
        }
    } else if (m_eStaging == Staging::Final && m_pTraits != expected) {
        // The folder is on another file system than the last copy into it
        // found; the way it could not be done there may well work here.
        Abandon();
        return Create(destination);
    }
    return {};
}

int CStagedCopy::CreateUnnamed(const QByteArray& folder)
{
    // Nobody can open a file without a name, so it takes the source's mode
    // at once (the kernel applies the umask); Finish corrects it only where
    // the folder's defaults gave it another.
    m_dst.reset(
        ::openat(AT_FDCWD, folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, WantedMode()));
    if (!m_dst.valid())
        return errno;
    m_eStaging = Staging::Unnamed;
    return 0;
}

int CStagedCopy::CreateHidden(const QByteArray& folder)
{
    for (int attempt = 0; attempt < kHiddenNameAttempts; ++attempt) {
        const QByteArray path =
            folder + '/' + UnfinishedCopyName(QRandomGenerator::global()->generate64());
        UniqueFd fd(::openat(AT_FDCWD, path.constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                             0600));
        if (!fd.valid()) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        // Held while the copy is written, so a clean-up by another run leaves
        // it alone. A clean-up that took the lock first removes the file:
        // start again under another name. Where the file system has no locks,
        // no clean-up can take one either.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            continue;
        struct stat opened
        {
        }, named{};
        if (::fstat(fd.get(), &opened) != 0 ||
            ::fstatat(AT_FDCWD, path.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
            !SameFile(opened, named))
            continue;
        m_dst.reset(fd.release());
        m_strName = path;
        m_eStaging = Staging::Hidden;
        return 0;
    }
    return EAGAIN; // not EEXIST: the final name was never tried
}

int CStagedCopy::CreateFinal(const QByteArray& destination)
{
    // O_EXCL with O_NOFOLLOW refuses anything that stands under the name, a
    // dangling link too.
    m_dst.reset(::openat(AT_FDCWD, destination.constData(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600));
    if (!m_dst.valid())
        return errno;
    m_strName = destination;
    m_eStaging = Staging::Final;
    return 0;
}

// Asks the file system once whether it renames without replacing, on the
// empty hidden file itself, so a file system that cannot never costs a copy
// made twice.
bool CStagedCopy::RenameNoReplaceRefused()
{
    if (m_pTraits->m_eRenameNoReplace != MediumAnswer::Unknown)
        return m_pTraits->m_eRenameNoReplace == MediumAnswer::No;
    const QByteArray probe =
        m_strFolder + '/' + UnfinishedCopyName(QRandomGenerator::global()->generate64());
    if (::renameat2(AT_FDCWD, m_strName.constData(), AT_FDCWD, probe.constData(),
                    RENAME_NOREPLACE) == 0) {
        m_strName = probe;
        m_pTraits->m_eRenameNoReplace = MediumAnswer::Yes;
        return false;
    }
    if (!Unsupported(errno))
        return false; // a name clash or a failure of its own: Publish will tell
    m_pTraits->m_eRenameNoReplace = MediumAnswer::No;
    return true;
}

CopyResult CStagedCopy::Transfer(CopyProgressRoutine routine, void* data)
{
    Progress progress(routine, data, m_sourceInfo.st_size);
    if (!progress.Report(0))
        return Failure(CopyStage::Transfer, ECANCELED);
    if (const int error = TransferData(progress)) {
        CopyResult result = Failure(CopyStage::Transfer, error);
        result.sourceFailed = m_bReadFailed;
        return result;
    }
    return {};
}

// Moves the data: a clone where the file system shares blocks, else
// copy_file_range in chunks, else read/write. Returns 0 or an errno;
// ECANCELED when the progress routine abandoned the copy.
int CStagedCopy::TransferData(Progress& progress)
{
    const std::int64_t size = m_sourceInfo.st_size;
    const dev_t from = m_sourceInfo.st_dev;
    std::int64_t transferred = 0;
    if (size > 0 && !m_pTraits->CloneRefused(from)) {
        if (::ioctl(m_dst.get(), FICLONE, m_src.get()) == 0)
            return progress.Report(size) ? 0 : ECANCELED;
        if (errno == EXDEV || Unsupported(errno) || errno == EPERM)
            m_pTraits->RefuseClone(from, errno != EXDEV);
    }
    if (m_pTraits->KernelCopyRefused(from))
        return CopyByReadWrite(transferred, progress);
    // Up to the size the source had when it was opened; an empty one is read
    // to its end, for files that do not tell their size.
    while (size == 0 || transferred < size) {
        const std::int64_t want =
            size == 0 ? kCopyChunkSize : std::min(kCopyChunkSize, size - transferred);
        const ssize_t moved =
            ::copy_file_range(m_src.get(), nullptr, m_dst.get(), nullptr, size_t(want), 0);
        if (moved < 0) {
            if (errno == EINTR)
                continue;
            if (transferred == 0 && KernelCopyUnsupported(errno))
                m_pTraits->RefuseKernelCopy(from);
            // Read and write the rest: they also tell which side failed.
            return CopyByReadWrite(transferred, progress);
        }
        if (moved == 0) {
            // Some file systems report a false end of file; let read() decide.
            if (transferred == 0 && size > 0)
                return CopyByReadWrite(transferred, progress);
            return 0;
        }
        if (const int error = AfterChunk(transferred, moved))
            return error;
        transferred += moved;
        if (!progress.Report(transferred))
            return ECANCELED;
    }
    return 0;
}

// Plain read/write, for file systems that cannot copy in the kernel.
int CStagedCopy::CopyByReadWrite(std::int64_t& transferred, Progress& progress)
{
    const std::int64_t size = m_sourceInfo.st_size;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kCopyChunkSize);
    while (size == 0 || transferred < size) {
        const std::int64_t want =
            size == 0 ? kCopyChunkSize : std::min(kCopyChunkSize, size - transferred);
        const ssize_t got = ::read(m_src.get(), buffer.get(), size_t(want));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            m_bReadFailed = true;
            return errno;
        }
        if (got == 0)
            return 0;
        if (!WriteAll(m_dst.get(), buffer.get(), got))
            return errno;
        if (const int error = AfterChunk(transferred, got))
            return error;
        transferred += got;
        if (!progress.Report(transferred))
            return ECANCELED;
    }
    return 0;
}

bool CStagedCopy::LeftToKernel() const
{
    return m_sourceInfo.st_size > 0 && m_sourceInfo.st_size <= kLooseFileSize;
}

int CStagedCopy::AfterChunk(std::int64_t offset, std::int64_t length)
{
    if (!m_session.BoundsWriteBack(*m_pTraits) || LeftToKernel())
        return 0;
    return m_session.WriteBack().Written(m_dst.get(), offset, length);
}

CopyResult CStagedCopy::Finish()
{
    // Best effort: FAT sticks, shares and player mounts refuse modes or
    // times, and the data is what the operator came for.
    const struct timespec times[2] = {{0, UTIME_OMIT}, m_sourceInfo.st_mtim};
    (void)::futimens(m_dst.get(), times);
    // Read back: a FAT medium keeps the time in two-second steps, and the
    // folder's defaults may have given the file another mode.
    if (::fstat(m_dst.get(), &m_made) != 0)
        m_made = {};
    else if ((m_made.st_mode & 07777) != WantedMode() && ::fchmod(m_dst.get(), WantedMode()) == 0)
        m_made.st_mode = (m_made.st_mode & ~mode_t(07777)) | WantedMode();
    if (m_created.st_ino == 0)
        m_created = m_made;
    if (m_session.SyncsEachFile(*m_pTraits) && ::fdatasync(m_dst.get()) != 0)
        return Failure(CopyStage::Finish, errno);
    return {};
}

CopyResult CStagedCopy::Publish(const QByteArray& destination)
{
    if (m_eStaging == Staging::Final)
        return destination == m_strName ? CopyResult{} : Failure(CopyStage::Finish, EINVAL);
    if (m_eStaging == Staging::Hidden) {
        if (::renameat2(AT_FDCWD, m_strName.constData(), AT_FDCWD, destination.constData(),
                        RENAME_NOREPLACE) != 0)
            return Failure(CopyStage::Finish, errno);
    } else {
        if (const int error = LinkUnnamed(destination))
            return Failure(CopyStage::Finish, error);
    }
    m_strName = destination;
    m_bNamed = true;
    return {};
}

// Gives the unnamed file the name `destination`: through its descriptor
// where the kernel lets the process that opened it do so (Linux 6.10 on;
// before, only with CAP_DAC_READ_SEARCH), else through /proc, which costs a
// path walk more. Returns 0 or an errno.
int CStagedCopy::LinkUnnamed(const QByteArray& destination)
{
    if (!m_session.EmptyPathLinkRefused()) {
        if (::linkat(m_dst.get(), "", AT_FDCWD, destination.constData(), AT_EMPTY_PATH) == 0)
            return 0;
        // Refused is ENOENT, which a vanished folder also answers: the way
        // through /proc tells them apart.
        if (errno != ENOENT)
            return errno;
    }
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", m_dst.get());
    if (::linkat(AT_FDCWD, self, AT_FDCWD, destination.constData(), AT_SYMLINK_FOLLOW) != 0)
        return errno;
    m_session.RefuseEmptyPathLink();
    return 0;
}

CopyResult CStagedCopy::Close()
{
    int error = 0;
    if (m_session.BoundsWriteBack(*m_pTraits)) {
        error = LeftToKernel() ? m_session.WriteBack().Loose(m_dst.get(), m_sourceInfo.st_size)
                               : m_session.WriteBack().Keep(m_dst.get());
    }
    if (error == 0)
        m_session.Copied(*m_pTraits, m_dst.get(), m_strFolder);
    if (m_dst.closeChecked() != 0 && error == 0)
        error = errno;
    if (error != 0) {
        RemoveIfOurs(m_strName, m_created);
        m_bClosed = true;
        return Failure(CopyStage::Finish, error);
    }
    m_bClosed = true;
    return {};
}

void CStagedCopy::Abandon()
{
    if (m_dst.valid()) {
        m_session.WriteBack().Drop(m_dst.get());
        // Removed while still held, so no clean-up can mistake it for a
        // leftover meanwhile.
        if (!m_strName.isEmpty())
            RemoveIfOurs(m_strName, m_created);
        m_dst.reset();
    }
    m_strName.clear();
    m_eStaging = Staging::None;
    m_bNamed = false;
}
