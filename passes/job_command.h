#pragma once

// The command word shared by the front end and the worker. It changes only
// through the transitions of CJobState.
enum JobCommand : int
{
    JOB_IDLE = 0,      // no job; the worker only waits
    JOB_PREVIEW = 1,   // a preview job is requested or running
    JOB_CONVERT = 2,   // a convert job is requested or running
    JOB_CANCEL = 3,    // the operator pressed "Cancel"
    JOB_CANCELLED = 4, // a convert pass saw the cancel and stopped
    // A convert job has stopped copying and the worker is closing its logs
    // and putting the window back: no new job may start or touch the list yet.
    JOB_ENDING = 5,
    // An undo of a convert job is requested or running; Cancel stops it
    // between two copies as it stops a convert.
    JOB_UNDO = 6,
};
