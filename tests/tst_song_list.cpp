#include "modes/leading_number.h"
#include "modes/song_list.h"
#include "modes/song_list_check.h"
#include "modes/song_list_lines.h"
#include "modes/song_list_page_base.h"
#include "modes/song_list_reader.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <QtTest>

#include <sys/stat.h>

namespace {

// The song-list page of a job reading `path`.
class FakeSongListPage : public CSongListPageBase
{
public:
    explicit FakeSongListPage(QString path = {}) { m_strSongListPath = std::move(path); }
};

using Entries = QList<QPair<QString, QString>>;

Entries EntriesOf(const SongList& list)
{
    Entries entries;
    for (const SongListEntry* e = list.m_pHead; e; e = e->m_pNext)
        entries.append({e->m_strNumber.toString(), e->m_strNewName.toString()});
    return entries;
}

// Bytes this process has read from files so far.
qint64 BytesReadSoFar()
{
    QFile io(u"/proc/self/io"_qs);
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// The most memory this process has held, in bytes.
qint64 PeakMemory()
{
    QFile status(u"/proc/self/status"_qs);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

Entries ReadFile(const QString& path)
{
    FakeSongListPage page(path);
    ReadSongList(page);
    return EntriesOf(page.m_songList);
}

QByteArray Encode(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

class TestSongList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseLine_data();
    void parseLine();
    void leadingNumber_data();
    void leadingNumber();
    void lookup_data();
    void lookup();
    void clearEmptiesTheTableAndItsIndex();
    void detectEncoding_data();
    void detectEncoding();
    void everyEncodingGivesTheSameTable_data();
    void everyEncodingGivesTheSameTable();
    void longLineIsOneLine_data();
    void longLineIsOneLine();
    void fileWithoutMarkKeepsByteRules();
    void badFilesYieldNoEntries_data();
    void badFilesYieldNoEntries();
    void fifoDoesNotHang();
    void stopRequestEndsReading();
    void readingAppendsToTheTable();
    void millionLines();
    void listsFromOtherSystems_data();
    void listsFromOtherSystems();
    void loneSurrogatesBecomeReplacement_data();
    void loneSurrogatesBecomeReplacement();
    void songListProblem_data();
    void songListProblem();
    void notTextIsToldFromItsBeginning_data();
    void notTextIsToldFromItsBeginning();
    void utf16WithoutMark_data();
    void utf16WithoutMark();
    void hugeLineKeepsMemorySmall();
    void longLineIsCutAtItsBound_data();
    void longLineIsCutAtItsBound();
    void sequenceCutByAReadDecodesWhole_data();
    void sequenceCutByAReadDecodesWhole();
};

void TestSongList::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("returned");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("newName");
    QTest::newRow("three fields") << u"12|First Title|First Singer"_qs << 0 << u"12"_qs
                                  << u"First Title-First Singer"_qs;
    QTest::newRow("spaces around bars") << u"12 | First Title | First Singer"_qs << 0 << u"12 "_qs
                                        << u"First Title-First Singer"_qs;
    QTest::newRow("one bar") << u"7|Only Title"_qs << 0 << u"7"_qs << u"Only Title-"_qs;
    QTest::newRow("fourth field ignored") << u"7|One|Two|Three"_qs << 0 << u"7"_qs << u"One-Two"_qs;
    QTest::newRow("no bar") << u"just text"_qs << -1 << QString() << QString();
    QTest::newRow("blank") << QString() << -1 << QString() << QString();
    QTest::newRow("heading") << u"No|Title|Singer"_qs << 0 << u"No"_qs << u"Title-Singer"_qs;
    QTest::newRow("empty number") << u"|Title|Singer"_qs << 0 << QString() << u"Title-Singer"_qs;
    QTest::newRow("trailing CR trimmed") << u"3|A|B\r"_qs << 0 << u"3"_qs << u"A-B"_qs;
}

void TestSongList::parseLine()
{
    QFETCH(QString, line);
    QFETCH(int, returned);
    QFETCH(QString, number);
    QFETCH(QString, newName);
    SongList list;
    QCOMPARE(ParseSongListLine(list, line), returned);
    QCOMPARE(list.m_nCount, returned == 0 ? 1 : 0);
    if (returned == 0)
        QCOMPARE(EntriesOf(list), (Entries{{number, newName}}));
    else
        QVERIFY(!list.m_pHead && !list.m_pTail);
}

void TestSongList::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("plain") << u"12"_qs << u"12"_qs;
    QTest::newRow("leading zeros") << u"012 Song"_qs << u"12"_qs;
    QTest::newRow("white space and plus") << u" \t+12x"_qs << u"12"_qs;
    QTest::newRow("negative") << u"-3 Song"_qs << u"-3"_qs;
    QTest::newRow("negative zero") << u"-000"_qs << u"0"_qs;
    QTest::newRow("no digits") << u"Song 12"_qs << u"0"_qs;
    QTest::newRow("sign alone") << u"- 5"_qs << u"0"_qs;
    QTest::newRow("empty") << QString() << u"0"_qs;
    QTest::newRow("beyond 32 bits") << u"4294967308 x"_qs << u"4294967308"_qs;
    QTest::newRow("beyond 64 bits")
        << u"123456789012345678901234567890"_qs << u"123456789012345678901234567890"_qs;
}

void TestSongList::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QCOMPARE(LeadingNumberKey(text), key);
}

