#include "passes/job_state.h"

#include "modes/song_list_page_base.h"

bool CJobState::Move(int from, int to)
{
    if (!m_nCommand.m_word.compare_exchange_strong(from, to))
        return false;
    WakeWorker();
    return true;
}

bool CJobState::StartPreview()
{
    return Move(JOB_IDLE, JOB_PREVIEW);
}

bool CJobState::StartConvert()
{
    // The count belongs to the new job before the worker can take it up.
    // The word may move from PREVIEW to IDLE under us; try again then.
    for (int from = m_nCommand.load(); from == JOB_IDLE || from == JOB_PREVIEW;
         from = m_nCommand.load()) {
        m_nErrorCount = 0;
        if (Move(from, JOB_CONVERT))
            return true;
    }
    return false;
}

bool CJobState::StartUndo()
{
    return Move(JOB_IDLE, JOB_UNDO);
}

bool CJobState::RequestCancel()
{
    return Move(JOB_CONVERT, JOB_CANCEL) || Move(JOB_UNDO, JOB_CANCEL);
}

void CJobState::StopWorkerLoop()
{
    (void)RequestCancel();
    m_bWorkerRun = 0;
    WakeWorker();
}

bool CJobState::Cancelled()
{
    return Move(JOB_CANCEL, JOB_CANCELLED);
}

void CJobState::EndRun()
{
    for (int from = m_nCommand.load();
         from == JOB_CONVERT || from == JOB_UNDO || from == JOB_CANCEL || from == JOB_CANCELLED;
         from = m_nCommand.load()) {
        if (Move(from, JOB_ENDING))
            break;
    }
    // A preview's reading is not this run's to release.
    if (m_nCommand.load() == JOB_ENDING && m_pSongListPage)
        m_pSongListPage->m_bStopReading = 0;
}

void CJobState::Idle()
{
    if (!Move(JOB_ENDING, JOB_IDLE))
        (void)Move(JOB_PREVIEW, JOB_IDLE); // a Convert clicked meanwhile stays
}

bool CJobState::IsCancellableJobUnderWay() const
{
    const int command = m_nCommand.load();
    return command == JOB_CONVERT || command == JOB_UNDO || command == JOB_CANCEL ||
           command == JOB_CANCELLED || command == JOB_ENDING;
}

void CJobState::WakeWorker()
{
    {
        std::lock_guard lock(m_wakeMutex);
        m_bWakeRequested = true;
    }
    m_wake.notify_one();
}

void CJobState::WaitForWork(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_wakeMutex);
    m_wake.wait_for(lock, timeout, [this] { return m_bWakeRequested; });
    m_bWakeRequested = false;
}
