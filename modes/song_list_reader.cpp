#include "modes/song_list_reader.h"

#include "modes/song_list_lines.h"
#include "modes/song_list_page_base.h"

#include <cerrno>
#include <unistd.h>

int DetectTextEncoding(QString path)
{
    char mark[2] = {0, 0};
    SongListReadResult ignored;
    const int fd = OpenSongListFile(path, ignored);
    if (fd < 0)
        return ENCODING_NO_MARK;
    qsizetype got = 0;
    while (got < 2) {
        const ssize_t more = ::read(fd, mark + got, size_t(2 - got));
        if (more > 0)
            got += more;
        else if (more == 0 || errno != EINTR)
            break;
    }
    ::close(fd);
    return EncodingOfMark(QByteArrayView(mark, got));
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
