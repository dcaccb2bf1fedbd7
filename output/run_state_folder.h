#pragma once

#include "platform/unique_fd.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Where the run records live: $XDG_STATE_HOME/tamro/runs, or
// ~/.local/state/tamro/runs when XDG_STATE_HOME is unset or not absolute.
// The records decide what undo may delete, so everything from "tamro" down
// is opened without following a link and must belong to the operator, with
// no one else allowed to write it; anything else is refused, never repaired.

// The path of the records folder, for messages.
QString RunRecordsPath();

// Opens the records folder. With `create`, missing folders are made (mode
// 0700); without, `missing` tells a folder that simply is not there yet (no
// run recorded) from one that is refused. Empty on success, otherwise a
// sentence for the operator that names the refused path.
[[nodiscard]] QString OpenRunRecords(bool create, UniqueFd& runs, bool* missing = nullptr);

// Opens `name` inside the records folder `parent` (a run folder, or one of a
// run's files) without following a link, and applies the same checks: a
// folder when `folder`, otherwise a regular file, opened for reading (and
// never blocking). `path` names it in the sentence; `error` gets the errno
// of a failed open (ENOENT: nothing there).
[[nodiscard]] QString OpenPrivate(int parent, const QByteArray& name, bool folder,
                                  const QString& path, UniqueFd& fd, int* error = nullptr);

// Writes `bytes` as the file `name` in the records folder `folder`, whole:
// into a new file (mode 0600) that is then renamed over the name, so a
// reader finds the old file or the new one, never a part. Returns 0 or the
// errno of the failed step.
[[nodiscard]] int WritePrivateFile(int folder, const QByteArray& name, QByteArrayView bytes);

// The names in the opened folder, "." and ".." left out.
QList<QByteArray> FolderEntries(int folder);

// Why the opened file or folder at `path` is not the operator's own and
// closed to others; empty when it is.
QString PrivateProblem(int fd, const QString& path);