void TestSongList::lookup_data()
{
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("returned");
    QTest::addColumn<QString>("result");
    QTest::newRow("leading zero") << u"012 Song"_qs << QStringList{u"12|A|B"_qs} << 0 << u"A-B"_qs;
    QTest::newRow("12 not 120") << u"12. Song"_qs << QStringList{u"120|X|Y"_qs, u"12|A|B"_qs} << 0
                                << u"A-B"_qs;
    QTest::newRow("no number, no zero entry")
        << u"Song 12"_qs << QStringList{u"12|A|B"_qs} << -1 << u"untouched"_qs;
    QTest::newRow("no number meets heading")
        << u"Song 12"_qs << QStringList{u"No|Title|Singer"_qs} << 0 << u"Title-Singer"_qs;
    QTest::newRow("first in file order wins")
        << u"5 x"_qs << QStringList{u"5|A|B"_qs, u"5|E|F"_qs} << 0 << u"A-B"_qs;
    QTest::newRow("same number written otherwise")
        << u"5 x"_qs << QStringList{u" +05|A|B"_qs, u"5|E|F"_qs} << 0 << u"A-B"_qs;
    QTest::newRow("negative") << u"-3 Song"_qs << QStringList{u"-3|A|B"_qs} << 0 << u"A-B"_qs;
    QTest::newRow("not cut to 32 bits")
        << u"4294967308 Song"_qs << QStringList{u"12|A|B"_qs} << -1 << u"untouched"_qs;
    QTest::newRow("32 low bits shared, after a long number")
        << u"12 Song"_qs << QStringList{u"4294967308|A|B"_qs, u"12|C|D"_qs} << 0 << u"C-D"_qs;
    QTest::newRow("long numbers exact")
        << u"99999999999 Song"_qs << QStringList{u"99999999998|A|B"_qs, u"99999999999|C|D"_qs} << 0
        << u"C-D"_qs;
    QTest::newRow("18 digits exact")
        << u"999999999999999999 x"_qs
        << QStringList{u"999999999999999998|A|B"_qs, u"0999999999999999999|C|D"_qs} << 0
        << u"C-D"_qs;
    QTest::newRow("negative 18 digits")
        << u"-999999999999999999 x"_qs
        << QStringList{u"999999999999999999|A|B"_qs, u"-999999999999999999|C|D"_qs} << 0
        << u"C-D"_qs;
    QTest::newRow("19 digits not met by 18")
        << u"1234567890123456789 x"_qs << QStringList{u"123456789012345678|A|B"_qs} << -1
        << u"untouched"_qs;
    QTest::newRow("2^64 does not wrap to 0")
        << u"18446744073709551616 x"_qs << QStringList{u"0|A|B"_qs, u"018446744073709551616|C|D"_qs}
        << 0 << u"C-D"_qs;
    QTest::newRow("empty table") << u"1 Song"_qs << QStringList() << -1 << u"untouched"_qs;
}

