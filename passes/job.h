#pragma once

#include "modes/song_list_page_base.h"
#include "passes/job_live_settings.h"
#include "passes/job_observer.h"
#include "passes/job_request.h"
#include "passes/job_state.h"

#include <mutex>
#include <optional>

// The job engine as a front end owns it: handed a request to start a job, it
// runs the job on the thread that calls RunNextJob (the window's worker, or
// the console's own thread) and tells the observer what happens. Cancel and
// the run flag are the job state's transitions; the output folder and the
// listed folder may move while a job runs (Live()).
class CJob : public CJobState
{
public:
    explicit CJob(CJobObserver& observer);
    CJob(const CJob&) = delete;
    CJob& operator=(const CJob&) = delete;

    // Each starts a job from idle (a convert also while a preview runs,
    // after it) and takes its request; false, with the request dropped,
    // when the job state refuses.
    bool StartPreview(JobRequest request);
    bool StartConvert(JobRequest request);
    bool StartUndo(UndoRequest request);

    // What the operator changes while a job runs; a front end may write it at
    // any time.
    CJobLiveSettings& Live() { return m_live; }
    CSongListPageBase& SongListPage() { return m_songListPage; }

    // Takes up what the command word asks for, once: runs a preview, a whole
    // convert or undo job, or puts back a cancel that no job took up. False
    // when the word asked for nothing.
    bool RunNextJob();
    // The worker thread's loop: runs the jobs one at a time until the run
    // flag is cleared, sleeping on the wake-up between them (a missed
    // wake-up costs at most 300 ms). Returns 0.
    unsigned WorkerThreadProc();

private:
    void RunPreviewJob();
    void RunConvertJob();
    void RunUndoJob();
    void PutBackCancelledRequest();
    // After a job, before idle: the rows it read are let go of here, on the
    // job's thread, unless a job waiting to run needs them.
    void ReleaseListing();
    template <typename Request> std::optional<Request> Take(std::optional<Request>& slot);

    CJobObserver& m_observer;
    CJobLiveSettings m_live;
    CSongListPageBase m_songListPage;
    std::mutex m_requestMutex; // the requests waiting for the worker
    std::optional<JobRequest> m_previewRequest;
    std::optional<JobRequest> m_convertRequest;
    std::optional<UndoRequest> m_undoRequest;
};
