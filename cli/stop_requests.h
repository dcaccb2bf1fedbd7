#pragma once

class CJobState;

// Ctrl-C during a convert job is Cancel: the job goes from convert to cancel,
// so the file under way finishes and nothing after it starts. A second
// Ctrl-C, or SIGTERM/SIGHUP, also asks to abandon the copy under way, whose
// partial file is then removed. The signals are taken by a thread of their
// own (a signal descriptor), so the job's transitions never run inside a signal handler.
// SIGXFSZ is ignored, so a file-size limit is a failed copy and not the end
// of tamro-cli. Before one exists, a stop signal ends tamro-cli as usual.
class CStopRequests
{
public:
    explicit CStopRequests(CJobState& job);
    ~CStopRequests();
    CStopRequests(const CStopRequests&) = delete;
    CStopRequests& operator=(const CStopRequests&) = delete;

    // The first stop signal received, 0 while there was none.
    static int FirstStopSignal();

private:
    struct Listener;
    Listener* m_pListener;
};
