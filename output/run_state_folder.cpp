#include "output/run_state_folder.h"

#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray StateHome()
{
    QByteArray xdg = qgetenv("XDG_STATE_HOME");
    if (xdg.startsWith('/'))
        return xdg;
    return EncodeFileName(QDir::homePath()) + "/.local/state";
}

QByteArray Join(const QByteArray& folder, const char* name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// mkdir -p, each new level closed to others as the XDG rules ask.
void MakeFolders(const QByteArray& path)
{
    for (qsizetype slash = path.indexOf('/', 1);; slash = path.indexOf('/', slash + 1)) {
        const QByteArray level = slash < 0 ? path : path.left(slash);
        (void)::mkdir(level.constData(), 0700);
        if (slash < 0)
            return;
    }
}

// The system's words for `error`; callers take errno before translating
// their own text, which may change it.
QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString RunRecordsPath()
{
    return DecodeFileName(Join(Join(StateHome(), "tamro"), "runs"));
}

QString PrivateProblem(int fd, const QString& path)
{
    struct stat info
    {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        return QCoreApplication::translate("RunRecord", "%1 cannot be looked at: %2.")
            .arg(path, SystemReason(error));
    }
    if (info.st_uid != ::geteuid())
        return QCoreApplication::translate(
                   "RunRecord",
                   "%1 belongs to another user, so tamro does not trust the run records there.")
            .arg(path);
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QCoreApplication::translate("RunRecord",
                                           "%1 can be written by other users, so tamro does not "
                                           "trust the run records there.")
            .arg(path);
    return {};
}

QString OpenPrivate(int parent, const QByteArray& name, bool folder, const QString& path,
                    UniqueFd& fd, int* error)
{
    const int flags =
        O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (folder ? O_DIRECTORY : 0);
    fd = UniqueFd(::openat(parent, name.constData(), flags));
    if (!fd.valid()) {
        const int failure = errno;
        if (error)
            *error = failure;
        if (failure == ELOOP || (folder && failure == ENOTDIR))
            return QCoreApplication::translate("RunRecord",
                                               "%1 is a link or not a folder, so tamro does not "
                                               "trust the run records there.")
                .arg(path);
        return QCoreApplication::translate("RunRecord", "%1 cannot be opened: %2.")
            .arg(path, SystemReason(failure));
    }
    if (error)
        *error = 0;
    if (!folder) {
        struct stat info
        {};
        if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
            return QCoreApplication::translate(
                       "RunRecord",
                       "%1 is not a regular file, so tamro does not trust it as a run record.")
                .arg(path);
    }
    return PrivateProblem(fd.get(), path);
}

QList<QByteArray> FolderEntries(int folder)
{
    QList<QByteArray> names;
    const int fd = ::dup(folder);
    DIR* listing = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!listing) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    // The copy shares its offset with `folder`, which an earlier listing
    // may have left at the end.
    ::rewinddir(listing);
    while (const dirent* entry = ::readdir(listing)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.append(QByteArray(entry->d_name));
    }
    ::closedir(listing);
    return names;
}

int WritePrivateFile(int folder, const QByteArray& name, QByteArrayView bytes)
{
    const QByteArray temporary = '.' + name + ".new";
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY;
    UniqueFd file(::openat(folder, temporary.constData(), flags, 0600));
    if (!file.valid() && errno == EEXIST) {
        // Left by a writer that was killed before its rename.
        (void)::unlinkat(folder, temporary.constData(), 0);
        file = UniqueFd(::openat(folder, temporary.constData(), flags, 0600));
    }
    if (!file.valid())
        return errno;
    int error = 0;
    for (qsizetype done = 0; done < bytes.size() && error == 0;) {
        const ssize_t written =
            ::write(file.get(), bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (written >= 0)
            done += written;
        else if (errno != EINTR)
            error = errno;
    }
    if (file.closeChecked() != 0 && error == 0)
        error = errno;
    if (error == 0 && ::renameat(folder, temporary.constData(), folder, name.constData()) != 0)
        error = errno;
    if (error != 0)
        (void)::unlinkat(folder, temporary.constData(), 0);
    return error;
}

QString OpenRunRecords(bool create, UniqueFd& runs, bool* missing)
{
    if (missing)
        *missing = false;
    const QByteArray home = StateHome();
    if (create)
        MakeFolders(home);
    // The state home itself may be reached through links (a home folder
    // moved to another disk); from "tamro" down nothing is.
    const UniqueFd base(::open(home.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!base.valid()) {
        const int error = errno;
        if (missing)
            *missing = error == ENOENT;
        return QCoreApplication::translate("RunRecord", "%1 cannot be opened: %2.")
            .arg(DecodeFileName(home), SystemReason(error));
    }
    UniqueFd level = UniqueFd(::dup(base.get()));
    QByteArray path = home;
    for (const char* name : {"tamro", "runs"}) {
        path = Join(path, name);
        if (create && ::mkdirat(level.get(), name, 0700) != 0 && errno != EEXIST) {
            const int error = errno;
            return QCoreApplication::translate("RunRecord", "%1 cannot be created: %2.")
                .arg(DecodeFileName(path), SystemReason(error));
        }
        UniqueFd next;
        int error = 0;
        QString problem = OpenPrivate(level.get(), name, true, DecodeFileName(path), next, &error);
        if (!problem.isEmpty()) {
            if (missing)
                *missing = error == ENOENT;
            return problem;
        }
        level = std::move(next);
    }
    runs = std::move(level);
    return {};
}
