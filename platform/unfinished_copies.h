#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <cstdint>

// A copy that cannot be written unnamed is written under a hidden name in
// the output folder until it is whole, and holds a lock on it meanwhile. A
// copy killed part-way leaves that file behind, never a file under a final
// name; the next run into the folder removes it.

// ".tamro-" + 16 hex digits of `random` + ".part".
QByteArray UnfinishedCopyName(std::uint64_t random);

// True for the names UnfinishedCopyName makes, and only for them.
bool IsUnfinishedCopyName(QByteArrayView name);

// Removes from `folder` each unfinished copy that no running copy holds: a
// regular file (not a link, not a folder) with one link and a name of the
// form UnfinishedCopyName makes, whose lock can be taken. Nothing else is touched.
// Returns the full paths of the files removed, for the run's log.
QStringList RemoveUnfinishedCopies(const QString& folder);
