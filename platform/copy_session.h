#pragma once

#include "platform/medium_traits.h"
#include "platform/unique_fd.h"
#include "platform/write_back_window.h"

#include <QByteArray>

#include <atomic>
#include <memory>
#include <vector>

// What the copies of one run share below their names: what each output file
// system has shown it cannot do, the data still on its way to the medium,
// and the file systems written to, which the end of the run flushes. One
// session serves one copying thread.
class CCopySession
{
public:
    CCopySession() = default;
    CCopySession(const CCopySession&) = delete;
    CCopySession& operator=(const CCopySession&) = delete;

    // The traits a copy into `folder` may count on before it has made a
    // file there: those of the file system the last copy into that folder
    // met, or nullptr when this session has not copied there yet.
    CMediumTraits* TraitsForFolder(const QByteArray& folder);
    // The traits of the file system of the open file `fd` on `device`,
    // remembered as the one of `folder`; asked of the file system the first
    // time that device is met.
    CMediumTraits& TraitsForFile(int fd, dev_t device, const QByteArray& folder);
    // A copy on `traits`' file system has been named in `folder`: both are
    // flushed at the end. `fd` is the copy, still open.
    void Copied(const CMediumTraits& traits, int fd, const QByteArray& folder);

    // Whether the kernel has refused to link an unnamed file through its
    // descriptor alone (AT_EMPTY_PATH); a matter of the process, not of the
    // file system, so asked once per session.
    bool EmptyPathLinkRefused() const { return m_bEmptyPathLinkRefused; }
    void RefuseEmptyPathLink() { m_bEmptyPathLinkRefused = true; }

    CWriteBackWindow& WriteBack() { return m_writeBack; }
    // Whether copies onto `traits`' file system go through the write-back
    // window.
    bool BoundsWriteBack(const CMediumTraits& traits) const
    {
        return m_bBoundWriteBack && traits.HasWriteBack();
    }
    // For measuring what the bound costs: copies leave write-back to the
    // kernel alone.
    void SetBoundWriteBack(bool bound) { m_bBoundWriteBack = bound; }

    // Whether each copy is flushed on its own before it is named, rather
    // than the file systems once at the end.
    bool SyncsEachFile(const CMediumTraits& traits) const;
    // For measuring the two ways against each other: every copy flushed on
    // its own (fdatasync) and each folder at the end (fsync).
    void SetSyncEachFile(bool each) { m_bSyncEachFile = each; }

    // Called once after the run's last copy, on the copying thread: waits
    // until the data and the names of the run's copies are on the medium,
    // then forgets everything, so the next run learns its file systems
    // afresh (a stick may have been swapped for another). While the
    // write-back still in flight is waited for, `cancel` is looked at
    // between chunks; set, the rest is left to the kernel and ECANCELED
    // returned. The last step, one syncfs per file system written, cannot
    // be interrupted; it finds at most the window's bytes unwritten, plus
    // what other programs left on that file system. Returns 0 or the errno
    // of the first failure: then some data may not be on the medium. A run
    // that ends early calls it too, with `cancel` set: it then only lets go
    // of the descriptors it keeps on the medium, which would otherwise hold
    // a stick busy until the next run.
    [[nodiscard]] int FlushToMedium(const std::atomic<bool>* cancel = nullptr);
    // Whether a copy of this run has made a file on a medium since the last
    // flush: only then is there something to wait for.
    bool HasWritten() const { return !m_media.empty(); }

private:
    struct Medium
    {
        explicit Medium(dev_t device, unsigned long fsType) : traits(device, fsType) {}
        CMediumTraits traits;
        UniqueFd syncFd; // a copy on this file system, for syncfs
    };
    Medium* Find(const CMediumTraits& traits);

    std::vector<std::unique_ptr<Medium>> m_media;
    std::vector<QByteArray> m_folders; // where copies were named, for fsync
    QByteArray m_lastFolder;
    Medium* m_pLastMedium = nullptr;
    CWriteBackWindow m_writeBack;
    bool m_bSyncEachFile = false;
    bool m_bEmptyPathLinkRefused = false;
    bool m_bBoundWriteBack = true;
};
