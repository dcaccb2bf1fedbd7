#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The sizes of the files a run will copy, gathered before it starts. A file
// takes whole blocks of the medium (a 4 KiB file takes 32 KiB on a stick
// with 32 KiB clusters), so the total is also kept rounded up to every
// block size a file system may use.
class CRunSizes
{
public:
    void Add(std::int64_t size);
    std::int64_t Total() const { return m_nTotal; }
    std::int64_t Largest() const { return m_nLargest; }
    std::int64_t Count() const { return m_nCount; }
    // The total with each file rounded up to whole blocks of `blockSize`.
    std::int64_t TotalInBlocks(std::int64_t blockSize) const;

private:
    static constexpr int kSmallestShift = 9; // 512 bytes
    static constexpr int kLargestShift = 25; // 32 MiB, the largest exFAT cluster
    std::int64_t m_nTotal = 0;
    std::int64_t m_nLargest = 0;
    std::int64_t m_nCount = 0;
    std::array<std::int64_t, kLargestShift - kSmallestShift + 1> m_rounded{};
};

// What the output file system can take of a run, found before its first
// byte.
struct RoomCheck
{
    std::int64_t free = -1;          // bytes it still takes; -1 when it does not say
    std::int64_t needed = 0;         // the run's bytes in whole blocks of the medium
    std::int64_t largest = 0;        // the run's largest file
    std::int64_t fileSizeLimit = -1; // the largest file it holds; -1 when unlimited
    // Empty when the run fits; otherwise sentences for the operator naming
    // the room needed and free, or the file size the medium cannot hold.
    QString problem;

    bool RoomEnough() const { return free < 0 || needed <= free; }
    bool FileFits(std::int64_t size) const { return fileSizeLimit < 0 || size <= fileSizeLimit; }
    bool Fits() const { return RoomEnough() && FileFits(largest); }
};

// Compares the run's sizes with the free space of the file system that
// holds `folder` and its file-size limit. A folder that cannot be looked at
// gives no finding (free and limit unknown, no problem): the copies will
// report what is wrong with it.
RoomCheck CheckRoom(const QString& folder, const CRunSizes& sizes);

// The largest file a file system holds, from its statfs magic and, for a
// user-space file system, the type its mount shows ("fuse.fusefat"); -1
// when it sets no limit worth telling. (pathconf's _PC_FILESIZEBITS cannot
// tell: it answers 32 for tmpfs and for FUSE, which hold far larger files.)
std::int64_t FileSizeLimitOf(unsigned long fsType, const QByteArray& mountType);
