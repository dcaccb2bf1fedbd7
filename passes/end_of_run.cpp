#include "passes/end_of_run.h"

#include "output/run_log.h"
#include "passes/pass_host.h"

#include <QDir>

int EndOfRun(CPassHost& host)
{
    CJobState& job = host.Job();
    const int failedCopies = job.m_nErrorCount.load();
    host.SetConvertCaption(QStringLiteral("Convert"));
    // Still no new job: the worker refreshes the list before it goes idle.
    job.EndRun();
    // Closed before the box, so the logs it points to are complete.
    QStringList logProblems{CloseRunLog(job.m_pInfoLog), CloseRunLog(job.m_pErrorLog)};
    logProblems.removeAll(QString());
    // The bars stay full while the box is up, so the operator sees the run
    // complete behind it.
    ReportRunEnd(host, QStringLiteral("Completed."), failedCopies, logProblems);
    host.SetTotalProgress(0);
    host.SetFileProgress(0);
    return 0;
}

void ReportRunEnd(CPassHost& host, const QString& opening, int failedCopies,
                  const QStringList& logProblems, bool quietWhenClean)
{
    if (failedCopies == 0 && logProblems.isEmpty()) {
        if (!quietWhenClean)
            host.ShowMessage(opening);
        return;
    }
    // The logs are written into the current folder, which tamro never changes.
    const QString errorLog = QDir::currentPath() + u'/' + QString::fromUtf16(kErrorLogName);
    host.ShowWarning(RunEndText(opening, failedCopies, errorLog, logProblems));
}

QString RunEndText(const QString& opening, int failedCopies, const QString& errorLogPath,
                   const QStringList& logProblems)
{
    QString text = opening;
    if (failedCopies > 0) {
        text += failedCopies == 1 ? QStringLiteral("\n\n1 copy failed.")
                                  : QStringLiteral("\n\n%1 copies failed.").arg(failedCopies);
        text += QStringLiteral(" The reasons are in %1").arg(errorLogPath);
    }
    if (!logProblems.isEmpty())
        text += QStringLiteral("\n\nThe run logs of this job are incomplete.\n") +
                logProblems.join(u'\n');
    return text;
}