void TestSongList::lookup()
{
    QFETCH(QString, baseName);
    QFETCH(QStringList, lines);
    QFETCH(int, returned);
    QFETCH(QString, result);
    FakeSongListPage page;
    for (const QString& line : lines)
        ParseSongListLine(page.m_songList, line);
    QString got = u"untouched"_qs;
    QCOMPARE(LookupSongName(page, baseName, got), returned);
    QCOMPARE(got, result);
}

void TestSongList::clearEmptiesTheTableAndItsIndex()
{
    FakeSongListPage page;
    for (int i = 0; i < 1000; ++i)
        ParseSongListLine(page.m_songList, QStringLiteral("%1|T|S").arg(i));
    QCOMPARE(page.m_songList.m_nCount, 1000);
    ClearSongList(page);
    QCOMPARE(page.m_songList.m_nCount, 0);
    QVERIFY(!page.m_songList.m_pHead && !page.m_songList.m_pTail);
    QString got;
    QCOMPARE(LookupSongName(page, u"5"_qs, got), -1);
    ParseSongListLine(page.m_songList, u"5|New|Entry"_qs); // usable again
    QCOMPARE(LookupSongName(page, u"5"_qs, got), 0);
    QCOMPARE(got, u"New-Entry"_qs);
}

void TestSongList::detectEncoding_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<int>("encoding");
    QTest::newRow("FF FE") << QByteArray("\xFF\xFE"
                                         "1\0",
                                         4)
                           << 1;
    QTest::newRow("FE FF") << QByteArray("\xFE\xFF\0"
                                         "1",
                                         4)
                           << 2;
    QTest::newRow("EF BB BF") << QByteArray("\xEF\xBB\xBF"
                                            "1")
                              << 3;
    QTest::newRow("EF BB only") << QByteArray("\xEF\xBB"
                                              "x")
                                << 3;
    QTest::newRow("plain") << QByteArray("1|a|b") << 0;
    QTest::newRow("one byte FF") << QByteArray("\xFF") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
}

void TestSongList::detectEncoding()
{
    QFETCH(QByteArray, start);
    QFETCH(int, encoding);
    TestDir dir;
    QCOMPARE(DetectTextEncoding(dir.makeFile(u"list.txt"_qs, start)), encoding);
    QCOMPARE(DetectTextEncoding(dir.path(u"missing.txt"_qs)), 0);
}

void TestSongList::everyEncodingGivesTheSameTable_data()
{
    QTest::addColumn<QByteArray>("content");
    const QString text = u"No|Title|Singer\r\n"
                         "12|First Title|First Singer\r\n"
                         "\r\n"
                         "7|Caf\u00e9 \U0001F3B5|S\u00e4nger\n"
                         "without a bar\r\n"
                         "8|Last|Line"_qs; // no line break at the end
    QTest::newRow("UTF-16LE") << Encode(text, QStringConverter::Utf16LE);
    QTest::newRow("UTF-16BE") << Encode(text, QStringConverter::Utf16BE);
    QTest::newRow("UTF-8 with mark") << Encode(text, QStringConverter::Utf8);
    QTest::newRow("no mark") << text.toUtf8();
}

void TestSongList::everyEncodingGivesTheSameTable()
{
    QFETCH(QByteArray, content);
    TestDir dir;
    const Entries expected{{u"No"_qs, u"Title-Singer"_qs},
                           {u"12"_qs, u"First Title-First Singer"_qs},
                           {u"7"_qs, u"Caf\u00e9 \U0001F3B5-S\u00e4nger"_qs},
                           {u"8"_qs, u"Last-Line"_qs}};
    QCOMPARE(ReadFile(dir.makeFile(u"list.txt"_qs, content)), expected);
}

void TestSongList::longLineIsOneLine_data()
{
    QTest::addColumn<int>("encoding");
    QTest::newRow("UTF-16LE") << int(QStringConverter::Utf16LE);
    QTest::newRow("UTF-8 with mark") << int(QStringConverter::Utf8);
    QTest::newRow("no mark") << -1;
}

