#pragma once

#include "passes/job_observer.h"

#include <QString>

class CJobRun;
class CJobState;

// Ends a convert run that handled every row: the job is ending, the logs are
// closed, the observer hears how it went. Returns 0.
int EndOfRun(CJobRun& run);

// Closes the job's logs and adds to `summary` where ErrorLog.txt is and what
// went wrong with either log.
RunSummary CloseRunLogs(CJobState& job, RunSummary summary);

// What the operator is told at the end of a convert run: "Completed." (or
// "Cancelled.") alone when nothing failed, otherwise going on with the failed
// copies, where their reasons are, and the logs that could not be written.
QString RunEndText(const RunSummary& summary);
// Whether a run's end is worth a word: a completed run always is, a
// cancelled one only when something went wrong (the operator asked for the
// stop).
bool RunEndIsNews(const RunSummary& summary);
// Whether that word is a warning rather than plain information.
bool RunEndIsWarning(const RunSummary& summary);
