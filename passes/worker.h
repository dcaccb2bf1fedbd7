#pragma once

class CJobState;
class CPassHost;

// Takes up what the job state's command word asks for, once: runs a preview
// or a whole convert job, or puts back a cancel that no pass took up. False
// when the word asked for nothing. Runs on the worker thread; a test or a
// console front end may call it on any one thread that owns the host.
bool RunNextJob(CPassHost& host);

// The worker thread's loop: runs the jobs one at a time until the job
// state's run flag is cleared. `job` is host.Job(), passed alongside so an
// idle loop makes no call on a host still under construction. It sleeps on
// the state's wake-up, so a new command is taken up at once and a missed
// wake-up costs at most 300 ms. Returns 0.
unsigned WorkerThreadProc(CPassHost& host, CJobState& job);
