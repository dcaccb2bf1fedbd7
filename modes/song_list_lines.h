#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

// Why a song-list file gave no (more) lines.
enum SongListReadStatus
{
    SONG_LIST_READ = 0,   // read to its end, or until the caller stopped
    SONG_LIST_MISSING,    // nothing stands at the path
    SONG_LIST_FOLDER,     // a folder stands there
    SONG_LIST_NOT_A_FILE, // a FIFO, device or socket stands there
    SONG_LIST_UNREADABLE, // opening or reading failed; see m_nErrno
    SONG_LIST_NOT_TEXT,   // its beginning is no text (see ExamineTextStart); nothing read
};

// The beginning that decides whether a file is text and how it is encoded
// (also the read size, so the file is read once), and the most characters
// of a line that are kept. A fuzzing build makes both small, so that short
// inputs cross reads and cut lines.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
inline constexpr qsizetype kSongListBlock = 256;
inline constexpr qsizetype kSongListLongestLine = 300;
#else
inline constexpr qsizetype kSongListBlock = qsizetype{1024} * 1024;
inline constexpr qsizetype kSongListLongestLine = qsizetype{1} << 20;
#endif

struct SongListReadResult
{
    SongListReadStatus m_nStatus = SONG_LIST_READ;
    int m_nErrno = 0;
};

// The encoding a file's first bytes announce (a SongListEncoding value).
int EncodingOfMark(QByteArrayView start);

// Opens the path for reading if it is a regular file; never blocks, and opens
// nothing else (a device is not even opened). Returns the descriptor, or -1
// with `result` saying why.
int OpenSongListFile(const QString& path, SongListReadResult& result);

// Reads the song-list file at `path` line by line, in file order, decoded by
// its byte-order mark or, without one, as UTF-16 or in the character set its
// text was written in, all as its first megabyte shows. A file that does not
// start as text delivers no line. Each line comes without its line break and
// with at most its first million characters; `onLine` returns false to stop.
// Memory stays within a few megabytes whatever the file holds. Lines read
// before a read error stay delivered.
SongListReadResult ReadSongListLines(const QString& path,
                                     const std::function<bool(const QString&)>& onLine);
