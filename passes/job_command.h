#pragma once

// The command word shared by the window and the worker.
enum JobCommand : int
{
    JOB_IDLE = 0,      // no job; the worker only waits
    JOB_PREVIEW = 1,   // a preview job is requested or running
    JOB_CONVERT = 2,   // a convert job is requested or running
    JOB_CANCEL = 3,    // the operator pressed "Cancel"
    JOB_CANCELLED = 4, // a convert pass saw the cancel and stopped
};
