#pragma once

#include <atomic>
#include <cstdint>
#include <deque>

// Keeps the data a run has written but the medium has not yet taken small.
// The kernel would otherwise gather gigabytes in memory: the progress bars
// would reach their end long before the data is on a slow stick, a Cancel
// would find nothing left to stop, and other programs would lose their
// memory. Write-back of each chunk starts as soon as it is written; once more
// than the window is in flight, the oldest chunks are waited for and their
// pages dropped from the cache. Chunks of files already closed stay in the
// window under a descriptor of their own, so many small files are bounded as
// one big one is.
class CWriteBackWindow
{
public:
    CWriteBackWindow() = default;
    ~CWriteBackWindow();
    CWriteBackWindow(const CWriteBackWindow&) = delete;
    CWriteBackWindow& operator=(const CWriteBackWindow&) = delete;

    // Bytes that may be in flight besides the chunk written last, files
    // (descriptors held) in flight, and bytes of small files left to the
    // kernel before their file system is flushed.
    void SetLimits(std::int64_t bytes, int files, std::int64_t looseBytes = 8 << 20);
    std::int64_t BytesInFlight() const { return m_nBytes + m_nLooseBytes; }

    // Bytes [offset, offset + length) of `fd` have just been written. Starts
    // their write-back and waits for the oldest chunks until the window is
    // within its limits. Returns 0, or the errno of a write-back that failed.
    [[nodiscard]] int Written(int fd, std::int64_t offset, std::int64_t length);
    // `fd` is complete and about to be closed: what of it is still in flight
    // stays in the window under a duplicate descriptor.
    [[nodiscard]] int Keep(int fd);
    // `fd`, a small file written whole, is about to be closed without its
    // write-back steered: five calls per file would cost more than the
    // copy. Once more than the loose limit of such bytes has gathered, the
    // file system of `fd` is flushed, which bounds them as the window
    // bounds the rest. Returns 0 or the errno of that flush.
    [[nodiscard]] int Loose(int fd, std::int64_t bytes);
    // `fd` is abandoned: its chunks leave the window without being waited for.
    void Drop(int fd);
    // Waits for everything in flight, oldest first. When `cancel` is set
    // the rest leaves unwaited and ECANCELED is returned; otherwise 0 or the
    // first errno of a failed write-back.
    [[nodiscard]] int Drain(const std::atomic<bool>* cancel);

private:
    struct Range
    {
        int fd;
        bool owned; // a duplicate the window closes
        std::int64_t offset;
        std::int64_t length;
    };
    int WaitOldest();
    void Release(const Range& range);

    std::deque<Range> m_ranges;
    std::int64_t m_nBytes = 0;
    std::int64_t m_nMaxBytes = 1 << 20;
    int m_nMaxFiles = 64;
    std::int64_t m_nLooseBytes = 0;
    std::int64_t m_nMaxLooseBytes = 8 << 20;
};
