#pragma once

#include <QByteArray>

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// What a child process produced, and whether it ended by returning.
struct ChildRun
{
    QByteArray output;
    bool exitedNormally = false;
};

// Runs `work` in a forked child, for what must not touch the test process
// (lowered privileges, resource limits, mount namespaces). `prepare` runs in
// the child first; false ends the child at once. A child that hangs is killed
// after a minute.
inline ChildRun RunInChild(
    const std::function<QByteArray()>& work,
    const std::function<bool()>& prepare = [] { return true; })
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {QByteArrayLiteral("<pipe failed>"), false};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(60);
        if (!prepare())
            ::_exit(2);
        const QByteArray result = work();
        const bool sent = ::write(channel[1], result.constData(), result.size()) == result.size();
        ::_exit(sent ? 0 : 3);
    }
    ::close(channel[1]);
    ChildRun run;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.exitedNormally = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// Permission checks do not apply to root, and CI runs as root. Runs `work` in
// a child process as user and group 65534 when we are root (directly
// otherwise) and returns the bytes it produced.
inline QByteArray RunUnprivileged(const std::function<QByteArray()>& work)
{
    if (::geteuid() != 0)
        return work();
    const ChildRun run = RunInChild(work, [] {
        return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
    });
    return run.exitedNormally ? run.output : QByteArrayLiteral("<child failed>");
}
