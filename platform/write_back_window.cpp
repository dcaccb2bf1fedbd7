#include "platform/write_back_window.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Errors that say only that this file cannot be steered (a pipe, a file
// system without a page cache of its own); the copy goes on without it.
bool WriteBackUnsupported(int error)
{
    return error == EINVAL || error == ESPIPE || error == ENOSYS || error == EOPNOTSUPP;
}

int SyncRange(int fd, std::int64_t offset, std::int64_t length, unsigned int flags)
{
    while (::sync_file_range(fd, offset, length, flags) != 0) {
        if (errno != EINTR)
            return WriteBackUnsupported(errno) ? 0 : errno;
    }
    return 0;
}

} // namespace

CWriteBackWindow::~CWriteBackWindow()
{
    for (const Range& range : m_ranges)
        Release(range);
}

void CWriteBackWindow::SetLimits(std::int64_t bytes, int files, std::int64_t looseBytes)
{
    m_nMaxBytes = bytes;
    m_nMaxFiles = files;
    m_nMaxLooseBytes = looseBytes;
}

int CWriteBackWindow::Loose(int fd, std::int64_t bytes)
{
    m_nLooseBytes += bytes;
    if (m_nLooseBytes <= m_nMaxLooseBytes)
        return 0;
    m_nLooseBytes = 0;
    return ::syncfs(fd) == 0 ? 0 : errno;
}

int CWriteBackWindow::Written(int fd, std::int64_t offset, std::int64_t length)
{
    if (length <= 0)
        return 0;
    if (const int error = SyncRange(fd, offset, length, SYNC_FILE_RANGE_WRITE))
        return error;
    m_ranges.push_back(Range{fd, false, offset, length});
    m_nBytes += length;
    int error = 0;
    while (error == 0 && m_ranges.size() > 1 &&
           (m_nBytes - length > m_nMaxBytes || int(m_ranges.size()) > m_nMaxFiles))
        error = WaitOldest();
    return error;
}

int CWriteBackWindow::Keep(int fd)
{
    // The file's chunks become one range at the place of its oldest chunk.
    std::int64_t start = 0, end = 0, bytes = 0;
    auto first = m_ranges.end();
    for (auto it = m_ranges.begin(); it != m_ranges.end();) {
        if (it->fd != fd || it->owned) {
            ++it;
            continue;
        }
        bytes += it->length;
        if (first == m_ranges.end()) {
            start = it->offset;
            end = it->offset + it->length;
            first = it++;
            continue;
        }
        start = std::min(start, it->offset);
        end = std::max(end, it->offset + it->length);
        it = m_ranges.erase(it);
    }
    if (first == m_ranges.end())
        return 0;
    m_nBytes += (end - start) - bytes;
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy >= 0) {
        *first = Range{copy, true, start, end - start};
        return 0;
    }
    // Out of descriptors: wait for the file now rather than lose track of it.
    m_nBytes -= end - start;
    m_ranges.erase(first);
    return SyncRange(fd, start, end - start,
                     SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                         SYNC_FILE_RANGE_WAIT_AFTER);
}

void CWriteBackWindow::Drop(int fd)
{
    for (auto it = m_ranges.begin(); it != m_ranges.end();) {
        if (it->fd == fd && !it->owned) {
            m_nBytes -= it->length;
            it = m_ranges.erase(it);
        } else {
            ++it;
        }
    }
}

int CWriteBackWindow::Drain(const std::atomic<bool>* cancel)
{
    m_nLooseBytes = 0; // the flush of the whole file system that follows takes them
    int firstError = 0;
    while (!m_ranges.empty()) {
        if (cancel && cancel->load()) {
            for (const Range& range : m_ranges)
                Release(range);
            m_ranges.clear();
            m_nBytes = 0;
            return ECANCELED;
        }
        const int error = WaitOldest();
        if (firstError == 0)
            firstError = error;
    }
    return firstError;
}

int CWriteBackWindow::WaitOldest()
{
    const Range range = m_ranges.front();
    m_ranges.pop_front();
    m_nBytes -= range.length;
    const int error =
        SyncRange(range.fd, range.offset, range.length,
                  SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
    // Written and waited for: nobody reads these pages again soon.
    (void)::posix_fadvise(range.fd, range.offset, range.length, POSIX_FADV_DONTNEED);
    Release(range);
    return error;
}

void CWriteBackWindow::Release(const Range& range)
{
    if (range.owned)
        ::close(range.fd);
}
