#pragma once

#include "output/copy_state.h"
#include "platform/file_copy.h"

#include <QString>

// What a copy needs of the front end that runs the job: the job's copy state,
// and the two places where it shows progress and failures. Only functions:
// the state lives in its own object. Called on the worker thread; an
// implementation that touches widgets must carry the call to the window
// thread.
class CCopyHost
{
public:
    virtual ~CCopyHost() = default;

    // The failure count, the abandon request and the logs of the current job.
    virtual CCopyState& CopyState() = 0;
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
};
