#include "app/worker.h"

#include "modes/song_list_page_base.h"
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
    // A Convert click during the preview has replaced the word; keep it.
    int running = JOB_PREVIEW;
    host.m_nCommand.compare_exchange_strong(running, JOB_IDLE);
}

// Puts the button and the command word back after a job that did not run
// to its end. Any value other than the job's own is a new click, which is kept.
void PutBackConvert(CPassHost& host, int command)
{
    host.SetConvertCaption(u"Convert"_qs);
    host.SongListPage().m_bStopReading = 0;
    host.m_nCommand.compare_exchange_strong(command, JOB_IDLE);
}

void RunConvertJob(CPassHost& host, int tab)
{
    const QString logsHeld = OpenRunLogsForJob(host);
    if (!logsHeld.isEmpty()) {
        // Another tamro is writing these logs: this job does not start.
        const int command = host.m_nCommand.load();
        if (command == JOB_CONVERT || command == JOB_CANCEL)
            PutBackConvert(host, command);
        host.ShowMessage(logsHeld);
        return;
    }
    const bool ranPass = tab == 0 || tab == 1;
    if (tab == 0)
        ConvertSongListPass(host);
    else if (tab == 1)
        ConvertPatternPass(host);
    // A completed run has closed its logs and told the operator in EndOfRun.
    const int failedCopies = host.m_nErrorCount.load();
    QStringList logProblems{CloseRunLog(host.m_pInfoLog), CloseRunLog(host.m_pErrorLog)};
    logProblems.removeAll(QString());

    // A completed run has gone back to JOB_IDLE in EndOfRun; a cancelled one
    // (or one without a mode to run) is put back here.
    const int command = host.m_nCommand.load();
    if (command == JOB_CANCEL || command == JOB_CANCELLED || (!ranPass && command == JOB_CONVERT)) {
        PutBackConvert(host, command);
        // The operator asked for the stop; only what went wrong is news.
        ReportRunEnd(host, u"Cancelled."_qs, failedCopies, logProblems, true);
    }
    host.RequestRefreshList();
}

} // namespace

unsigned WorkerThreadProc(CPassHost& host)
{
    while (host.m_bWorkerRun.load() != 0) {
        const int command = host.m_nCommand.load();
        if (command == JOB_PREVIEW) {
            RunPreviewJob(host, host.SelectedTab());
            continue;
        }
        if (command == JOB_CONVERT) {
            const int tab = host.SelectedTab(); // read once: the job keeps its mode
            // A Cancel clicked while the tab was read means the job never started.
            if (host.m_nCommand.load() == JOB_CONVERT)
                RunConvertJob(host, tab);
            continue;
        }
        // A cancel that no pass has taken up: the job never starts.
        if (command == JOB_CANCEL || command == JOB_CANCELLED)
            PutBackConvert(host, command);
        host.WaitForWork(kPollInterval);
    }
    return 0;
}
