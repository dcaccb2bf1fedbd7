#pragma once

#include "cli/cli_request.h"

// Runs an undo request: removes (or, dry, lists) the last run's copies that
// are still as they were written; returns the exit status.
int RunUndo(const CliRequest& request);
