#pragma once

// tamro's window draws with the raster engine only, yet Qt's Wayland client
// sets up its GL buffer sharing for every window; under software rendering
// that maps a whole shader compiler (some 50 MB resident) for nothing. This
// asks the Wayland client for shared-memory buffers, for tamro alone: the
// setting leaves the environment as soon as the platform has read it, so
// nothing tamro starts (a file manager on the output folder) inherits it. An
// operator's own choice of buffers stands.
class CWaylandSharedMemoryBuffers
{
public:
    // Before the application object: the platform reads it while starting.
    CWaylandSharedMemoryBuffers();
    // Once the application object stands: makes the platform read the
    // setting now, then takes it out of the environment.
    void Settle();

private:
    bool m_bAsked = false;
};
