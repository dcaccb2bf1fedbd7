#pragma once

#include "output/copy_state.h"
#include "passes/job_command.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

class CSongListPageBase;

// The command word: anyone reads it, only CJobState's transitions write it,
// so every change of a job's course is in one place.
class CJobCommandWord
{
public:
    int load() const noexcept { return m_word.load(); }

private:
    friend class CJobState;
    std::atomic<int> m_word{JOB_IDLE};
};

// The state that a front end and the worker share: the command word and its
// transitions, the copy state (error count, abandon request, logs), the
// song-list page whose stop request a run's end withdraws, and the worker's
// wake-up. No widget, no input of a job (those come with its request, see
// CJob).
//
// Course of a job: IDLE -> PREVIEW -> IDLE; IDLE -> CONVERT (-> CANCEL
// -> CANCELLED) -> ENDING -> IDLE; IDLE -> UNDO (-> CANCEL -> CANCELLED)
// -> ENDING -> IDLE. A Convert started while a preview runs replaces PREVIEW
// and runs after it.
class CJobState : public CCopyState
{
public:
    CJobCommandWord m_nCommand;       // a JobCommand
    std::atomic<int> m_bWorkerRun{0}; // the worker loops while nonzero

    // The page whose song table the song-list passes fill; kept while the
    // worker runs.
    void SetSongListPage(CSongListPageBase* page) { m_pSongListPage = page; }

    // Front-end transitions; each wakes the worker when it changed the word.
    // Idle to preview. False while any job runs.
    bool StartPreview();
    // Idle, or a preview under way, to convert: a Convert clicked during a
    // preview runs after it. Resets the error count of the new job. False
    // while a convert job is under way.
    bool StartConvert();
    // Idle to undo. False while any job runs.
    bool StartUndo();
    // A convert or undo job that is requested or running to cancel. False
    // otherwise (a job already stopping or ending, or a preview).
    bool RequestCancel();
    // Ends the worker's loop: a convert under way is cancelled first.
    void StopWorkerLoop();

    // Worker transitions.
    // Takes up a cancel request: true (and cancelled) when one was pending.
    bool Cancelled();
    // A convert or undo job, completed or stopped, to its ending; the
    // song-list reader's stop request is withdrawn.
    void EndRun();
    // Back to idle after a preview (unless a Convert was clicked meanwhile,
    // which is kept) or after a convert job's ending.
    void Idle();

    // A convert or undo job is requested, running, stopping or ending: a
    // window's Convert/Cancel button means Cancel.
    bool IsCancellableJobUnderWay() const;

    // Wakes the worker at once, after m_nCommand or m_bWorkerRun changed.
    void WakeWorker();
    // The worker's pause between polls: ends when woken or after `timeout`.
    void WaitForWork(std::chrono::milliseconds timeout);

private:
    // Compare-and-swap of the word; wakes the worker when it changed it.
    bool Move(int from, int to);

    CSongListPageBase* m_pSongListPage = nullptr;
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    bool m_bWakeRequested = false;
};
