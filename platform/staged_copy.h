#pragma once

#include "platform/file_copy.h"
#include "platform/unique_fd.h"

#include <QByteArray>

#include <sys/stat.h>

class CCopySession;
class CMediumTraits;

// One copy on its way to its final name. The data goes into a file that no
// one takes for a copy until it is whole: an unnamed file in the output
// folder (O_TMPFILE), else a hidden, locked ".tamro-*.part" there; only the
// complete copy is given its final name, and that step refuses a name that
// is taken. Where the file system has neither, the final name itself is
// created exclusively, as a copy without them always did. Nothing that
// stands under a name is ever replaced, and a copy that does not reach its
// end leaves nothing behind.
//
// The steps, in order: OpenSource, Create, Transfer, Finish, Publish (not
// when NamedAtCreate), Close. A failed step ends the copy; the object then
// only cleans up. A copy not closed is abandoned when the object goes.
class CStagedCopy
{
public:
    explicit CStagedCopy(CCopySession& session);
    ~CStagedCopy();
    CStagedCopy(const CStagedCopy&) = delete;
    CStagedCopy& operator=(const CStagedCopy&) = delete;

    // Opens the regular file `source` read-only; it is never changed.
    [[nodiscard]] CopyResult OpenSource(const QByteArray& source);
    // Makes the file the data goes into, in the folder of `destination`.
    // Fails with EEXIST only when the file system left no way but the
    // exclusive create of `destination` and that name is taken.
    [[nodiscard]] CopyResult Create(const QByteArray& destination);
    // True when Create had to give the copy its final name at once.
    bool NamedAtCreate() const { return m_eStaging == Staging::Final; }
    // Moves the data, calling `progress` before the first byte and after
    // each chunk; PROGRESS_CANCEL abandons the copy (ECANCELED).
    [[nodiscard]] CopyResult Transfer(CopyProgressRoutine progress, void* data);
    // Gives the copy the source's mode (under the umask) and modification
    // time where the file system takes them, and flushes it where each file
    // must be flushed on its own.
    [[nodiscard]] CopyResult Finish();
    // Names the whole copy `destination`. A name that is taken fails with
    // EEXIST and leaves the copy as it was, ready for another name.
    [[nodiscard]] CopyResult Publish(const QByteArray& destination);
    // Closes the copy. A close that fails (the last word of some network
    // and user-space file systems on a write) takes the name away again.
    [[nodiscard]] CopyResult Close();
    // The copy as its descriptor saw it once finished: device, inode, size
    // and the time as the medium keeps it; inode 0 when it could not be
    // looked at.
    const struct stat& Made() const { return m_made; }

private:
    enum class Staging
    {
        None,
        Unnamed, // O_TMPFILE, linked at its final name
        Hidden,  // ".tamro-*.part", renamed to its final name
        Final,   // created under its final name
    };
    mode_t WantedMode() const;
    int CreateUnnamed(const QByteArray& folder);
    int CreateHidden(const QByteArray& folder);
    int CreateFinal(const QByteArray& destination);
    bool RenameNoReplaceRefused();
    int LinkUnnamed(const QByteArray& destination);
    class Progress;
    int TransferData(Progress& progress);
    int CopyByReadWrite(std::int64_t& transferred, Progress& progress);
    // Whether the copy is small enough that its write-back is not steered.
    bool LeftToKernel() const;
    int AfterChunk(std::int64_t offset, std::int64_t length);
    void Abandon();

    CCopySession& m_session;
    CMediumTraits* m_pTraits = nullptr;
    UniqueFd m_src;
    UniqueFd m_dst;
    struct stat m_sourceInfo
    {};
    struct stat m_created
    {};
    struct stat m_made
    {};
    QByteArray m_strFolder;
    QByteArray m_strName; // where the copy stands now: empty while unnamed
    Staging m_eStaging = Staging::None;
    bool m_bNamed = false;  // under its final name
    bool m_bClosed = false; // closed whole
    bool m_bReadFailed = false;
};
