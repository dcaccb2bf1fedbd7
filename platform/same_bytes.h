#pragma once

#include <QByteArray>

// True when `copy` is a regular file, not reached through a link, that holds
// exactly the bytes of the regular file `source`: a run that is started again
// may leave it as it is. Anything else (nothing there, a link, a folder, a
// FIFO, a file that cannot be read, other bytes) is false. Neither file is
// changed; both are read only as far as they agree.
bool HoldsSameBytes(const QByteArray& source, const QByteArray& copy);
