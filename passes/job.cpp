#include "passes/job.h"

#include "output/run_log.h"
#include "passes/convert_pass.h"
#include "passes/end_of_run.h"
#include "passes/job_run.h"
#include "passes/preview_pass.h"
#include "passes/undo_pass.h"

#include <chrono>

namespace {

constexpr std::chrono::milliseconds kPollInterval(300);

} // namespace

CJob::CJob(CJobObserver& observer) : m_observer(observer)
{
    SetSongListPage(&m_songListPage);
}

bool CJob::StartPreview(JobRequest request)
{
    // The request is in place before the worker can see the new word.
    std::lock_guard lock(m_requestMutex);
    if (!CJobState::StartPreview())
        return false;
    m_live.Reset(request.m_listing, request.m_strOutputFolder);
    m_previewRequest = std::move(request);
    return true;
}

bool CJob::StartConvert(JobRequest request)
{
    std::lock_guard lock(m_requestMutex);
    if (!CJobState::StartConvert())
        return false;
    m_live.Reset(request.m_listing, request.m_strOutputFolder);
    m_convertRequest = std::move(request);
    return true;
}

bool CJob::StartUndo(UndoRequest request)
{
    std::lock_guard lock(m_requestMutex);
    if (!CJobState::StartUndo())
        return false;
    m_undoRequest = std::move(request);
    return true;
}

template <typename Request> std::optional<Request> CJob::Take(std::optional<Request>& slot)
{
    std::lock_guard lock(m_requestMutex);
    return std::exchange(slot, std::nullopt);
}

void CJob::RunPreviewJob()
{
    const std::optional<JobRequest> request = Take(m_previewRequest);
    if (request) {
        m_songListPage.m_strSongListPath = request->m_strSongListPath;
        CJobRun run(JobKind::Preview, *request, *this, m_live, m_observer, m_songListPage);
        m_observer.RunStarted(RunStart{JobKind::Preview, run.Listing().Count()});
        switch (request->m_mode) {
        case NamingMode::SongList:
            PreviewSongListPass(run);
            break;
        case NamingMode::Pattern:
            PreviewPatternPass(run);
            break;
        case NamingMode::Tags:
            PreviewTagsPass(run);
            break;
        }
        m_observer.RunEnded(run.Summary());
    }
    ReleaseListing();
    Idle();
}

void CJob::RunConvertJob()
{
    const std::optional<JobRequest> request = Take(m_convertRequest);
    if (!request) {
        PutBackCancelledRequest();
        return;
    }
    m_songListPage.m_strSongListPath = request->m_strSongListPath;
    CJobRun run(JobKind::Convert, *request, *this, m_live, m_observer, m_songListPage);
    m_observer.RunStarted(RunStart{JobKind::Convert, run.Listing().Count()});
    // A Cancel clicked before the front end took the start in: the job never
    // starts, and nothing is opened.
    if (m_nCommand.load() != JOB_CONVERT) {
        EndRun();
        RunSummary notStarted = run.Summary();
        notStarted.m_bStarted = false;
        notStarted.m_bCancelled = true;
        m_observer.RunEnded(notStarted);
        ReleaseListing();
        Idle();
        return;
    }
    if (const QString held = OpenRunLogsForJob(*this, request->m_strLogFolder); !held.isEmpty()) {
        // Another tamro is writing these logs: this job does not start.
        EndRun();
        RunSummary refused = run.Summary();
        refused.m_bStarted = false;
        refused.m_strRefusal = held;
        m_observer.RunEnded(refused);
        ReleaseListing();
        Idle();
        return;
    }
    switch (request->m_mode) {
    case NamingMode::SongList:
        ConvertSongListPass(run);
        break;
    case NamingMode::Pattern:
        ConvertPatternPass(run);
        break;
    case NamingMode::Tags:
        ConvertTagsPass(run);
        break;
    }
    // A run that handled every row has ended in EndOfRun; a cancelled one
    // ends here. Idle only after the observer has heard it: a window refreshes
    // its list then, and a preview started earlier would lose its column.
    if (m_nCommand.load() != JOB_ENDING) {
        RunSummary summary = CloseRunLogs(*this, run.Summary());
        EndRun();
        summary.m_bCancelled = true;
        m_observer.RunEnded(summary);
    }
    ReleaseListing();
    Idle();
}

void CJob::RunUndoJob()
{
    const std::optional<UndoRequest> request = Take(m_undoRequest);
    if (!request) {
        PutBackCancelledRequest();
        return;
    }
    const JobRequest noInputs;
    CJobRun run(JobKind::Undo, noInputs, *this, m_live, m_observer, m_songListPage);
    RunSummary summary = UndoPass(run, *request);
    EndRun();
    m_observer.RunEnded(summary);
    ReleaseListing();
    Idle();
}

void CJob::ReleaseListing()
{
    JobListing released;
    {
        std::lock_guard lock(m_requestMutex);
        if (!m_previewRequest && !m_convertRequest && !m_undoRequest)
            released = m_live.Release();
    }
    // `released` goes here, outside the lock a front end may be waiting for.
}

void CJob::PutBackCancelledRequest()
{
    RunSummary summary;
    {
        std::lock_guard lock(m_requestMutex);
        summary.m_kind = m_undoRequest ? JobKind::Undo : JobKind::Convert;
        m_convertRequest.reset();
        m_undoRequest.reset();
    }
    summary.m_bStarted = false;
    summary.m_bCancelled = true;
    EndRun();
    m_observer.RunEnded(summary);
    ReleaseListing();
    Idle();
}

bool CJob::RunNextJob()
{
    switch (m_nCommand.load()) {
    case JOB_PREVIEW:
        RunPreviewJob();
        return true;
    case JOB_CONVERT:
        RunConvertJob();
        return true;
    case JOB_UNDO:
        RunUndoJob();
        return true;
    case JOB_CANCEL:
    case JOB_CANCELLED:
        // A cancel that no job has taken up: the job never starts.
        PutBackCancelledRequest();
        return true;
    default:
        return false;
    }
}

unsigned CJob::WorkerThreadProc()
{
    while (m_bWorkerRun.load() != 0) {
        if (m_nCommand.load() == JOB_IDLE || !RunNextJob())
            WaitForWork(kPollInterval);
    }
    return 0;
}
