#pragma once

#include "output/run_log.h"
#include "platform/file_copy.h"

#include <QString>

#include <atomic>
#include <memory>

// What a copy needs of the window that runs the job: the job's logs and error
// count, and the two places where it shows progress and failures. The main
// dialog implements it; tests use a double. Called on the worker thread; an
// implementation that touches widgets must carry the call to the window thread.
class CCopyHost
{
public:
    virtual ~CCopyHost() = default;

    // Sets the per-file progress bar (0..100).
    virtual void SetFileProgress(int percent) = 0;
    // Shows the error count label text ("Error : N").
    virtual void SetErrorText(const QString& text) = 0;
    // Around each copy, for a front end that reports file by file: before it
    // starts, and once it has ended (logged and counted) with the destination
    // it got. The window shows only bars, so they do nothing by default.
    virtual void CopyStarting(const QString& source) { Q_UNUSED(source); }
    virtual void CopyEnded(const QString& source, const QString& destination,
                           const CopyResult& result)
    {
        Q_UNUSED(source);
        Q_UNUSED(destination);
        Q_UNUSED(result);
    }

    std::atomic<int> m_nErrorCount{0}; // failed copies of the current job
    // Set when tamro is told to quit (a stop signal): the copy under way is
    // given up and its partial file removed, rather than finished.
    std::atomic<bool> m_bAbandonCopy{false};
    std::unique_ptr<LogFile> m_pInfoLog;  // InfoLog.txt of the current job
    std::unique_ptr<LogFile> m_pErrorLog; // ErrorLog.txt of the current job
};
