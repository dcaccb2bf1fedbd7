#pragma once

#include "passes/folder_listing.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

// A folder lister over the real file system that can hold the next read of
// one folder after its first few files until released: "during a read" made
// deterministic. Its state is shared with the reading threads, so a read may
// outlive the test's lister (a window closed mid-read).
class HeldFolderLister
{
public:
    // Holds the next read of `folder` once `filesFirst` files were handed on.
    void HoldNextRead(const QString& folder, std::size_t filesFirst = 0)
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->heldFolder = folder;
        m_state->filesFirst = filesFirst;
        m_state->held = m_state->released = m_state->done = false;
    }
    // True once the held read has reached its hold (within 10 s).
    bool WaitUntilHeld()
    {
        return Wait([this] { return m_state->held; });
    }
    void Release()
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->released = true;
        m_state->changed.notify_all();
    }
    // True once the held read has gone through the whole folder.
    bool WaitUntilDone()
    {
        return Wait([this] { return m_state->done; });
    }

    FolderLister Lister() const
    {
        return [state = m_state](const QString& folder, std::size_t batchSize,
                                 const FolderBatchSink& sink) {
            std::unique_lock lock(state->mutex);
            const bool holds = !state->heldFolder.isEmpty() && folder == state->heldFolder;
            const std::size_t filesFirst = state->filesFirst;
            if (holds)
                state->heldFolder.clear(); // only this read
            lock.unlock();
            std::size_t handed = 0;
            const auto hold = [&] {
                std::unique_lock held(state->mutex);
                state->held = true;
                state->changed.notify_all();
                state->changed.wait(held, [&] { return state->released; });
            };
            if (holds && filesFirst == 0)
                hold();
            ReadFolderFiles(folder, holds ? 1 : batchSize, [&](std::vector<ListedFile>& batch) {
                const bool more = sink(batch);
                handed += batch.size();
                if (holds && handed == filesFirst)
                    hold();
                return more;
            });
            if (holds) {
                const std::lock_guard done(state->mutex);
                state->done = true;
                state->changed.notify_all();
            }
        };
    }

private:
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        QString heldFolder;
        std::size_t filesFirst = 0;
        bool held = false, released = false, done = false;
    };

    template <typename Condition> bool Wait(Condition condition)
    {
        std::unique_lock lock(m_state->mutex);
        return m_state->changed.wait_for(lock, std::chrono::seconds(10), condition);
    }

    std::shared_ptr<State> m_state = std::make_shared<State>();
};
