#pragma once

#include <QByteArray>

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// Permission checks do not apply to root, and CI runs as root. Runs `work` in
// a child process as user and group 65534 when we are root (directly
// otherwise) and returns the bytes it produced.
inline QByteArray RunUnprivileged(const std::function<QByteArray()>& work)
{
    if (::geteuid() != 0)
        return work();
    int channel[2];
    if (::pipe(channel) != 0)
        return QByteArrayLiteral("<pipe failed>");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const QByteArray result = work();
        const bool sent = ::write(channel[1], result.constData(), result.size()) == result.size();
        ::_exit(sent ? 0 : 3);
    }
    ::close(channel[1]);
    QByteArray result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QByteArrayLiteral("<child failed>");
    return result;
}
