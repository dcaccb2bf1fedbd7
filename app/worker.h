#pragma once

class CPassHost;

// The worker thread's loop: takes up the command word's jobs one at a time
// and runs their passes, until the host's run flag is cleared. It sleeps on
// the host's wake-up, so a new command is taken up at once and a missed
// wake-up costs at most 300 ms. Returns 0.
unsigned WorkerThreadProc(CPassHost& host);
