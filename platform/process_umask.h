#pragma once

#include <QByteArrayView>

#include <sys/types.h>

// The process's file-creation mask. umask() can only be read by setting it,
// and the mask is shared by every thread, so reading it that way would let a
// file created meanwhile on another thread get the wrong mode. The kernel
// shows the mask in /proc/self/status; it is read there once.
mode_t ProcessUmask();

// The mask on the "Umask:" line of a /proc/<pid>/status text, or `fallback`
// when the text has no such line.
mode_t UmaskFromStatus(QByteArrayView status, mode_t fallback);
