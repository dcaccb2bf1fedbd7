#pragma once

#include <QString>

class QUrl;

// The local path a URL names, with the exact bytes of its name (percent
// escapes decoded, names that are not UTF-8 kept as they are); empty when the
// URL is not a file of this computer.
QString LocalPathOfUrl(const QUrl& url);

enum class PathKind
{
    Missing,
    Folder,
    File, // anything else that stands there; opening it tells the rest
};

// What stands at an exact path, links followed.
PathKind KindOfPath(const QString& path);