void TestSongList::longLineIsOneLine()
{
    QFETCH(int, encoding);
    const QString title(1500, u'x');
    const QString text = u"1|"_qs + title + u"|Singer\r\n2|A|B\r\n"_qs;
    const QByteArray content =
        encoding < 0 ? text.toUtf8() : Encode(text, QStringConverter::Encoding(encoding));
    TestDir dir;
    QCOMPARE(ReadFile(dir.makeFile(u"list.txt"_qs, content)),
             (Entries{{u"1"_qs, title + u"-Singer"_qs}, {u"2"_qs, u"A-B"_qs}}));
}

void TestSongList::fileWithoutMarkKeepsByteRules()
{
    TestDir dir;
    // A text that is not UTF-8 is read in the set it was written in
    // (Windows-1252 for a lone high byte); the CR stays for the trimming.
    const QByteArray content("1|A|x\r\n2|B\xFF|C\n");
    QCOMPARE(ReadFile(dir.makeFile(u"list.txt"_qs, content)),
             (Entries{{u"1"_qs, u"A-x"_qs}, {u"2"_qs, u"B\u00FF-C"_qs}}));
}

void TestSongList::badFilesYieldNoEntries_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << QByteArray() << u"missing"_qs;
    QTest::newRow("folder") << QByteArray() << u"folder"_qs;
    QTest::newRow("empty") << QByteArray() << u"file"_qs;
    QTest::newRow("mark only") << QByteArray("\xFF\xFE") << u"file"_qs;
    QTest::newRow("odd UTF-16 length") << QByteArray("\xFF\xFE"
                                                     "1",
                                                     3)
                                       << u"file"_qs;
    QByteArray garbage(64 * 1024, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 251 == '|' ? 0 : (i * 7919 + 13) % 251);
    QTest::newRow("binary garbage") << garbage << u"file"_qs;
}

void TestSongList::badFilesYieldNoEntries()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    TestDir dir;
    QString path = dir.path(u"list.txt"_qs);
    if (kind == u"folder"_qs)
        dir.makeFolder(u"list.txt"_qs);
    else if (kind == u"file"_qs)
        dir.makeFile(u"list.txt"_qs, content);
    QCOMPARE(ReadFile(path), Entries());
}

void TestSongList::fifoDoesNotHang()
{
    TestDir dir;
    const QString path = dir.path(u"list.txt"_qs);
    QCOMPARE(::mkfifo(EncodeFileName(path).constData(), 0600), 0);
    QCOMPARE(DetectTextEncoding(path), 0);
    QCOMPARE(ReadFile(path), Entries());
}

void TestSongList::stopRequestEndsReading()
{
    TestDir dir;
    FakeSongListPage page(dir.makeFile(u"list.txt"_qs, "1|A|B\n2|C|D\n"));
    page.m_bStopReading = 1;
    QCOMPARE(ReadSongList(page), 0);
    QCOMPARE(page.m_songList.m_nCount, 0);
}

void TestSongList::readingAppendsToTheTable()
{
    TestDir dir;
    FakeSongListPage page(dir.makeFile(u"list.txt"_qs, "1|A|B\n"));
    ParseSongListLine(page.m_songList, u"1|Earlier|Entry"_qs);
    ReadSongList(page);
    QCOMPARE(page.m_songList.m_nCount, 2);
    QString got;
    LookupSongName(page, u"1"_qs, got);
    QCOMPARE(got, u"Earlier-Entry"_qs);
}

