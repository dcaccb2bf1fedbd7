#include "modes/read_only_stream.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One read of this size takes in a whole small tag with its header: an
// ID3v2 tag without a picture, the metadata blocks of a FLAC file, an Ogg
// comment page.
constexpr long kBlockSize = long{16} * 1024;

// Opens `path` for reading; -1 with `error` set when it cannot, or is no
// regular file (ENODEV). `length` is its size.
int OpenForReading(const char* path, int& error, long& length)
{
    struct stat info
    {};
    // Look before opening: opening a FIFO or a device can block or act.
    if (::stat(path, &info) != 0) {
        error = errno;
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = ENODEV;
        return -1;
    }
    // O_NOATIME is for the file's owner (and root) only; anyone else opens
    // without it, and a refusal still gets a second try.
    constexpr int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    const uid_t user = ::geteuid();
    int fd = ::open(path, user == 0 || user == info.st_uid ? flags | O_NOATIME : flags);
    if (fd < 0 && errno == EPERM)
        fd = ::open(path, flags);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    // Something else may have been put there since the look.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = ENODEV;
        return -1;
    }
    length = long(info.st_size);
    return fd;
}

} // namespace

CReadOnlyStream::CReadOnlyStream(QByteArray path, QByteArray& block)
    : m_path(std::move(path)), m_fd(OpenForReading(m_path.constData(), m_nOpenError, m_nLength)),
      m_block(block)
{
    m_block.resize(0); // keeps its room for the next file
}

TagLib::FileName CReadOnlyStream::name() const
{
    return m_path.constData();
}

long CReadOnlyStream::ReadAt(long offset, char* buffer, long size)
{
    long total = 0;
    while (total < size) {
        ++m_nReadCalls;
        const ssize_t got =
            ::pread(m_fd.get(), buffer + total, size_t(size - total), off_t(offset + total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            if (m_nReadError == 0)
                m_nReadError = errno;
            break;
        }
        if (got == 0)
            break;
        total += long(got);
    }
    return total;
}

TagLib::ByteVector CReadOnlyStream::readBlock(unsigned long length)
{
    if (!m_fd.valid() || m_nPosition >= m_nLength || length == 0)
        return {};
    const long wanted =
        long(std::min<unsigned long>(length, (unsigned long)(m_nLength - m_nPosition)));
    if (wanted <= kBlockSize && (m_nPosition < m_nBlockStart ||
                                 m_nPosition + wanted > m_nBlockStart + long(m_block.size()))) {
        // A block that would run past the end starts earlier: the tags at
        // the end of a file (APE, ID3v1) are then one read whichever of
        // their parts the parser asks for first, and a small file is one
        // read in all.
        m_nBlockStart = std::max(0L, std::min(m_nPosition, m_nLength - kBlockSize));
        // No more than the file holds, so no read is spent on finding its end.
        const long size = std::min(kBlockSize, m_nLength - m_nBlockStart);
        m_block.resize(size);
        m_block.resize(ReadAt(m_nBlockStart, m_block.data(), size));
    }
    if (m_nPosition >= m_nBlockStart && m_nPosition + wanted <= m_nBlockStart + m_block.size()) {
        TagLib::ByteVector bytes(m_block.constData() + (m_nPosition - m_nBlockStart),
                                 (unsigned int)wanted);
        m_nPosition += wanted;
        return bytes;
    }
    // Larger than a block (a picture, an audio chunk), or the file ended
    // early: read it as it comes.
    TagLib::ByteVector bytes((unsigned int)wanted, '\0');
    const long got = ReadAt(m_nPosition, bytes.data(), wanted);
    bytes.resize((unsigned int)got);
    m_nPosition += got;
    return bytes;
}

void CReadOnlyStream::writeBlock(const TagLib::ByteVector&) {}

void CReadOnlyStream::insert(const TagLib::ByteVector&, unsigned long, unsigned long) {}

void CReadOnlyStream::removeBlock(unsigned long, unsigned long) {}

void CReadOnlyStream::truncate(long) {}

void CReadOnlyStream::seek(long offset, Position p)
{
    long base = 0;
    if (p == Current)
        base = m_nPosition;
    else if (p == End)
        base = m_nLength;
    // A seek before the start lands at the start, as on a file; an absurd
    // offset from a damaged tag lands far beyond the end, where reads are empty.
    long position = 0;
    if (__builtin_add_overflow(base, offset, &position))
        position = offset < 0 ? 0 : std::numeric_limits<long>::max();
    m_nPosition = std::max(0L, position);
}
