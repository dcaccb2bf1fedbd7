#pragma once

#include "output/run_log.h"
#include "output/run_record_writer.h"
#include "platform/copy_session.h"

#include <atomic>
#include <memory>

// What the copies of one convert job share with whoever started it: the
// failure count, the request to give up the copy under way, the logs and the
// run's record. The job state of the passes extends it; copy tests use it
// alone.
class CCopyState
{
public:
    std::atomic<int> m_nErrorCount{0}; // failed copies of the current job
    // Set when tamro is told to quit (a stop signal): the copy under way is
    // given up and its partial file removed, rather than finished.
    std::atomic<bool> m_bAbandonCopy{false};
    // Set when the operator cancels the job: the copy under way is given up
    // within a chunk (a big file on a slow stick would hold the Cancel up
    // for minutes) and the flush at the end stops waiting.
    std::atomic<bool> m_bCancelCopy{false};
    std::unique_ptr<LogFile> m_pInfoLog;  // InfoLog.txt of the current job
    std::unique_ptr<LogFile> m_pErrorLog; // ErrorLog.txt of the current job
    // What the job's copies share below their names; flushed to the medium
    // once after the last copy (CCopySession::FlushToMedium).
    CCopySession m_copySession;
    // The record of the current job's copies, the only thing undo trusts;
    // null before the first job. Each job starts a new one.
    std::unique_ptr<CRunRecordWriter> m_pRunRecord;
};
