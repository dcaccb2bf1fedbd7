#include "passes/folder_reader.h"

#include <atomic>
#include <chrono>
#include <malloc.h>
#include <mutex>
#include <thread>

namespace {

// Small enough that a superseded read on a slow folder stops soon.
constexpr std::size_t kListerBatch = 64;
// Rows reach the window about this often while a read runs.
constexpr auto kBatchInterval = std::chrono::milliseconds(50);

} // namespace

struct CFolderReader::Shared
{
    std::mutex mutex;                      // held while posting, so the owner cannot go meanwhile
    std::function<void(Call)> postToOwner; // empty once the reader is gone
    std::atomic<std::uint64_t> newest{0};  // the read that may still call back
    std::function<void(Files)> onBatch;

    bool IsNewest(std::uint64_t read) const { return newest.load() == read; }

    // Runs `call` on the owner's thread unless the read was superseded by
    // then.
    static void Post(const std::shared_ptr<Shared>& shared, std::uint64_t read, Call call)
    {
        const std::lock_guard lock(shared->mutex);
        if (!shared->postToOwner || !shared->IsNewest(read))
            return;
        shared->postToOwner([shared, read, call = std::move(call)] {
            if (shared->IsNewest(read))
                call();
        });
    }
};

CFolderReader::CFolderReader(std::function<void(Call)> postToOwner,
                             std::function<void(Files)> onBatch,
                             std::function<void(Files)> onFinished)
    : m_pShared(std::make_shared<Shared>()), m_onFinished(std::move(onFinished))
{
    m_pShared->postToOwner = std::move(postToOwner);
    m_pShared->onBatch = std::move(onBatch);
}

CFolderReader::~CFolderReader()
{
    const std::lock_guard lock(m_pShared->mutex);
    m_pShared->postToOwner = nullptr;
    ++m_pShared->newest; // calls already posted find themselves superseded
}

void CFolderReader::SetLister(FolderLister lister)
{
    m_lister = std::move(lister);
}

void CFolderReader::Read(const QString& folder)
{
    const std::uint64_t read = ++m_pShared->newest;
    m_bReading = true;
    // The thread reaches `this` only through a call that still finds its read
    // the newest on the owner's thread, which the destructor rules out.
    std::thread([shared = m_pShared, read, folder, lister = m_lister, this] {
        Run(shared, read, folder, lister, this);
    }).detach();
}

void CFolderReader::Run(const std::shared_ptr<Shared>& shared, std::uint64_t read,
                        const QString& folder, const FolderLister& lister, CFolderReader* self)
{
    using Clock = std::chrono::steady_clock;
    Files all, pending;
    // One batch at a time on its way: a window busy with the last one is
    // not flooded, the rows just come in bigger pieces.
    const auto batchWaiting = std::make_shared<std::atomic<bool>>(false);
    Clock::time_point lastPost{};
    lister(folder, kListerBatch, [&](std::vector<ListedFile>& batch) {
        if (!shared->IsNewest(read))
            return false;
        for (const ListedFile& file : batch) {
            all.Append(file);
            pending.Append(file);
        }
        const Clock::time_point now = Clock::now();
        if (now - lastPost >= kBatchInterval && !batchWaiting->load()) {
            batchWaiting->store(true);
            Shared::Post(shared, read, [shared, batchWaiting, rows = std::move(pending)]() mutable {
                batchWaiting->store(false);
                shared->onBatch(std::move(rows));
            });
            pending = {};
            lastPost = now;
        }
        return true;
    });
    if (!shared->IsNewest(read))
        return;
    // The rows still pending come with the sorted whole.
    all.SortNaturally();
    // What the read and the sort took on the way goes back to the system
    // rather than stay with the window for good.
    ::malloc_trim(0);
    Shared::Post(shared, read, [self, sorted = std::move(all)]() mutable {
        self->m_bReading = false;
        self->m_onFinished(std::move(sorted));
    });
}
