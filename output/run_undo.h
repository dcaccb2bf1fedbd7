#pragma once

#include <QList>
#include <QString>

// Undo of the last convert job: every copy that InfoLog.txt lists is removed
// when it still stands as a regular file whose bytes equal its source's;
// everything else is left and the reason told. A source is only ever read.

enum class UndoMode
{
    DryRun, // decide and report, change nothing
    Remove,
};

enum class UndoAction
{
    Removed,
    WouldRemove, // a dry run's answer for a copy it would remove
    Left,
};

struct UndoItem
{
    QString m_strPath;   // the copy, as the log names it
    QString m_strSource; // its source, as the log names it
    UndoAction m_action = UndoAction::Left;
    QString m_strReason; // why it was left; empty otherwise
};

struct UndoResult
{
    // Set when the logs cannot be used; nothing was checked or removed then.
    QString m_strError;
    QList<UndoItem> m_items; // one per "Copy : " line, in the log's order
};

// Undoes the job whose InfoLog.txt and ErrorLog.txt are in `logFolder`. A
// relative path in the log is taken from `logFolder`, the folder the job ran
// in. The logs stay locked against a new job until the undo returns.
[[nodiscard]] UndoResult UndoLastRun(const QString& logFolder, UndoMode mode);
