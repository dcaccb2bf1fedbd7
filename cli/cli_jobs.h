#pragma once

#include "cli/cli_request.h"

// Runs a parsed preview or convert request; returns the exit status.
int RunPreviewOrConvert(const CliRequest& request);

// The folder a request's logs are in: --log-dir, or the working folder.
QString LogFolderOf(const CliRequest& request);

// A path as given, "~/" expanded, made absolute against the working folder.
QString AbsolutePath(const QString& given);
