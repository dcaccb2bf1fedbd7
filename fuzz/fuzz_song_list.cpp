// Song-list bytes behind every mark (or none), through the text check and
// the detection of the encoding to the table and its lookup.
#include "fuzz/fuzz_support.h"
#include "modes/leading_number.h"
#include "modes/song_list.h"
#include "modes/song_list_check.h"
#include "modes/song_list_lines.h"
#include "modes/song_list_reader.h"
#include "modes/text_start.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

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

void ReplaceLoneSurrogates(QString& line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate())
            ++i;
        else if (line.at(i).isSurrogate())
            line[i] = QChar::ReplacementCharacter;
    }
}

// The lines the reader must deliver, from the whole text decoded at once:
// split at every line feed, each cut to its first kSongListLongestLine
// characters (never half a pair), then without its CR (text) or from its
// first NUL on (bytes).
QStringList ReferenceLines(const QByteArray& content, const TextStart& start)
{
    // UTF-8 decodes as a whole: a sequence the file ends inside is U+FFFD.
    const bool utf8 =
        start.m_nEncoding == ENCODING_UTF8 ||
        (start.m_nEncoding == ENCODING_NO_MARK &&
         QStringConverter::encodingForName(start.m_charset.constData()) == QStringConverter::Utf8);
    const QStringConverter::Flags flags =
        utf8 ? QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless
             : QStringConverter::Flag::ConvertInitialBom;
    QStringDecoder decoder =
        start.m_nEncoding == ENCODING_UTF16LE   ? QStringDecoder(QStringConverter::Utf16LE, flags)
        : start.m_nEncoding == ENCODING_UTF16BE ? QStringDecoder(QStringConverter::Utf16BE, flags)
        : start.m_nEncoding == ENCODING_UTF8    ? QStringDecoder(QStringConverter::Utf8, flags)
                                             : QStringDecoder(start.m_charset.constData(), flags);
    const QString text = decoder.decode(QByteArrayView(content).sliced(start.m_nMarkSize));
    const bool textMode = start.m_nEncoding != ENCODING_NO_MARK;
    const bool utf16 =
        start.m_nEncoding == ENCODING_UTF16LE || start.m_nEncoding == ENCODING_UTF16BE;
    QStringList pieces = text.split(u'\n');
    if (pieces.last().isEmpty())
        pieces.removeLast();
    QStringList lines;
    for (QString line : pieces) {
        if (line.size() > kSongListLongestLine) {
            qsizetype keep = kSongListLongestLine;
            if (line.at(keep - 1).isHighSurrogate())
                --keep;
            line.truncate(keep);
        }
        if (textMode && line.endsWith(u'\r'))
            line.chop(1);
        else if (!textMode && line.contains(QChar(u'\0')))
            line.truncate(line.indexOf(QChar(u'\0')));
        if (utf16)
            ReplaceLoneSurrogates(line);
        lines.append(line);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const kMarks[] = {"", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF", "\xEF\xBB"};
    const QByteArray content = kMarks[data[0] % 5] + FuzzBytes(data + 1, size - 1);
    const QString path = DecodeFileName(FuzzFile("list.txt", content));

    // What the reader examines: its first read.
    const TextStart start =
        ExamineTextStart(QByteArrayView(content).first(std::min(content.size(), kSongListBlock)),
                         content.size() < kSongListBlock);
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
    // Read in blocks, the lines are those of the whole text.
    if (start.m_bText)
        FUZZ_CHECK(lines == ReferenceLines(content, start));

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
