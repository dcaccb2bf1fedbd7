#include "modes/song_list.h"

#include "modes/leading_number.h"

namespace {

// Links an entry whose texts are already in the table's arena.
int AppendKeptEntry(SongList& list, QStringView keptNumber, QStringView keptNewName)
{
    SongListEntry& entry = list.m_entries.emplace_back();
    entry.m_strNumber = keptNumber;
    entry.m_strNewName = keptNewName;
    if (!list.m_pHead && !list.m_pTail)
        list.m_pHead = &entry;
    else
        list.m_pTail->m_pNext = &entry;
    list.m_pTail = &entry;
    ++list.m_nCount;
    // The first entry in file order with a number keeps it.
    qint64 value = 0;
    const SongListEntry*& first = LeadingNumberValue(entry.m_strNumber, value)
                                      ? list.m_firstByValue[value]
                                      : list.m_firstByNumber[LeadingNumberKey(entry.m_strNumber)];
    if (!first)
        first = &entry;
    return 0;
}

} // namespace

int AddSongListEntry(SongList& list, QStringView number, QStringView newName)
{
    return AppendKeptEntry(list, list.m_texts.Keep(number), list.m_texts.Keep(newName));
}

int ParseSongListLine(SongList& list, QString line)
{
    const qsizetype firstBar = line.indexOf(u'|');
    if (firstBar < 0)
        return -1;
    const qsizetype secondBar = line.indexOf(u'|', firstBar + 1);
    const QStringView text(line);
    QStringView firstPart;
    QStringView secondPart;
    if (secondBar < 0) {
        firstPart = text.sliced(firstBar + 1);
    } else {
        firstPart = text.sliced(firstBar + 1, secondBar - firstBar - 1);
        const qsizetype thirdBar = line.indexOf(u'|', secondBar + 1);
        secondPart = thirdBar < 0 ? text.sliced(secondBar + 1)
                                  : text.sliced(secondBar + 1, thirdBar - secondBar - 1);
    }
    firstPart = firstPart.trimmed();
    secondPart = secondPart.trimmed();
    // Joined straight into the arena: no string per line on the way.
    return AppendKeptEntry(list, list.m_texts.Keep(text.first(firstBar)),
                           list.m_texts.KeepJoined({firstPart, u"-", secondPart}));
}

const SongListEntry* FindSongListEntry(const SongList& list, QStringView baseName)
{
    qint64 value = 0;
    if (LeadingNumberValue(baseName, value))
        return list.m_firstByValue.value(value, nullptr);
    return list.m_firstByNumber.value(LeadingNumberKey(baseName), nullptr);
}

void ClearSongList(SongList& list)
{
    while (list.m_pHead) {
        list.m_pHead = list.m_pHead->m_pNext;
        list.m_entries.pop_front();
        --list.m_nCount;
    }
    list.m_pTail = nullptr;
    list.m_firstByValue.clear();
    list.m_firstByNumber.clear();
    // Last: the views just dropped pointed into it.
    list.m_texts.Clear();
}
