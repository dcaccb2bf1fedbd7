#pragma once

#include "platform/utf16_text_writer.h"

#include <QString>

#include <memory>

class CCopyState;

// One open run log of a convert job.
struct LogFile
{
    QString m_strPath;                        // full path, as the operator is told it
    int m_errOpen = 0;                        // errno of the open, 0 when the file was opened
    std::unique_ptr<Utf16TextWriter> m_pFile; // null when the open failed
};

inline constexpr char16_t kInfoLogName[] = u"InfoLog.txt";
inline constexpr char16_t kErrorLogName[] = u"ErrorLog.txt";

// Empties InfoLog.txt and ErrorLog.txt in `folder` (creating them when
// needed) and hands them to the job's copy state. A log that cannot be used --
// not a plain file of its own, or held by another running tamro -- is still
// handed over, as a record of its failure; the job goes on without it. The
// job also gets a new run record (CCopyState::m_pRunRecord) for its copies.
void OpenRunLogs(CCopyState& job, const QString& folder);

// Opens the logs for a convert job as OpenRunLogs does, unless another running
// tamro is writing into the same logs: then nothing is opened or truncated
// and the result is a sentence for the operator. Empty when the job may run.
// The logs stay locked against other jobs until CloseRunLog.
[[nodiscard]] QString OpenRunLogsForJob(CCopyState& job, const QString& folder);

// Appends one line; the CR LF is added here. Line breaks, other control
// characters and lone surrogates are written as U+FFFD, so every line stays
// one line of valid UTF-16. A log that failed to open, or whose writing
// failed, takes no more lines.
void WriteLogLine(LogFile* log, const QString& line);

// Closes and frees the log. Returns what went wrong with it during the job,
// as a sentence for the operator, or an empty string when nothing did.
[[nodiscard]] QString CloseRunLog(std::unique_ptr<LogFile>& log);
