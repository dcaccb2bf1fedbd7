#pragma once

#include "platform/file_name_codec.h"

#include <QString>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

// Makes chosen libc calls of a test program misbehave on purpose. This header
// defines fchmod, futimens, close, ioctl, copy_file_range, openat, read,
// write, sync_file_range, syncfs, linkat and renameat2 for the whole program,
// so include it in one source file only. Each forwards to the real call
// unless a LibcFaults object has armed it, and faults hit only descriptors
// open on (or paths naming) something inside the armed folder, so logs and
// Qt's own files are left alone. The state is plain data: a call made while
// the program exits finds nothing armed.

enum class LibcCall
{
    Fchmod,
    Futimens,
    Close,
    CopyFileRange,
    TmpFile,         // openat with O_TMPFILE
    RenameNoReplace, // renameat2 with RENAME_NOREPLACE
    EmptyPathLink,   // linkat with AT_EMPTY_PATH
    Read,
    Write,
    SyncFileRange,
    Syncfs,
    Count
};

namespace libc_faults {

struct State
{
    int errors[int(LibcCall::Count)];
    char folder[PATH_MAX];        // faults hit paths below it
    char rivalName[NAME_MAX + 1]; // created just before our own claim of it
    bool cloneByCopying;
    int writesBeforeFault;           // Write faults only after this many writes
    int calls[int(LibcCall::Count)]; // counted for SyncFileRange and Syncfs
};
inline State g_state{};

template <typename Function> Function* Real(const char* name)
{
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

inline bool InsideFolder(int fd)
{
    const size_t length = std::strlen(g_state.folder);
    if (length == 0)
        return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t got = ::readlink(link, target, sizeof target);
    return got > ssize_t(length) && std::memcmp(target, g_state.folder, length) == 0 &&
           target[length] == '/';
}

inline bool InsidePath(const char* path)
{
    const size_t length = std::strlen(g_state.folder);
    return length != 0 && std::strncmp(path, g_state.folder, length) == 0 &&
           (path[length] == '/' || path[length] == '\0');
}

// The errno armed for `call` on `fd`, or 0 when the real call should run.
inline int Armed(LibcCall call, int fd)
{
    const int error = g_state.errors[int(call)];
    return error != 0 && InsideFolder(fd) ? error : 0;
}

// Counts a call on `fd` inside the folder, for calls too few to slow a test.
inline void Count(LibcCall call, int fd)
{
    if (InsideFolder(fd))
        ++g_state.calls[int(call)];
}

inline int ArmedForPath(LibcCall call, const char* path)
{
    const int error = g_state.errors[int(call)];
    return error != 0 && InsidePath(path) ? error : 0;
}

// Another process takes `name` just before we claim it: by the exclusive
// create, the link of an unnamed file or the rename of a hidden one.
inline void RivalTakes(int dirFd, const char* name)
{
    char* rival = g_state.rivalName;
    const char* slash = std::strrchr(name, '/');
    const char* lastComponent = slash ? slash + 1 : name;
    if (rival[0] == '\0' || std::strcmp(lastComponent, rival) != 0)
        return;
    rival[0] = '\0';
    const int taken = Real<int(int, const char*, int, ...)>("openat")(
        dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (taken >= 0)
        Real<int(int)>("close")(taken);
}

// What a file system that shares blocks would leave: the whole source in
// `dst`. Offsets stay where they were, as with a real clone.
inline int CopyForClone(int dst, int src)
{
    char buffer[65536];
    off_t offset = 0;
    for (ssize_t got; (got = ::pread(src, buffer, sizeof buffer, offset)) != 0;) {
        if (got < 0 || ::pwrite(dst, buffer, size_t(got), offset) != got)
            return -1;
        offset += got;
    }
    return 0;
}

} // namespace libc_faults

// Arms faults for descriptors inside `folder` while it lives.
class LibcFaults
{
public:
    explicit LibcFaults(const QString& folder)
    {
        libc_faults::g_state = {};
        const QByteArray bytes = EncodeFileName(folder);
        std::snprintf(libc_faults::g_state.folder, PATH_MAX, "%s", bytes.constData());
    }
    ~LibcFaults() { libc_faults::g_state = {}; }
    LibcFaults(const LibcFaults&) = delete;
    LibcFaults& operator=(const LibcFaults&) = delete;

    // `call` fails with `error` (close still closes the descriptor).
    void fail(LibcCall call, int error) { libc_faults::g_state.errors[int(call)] = error; }
    // FICLONE succeeds, for file systems that cannot clone.
    void cloneByCopying() { libc_faults::g_state.cloneByCopying = true; }
    // Another process creates `name` between the existence test and our claim.
    void rivalCreates(const QByteArray& name)
    {
        std::snprintf(libc_faults::g_state.rivalName, NAME_MAX + 1, "%s", name.constData());
    }
    // Write fails only after `count` writes have gone through.
    void writesBeforeFault(int count) { libc_faults::g_state.writesBeforeFault = count; }
    // How often sync_file_range or syncfs ran inside the folder.
    int calls(LibcCall call) const { return libc_faults::g_state.calls[int(call)]; }
};

extern "C" {

int fchmod(int fd, mode_t mode) __THROW
{
    if (const int error = libc_faults::Armed(LibcCall::Fchmod, fd)) {
        errno = error;
        return -1;
    }
    return libc_faults::Real<int(int, mode_t)>("fchmod")(fd, mode);
}

int futimens(int fd, const struct timespec times[2]) __THROW
{
    if (const int error = libc_faults::Armed(LibcCall::Futimens, fd)) {
        errno = error;
        return -1;
    }
    return libc_faults::Real<int(int, const struct timespec*)>("futimens")(fd, times);
}

int close(int fd)
{
    const int error = libc_faults::Armed(LibcCall::Close, fd);
    const int result = libc_faults::Real<int(int)>("close")(fd);
    if (error == 0)
        return result;
    errno = error;
    return -1;
}

ssize_t copy_file_range(int in, off64_t* inOffset, int out, off64_t* outOffset, size_t length,
                        unsigned int flags)
{
    if (const int error = libc_faults::Armed(LibcCall::CopyFileRange, out)) {
        errno = error;
        return -1;
    }
    return libc_faults::Real<ssize_t(int, off64_t*, int, off64_t*, size_t, unsigned int)>(
        "copy_file_range")(in, inOffset, out, outOffset, length, flags);
}

int ioctl(int fd, unsigned long request, ...) __THROW
{
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (request == FICLONE && libc_faults::g_state.cloneByCopying && libc_faults::InsideFolder(fd))
        return libc_faults::CopyForClone(fd, int(reinterpret_cast<intptr_t>(argument)));
    return libc_faults::Real<int(int, unsigned long, ...)>("ioctl")(fd, request, argument);
}

int openat(int dirFd, const char* name, int flags, ...)
{
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list arguments;
        va_start(arguments, flags);
        mode = va_arg(arguments, mode_t);
        va_end(arguments);
    }
    const auto realOpenat = libc_faults::Real<int(int, const char*, int, ...)>("openat");
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        if (const int error = libc_faults::ArmedForPath(LibcCall::TmpFile, name)) {
            errno = error;
            return -1;
        }
    }
    if (flags & O_EXCL)
        libc_faults::RivalTakes(dirFd, name);
    return realOpenat(dirFd, name, flags, mode);
}

int linkat(int oldDirFd, const char* oldName, int newDirFd, const char* newName, int flags) __THROW
{
    if (flags & AT_EMPTY_PATH) {
        if (const int error = libc_faults::ArmedForPath(LibcCall::EmptyPathLink, newName)) {
            errno = error;
            return -1;
        }
    }
    libc_faults::RivalTakes(newDirFd, newName);
    return libc_faults::Real<int(int, const char*, int, const char*, int)>("linkat")(
        oldDirFd, oldName, newDirFd, newName, flags);
}

int renameat2(int oldDirFd, const char* oldName, int newDirFd, const char* newName,
              unsigned int flags) __THROW
{
    if (flags & RENAME_NOREPLACE) {
        if (const int error = libc_faults::ArmedForPath(LibcCall::RenameNoReplace, newName)) {
            errno = error;
            return -1;
        }
    }
    libc_faults::RivalTakes(newDirFd, newName);
    return libc_faults::Real<int(int, const char*, int, const char*, unsigned int)>("renameat2")(
        oldDirFd, oldName, newDirFd, newName, flags);
}

ssize_t read(int fd, void* buffer, size_t count)
{
    if (const int error = libc_faults::Armed(LibcCall::Read, fd)) {
        errno = error;
        return -1;
    }
    static const auto realRead = libc_faults::Real<ssize_t(int, void*, size_t)>("read");
    return realRead(fd, buffer, count);
}

ssize_t write(int fd, const void* buffer, size_t count)
{
    if (const int error = libc_faults::Armed(LibcCall::Write, fd)) {
        if (libc_faults::g_state.writesBeforeFault-- <= 0) {
            errno = error;
            return -1;
        }
    }
    static const auto realWrite = libc_faults::Real<ssize_t(int, const void*, size_t)>("write");
    return realWrite(fd, buffer, count);
}

int sync_file_range(int fd, off64_t offset, off64_t count, unsigned int flags)
{
    libc_faults::Count(LibcCall::SyncFileRange, fd);
    if (const int error = libc_faults::Armed(LibcCall::SyncFileRange, fd)) {
        errno = error;
        return -1;
    }
    return libc_faults::Real<int(int, off64_t, off64_t, unsigned int)>("sync_file_range")(
        fd, offset, count, flags);
}

int syncfs(int fd) __THROW
{
    libc_faults::Count(LibcCall::Syncfs, fd);
    if (const int error = libc_faults::Armed(LibcCall::Syncfs, fd)) {
        errno = error;
        return -1;
    }
    return libc_faults::Real<int(int)>("syncfs")(fd);
}

} // extern "C"
