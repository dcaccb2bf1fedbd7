#include "modes/song_list.h"

#include "modes/leading_number.h"

#include <algorithm>
#include <utility>

namespace {

bool FitsLowBits(qint64 value)
{
    return std::uint64_t(value) >> 32 == 0;
}

bool EntryHasValue(const SongList& list, std::uint32_t place, qint64 value)
{
    if (list.m_bValuesFitLowBits)
        return FitsLowBits(value); // the low bits matched
    qint64 entryValue = 0;
    return LeadingNumberValue(list.m_entries[place - 1].m_strNumber, entryValue) &&
           entryValue == value;
}

// The slot holding `value`, or the empty one where it would go. The low bits
// kept in each slot settle almost every comparison without reading the entry.
std::size_t SlotOfValue(const SongList& list, qint64 value)
{
    const auto low = std::uint32_t(std::uint64_t(value));
    const std::size_t mask = list.m_firstByValue.size() - 1;
    std::size_t at = qHash(low, 0) & mask;
    for (;; at = (at + 1) & mask) {
        const SongValueSlot& slot = list.m_firstByValue[at];
        if (slot.m_nPlace == 0 ||
            (slot.m_nLowBits == low && EntryHasValue(list, slot.m_nPlace, value)))
            return at;
    }
}

void GrowValueIndex(SongList& list)
{
    const std::size_t slots = std::max<std::size_t>(1024, list.m_firstByValue.size() * 2);
    const std::vector<SongValueSlot> old =
        std::exchange(list.m_firstByValue, std::vector<SongValueSlot>(slots));
    const std::size_t mask = slots - 1;
    for (const SongValueSlot& slot : old) {
        if (slot.m_nPlace == 0)
            continue;
        std::size_t at = qHash(slot.m_nLowBits, 0) & mask;
        while (list.m_firstByValue[at].m_nPlace != 0)
            at = (at + 1) & mask;
        list.m_firstByValue[at] = slot;
    }
}

// The first entry in file order with a number keeps it.
void IndexValue(SongList& list, qint64 value, std::size_t place)
{
    if ((list.m_nValues + 1) * 2 > list.m_firstByValue.size())
        GrowValueIndex(list);
    SongValueSlot& slot = list.m_firstByValue[SlotOfValue(list, value)];
    if (slot.m_nPlace == 0) {
        slot = {std::uint32_t(place + 1), std::uint32_t(std::uint64_t(value))};
        ++list.m_nValues;
        list.m_bValuesFitLowBits = list.m_bValuesFitLowBits && FitsLowBits(value);
    }
}

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
    qint64 value = 0;
    if (LeadingNumberValue(entry.m_strNumber, value)) {
        IndexValue(list, value, list.m_entries.size() - 1);
        return 0;
    }
    const SongListEntry*& first = list.m_firstByNumber[LeadingNumberKey(entry.m_strNumber)];
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
    if (LeadingNumberValue(baseName, value)) {
        if (list.m_firstByValue.empty())
            return nullptr;
        const std::uint32_t place = list.m_firstByValue[SlotOfValue(list, value)].m_nPlace;
        return place != 0 ? &list.m_entries[place - 1] : nullptr;
    }
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
    list.m_firstByValue = {};
    list.m_nValues = 0;
    list.m_bValuesFitLowBits = true;
    list.m_firstByNumber.clear();
    // Last: the views just dropped pointed into it.
    list.m_texts.Clear();
}
