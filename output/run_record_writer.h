#pragma once

#include "platform/unique_fd.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <vector>

// Writes the record of one convert run (see output/run_record.h) while the
// run goes on. A copy is added in memory, at the cost of one look at the new
// file; a thread of the writer's own writes what has gathered as a new batch
// file at least every kBatchDelay (sooner after kBatchCopies copies), so a
// run that is killed loses at most that much of its record, and a run of
// many small files pays one small file per batch rather than a rewrite per
// copy. Begin, AddCopy, Flush and End are called from one thread.
class CRunRecordWriter
{
public:
    static constexpr std::chrono::milliseconds kBatchDelay{250};
    static constexpr int kBatchCopies = 1024;
    // Begin removes the oldest runs beyond this many.
    static constexpr int kKeptRuns = 100;

    CRunRecordWriter() = default;
    CRunRecordWriter(const CRunRecordWriter&) = delete;
    CRunRecordWriter& operator=(const CRunRecordWriter&) = delete;
    // Ends the record as End does.
    ~CRunRecordWriter();

    // Starts the record of a new run whose logs go into `logFolder`, copying
    // into `outputFolder` (may be empty: every copy names its folder, and a
    // run may use several). Makes the records folder when needed. Empty on
    // success; otherwise a sentence for the operator, and the writer records
    // nothing (the run itself may go on: its copies just cannot be undone).
    [[nodiscard]] QString Begin(const QString& logFolder, const QString& outputFolder);

    // Records the copy of `source` that has just got its final name
    // `destination` (full paths, exact bytes as in EncodeFileName); `made`
    // is the copy as its own descriptor saw it once whole (device, inode,
    // size, time), so the record names the file tamro wrote even if
    // something else took the name since. A copy without them (inode 0) is
    // not recorded (and End tells). Does nothing before a successful Begin
    // or after End.
    // The paths are the file system's bytes (NamedCopy's).
    void AddCopy(const QByteArray& destination, const QByteArray& source, const struct stat& made);

    // Writes the copies added so far now, instead of within kBatchDelay.
    void Flush();

    // Writes the rest and stops the writer's thread. Empty, or a sentence
    // for the operator about the first thing that went wrong with the
    // record (a failed Begin included). Later calls return an empty string.
    [[nodiscard]] QString End();

    bool IsRecording() const { return m_runFolder.valid(); }
    // The run's id; empty before a successful Begin.
    const QString& RunId() const { return m_strId; }

private:
    QString StartRecord(const QString& logFolder, const QString& outputFolder);
    // -1 when the folder cannot be opened.
    std::int64_t OutputFolderIndex(const QByteArray& folder);
    std::uint32_t SourceFolderIndex(const QByteArray& folder);
    void FlusherLoop();
    // Writes what is pending as the next batch. Only under m_writeMutex.
    void WritePending();
    void NoteProblem(const QString& problem);

    UniqueFd m_runFolder;
    QString m_strId;
    QString m_strPath; // of the run folder, for messages

    std::mutex m_writeMutex; // one batch written at a time, in order
    std::mutex m_mutex;      // everything below
    std::condition_variable m_wake;
    QByteArray m_pending; // lines not yet written
    int m_nPendingCopies = 0;
    std::uint32_t m_nNextBatch = 1;
    QString m_strProblem;
    bool m_bStop = false;
    std::thread m_flusher;

    QHash<QByteArray, std::uint32_t> m_outputFolders; // by the path a copy named
    std::vector<UniqueFd> m_outputFolderFds;          // by index
    QHash<QByteArray, std::uint32_t> m_sourceFolders;
    // Most copies go where the last one went, from where the last one came.
    QByteArray m_lastOutputFolder;
    std::int64_t m_nLastOutputFolder = -1;
    QByteArray m_lastSourceFolder;
    std::int64_t m_nLastSourceFolder = -1;
};
