#include "platform/fd_read.h"

#include <cerrno>
#include <unistd.h>

ssize_t ReadSome(int fd, char* buffer, size_t size)
{
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

ssize_t ReadFull(int fd, char* buffer, size_t size)
{
    size_t total = 0;
    while (total < size) {
        const ssize_t got = ReadSome(fd, buffer + total, size - total);
        if (got < 0)
            return got;
        if (got == 0)
            break;
        total += size_t(got);
    }
    return ssize_t(total);
}

int ReadAll(int fd, QByteArray& content)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ReadSome(fd, buffer, sizeof buffer);
        if (got == 0)
            return 0;
        if (got < 0)
            return errno;
        content.append(buffer, got);
    }
}
