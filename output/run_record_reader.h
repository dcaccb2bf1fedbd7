#pragma once

#include "output/run_record.h"
#include "platform/unique_fd.h"

#include <QList>
#include <QString>
#include <QStringList>

// A run as `tamro-cli undo --list` shows it.
struct RecordedRunSummary
{
    QString m_strId;
    std::int64_t m_nTimeMs = 0;
    QString m_strLogFolder;
    QStringList m_outputFolders;
    qsizetype m_nCopies = 0;
    qsizetype m_nStanding = 0; // copies no undo has seen go
    bool m_bUndone = false;    // an undo has taken copies of it back
    QString m_strProblem;      // set when its record cannot be read; the rest may be empty
};

// What a loaded run's record tells of it (m_strProblem left empty).
RecordedRunSummary SummaryOf(const RunRecord& run);

// Reads the run records of the operator's state folder (see
// output/run_state_folder.h for what is refused). Every file is opened from
// the records folder's descriptor without following a link, and checked
// before it is read.
class CRunRecordReader
{
public:
    // Opens the records folder; it is never created here. `missing` is set
    // when there is none (no run was ever recorded). Empty on success,
    // otherwise a sentence for the operator.
    [[nodiscard]] QString Open(bool* missing = nullptr);

    // Every recorded run, newest first.
    QList<RecordedRunSummary> List() const;

    // Loads run `id` whole: header, every batch of copies, the undo marks.
    // Empty on success, otherwise what is wrong with the record.
    [[nodiscard]] QString Load(const QString& id, RunRecord& run) const;

    // The id of the newest run that wrote its logs into `logFolder`: the
    // same path once links are resolved, and the same folder (device and
    // inode) as then. Empty `id` when there is none. A refused record folder
    // or run is the answer's sentence; a run whose header cannot be read is
    // passed over.
    [[nodiscard]] QString FindLastForLogFolder(const QString& logFolder, QString& id) const;

    // Holds run `id` for one undo: while `lock` stays open, a second undo of
    // the run is turned away. Empty, or the sentence.
    [[nodiscard]] QString LockRun(const QString& id, UniqueFd& lock) const;

    // Writes down which copies of `run` are gone (RecordedCopy::m_bGone)
    // and when (m_nUndoneMs). Empty, or the sentence.
    [[nodiscard]] QString WriteUndone(const RunRecord& run) const;

private:
    QString OpenRun(const QString& id, UniqueFd& run) const;
    QList<QByteArray> RunIds() const; // oldest first

    UniqueFd m_runs;
};
