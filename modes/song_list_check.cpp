#include "modes/song_list_check.h"

#include "modes/song_list_lines.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QString Reason(const SongListReadResult& result)
{
    switch (result.m_nStatus) {
    case SONG_LIST_MISSING:
        return QCoreApplication::translate("SongListCheck", "The file does not exist.");
    case SONG_LIST_FOLDER:
        return QCoreApplication::translate("SongListCheck", "It is a folder, not a file.");
    case SONG_LIST_NOT_A_FILE:
        return QCoreApplication::translate("SongListCheck", "It is not a regular file.");
    case SONG_LIST_UNREADABLE:
        return QCoreApplication::translate("SongListCheck", "It cannot be read: %1.")
            .arg(qt_error_string(result.m_nErrno));
    case SONG_LIST_READ:
        break;
    }
    return QCoreApplication::translate("SongListCheck",
                                       "It has no line of the form number|title|singer.");
}

} // namespace

QString SongListProblem(const QString& path)
{
    if (path.isEmpty())
        return QCoreApplication::translate("SongListCheck", "No song list file is chosen.");
    bool hasRecord = false;
    const SongListReadResult result = ReadSongListLines(path, [&hasRecord](const QString& line) {
        hasRecord = line.contains(u'|');
        return !hasRecord; // one record is enough
    });
    if (hasRecord)
        return {};
    return QCoreApplication::translate("SongListCheck", "The song list cannot be used: %1\n%2")
        .arg(path, Reason(result));
}
