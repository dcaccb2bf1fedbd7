#include "output/room_check.h"

#include "platform/file_name_codec.h"
#include "platform/medium_traits.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>

namespace {

// FAT keeps a file's size in 32 bits: no file of 4 GiB or more.
constexpr std::int64_t kFatFileSizeLimit = (std::int64_t(1) << 32) - 1;

// The type /proc/self/mountinfo shows for the mount of `device`, for
// user-space file systems, whose statfs magic is the same for all.
QByteArray MountTypeOf(dev_t device)
{
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (!mountInfo.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wanted =
        QByteArray::number(major(device)) + ':' + QByteArray::number(minor(device));
    // "36 35 0:40 / /mnt rw,relatime shared:1 - fuse.fusefat fusefat rw,..."
    for (const QByteArray& line : mountInfo.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3 || fields[2] != wanted)
            continue;
        const qsizetype separator = fields.indexOf("-");
        if (separator > 0 && separator + 1 < fields.size())
            return fields[separator + 1];
    }
    return {};
}

QString Size(std::int64_t bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeIecFormat);
}

} // namespace

void CRunSizes::Add(std::int64_t size)
{
    m_nTotal += size;
    m_nLargest = std::max(m_nLargest, size);
    ++m_nCount;
    for (int shift = kSmallestShift; shift <= kLargestShift; ++shift) {
        const std::int64_t block = std::int64_t(1) << shift;
        m_rounded[shift - kSmallestShift] += (size + block - 1) / block * block;
    }
}

std::int64_t CRunSizes::TotalInBlocks(std::int64_t blockSize) const
{
    // Blocks are powers of two; an odd one counts as the next power up.
    for (int shift = kSmallestShift; shift <= kLargestShift; ++shift) {
        if (blockSize <= std::int64_t(1) << shift)
            return m_rounded[shift - kSmallestShift];
    }
    return m_rounded.back();
}

std::int64_t FileSizeLimitOf(unsigned long fsType, const QByteArray& mountType)
{
    if (fsType == kMsdosMagic)
        return kFatFileSizeLimit;
    if (fsType == kFuseMagic && mountType == "fuse.fusefat")
        return kFatFileSizeLimit;
    return -1;
}

RoomCheck CheckRoom(const QString& folder, const CRunSizes& sizes)
{
    RoomCheck check;
    check.needed = sizes.Total();
    check.largest = sizes.Largest();
    const QByteArray path = EncodeFileName(folder);
    struct statvfs room
    {};
    struct statfs kind
    {};
    struct stat info
    {};
    if (::statvfs(path.constData(), &room) != 0 || ::statfs(path.constData(), &kind) != 0 ||
        ::stat(path.constData(), &info) != 0)
        return check;
    const std::int64_t block = room.f_frsize ? std::int64_t(room.f_frsize) : room.f_bsize;
    if (room.f_blocks != 0) { // file systems without blocks (procfs, some FUSE) do not say
        check.free = std::int64_t(room.f_bavail) * block;
        check.needed = sizes.TotalInBlocks(block);
    }
    const unsigned long fsType = kind.f_type;
    check.fileSizeLimit =
        FileSizeLimitOf(fsType, fsType == kFuseMagic ? MountTypeOf(info.st_dev) : QByteArray());

    QStringList problems;
    if (!check.RoomEnough()) {
        problems.append(QCoreApplication::translate(
                            "RoomCheck", "The files to copy need %1, but %2 has only %3 free.")
                            .arg(Size(check.needed), ReadableFileName(folder), Size(check.free)));
    }
    if (!check.FileFits(check.largest)) {
        problems.append(
            QCoreApplication::translate("RoomCheck", "The largest file to copy is %1, but the file "
                                                     "system of %2 holds no file of %3 or more.")
                .arg(Size(check.largest), ReadableFileName(folder), Size(check.fileSizeLimit + 1)));
    }
    check.problem = problems.join(u' ');
    return check;
}
