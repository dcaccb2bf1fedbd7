#include "platform/utf16_text_writer.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qsizetype kBufferSize = qsizetype{64} * 1024;
}

Utf16TextWriter::~Utf16TextWriter()
{
    if (IsOpen())
        Close();
}

int Utf16TextWriter::Open(const QByteArray& path)
{
    // Nothing is truncated before the checks: a link planted under the name
    // must not empty some other file, and a FIFO without a reader must not
    // hang the job (O_NONBLOCK makes its open fail with ENXIO instead).
    // Whatever stands there is looked at first, so a device is never opened
    // at all (opening some has side effects); the fstat below still decides.
    struct stat before
    {};
    if (::lstat(path.constData(), &before) == 0 && !S_ISREG(before.st_mode) &&
        !S_ISLNK(before.st_mode) && !S_ISDIR(before.st_mode))
        return ENXIO;
    const int fd =
        ::open(path.constData(),
               O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    struct stat info
    {};
    int refusal = 0;
    if (::fstat(fd, &info) != 0)
        refusal = errno;
    else if (!S_ISREG(info.st_mode))
        refusal = ENXIO;
    else if (info.st_nlink > 1)
        refusal = EMLINK;
    if (refusal != 0) {
        ::close(fd);
        return refusal;
    }
    m_fd = fd;
    m_error = 0;
    return 0;
}

int Utf16TextWriter::TryLock()
{
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

int Utf16TextWriter::StartEmpty()
{
    if (::ftruncate(m_fd, 0) != 0)
        return errno;
    m_buffer.reserve(kBufferSize + 1024);
    m_buffer.append("\xFF\xFE", 2);
    return 0;
}

void Utf16TextWriter::WriteLine(const QString& line)
{
    if (!IsOpen() || m_error != 0)
        return;
    const qsizetype start = m_buffer.size();
    m_buffer.resize(start + (line.size() + 2) * 2);
    char* out = m_buffer.data() + start;
    qToLittleEndian<char16_t>(line.utf16(), line.size(), out);
    out += line.size() * 2;
    static constexpr char kLineEnd[] = {'\r', 0, '\n', 0};
    std::copy(std::begin(kLineEnd), std::end(kLineEnd), out);
    if (m_buffer.size() >= kBufferSize)
        Flush();
}

void Utf16TextWriter::Flush()
{
    const char* data = m_buffer.constData();
    qsizetype left = m_buffer.size();
    while (left > 0 && m_error == 0) {
        const ssize_t written = ::write(m_fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno != EINTR)
                m_error = errno;
            continue;
        }
        data += written;
        left -= written;
    }
    m_buffer.resize(0); // keeps the capacity for the next lines
}

int Utf16TextWriter::Close()
{
    if (!IsOpen())
        return m_error;
    Flush();
    if (::close(m_fd) != 0 && m_error == 0)
        m_error = errno;
    m_fd = -1;
    m_buffer = QByteArray();
    return m_error;
}