void TestSongList::millionLines()
{
    TestDir dir;
    QByteArray content;
    content.reserve(20 * 1000 * 1000);
    for (int i = 0; i < 1000 * 1000; ++i) {
        const QByteArray number = QByteArray::number(i);
        content.append(number).append("|T").append(number).append("|S\n");
    }
    FakeSongListPage page(dir.makeFile(u"list.txt"_qs, content));
    ReadSongList(page);
    QCOMPARE(page.m_songList.m_nCount, 1000 * 1000);
    // The texts fill many blocks of the table's arena; the first ones stay put.
    QString got;
    QCOMPARE(LookupSongName(page, u"0 first"_qs, got), 0);
    QCOMPARE(got, u"T0-S"_qs);
    QCOMPARE(LookupSongName(page, u"999999 last"_qs, got), 0);
    QCOMPARE(got, u"T999999-S"_qs);
    ClearSongList(page);
    QCOMPARE(page.m_songList.m_nCount, 0);
}

void TestSongList::listsFromOtherSystems_data()
{
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<QString>("text");
    QTest::newRow("Windows-1252")
        << QByteArray("windows-1252")
        << u"1|Caf\u00e9 del Mar|Energy 52\r\n2|D\u00e9j\u00e0 Vu|Beyonc\u00e9\r\n"
           "3|Se\u00f1orita \u2013 Live|Shawn Mendes\r\n"
           "4|\u201c99 Luftballons\u201d|Nena\r\n"_qs;
    QTest::newRow("ISO-8859-1")
        << QByteArray("ISO-8859-1")
        << u"1|\u00c7a plane pour moi|Plastic Bertrand\r\n2|Ma\u00f1ana|Peggy Lee\r\n"
           "3|F\u00fcr Elise|Beethoven\r\n"_qs;
    QTest::newRow("EUC-KR") << QByteArray("EUC-KR")
                            << u"1|\ubd04\ub0a0|\ubc29\ud0c4\uc18c\ub144\ub2e8\r\n"
                               "2|\uc88b\uc740 \ub0a0|\uc544\uc774\uc720\r\n"
                               "3|\uac15\ub0a8\uc2a4\ud0c0\uc77c|\uc2f8\uc774\r\n"_qs;
    // A syllable EUC-KR lacks: the detector gives up, the weighing does not.
    QTest::newRow("CP949") << QByteArray("windows-949")
                           << u"1|\ub620\ubc29\uac01\ud558|\uac00\uc218\r\n"
                              "2|\uc88b\uc740 \ub0a0|\uc544\uc774\uc720\r\n"_qs;
    QTest::newRow("Shift_JIS") << QByteArray("Shift_JIS")
                               << u"1|\u5343\u672c\u685c|\u521d\u97f3\u30df\u30af\r\n"
                                  "2|\u591c\u306b\u99c6\u3051\u308b|YOASOBI\r\n"
                                  "3|\u30ec\u30e2\u30f3|\u7c73\u6d25\u7384\u5e2b\r\n"_qs;
    QTest::newRow("GBK") << QByteArray("GBK")
                         << u"1|\u6708\u4eae\u4ee3\u8868\u6211\u7684\u5fc3|\u9093\u4e3d\u541b\r\n"
                            "2|\u7a3b\u9999|\u5468\u6770\u4f26\r\n"_qs;
    // One line is all the detector gets; alone it guesses wrong on these.
    QTest::newRow("one line Latin-1")
        << QByteArray("ISO-8859-1") << u"1|Ma\u00f1ana|Peggy Lee\n"_qs;
    QTest::newRow("one line GBK") << QByteArray("GBK") << u"2|\u7a3b\u9999|\u5468\u6770\u4f26\n"_qs;
    QTest::newRow("one line Shift_JIS")
        << QByteArray("Shift_JIS") << u"3|\u30ec\u30e2\u30f3|\u7c73\u6d25\u7384\u5e2b\n"_qs;
    QTest::newRow("Windows-1251")
        << QByteArray("windows-1251")
        << u"1|\u041a\u0438\u043d\u043e|\u0413\u0440\u0443\u043f\u043f\u0430\n"_qs;
}

void TestSongList::listsFromOtherSystems()
{
    QFETCH(QByteArray, charset);
    QFETCH(QString, text);
    QStringEncoder encoder(charset.constData());
    const QByteArray bytes = encoder.encode(text);
    QVERIFY(!encoder.hasError());
    SongList expected;
    for (const QString& line : text.split(u'\n'))
        ParseSongListLine(expected, line);
    TestDir dir;
    QCOMPARE(ReadFile(dir.makeFile(u"list.txt"_qs, bytes)), EntriesOf(expected));
}

