#pragma once

#include "passes/folder_listing.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Reads a folder on a thread of its own, so a slow or huge folder never holds
// up the thread that asked. The files come back on the owner's thread (through
// the owner's own queue of calls): in batches while the read runs (never faster than they are
// taken), then all of them in natural order. A newer Read supersedes an older one: from then on
// nothing of the older read comes back.
//
// The reading thread holds only a shared state, never the reader or its
// owner: a reader destroyed mid-read (a window closed) neither waits for a
// hung folder nor gets called back.
class CFolderReader
{
public:
    using Files = CListedFiles;
    using Call = std::function<void()>;
    // `postToOwner` queues a call for the owner's thread, from any thread,
    // and must keep working while the reader lives; both callbacks run on
    // the owner's thread.
    CFolderReader(std::function<void(Call)> postToOwner, std::function<void(Files batch)> onBatch,
                  std::function<void(Files sorted)> onFinished);
    ~CFolderReader();
    CFolderReader(const CFolderReader&) = delete;
    CFolderReader& operator=(const CFolderReader&) = delete;

    // How folders are read; the real file system unless set (tests and
    // benchmarks put a slow or blocking one here).
    void SetLister(FolderLister lister);
    void Read(const QString& folder);
    bool IsReading() const { return m_bReading; }

private:
    struct Shared;
    static void Run(const std::shared_ptr<Shared>& shared, std::uint64_t read,
                    const QString& folder, const FolderLister& lister, CFolderReader* self);

    std::shared_ptr<Shared> m_pShared;
    FolderLister m_lister = ReadFolderFiles;
    std::function<void(Files)> m_onFinished;
    bool m_bReading = false;
};
