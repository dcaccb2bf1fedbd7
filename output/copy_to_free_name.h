#pragma once

#include "platform/file_copy.h"

#include <QString>

#include <sys/stat.h>

class CCopySession;

// The outcome of one copy and the name it was given (or, when it failed,
// the name the log gives it).
struct NamedCopy
{
    CopyResult result;
    QString destination;
    // The two names as the file system took them, once the copy succeeded.
    QByteArray destinationBytes;
    QByteArray sourceBytes;
    // The whole copy as its descriptor saw it (CStagedCopy::Made); zero
    // unless the copy succeeded.
    struct stat made
    {};
};

// Copies `source` to the first free name of `wanted`'s numbered forms
// ("Song.mp3", "Song (1).mp3", ...), as MakeUniqueName counts names taken.
// The data is moved once: a name taken while the copy is written makes the
// whole copy move on to the next number. Nothing that stands under a name is
// replaced. A source that fails before anything was created still gets the
// name it would have got.
NamedCopy CopyToFreeName(CCopySession& session, const QString& source, const QString& wanted,
                         CopyProgressRoutine progress, void* data);
