#pragma once

#include <QByteArray>
#include <QString>

// What happened to one copy when its undo was asked for.
struct UndoCopyOutcome
{
    bool m_bRemovable = false; // verified as the untouched copy of its source
    bool m_bRemoved = false;
    QString m_strReason; // why it stays; empty when removable
};

// Checks that `copy` is still a regular file (its name is never followed as
// a link) whose content equals `source`'s, and, when `remove` is set,
// removes that very file: the name is unlinked only while it still belongs
// to the file that was compared. `source` is opened for reading only.
UndoCopyOutcome UndoCopy(const QByteArray& source, const QByteArray& copy, bool remove);
