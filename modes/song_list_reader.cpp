#include "modes/song_list_reader.h"

#include "modes/song_list_lines.h"
#include "modes/song_list_page_base.h"
#include "platform/fd_read.h"

#include <cerrno>
#include <unistd.h>

int DetectTextEncoding(QString path)
{
    char mark[2] = {0, 0};
    SongListReadResult ignored;
    const int fd = OpenSongListFile(path, ignored);
    if (fd < 0)
        return ENCODING_NO_MARK;
    const ssize_t got = ReadFull(fd, mark, sizeof mark);
    ::close(fd);
    return EncodingOfMark(QByteArrayView(mark, qMax<ssize_t>(got, 0)));
}

int ReadSongList(CSongListPageBase& page)
{
    // A file that cannot be read yields no (further) entries; the check before
    // the pass tells the operator why.
    (void)ReadSongListLines(page.GetSongListPath(), [&page](const QString& line) {
        if (page.m_bStopReading.load() == 1)
            return false;
        ParseSongListLine(page.m_songList, line);
        return true;
    });
    return 0;
}

int LookupSongName(const CSongListPageBase& page, QString baseName, QString& result)
{
    const SongListEntry* entry = FindSongListEntry(page.m_songList, baseName);
    if (!entry)
        return -1;
    result = entry->m_strNewName.toString();
    return 0;
}

void ClearSongList(CSongListPageBase& page)
{
    ClearSongList(page.m_songList);
}
