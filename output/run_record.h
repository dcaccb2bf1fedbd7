#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

// The record a convert run keeps of the copies it made, in the operator's own
// state folder: the only authority undo takes for removing anything. Paths are
// file-system bytes, exactly as the copies were made.
//
// A run is a folder named by its id, holding
//   "run"              its header: id, time, the log folder (path, device, inode);
//   "copies-NNNNNNNN"  batches of copies in the order they were made, numbered
//                      from 1 without gaps; a batch may first name the folders
//                      its copies lie in;
//   "undone"           what undos saw go, once one has run.
// Each file is written whole and renamed into place, so a reader sees every
// file complete or not at all, also after a kill. All of it is text: one
// line per fact, fields split by one blank, a field's bytes from 0x00 to
// 0x20, 0x7F and "%" written as %XX.

// A folder of a run with the identity it had when the run first used it.
struct RecordedFolder
{
    QByteArray m_path; // absolute; for output folders with every link resolved
    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;
};

// One copy a run made, and how it stood right after it got its name.
struct RecordedCopy
{
    std::uint32_t m_nFolder = 0;       // in RunRecord::m_outputFolders
    std::uint32_t m_nSourceFolder = 0; // in RunRecord::m_sourceFolders
    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;
    std::int64_t m_nSize = 0;
    std::int64_t m_nMtimeSec = 0;
    std::int64_t m_nMtimeNsec = 0;
    QByteArray m_name;       // one path component in its output folder
    QByteArray m_sourceName; // one path component in its source folder
    bool m_bGone = false;    // an undo removed it, or found it already gone
};

struct RunRecord
{
    QString m_strId;
    std::int64_t m_nTimeMs = 0; // start, milliseconds since 1970 (UTC)
    RecordedFolder m_logFolder; // where the run wrote InfoLog.txt and ErrorLog.txt
    QList<RecordedFolder> m_outputFolders;
    QList<QByteArray> m_sourceFolders; // absolute paths, as the run was given them
    std::vector<RecordedCopy> m_copies;
    std::int64_t m_nUndoneMs = 0; // the last undo that saw copies go; 0: never undone

    QByteArray CopyPath(const RecordedCopy& copy) const;
    QByteArray SourcePath(const RecordedCopy& copy) const;
    // Copies no undo has seen go.
    qsizetype StandingCopies() const;
};

inline constexpr char kRunHeaderName[] = "run";
inline constexpr char kRunUndoneName[] = "undone";
inline constexpr char kRunCopiesPrefix[] = "copies-";

// True for a name a run folder may have: 1 to 64 of [0-9A-Za-z._-], not
// starting with a dot. Anything else is never opened as a run.
bool IsRunId(QByteArrayView id);

// The name of batch `number` (from 1), and the number a name gives; 0 when
// the name is not a batch's.
QByteArray RunCopiesName(std::uint32_t number);
std::uint32_t RunCopiesNumber(QByteArrayView name);

// The texts of the files. The copies' lines come from a writer one at a
// time, so that a batch is simply the lines added since the last one.
QByteArray RunHeaderText(const RunRecord& run);
QByteArray RunCopiesStart();
QByteArray OutputFolderLine(std::uint32_t index, const RecordedFolder& folder);
QByteArray SourceFolderLine(std::uint32_t index, QByteArrayView path);
QByteArray CopyLine(const RecordedCopy& copy);
// The same line appended to `text`, the names given apart (the copy's own
// are not read), so a writer makes no string per copy.
void AppendCopyLine(QByteArray& text, const RecordedCopy& copy, QByteArrayView name,
                    QByteArrayView sourceName);
QByteArray RunUndoneText(const RunRecord& run);

// Readers of the three kinds of file. Each takes a whole file's bytes and
// fills (or, for batches, extends) `run`; a batch must follow every batch
// before it. Empty on success, otherwise what is wrong, for the operator
// ("line 3: ..."); `run` may then hold part of the file.
[[nodiscard]] QString ParseRunHeader(QByteArrayView text, RunRecord& run);
[[nodiscard]] QString ParseRunCopies(QByteArrayView text, RunRecord& run);
[[nodiscard]] QString ParseRunUndone(QByteArrayView text, RunRecord& run);
