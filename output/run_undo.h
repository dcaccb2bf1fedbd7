#pragma once

#include <QList>
#include <QString>

#include <memory>

class CRunLogReader;

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

// The copies of one convert job, read for their undo, item by item.
struct UndoPlan
{
    UndoPlan();
    UndoPlan(UndoPlan&&) noexcept;
    UndoPlan& operator=(UndoPlan&&) noexcept;
    ~UndoPlan();

    QString m_strError;      // set when the job's record cannot be used
    QString m_strLogFolder;  // relative paths of the record count from here
    QList<UndoItem> m_items; // in the order the job made them; an item that
                             // is never to be removed carries its reason
    // The logs stay locked against a new job while the plan lives.
    std::unique_ptr<CRunLogReader> m_pInfo, m_pErrors;
};

// Reads what the job whose InfoLog.txt and ErrorLog.txt are in `logFolder`
// copied. A relative path in the log is taken from `logFolder`, the folder
// the job ran in.
[[nodiscard]] UndoPlan LoadRunForUndo(const QString& logFolder);

// Decides (and in Remove mode carries out) the undo of item `index`.
[[nodiscard]] UndoItem UndoRecordedCopy(const UndoPlan& plan, qsizetype index, UndoMode mode);

// The whole undo at once.
[[nodiscard]] UndoResult UndoLastRun(const QString& logFolder, UndoMode mode);