void TestSongList::loneSurrogatesBecomeReplacement_data()
{
    QTest::addColumn<QByteArray>("content");
    // 1|<lone high>|<pair>  then  2|<lone low>|x
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE"
                                            "1\0|\0\x00\xD8|\0\x3D\xD8\x00\xDE\n\0"
                                            "2\0|\0\x00\xDCx\0|\0x\0",
                                            28);
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF\0"
                                            "1\0|\xD8\x00\0|\xD8\x3D\xDE\x00\0\n\0"
                                            "2\0|\xDC\x00\0x\0|\0x",
                                            28);
}

void TestSongList::loneSurrogatesBecomeReplacement()
{
    QFETCH(QByteArray, content);
    TestDir dir;
    QCOMPARE(ReadFile(dir.makeFile(u"list.txt"_qs, content)),
             (Entries{{u"1"_qs, u"\uFFFD-\U0001F600"_qs}, {u"2"_qs, u"\uFFFDx-x"_qs}}));
}

void TestSongList::songListProblem_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason"); // empty: usable
    QTest::newRow("usable") << u"file"_qs << QByteArray("heading\n1|A|B\n") << QString();
    QTest::newRow("missing") << u"missing"_qs << QByteArray() << u"does not exist"_qs;
    QTest::newRow("folder") << u"folder"_qs << QByteArray() << u"folder"_qs;
    QTest::newRow("FIFO") << u"fifo"_qs << QByteArray() << u"not a regular file"_qs;
    QTest::newRow("device") << u"/dev/null"_qs << QByteArray() << u"not a regular file"_qs;
    QTest::newRow("unreadable") << u"unreadable"_qs << QByteArray("1|A|B\n")
                                << u"cannot be read: Permission denied"_qs;
    QTest::newRow("empty") << u"file"_qs << QByteArray() << u"no line"_qs;
    QTest::newRow("no bar") << u"file"_qs << QByteArray("Title - Singer\n") << u"no line"_qs;
    QTest::newRow("bar after a NUL")
        << u"file"_qs << QByteArray("1\0|A|B\n", 7) << u"is not a text file."_qs;
    // The byte of "|" inside a Shift_JIS character is no bar.
    QTest::newRow("bar byte inside a character")
        << u"file"_qs << QByteArray("\x83\x7C\x83\x62\x83\x76 \x83\x5C\x83\x93\x83\x4F\n")
        << u"no line"_qs;
    QTest::newRow("bar in UTF-16") << u"file"_qs
                                   << QByteArray("\xFF\xFE"
                                                 "1\0|\0",
                                                 6)
                                   << QString();
}

