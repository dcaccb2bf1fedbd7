#pragma once

#include <atomic>

// Ctrl-C during a convert job is Cancel: the command word goes from convert
// to cancel, so the file under way finishes and nothing after it starts. A
// second Ctrl-C, or SIGTERM/SIGHUP, also sets `abandonCopy`, so the copy
// under way is given up and its partial file removed. The handlers only touch
// lock-free atomics, which is safe inside a signal handler. SIGXFSZ is
// ignored, so a file-size limit is a failed copy and not the end of tamro.
void InstallStopRequests(std::atomic<int>& command, std::atomic<bool>& abandonCopy);

// The first stop signal received, 0 while there was none.
int FirstStopSignal();
