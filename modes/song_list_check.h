#pragma once

#include <QString>

// Checks, before any pass runs, that the song-list file at `path` can be
// used: it exists, is a regular file, can be read, starts as text (else
// "<path> is not a text file.", found from its first megabyte) and yields at
// least one line with a "|". Returns an empty string when it can, otherwise a
// message for the operator that names the path and the reason.
QString SongListProblem(const QString& path);
