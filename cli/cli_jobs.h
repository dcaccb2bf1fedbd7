#pragma once

#include "cli/cli_request.h"

// Runs a parsed preview or convert request; returns the exit status.
int RunPreviewOrConvert(const CliRequest& request);
