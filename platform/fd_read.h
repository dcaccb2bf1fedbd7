#pragma once

#include <QByteArray>

#include <sys/types.h>

// Reading from a file descriptor the way every reader of tamro needs it:
// an interrupted read is simply tried again.

// One read(2) of at most `size` bytes: what it got, 0 at the end of the
// file, -1 with errno on failure.
ssize_t ReadSome(int fd, char* buffer, size_t size);

// Fills `buffer` with `size` bytes unless the file ends first: the bytes
// read, or -1 with errno on failure.
ssize_t ReadFull(int fd, char* buffer, size_t size);

// Appends the rest of the file to `content`. Returns 0, or the errno of the
// failed read (what was read before it stays in `content`).
[[nodiscard]] int ReadAll(int fd, QByteArray& content);
