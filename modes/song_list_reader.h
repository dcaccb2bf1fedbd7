#pragma once

#include <QString>

class CSongListPageBase;

// What the first bytes of a song-list file say about its encoding.
enum SongListEncoding
{
    ENCODING_NO_MARK = 0, // the locale's character set
    ENCODING_UTF16LE = 1, // FF FE
    ENCODING_UTF16BE = 2, // FE FF
    ENCODING_UTF8 = 3,    // EF BB (the third byte is not examined)
};

// Looks at the first two bytes of the file; a missing or shorter file counts
// as having zeros there.
int DetectTextEncoding(QString path);

// Appends the records of the page's song-list file to its table, line by line
// in file order, until the end of the file or a stop request. A file that
// cannot be opened or read yields no (further) entries. Returns 0.
int ReadSongList(CSongListPageBase& page);

// Looks up the leading number of `baseName`. Returns 0 with the new name of
// the first matching entry in `result`, or -1 with `result` untouched.
int LookupSongName(const CSongListPageBase& page, QString baseName, QString& result);

// Empties the page's song table.
void ClearSongList(CSongListPageBase& page);
