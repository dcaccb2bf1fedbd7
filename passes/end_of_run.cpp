#include "passes/end_of_run.h"

#include "output/run_log.h"
#include "passes/job_run.h"

#include <QCoreApplication>

int EndOfRun(CJobRun& run)
{
    const RunSummary counts = run.Summary();
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
    summary.m_logProblems = QStringList{CloseRunLog(job.m_pInfoLog), CloseRunLog(job.m_pErrorLog)};
    summary.m_logProblems.removeAll(QString());
    return summary;
}

bool RunEndIsWarning(const RunSummary& summary)
{
    return summary.m_nFailures > 0 || !summary.m_logProblems.isEmpty();
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
    if (!summary.m_logProblems.isEmpty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("RunEnd", "The run logs of this job are incomplete.") +
                u'\n' + summary.m_logProblems.join(u'\n');
    return text;
}
