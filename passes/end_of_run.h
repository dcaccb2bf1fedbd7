#pragma once

#include <QString>
#include <QStringList>

class CPassHost;

// Puts the window back after a convert job that handled every row: the
// button reads "Convert", the job is ending, the logs are closed, the operator
// is told, the bars go to 0. Returns 0.
int EndOfRun(CPassHost& host);

// Tells the operator how a convert run ended, after its logs are closed:
// `opening` alone in an information box when nothing failed, otherwise a
// warning that goes on with the failed copies (and where their reasons are)
// and the logs that could not be written. `quietWhenClean` shows nothing for
// a run without failures.
void ReportRunEnd(CPassHost& host, const QString& opening, int failedCopies,
                  const QStringList& logProblems, bool quietWhenClean = false);

// The text of that box.
QString RunEndText(const QString& opening, int failedCopies, const QString& errorLogPath,
                   const QStringList& logProblems);
