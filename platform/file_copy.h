#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// tamro's copy with progress: a new file is created next to nothing (it never
// replaces what stands at the destination), filled from the source in chunks,
// given the source's permission bits (under the process umask) and
// modification time where the file system allows it, and removed again if
// anything fails on the way.

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
    Finish,            // closing the new file failed
};

struct CopyResult
{
    CopyStage stage = CopyStage::Done;
    int error = 0; // errno of the failed step, 0 on success

    bool Succeeded() const { return stage == CopyStage::Done; }
    // The system's words for the failure, for the operator.
    QString Reason() const;
};

// Bytes moved per step; each step is followed by a progress call.
inline constexpr std::int64_t kCopyChunkSize = 1 << 20;

// Copies the regular file at `source` to a new file at `destination`. The new
// file is created exclusively and without following a link, so a name that is
// taken fails with EEXIST at the CreateDestination stage and nothing that
// stands there is touched. The source is opened read-only and never changed.
// A progress answer of PROGRESS_CANCEL fails the copy with ECANCELED at the
// Transfer stage. Mode and time are set where the file system takes them; a
// refusal leaves the copy standing.
CopyResult CopyFileWithProgress(const QByteArray& source, const QByteArray& destination,
                                CopyProgressRoutine progress, void* data);
