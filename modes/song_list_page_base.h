#pragma once

#include "modes/song_list.h"

#include <QString>

#include <atomic>

// The part of the song-list page that the song-list reader and the passes
// use: the table that lives for one pass, the stop request, and the path the
// operator typed. The page widget derives from it; tests use a plain double.
class CSongListPageBase
{
public:
    virtual ~CSongListPageBase() = default;

    // The song-list path as the operator entered it. Called from the worker
    // thread; a widget-backed page must read its edit on the window thread.
    virtual QString GetSongListPath() const = 0;

    SongList m_songList;
    // 1 asks a running ReadSongList to stop before its next line.
    std::atomic<int> m_bStopReading{0};
};
