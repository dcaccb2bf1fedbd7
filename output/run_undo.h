#pragma once

#include "output/run_record.h"
#include "output/undo_copy.h"
#include "platform/unique_fd.h"

#include <QList>
#include <QString>

#include <vector>

// Undo of a convert run: every copy that the run's record names is removed
// when it still is, in its recorded folder, the very file the run made, with
// its source's bytes (see UndoCopy); everything else is left and the reason
// told. Only the records in the operator's own state folder count; the logs
// are for people and never name anything to remove. A source is only read.

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
    QString m_strPath;   // the copy
    QString m_strSource; // its source
    UndoAction m_action = UndoAction::Left;
    QString m_strReason;    // why it was left; empty otherwise
    qsizetype m_nCopy = -1; // its place in the run's record
    bool m_bGone = false;   // removed now, or already gone: MarkUndone writes it down
};

struct UndoResult
{
    // Set when there is nothing to undo or the record cannot be used; nothing
    // was checked or removed then.
    QString m_strError;
    QString m_strRunId; // the run taken back, once one was found
    // Set when copies went but the record could not be told so.
    QString m_strMarkProblem;
    QList<UndoItem> m_items; // one per copy still standing, in the order they were made
};

// Which run to take back: run `m_strRunId` when set, otherwise the last run
// whose logs were written in `m_strLogFolder`.
struct UndoSelector
{
    QString m_strLogFolder;
    QString m_strRunId;
};

// A run loaded for undo, for an engine that checks and removes its copies
// one by one (with progress and Cancel) and then writes down what went.
// While the plan lives, no other undo can take the same run. One thread at a
// time works on a plan.
struct UndoPlan
{
    UndoPlan();
    UndoPlan(UndoPlan&& other) noexcept;
    // Writes down what went of the plan it replaces, as its destructor does.
    UndoPlan& operator=(UndoPlan&& other) noexcept;
    // Writes down what went, when MarkUndone has not (an engine that stops
    // early still leaves a true record; what cannot be written is lost to a
    // later undo, which then finds those copies missing).
    ~UndoPlan();

    QString m_strError;     // set: nothing can be undone, and this says why
    QString m_strLogFolder; // where the run wrote its logs, as it recorded it
    QString m_strRunId;
    // One per copy no earlier undo saw go, in the order the run made them:
    // its path, its source and its place in the record (m_nCopy), action
    // Left and no reason yet. UndoRecordedCopy(plan, i) decides item i.
    QList<UndoItem> m_items;
    RunRecord m_run;
    UniqueFd m_lock;
    // The copies UndoRecordedCopy saw go, until MarkUndone writes them down.
    mutable std::vector<std::size_t> m_gone;

    qsizetype Size() const { return m_items.size(); }
};

// Finds and loads the run, and holds it. Refused (m_strError): no records
// folder or no run for the selector ("No run of tamro is recorded for
// <folder>."), a records folder or run that is not the operator's own or is
// writable by others, a damaged record, a run another undo holds, a run
// whose every copy an earlier undo saw go ("... is already undone.").
[[nodiscard]] UndoPlan LoadRunForUndo(const UndoSelector& selector);
// The last run whose logs were written in `logFolder`.
[[nodiscard]] UndoPlan LoadRunForUndo(const QString& logFolder);

// Checks item `index` (0 .. Size()-1) of the plan and, for Remove, removes
// it; the item comes back decided. `progress` sees the byte comparison and
// may give the copy up (Cancel: it stays, and is not marked). A copy that
// went, now or before, is remembered in the plan for MarkUndone. An index
// outside the plan is Left with a reason.
[[nodiscard]] UndoItem UndoRecordedCopy(const UndoPlan& plan, qsizetype index, UndoMode mode,
                                        const UndoProgress& progress = {});

// Writes into the run's record which copies UndoRecordedCopy saw go, so a
// later undo leaves them out and, once none stand, answers "already undone".
// Does nothing when none went (a dry run never marks anything). Empty, or the
// sentence for the operator. Called at the end; the plan's destructor does it
// otherwise.
[[nodiscard]] QString MarkUndone(UndoPlan& plan);

// All of it in one call: load, every item, and for Remove the marks.
[[nodiscard]] UndoResult UndoRun(const UndoSelector& selector, UndoMode mode);

// The last run whose logs were written in `logFolder`.
[[nodiscard]] UndoResult UndoLastRun(const QString& logFolder, UndoMode mode);
