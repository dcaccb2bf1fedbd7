// Song-list bytes behind every mark (or none), through the text check and
// the detection of the encoding to the table and its lookup.
#include "fuzz/fuzz_support.h"
#include "modes/leading_number.h"
#include "modes/song_list.h"
#include "modes/song_list_check.h"
#include "modes/song_list_lines.h"
#include "modes/text_start.h"

#include <QStringList>

namespace {

// What the index must answer: the first entry in file order whose number
// reads as the same number.
const SongListEntry* FirstByScan(const SongList& list, QStringView baseName)
{
    const QString key = LeadingNumberKey(baseName);
    for (const SongListEntry* entry = list.m_pHead; entry; entry = entry->m_pNext) {
        if (LeadingNumberKey(entry->m_strNumber) == key)
            return entry;
    }
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const kMarks[] = {"", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF", "\xEF\xBB"};
    const QByteArray content = kMarks[data[0] % 5] + FuzzBytes(data + 1, size - 1);
    const QString path = DecodeFileName(FuzzFile("list.txt", content));

    const TextStart start = ExamineTextStart(content, true);
    SongList list;
    QStringList lines;
    const SongListReadResult result = ReadSongListLines(path, [&](const QString& line) {
        FUZZ_CHECK(!line.contains(u'\n'));
        lines.append(line);
        (void)ParseSongListLine(list, line);
        return true;
    });
    FUZZ_CHECK(result.m_nStatus == (start.m_bText ? SONG_LIST_READ : SONG_LIST_NOT_TEXT));
    FUZZ_CHECK(start.m_bText || lines.isEmpty());

    int records = 0;
    for (const QString& line : lines)
        records += line.contains(u'|') ? 1 : 0;
    FUZZ_CHECK(list.m_nCount == records);

    // The table's lookup agrees with a plain scan, for names made from the
    // entries' numbers and from the lines themselves.
    QStringList probes{QString(), u"0"_qs, u"-0 x"_qs};
    int probed = 0;
    for (const SongListEntry* entry = list.m_pHead; entry && probed < 64;
         entry = entry->m_pNext, ++probed)
        probes.append(entry->m_strNumber.toString() + u" Song"_qs);
    probes.append(lines.mid(0, 64));
    for (const QString& probe : probes)
        FUZZ_CHECK(FindSongListEntry(list, probe) == FirstByScan(list, probe));

    const QString problem = SongListProblem(path);
    if (!start.m_bText)
        FUZZ_CHECK(problem == path + u" is not a text file."_qs);
    else
        FUZZ_CHECK(problem.isEmpty() == (records > 0));
    ClearSongList(list);
    FUZZ_CHECK(list.m_nCount == 0 && !FindSongListEntry(list, u"1"_qs));
    return 0;
}
