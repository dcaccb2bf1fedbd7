#pragma once

class CPassHost;

// Puts the window back after a convert job that handled every row: the
// button reads "Convert", the job is idle, the operator is told, the bars go
// to 0. Returns 0.
int EndOfRun(CPassHost& host);