void TestSongList::songListProblem()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TestDir dir;
    QString path = dir.path(u"list.txt"_qs);
    if (kind == u"file"_qs || kind == u"unreadable"_qs)
        dir.makeFile(u"list.txt"_qs, content);
    if (kind == u"unreadable"_qs)
        QCOMPARE(::chmod(EncodeFileName(path).constData(), 0), 0);
    else if (kind == u"folder"_qs)
        dir.makeFolder(u"list.txt"_qs);
    else if (kind == u"fifo"_qs)
        QCOMPARE(::mkfifo(EncodeFileName(path).constData(), 0600), 0);
    else if (kind.startsWith(u'/'))
        path = kind;
    const QString problem = QString::fromUtf8(
        RunUnprivileged([&path] { return SongListProblem(path).toUtf8() + '.'; }));
    if (reason.isEmpty()) {
        QCOMPARE(problem, u"."_qs);
    } else if (reason.startsWith(u"is not a text file"_qs)) {
        QCOMPARE(problem, path + u' ' + reason + u'.');
    } else {
        QVERIFY2(problem.startsWith(u"The song list cannot be used: "_qs + path + u'\n'),
                 qPrintable(problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
    }
}

void TestSongList::notTextIsToldFromItsBeginning_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("sparseSize"); // > 0: that many bytes of nothing, as a film's holes
    QRandomGenerator random(15);
    QByteArray noise(qsizetype{8} * 1024 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QTest::newRow("random bytes") << noise << qint64(0);
    QTest::newRow("random bytes after a UTF-16 mark") << "\xFF\xFE" + noise << qint64(0);
    QTest::newRow("random bytes after a UTF-8 mark") << "\xEF\xBB\xBF" + noise << qint64(0);
    QTest::newRow("film-sized file") << QByteArray() << (qint64(3) << 29);
    QTest::newRow("NUL in a short text") << QByteArray("1|A\0|hidden\n2|B|C\n", 18) << qint64(0);
    QByteArray controls("1|A|B\n");
    for (int i = 0; i < 200; ++i)
        controls += "\x01\x02\x03\x1B" + QByteArray::number(i) + "|T|S\n";
    QTest::newRow("control characters") << controls << qint64(0);
}

// A film or a program chosen as the song list is refused by its path, from
// its first megabyte, whatever its size.
void TestSongList::notTextIsToldFromItsBeginning()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, sparseSize);
    TestDir dir;
    const QString path = dir.makeFile(u"film.mkv"_qs, content);
    if (sparseSize > 0)
        QCOMPARE(::truncate(EncodeFileName(path).constData(), sparseSize), 0);
    const qint64 before = BytesReadSoFar();
    QCOMPARE(SongListProblem(path), path + u" is not a text file."_qs);
    QCOMPARE(ReadFile(path), Entries());
    QVERIFY2(BytesReadSoFar() - before <= qint64{4} * 1024 * 1024,
             qPrintable(QString::number(BytesReadSoFar() - before)));
}

void TestSongList::utf16WithoutMark_data()
{
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    const QString latin = u"1|Caf\u00e9|S\u00e4nger\r\n2|Title|Singer\r\n"_qs;
    const QString han = u"1|\u6708\u4eae\u4ee3\u8868\u6211\u7684\u5fc3|\u9093\u4e3d\u541b\n"
                        u"2|\u7a3b\u9999|\u5468\u6770\u4f26\n"_qs;
    QTest::newRow("little-endian") << int(QStringConverter::Utf16LE) << latin;
    QTest::newRow("big-endian") << int(QStringConverter::Utf16BE) << latin;
    QTest::newRow("little-endian Han") << int(QStringConverter::Utf16LE) << han;
    QTest::newRow("big-endian Han") << int(QStringConverter::Utf16BE) << han;
}

// Written by an editor that leaves the mark out: its NULs are text.
void TestSongList::utf16WithoutMark()
{
    QFETCH(int, encoding);
    QFETCH(QString, text);
    QStringEncoder encoder{QStringConverter::Encoding(encoding)};
    const QByteArray bytes = encoder.encode(text);
    SongList expected;
    for (const QString& line : text.split(u'\n'))
        ParseSongListLine(expected, line.endsWith(u'\r') ? line.chopped(1) : line);
    TestDir dir;
    const QString path = dir.makeFile(u"list.txt"_qs, bytes);
    QCOMPARE(SongListProblem(path), QString());
    QCOMPARE(ReadFile(path), EntriesOf(expected));
}

