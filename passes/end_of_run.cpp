#include "passes/end_of_run.h"

#include "output/run_log.h"
#include "passes/job_run.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

void FlushRunToMedium(CJobRun& run, RunSummary& summary)
{
    CJobState& job = run.State();
    if (job.m_copySession.HasWritten())
        run.Observer().RunFlushing();
    // A medium that went away takes no more: only let go of it.
    const std::atomic<bool> letGo{true};
    const int error =
        job.m_copySession.FlushToMedium(run.MediumGone() ? &letGo : &job.m_bCancelCopy);
    if (run.MediumGone())
        return;
    // "Completed." only for data on the medium: a Cancel during the wait,
    // or during the last file, ends the run as cancelled.
    if (job.m_bCancelCopy.load()) {
        summary.m_bCancelled = true;
        return;
    }
    if (error != 0 && error != ECANCELED)
        summary.m_strFlushProblem = QString::fromLocal8Bit(std::strerror(error));
}

int EndOfRun(CJobRun& run)
{
    RunSummary counts = run.Summary();
    FlushRunToMedium(run, counts);
    // Still no new job: the observer may refresh what it shows first.
    run.State().EndRun();
    // Closed before the operator is told, so the logs pointed to are complete.
    run.Observer().RunEnded(CloseRunLogs(run.State(), counts));
    return 0;
}

RunSummary CloseRunLogs(CJobState& job, RunSummary summary)
{
    if (job.m_pErrorLog)
        summary.m_strErrorLogPath = job.m_pErrorLog->m_strPath;
    // The run record is finished with the logs: what undo may take back of
    // this job is written down before anyone is told it ended.
    const QString recordProblem = job.m_pRunRecord ? job.m_pRunRecord->End() : QString();
    summary.m_logProblems =
        QStringList{CloseRunLog(job.m_pInfoLog), CloseRunLog(job.m_pErrorLog), recordProblem};
    summary.m_logProblems.removeAll(QString());
    return summary;
}

bool RunEndIsWarning(const RunSummary& summary)
{
    return summary.m_nFailures > 0 || !summary.m_logProblems.isEmpty() ||
           !summary.m_strFlushProblem.isEmpty();
}

bool RunEndIsNews(const RunSummary& summary)
{
    return summary.m_bStarted && (!summary.m_bCancelled || RunEndIsWarning(summary));
}

QString RunEndText(const RunSummary& summary)
{
    QString text = summary.m_bCancelled ? QCoreApplication::translate("RunEnd", "Cancelled.")
                                        : QCoreApplication::translate("RunEnd", "Completed.");
    if (summary.m_nFailures > 0) {
        // One has a text of its own, so English reads right with no
        // translation loaded; %n serves every other count in any language.
        text +=
            QStringLiteral("\n\n") +
            (summary.m_nFailures == 1 ? QCoreApplication::translate("RunEnd", "1 copy failed.")
                                      : QCoreApplication::translate("RunEnd", "%n copies failed.",
                                                                    nullptr, summary.m_nFailures)) +
            u' ' +
            QCoreApplication::translate("RunEnd", "The reasons are in %1")
                .arg(summary.m_strErrorLogPath);
    }
    if (!summary.m_strFlushProblem.isEmpty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate(
                    "RunEnd", "The copies may not all be on the medium yet: %1. Keep it "
                              "plugged in and check the copies before relying on them.")
                    .arg(summary.m_strFlushProblem);
    if (!summary.m_logProblems.isEmpty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("RunEnd", "The run logs of this job are incomplete.") +
                u'\n' + summary.m_logProblems.join(u'\n');
    return text;
}
