#pragma once

#include "platform/text_arena.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <deque>
#include <vector>

// One line of the song-list file: "12|Title|Singer" holds the number text
// "12" and the new name "Title-Singer". The texts live in the table's arena.
struct SongListEntry
{
    QStringView m_strNumber;          // field 1, raw
    QStringView m_strNewName;         // field 2 + "-" + field 3
    SongListEntry* m_pNext = nullptr; // next entry in file order
};

// A slot of the song table's index on number values: 1 + the entry's place
// in the table (0: empty) and the value's low 32 bits. Places hold because
// only ClearSongList takes entries away, and it empties the index too.
struct SongValueSlot
{
    std::uint32_t m_nPlace = 0;
    std::uint32_t m_nLowBits = 0;
};

// The song table, in file order, with an index on the leading number so a
// lookup costs O(1) however long the list is. Entries live in a deque, so
// their addresses stay put while entries are added at the tail and removed at
// the head; their texts sit in one arena, so a million of them cost their
// characters rather than two strings each. Entries point at each other and
// into the arena, so a table is neither copied nor moved.
struct SongList
{
    SongList() = default;
    SongList(const SongList&) = delete;
    SongList& operator=(const SongList&) = delete;
    SongList(SongList&&) = delete;
    SongList& operator=(SongList&&) = delete;

    int m_nCount = 0;
    SongListEntry* m_pHead = nullptr;
    SongListEntry* m_pTail = nullptr;

    CTextArena m_texts; // the characters of every entry's texts
    std::deque<SongListEntry> m_entries;
    // Leading number -> the first entry in file order with that number. A
    // number that fits in 64 bits is indexed by its value in an
    // open-addressed table, at most half full, of 8-byte slots: a fraction
    // of a hash's nodes at a million lines. Longer numbers by their text key.
    std::vector<SongValueSlot> m_firstByValue;
    std::size_t m_nValues = 0;
    // Every value indexed is in [0, 2^32), so its low bits are all of it and
    // a match needs no look at the entry (as in lists numbered 1, 2, 3...).
    bool m_bValuesFitLowBits = true;
    QHash<QString, const SongListEntry*> m_firstByNumber;
};

// Appends an entry holding copies of both texts at the tail. Returns 0.
int AddSongListEntry(SongList& list, QStringView number, QStringView newName);

// Parses "number|first|second[|ignored]" and appends its entry. Returns 0, or
// -1 without appending when the line has no "|".
int ParseSongListLine(SongList& list, QString line);

// The new name of the first entry whose number equals the leading number of
// `baseName`, or null.
const SongListEntry* FindSongListEntry(const SongList& list, QStringView baseName);

// Empties the table, head first, and frees its texts.
void ClearSongList(SongList& list);
