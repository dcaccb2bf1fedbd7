#pragma once

#include "platform/file_name_codec.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

// A rule that does not hold is a finding like a crash: libFuzzer keeps the
// input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "rule broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

inline QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The bytes taken two at a time as UTF-16 code units, so an input can hold
// any text a QString can, lone surrogates too.
inline QString FuzzUtf16(const std::uint8_t* data, std::size_t size)
{
    QString text;
    text.reserve(qsizetype(size / 2));
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    return text;
}

// The parts of `bytes` between NUL bytes, as a command line's arguments.
inline QList<QByteArray> FuzzArguments(const QByteArray& bytes)
{
    return bytes.split('\0');
}

// A folder of this process's own for files a target reads back; removed at
// exit.
inline const QByteArray& FuzzFolder()
{
    static const QByteArray folder = [] {
        // Memory, where there is such a folder: the targets write a file per input.
        char pattern[] = "/dev/shm/tamro-fuzz-XXXXXX";
        if (::access("/dev/shm", W_OK) != 0)
            std::memcpy(pattern, "/tmp/tamro-fuzz-XXXXXX", sizeof "/tmp/tamro-fuzz-XXXXXX");
        if (!::mkdtemp(pattern))
            std::abort();
        std::atexit([] {
            ::nftw(
                FuzzFolder().constData(),
                [](const char* entry, const struct stat*, int, struct FTW*) {
                    return ::remove(entry);
                },
                8, FTW_DEPTH | FTW_PHYS);
        });
        return QByteArray(pattern);
    }();
    return folder;
}

// Writes `bytes` as the file `name` in FuzzFolder() and returns its path.
inline QByteArray FuzzFile(const char* name, const QByteArray& bytes)
{
    const QByteArray path = FuzzFolder() + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        std::abort();
    ::close(fd);
    return path;
}
