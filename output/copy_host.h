#pragma once

#include "output/copy_state.h"

// What a copy needs of the job it belongs to: the job's copy state (the
// abandon request and the logs) and where the per-file progress goes. Only
// functions: the engine's running job implements it, copy tests use a fake.
// Called on the thread that copies.
class CCopyHost
{
public:
    virtual ~CCopyHost() = default;

    virtual CCopyState& CopyState() = 0;
    // The per-file bar (0..100).
    virtual void SetFileProgress(int percent) = 0;
};
