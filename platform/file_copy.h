#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// tamro's copy with progress: a new file is filled from the source in chunks
// where no one takes it for a copy, given the source's permission bits (under
// the process umask) and modification time where the file system allows it,
// and only when whole given its name, which never replaces what stands
// there. Anything that fails on the way leaves nothing behind.

// What the progress routine answers: go on calling me, abandon this copy
// (the partial file is removed), or stay quiet for the rest of this copy.
enum CopyProgressAnswer : std::uint32_t
{
    PROGRESS_CONTINUE = 0,
    PROGRESS_CANCEL = 1,
    PROGRESS_QUIET = 3,
};

// Called before the first byte moves and after every chunk, on the copying
// thread, with the source's size and the bytes moved so far.
using CopyProgressRoutine = CopyProgressAnswer (*)(std::int64_t totalFileSize,
                                                   std::int64_t totalBytesTransferred, void* data);

// The step at which a copy stopped.
enum class CopyStage
{
    Done,              // the copy succeeded
    OpenSource,        // the source could not be opened or is not a regular file
    CreateDestination, // the destination folder or the new file could not be opened
    Transfer,          // reading or writing the data failed, or the copy was abandoned
    Finish,            // naming, flushing or closing the new file failed
};

struct CopyResult
{
    CopyStage stage = CopyStage::Done;
    int error = 0; // errno of the failed step, 0 on success
    // At the Transfer stage: the source could not be read (otherwise the
    // destination failed).
    bool sourceFailed = false;

    bool Succeeded() const { return stage == CopyStage::Done; }
    // The system's words for the failure, for the operator.
    QString Reason() const;
};

// Bytes moved per step; each step is followed by a progress call.
inline constexpr std::int64_t kCopyChunkSize = 1 << 20;

// Copies the regular file at `source` to a new file at `destination` (see
// CStagedCopy for how). A name that is taken, by anything (a dangling link
// too), fails with EEXIST at the CreateDestination stage and nothing that
// stands there is touched. The source is opened read-only and never changed.
// A progress answer of PROGRESS_CANCEL fails the copy with ECANCELED at the
// Transfer stage. Mode and time are set where the file system takes them; a
// refusal leaves the copy standing.
CopyResult CopyFileWithProgress(const QByteArray& source, const QByteArray& destination,
                                CopyProgressRoutine progress, void* data);
