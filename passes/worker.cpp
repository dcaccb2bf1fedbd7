#include "passes/worker.h"

#include "output/run_log.h"
#include "passes/convert_pass.h"
#include "passes/end_of_run.h"
#include "passes/pass_host.h"
#include "passes/preview_pass.h"

#include <QStringList>

#include <chrono>

namespace {

constexpr std::chrono::milliseconds kPollInterval(300);

void RunPreviewJob(CPassHost& host, int tab)
{
    if (tab == 0)
        PreviewSongListPass(host);
    else if (tab == 1)
        PreviewPatternPass(host);
    host.Job().Idle();
}

// The button and the job after a convert job that did not run to its end.
void PutBackConvert(CPassHost& host)
{
    host.SetConvertCaption(QStringLiteral("Convert"));
    host.Job().EndRun();
}

void RunConvertJob(CPassHost& host)
{
    CJobState& job = host.Job();
    const int tab = host.SelectedTab(); // read once: the job keeps its mode
    // A Cancel clicked while the tab was read: the next step puts it back.
    if (job.m_nCommand.load() != JOB_CONVERT)
        return;
    const QString logsHeld = OpenRunLogsForJob(job);
    if (!logsHeld.isEmpty()) {
        // Another tamro is writing these logs: this job does not start.
        PutBackConvert(host);
        job.Idle();
        host.ShowJobRefused(logsHeld);
        return;
    }
    if (tab == 0)
        ConvertSongListPass(host);
    else if (tab == 1)
        ConvertPatternPass(host);
    // A completed run has closed its logs and told the operator in EndOfRun.
    const int failedCopies = job.m_nErrorCount.load();
    QStringList logProblems{CloseRunLog(job.m_pInfoLog), CloseRunLog(job.m_pErrorLog)};
    logProblems.removeAll(QString());

    // A completed run is ending since EndOfRun; a cancelled one (or one
    // without a mode to run) is put back here.
    if (job.m_nCommand.load() != JOB_ENDING) {
        PutBackConvert(host);
        // The operator asked for the stop; only what went wrong is news.
        ReportRunEnd(host, QStringLiteral("Cancelled."), failedCopies, logProblems, true);
    }
    // Idle only once the list is refreshed: a preview started earlier would
    // lose its column to this refresh.
    host.RequestRefreshList();
    job.Idle();
}

} // namespace

bool RunNextJob(CPassHost& host)
{
    CJobState& job = host.Job();
    switch (job.m_nCommand.load()) {
    case JOB_PREVIEW:
        RunPreviewJob(host, host.SelectedTab());
        return true;
    case JOB_CONVERT:
        RunConvertJob(host);
        return true;
    case JOB_CANCEL:
    case JOB_CANCELLED:
        // A cancel that no pass has taken up: the job never starts.
        PutBackConvert(host);
        job.Idle();
        return true;
    default:
        return false;
    }
}

unsigned WorkerThreadProc(CPassHost& host, CJobState& job)
{
    // The host is not asked for anything until there is a job: the thread
    // may start while the window that is the host is still being built.
    while (job.m_bWorkerRun.load() != 0) {
        if (job.m_nCommand.load() == JOB_IDLE || !RunNextJob(host))
            job.WaitForWork(kPollInterval);
    }
    return 0;
}
