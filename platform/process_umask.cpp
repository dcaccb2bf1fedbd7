#include "platform/process_umask.h"

#include <QByteArray>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Without /proc the mask stays unknown; copies then stay private to their
// owner rather than risk being open to everyone.
constexpr mode_t kUnknownUmask = 077;

QByteArray ReadSelfStatus()
{
    QByteArray status;
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return status;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        status.append(buffer, got);
    ::close(fd);
    return status;
}

} // namespace

mode_t UmaskFromStatus(QByteArrayView status, mode_t fallback)
{
    constexpr QByteArrayView key = "Umask:";
    for (qsizetype lineStart = 0; lineStart < status.size();) {
        qsizetype lineEnd = status.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = status.size();
        const QByteArrayView line = status.sliced(lineStart, lineEnd - lineStart);
        if (line.startsWith(key)) {
            bool ok = false;
            const uint mask = line.sliced(key.size()).trimmed().toUInt(&ok, 8);
            return ok && mask <= 0777 ? static_cast<mode_t>(mask) : fallback;
        }
        lineStart = lineEnd + 1;
    }
    return fallback;
}

mode_t ProcessUmask()
{
    static const mode_t mask = UmaskFromStatus(ReadSelfStatus(), kUnknownUmask);
    return mask;
}
