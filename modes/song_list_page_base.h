#pragma once

#include "modes/song_list.h"

#include <QString>

#include <atomic>

// What the song-list reader and the passes use of the song-list mode: the
// path of the file a job reads, the table that lives for one pass, and the
// stop request. The job owns one and sets the path from its request, so a
// pass never asks a window for it.
class CSongListPageBase
{
public:
    QString GetSongListPath() const { return m_strSongListPath; }

    QString m_strSongListPath;
    SongList m_songList;
    // 1 asks a running ReadSongList to stop before its next line.
    std::atomic<int> m_bStopReading{0};
};