// A file that is one huge line of text costs the reader a line's worth of
// memory, not the file's.
void TestSongList::hugeLineKeepsMemorySmall()
{
    TestDir dir;
    constexpr qsizetype kHuge = qsizetype{48} * 1024 * 1024;
    const QString path =
        dir.makeFile(u"list.txt"_qs, "1|" + QByteArray(kHuge, 'x') + "|Singer\n2|A|B\n");
    const QString noBar = dir.makeFile(u"nobar.txt"_qs, QByteArray(kHuge, 'x'));
    const ChildRun child = RunInChild([&] {
        const qint64 before = PeakMemory();
        const Entries entries = ReadFile(path);
        const QString problem = SongListProblem(noBar);
        const qint64 grown = PeakMemory() - before;
        const bool kept = entries.size() == 2 && entries[0].first == u"1"_qs &&
                          entries[0].second.startsWith(u"xxxx"_qs) &&
                          entries[0].second.size() <= (1 << 20) &&
                          entries[1] == QPair<QString, QString>(u"2"_qs, u"A-B"_qs);
        return QByteArray::number(grown) + (kept ? " kept " : " lost ") + problem.toUtf8();
    });
    QVERIFY(child.exitedNormally);
    const QList<QByteArray> words = child.output.split(' ');
    QVERIFY2(words.size() > 2 && words[1] == "kept", child.output.constData());
    // A copy of the line in memory (UTF-16, twice its bytes) is far beyond
    // either bound; AddressSanitizer keeps freed blocks a while, which the
    // peak then counts.
#if defined(__SANITIZE_ADDRESS__)
    constexpr qint64 kMostGrowth = kHuge * 3 / 2;
#else
    constexpr qint64 kMostGrowth = kHuge / 2;
#endif
    QVERIFY2(words[0].toLongLong() < kMostGrowth, child.output.constData());
    QVERIFY2(child.output.contains("It has no line of the form"), child.output.constData());
}

void TestSongList::longLineIsCutAtItsBound_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qsizetype>("kept"); // characters of the first line
    constexpr qsizetype kBound = kSongListLongestLine;
    // The first read ends inside the line, which ends in the second.
    QTest::newRow("line ending in the next read")
        << QByteArray(kBound, 'x') + QByteArray(kBound / 2, 'y') + "\n2|A|B\n"
        << kBound;
    QTest::newRow("line ending in the first read of its rest")
        << "1|" + QByteArray(kBound + kSongListBlock / 2, 'x') + "\n2|A|B\n"
        << kBound;
    QStringEncoder utf16(QStringConverter::Utf16LE);
    const QString pairAtTheBound =
        QString(kBound - 1, u'x') + u"\U0001F600"_qs + QString(10, u'z') + u"\n2|A|B\n"_qs;
    QTest::newRow("pair across the bound")
        << "\xFF\xFE" + QByteArray(utf16.encode(pairAtTheBound)) << kBound - 1;
}

// However the reads fall, a line keeps exactly its first characters up to
// the bound, never half a pair, and the next line is whole.
void TestSongList::longLineIsCutAtItsBound()
{
    QFETCH(QByteArray, content);
    QFETCH(qsizetype, kept);
    TestDir dir;
    QStringList lines;
    const SongListReadResult result =
        ReadSongListLines(dir.makeFile(u"list.txt"_qs, content), [&lines](const QString& line) {
            lines.append(line);
            return true;
        });
    QCOMPARE(result.m_nStatus, SONG_LIST_READ);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].size(), kept);
    QVERIFY(!lines[0].back().isHighSurrogate());
    QCOMPARE(lines[1], u"2|A|B"_qs);
}

void TestSongList::sequenceCutByAReadDecodesWhole_data()
{
    QTest::addColumn<QByteArray>("before"); // the first read's last bytes
    QTest::addColumn<QByteArray>("after");  // the next read's first bytes
    QTest::newRow("a lead, then leads") << QByteArray("\xD7") << QByteArray("\xD7\xD7x");
    QTest::newRow("two bytes of three, then a letter") << QByteArray("\xE2\x82") << QByteArray("x");
    QTest::newRow("a character of four bytes") << QByteArray("\xF0\x9F") << QByteArray("\x98\x80");
}

// A UTF-8 line that a read cuts inside a sequence, valid or not, reads as
// the whole text decodes.
void TestSongList::sequenceCutByAReadDecodesWhole()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArray filler(kSongListBlock - mark.size() - before.size() - 1, 'x');
    const QByteArray cutLine = before + after + "|B";
    TestDir dir;
    QStringList lines;
    ReadSongListLines(dir.makeFile(u"list.txt"_qs, mark + filler + "\n" + cutLine + "\n"),
                      [&lines](const QString& line) {
                          lines.append(line);
                          return true;
                      });
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], QStringDecoder(QStringConverter::Utf8).decode(cutLine));
}

QTEST_GUILESS_MAIN(TestSongList)
#include "tst_song_list.moc"
