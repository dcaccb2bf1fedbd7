#pragma once

#include "passes/rename_mark.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

enum class JobKind
{
    Preview,
    Convert,
    Undo,
};

// What became of one file of a job.
enum class FileOutcome
{
    Copied,
    Skipped,     // no new name; the reason says why
    Failed,      // the reason says why; counted as an error of the run
    Cancelled,   // given up part-way (tamro was told to quit); counted as failed
    Removed,     // an undo took the copy back
    WouldRemove, // a dry undo would take it back
};

struct RunStart
{
    JobKind m_kind = JobKind::Convert;
    unsigned m_nFiles = 0; // rows of the listing, or copies of the undone run
};

// A file about to be copied (or, for an undo, looked at).
struct FileStart
{
    unsigned m_nRow = 0; // in the listing as it stood when the file was reached
    QString m_strSource;
    QString m_strDestination; // the name wanted; the copy may end up numbered
};

struct FileEnd
{
    unsigned m_nRow = 0;
    QString m_strSource;
    // Where it went (after numbering), or where it would have gone.
    QString m_strDestination;
    FileOutcome m_outcome = FileOutcome::Skipped;
    QString m_strReason; // empty for a copy that went as asked
    // Failed files of the run so far, this one included: the count that
    // "Error : N" shows.
    int m_nFailures = 0;
};

// A piece of a preview: the names of rows m_nFirst, m_nFirst + 1, ... and
// the marks of cells whose copy would be named otherwise.
struct PreviewNames
{
    std::uint64_t m_nGeneration = 0; // of the listing the names were made for
    unsigned m_nFirst = 0;
    QStringList m_names;   // full new names, extension included; empty: none
    QStringList m_reasons; // for each empty name, why it has none
    // Tag mode: for each name, the texts the format put in for its fields
    // (CTagFormat::FieldTexts; null where the tags lack one). Empty lists in
    // the other modes.
    std::vector<QStringList> m_fieldTexts;
    std::vector<RenameMark> m_marks;
};

// How a job ended.
struct RunSummary
{
    JobKind m_kind = JobKind::Convert;
    // False for a job that never ran: cancelled before the worker took it
    // up, or refused (m_strRefusal says why); nothing was opened or written.
    bool m_bStarted = true;
    bool m_bCancelled = false;
    unsigned m_nDone = 0; // copied, or taken back by an undo
    unsigned m_nSkipped = 0;
    int m_nFailures = 0;
    QString m_strRefusal;
    QString m_strErrorLogPath; // a convert's ErrorLog.txt
    // A log that could not be opened or written, one sentence each.
    QStringList m_logProblems;
};

// What a job tells the front end that started it, from the thread that runs
// the job (the window's worker, or the console's own thread). Each call
// returns before the job goes on; a front end that draws on another thread
// hands over what it shows and waits only where the job must wait for the
// operator (RunEnded, while the closing box is up).
class CJobObserver
{
public:
    virtual ~CJobObserver() = default;

    // Before a convert opens anything: a cancel that comes while the front
    // end takes this in still finds nothing started.
    virtual void RunStarted(const RunStart& start) = 0;
    virtual void FileStarted(const FileStart& file) = 0;
    // The per-file bar and the run bar, each 0..100.
    virtual void FileProgress(int percent) = 0;
    virtual void RunProgress(int percent) = 0;
    virtual void FileEnded(const FileEnd& file) = 0;
    virtual void NamesPreviewed(const PreviewNames& names) = 0;
    // The job's logs are closed by now; the next job may start once this
    // returns.
    virtual void RunEnded(const RunSummary& summary) = 0;
};
