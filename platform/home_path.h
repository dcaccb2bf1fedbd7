#pragma once

#include <QString>

// A path as the operator means it: a leading "~/" (or "~" alone) stands for
// the home folder, as in a shell. Any other path is returned unchanged.
QString ExpandHomePath(const QString& path);
