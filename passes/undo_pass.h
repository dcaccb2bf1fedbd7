#pragma once

#include "passes/job_observer.h"

class CJobRun;
struct UndoRequest;

// Takes back the copies of the convert job the request names, one by one,
// with the run bar; a cancel is taken up between two copies. Every copy is
// told as an outcome: removed (or would be, on a dry run), or left with its
// reason. Returns the summary; a record that cannot be used is a refusal.
RunSummary UndoPass(CJobRun& run, const UndoRequest& request);
