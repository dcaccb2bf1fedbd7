#include "modes/song_list_check.h"

#include "modes/song_list_lines.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QString Reason(const SongListReadResult& result)
{
    switch (result.m_nStatus) {
    case SONG_LIST_MISSING:
        return u"The file does not exist."_s;
    case SONG_LIST_FOLDER:
        return u"It is a folder, not a file."_s;
    case SONG_LIST_NOT_A_FILE:
        return u"It is not a regular file."_s;
    case SONG_LIST_UNREADABLE:
        return u"It cannot be read: %1."_s.arg(qt_error_string(result.m_nErrno));
    case SONG_LIST_NOT_TEXT:
    case SONG_LIST_READ:
        break;
    }
    return u"It has no line of the form number|title|singer."_s;
}

} // namespace

QString SongListProblem(const QString& path)
{
    if (path.isEmpty())
        return u"No song list file is chosen."_s;
    bool hasRecord = false;
    const SongListReadResult result = ReadSongListLines(path, [&hasRecord](const QString& line) {
        hasRecord = line.contains(u'|');
        return !hasRecord; // one record is enough
    });
    if (hasRecord)
        return {};
    // A film or a program chosen by mistake, told from its beginning.
    if (result.m_nStatus == SONG_LIST_NOT_TEXT)
        return u"%1 is not a text file."_s.arg(path);
    return u"The song list cannot be used: %1\n%2"_s.arg(path, Reason(result));
}
