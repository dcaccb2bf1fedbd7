#pragma once

#include "output/run_record.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

// Called while a copy's bytes are compared with its source's: bytes compared
// so far and in all. Returns false to give the copy up (it stays).
using UndoProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// What happened to one recorded copy when its undo was asked for.
struct UndoCopyOutcome
{
    bool m_bRemovable = false; // verified as the untouched copy of its source
    bool m_bRemoved = false;
    bool m_bGone = false; // removed now, or no longer in its folder at all
    QString m_strReason;  // why it stays; empty when removable
};

// Removes (with `remove`, else only checks) the copy `copy` of a run record
// when all of this holds: its folder, reached from "/" one component at a
// time without following a link, is still the recorded `folder` (device
// and inode); the name there is a regular file, never followed as a link,
// with the recorded device, inode, size and modification time; and its bytes
// equal those of `source`, which is opened for reading only. The name is
// unlinked through the folder's descriptor, and only while it still belongs
// to the file that was compared.
UndoCopyOutcome UndoCopy(const RecordedFolder& folder, const RecordedCopy& copy,
                         const QByteArray& source, bool remove, const UndoProgress& progress = {});
