#pragma once

#include "platform/file_copy.h"

// Whether a failed copy says that the output medium itself has gone away or
// stopped taking writes: a stick pulled out (EIO, ENODEV, ENXIO), a
// user-space file system whose daemon died (ENOTCONN, ECONNABORTED), a file
// system remounted read-only after an error (EROFS) or found corrupt
// (EUCLEAN), a share or device that no longer answers. Then every later copy
// would fail the same way, slowly: the run should end at once and report
// the files it did not reach. Failures of the source side never count.
bool MediumGone(const CopyResult& result);

// The errno part of MediumGone, for a failure known to be the destination's.
bool IsMediumGoneError(int error);
