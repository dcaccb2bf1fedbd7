#include "modes/song_list.h"
#include "modes/tag_format.h"
#include "passes/preview_pass.h"
#include "passes/rename_cell_writer.h"
#include "tests/fake_front_end.h"
#include "tests/tag_fixtures.h"
#include "tests/testdir.h"

#include <QtTest>

#include <memory>

namespace {

QStringList Numbered(const QString& pattern, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(pattern.arg(i));
    return names;
}

QStringList Percents(int first, int last, int step)
{
    QStringList values;
    for (int p = first; p <= last; p += step)
        values.append(QString::number(p));
    return values;
}

} // namespace

class TestPreviewPass : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDir> m_fixtures; // tagged files, for the tag mode

private Q_SLOTS:
    void initTestCase();
    void newNames_data();
    void newNames();
    void tagNames_data();
    void tagNames();
    void tagsOfARefilledListAreReadWhenNamed();
    void totalBar_data();
    void totalBar();
    void emptyListStillReadsAndClearsSongList();
    void longListIsReadAndWrittenInBatches();
    void refilledListIsReadAfresh();
    void cellsOfARefilledListAreDropped();
    void cellsNamedOtherwiseAreMarked();
};

void TestPreviewPass::initTestCase()
{
    m_fixtures = std::make_unique<TestDir>();
    MakeTagFixtures(m_fixtures->path());
    m_fixtures->makeFile(u"text.mp3"_qs, "Only words, no audio.\n");
}

void TestPreviewPass::newNames_data()
{
    QTest::addColumn<bool>("songList");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("rename");
    QTest::newRow("title - artist") << false << u"Title - Artist.mp3"_qs << u"Artist-Title.mp3"_qs;
    QTest::newRow("bare hyphen") << false << u"Artist-Title.mp3"_qs << u"Title-Artist.mp3"_qs;
    QTest::newRow("third part") << false << u"One - Two - Three.wav"_qs << u"Two-One.wav"_qs;
    QTest::newRow("no hyphen") << false << u"Intro.mp3"_qs << QString();
    QTest::newRow("no extension") << false << u"Title - Artist"_qs << u"Artist-Title"_qs;
    QTest::newRow("extension twice") << false << u"song.mp3 - other.mp3"_qs << u"other-song.mp3"_qs;
    QTest::newRow("only a leading dot") << false << u".Title - Artist"_qs << u"Artist-.Title"_qs;
    QTest::newRow("listed number")
        << true << u"012 Song.mp3"_qs << u"First Title-First Singer.mp3"_qs;
    QTest::newRow("no number") << true << u"Song.mp3"_qs << QString();
    QTest::newRow("invalid char kept") << true << u"07 Song.mp3"_qs << u"Why?-Singer.mp3"_qs;
}

void TestPreviewPass::newNames()
{
    QFETCH(bool, songList);
    QFETCH(QString, name);
    QFETCH(QString, rename);
    TestDir dir;
    FakeFrontEnd host;
    host.m_mode = songList ? NamingMode::SongList : NamingMode::Pattern;
    host.m_strSongListPath =
        dir.makeFile(u"songs.txt"_qs, "12|First Title|First Singer\n7|Why?|Singer\n");
    host.SetRows({name, u"Title - Artist.mp3"_qs});

    QCOMPARE(host.RunPass(JobKind::Preview, songList ? PreviewSongListPass : PreviewPatternPass),
             0);

    QCOMPARE(host.m_renames.first(), rename);
    QCOMPARE(host.SongListPage().m_songList.m_nCount, 0);
}

void TestPreviewPass::tagNames_data()
{
    QTest::addColumn<QStringList>("listed"); // files of the fixture folder
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("renames");
    QTest::addColumn<QStringList>("reasons"); // of the empty cells
    const QString harbours = u"Morning Rain-The Harbours"_qs;
    QTest::newRow("each container's own tags")
        << QStringList{u"ffmpeg.mp3"_qs, u"ffmpeg.ogg"_qs, u"ffmpeg.flac"_qs, u"ffmpeg.m4a"_qs}
        << u"{title}-{artist}"_qs
        << QStringList{harbours + u".mp3"_qs, harbours + u".ogg"_qs, harbours + u".flac"_qs,
                       harbours + u".m4a"_qs}
        << QStringList(4);
    QTest::newRow("track of 3/12 padded, year of a date")
        << QStringList{u"ffmpeg.opus"_qs} << u"{track:2} {title} ({year})"_qs
        << QStringList{u"03 Morning Rain (2019).opus"_qs} << QStringList(1);
    QTest::newRow("a field the tags lack")
        << QStringList{u"no-artist.mp3"_qs, u"ffmpeg.mp3"_qs} << u"{title}-{artist}"_qs
        << QStringList{QString(), harbours + u".mp3"_qs}
        << QStringList{u"Its tags have no artist."_qs, QString()};
    QTest::newRow("no tags, and no audio behind the name")
        << QStringList{u"untagged.mp3"_qs, u"text.mp3"_qs} << u"{title}"_qs << QStringList(2)
        << QStringList{u"It has no tags."_qs, u"It is not an audio file tamro can read."_qs};
    QTest::newRow("an unknown field names nothing")
        << QStringList{u"ffmpeg.mp3"_qs} << u"{titel}"_qs << QStringList(1)
        << QStringList{CTagFormat(u"{titel}"_qs).Error()};
    // Frames of encoding 0 holding CP949 bytes: the run decides once, and a
    // Western file beside them is read as it is.
    QTest::newRow("a CP949 album decoded as one")
        << QStringList{u"cp949-1.mp3"_qs, u"cp949-2.mp3"_qs, u"cp949-3.mp3"_qs, u"ffmpeg.flac"_qs}
        << u"{album} {track:2} {title}-{artist}"_qs
        << QStringList{u"잘못된 만남 01 사랑-김건모.mp3"_qs, u"잘못된 만남 02 이별-김건모.mp3"_qs,
                       u"잘못된 만남 03 첫눈-김건모.mp3"_qs,
                       u"Blue Hour 03 Morning Rain-The Harbours.flac"_qs}
        << QStringList(4);
    // ID3v1 keeps 30 bytes: the character cut in two at the end goes, and
    // what stands before it still decodes.
    QTest::newRow("an ID3v1 title cut inside a CP949 character")
        << QStringList{u"cp949-1.mp3"_qs, u"cp949-v1-cut.mp3"_qs} << u"{title}-{artist}"_qs
        << QStringList{u"사랑-김건모.mp3"_qs, u"1가나다라마바사아자차카타파하-김건모.mp3"_qs}
        << QStringList(2);
}

void TestPreviewPass::tagNames()
{
    QFETCH(QStringList, listed);
    QFETCH(QString, format);
    QFETCH(QStringList, renames);
    QFETCH(QStringList, reasons);
    FakeFrontEnd host;
    host.m_mode = NamingMode::Tags;
    host.m_strTagFormat = format;
    host.m_strCurrentFolder = m_fixtures->path();
    host.SetRows(listed);

    QCOMPARE(host.RunPass(JobKind::Preview, PreviewTagsPass), 0);

    QCOMPARE(host.m_renames, renames);
    QCOMPARE(host.m_reasons, reasons);
    QCOMPARE(host.Calls(u"total"_qs).last(), u"100"_qs);
}

void TestPreviewPass::tagsOfARefilledListAreReadWhenNamed()
{
    // Another folder listed once every tag is read: its rows are read when
    // they are named, never named from the tags of the rows they replaced.
    FakeFrontEnd host;
    host.m_mode = NamingMode::Tags;
    host.m_strTagFormat = u"{title}"_qs;
    host.m_strCurrentFolder = m_fixtures->path();
    host.SetRows({u"ffmpeg.mp3"_qs, u"ffmpeg.ogg"_qs});
    host.m_onCall = [&](const QString& call) {
        if (call == u"total:90"_qs)
            host.SetRows({u"v24-utf8.mp3"_qs, u"unicode.flac"_qs});
    };
    host.RunPass(JobKind::Preview, PreviewTagsPass);
    QCOMPARE(host.m_renames, (QStringList{u"Café au lait.mp3"_qs, u"비 오는 날.flac"_qs}));
    // The reading has most of the bar, the naming the rest.
    QCOMPARE(host.Calls(u"total"_qs), (QStringList{u"45"_qs, u"90"_qs, u"95"_qs, u"100"_qs}));
}

void TestPreviewPass::totalBar_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("positions");
    QTest::newRow("one") << 1 << QStringList{u"100"_qs};
    QTest::newRow("three") << 3 << QStringList{u"33"_qs, u"66"_qs, u"100"_qs};
    QTest::newRow("ten") << 10 << Percents(10, 100, 10);
    QTest::newRow("each position once") << 250 << Percents(0, 100, 1);
}

void TestPreviewPass::totalBar()
{
    QFETCH(int, count);
    QFETCH(QStringList, positions);
    FakeFrontEnd host;
    host.SetRows(Numbered(u"Title %1 - Artist.mp3"_qs, count));
    host.RunPass(JobKind::Preview, PreviewPatternPass);
    // Only the run bar moves: no per-file bar, no message.
    QCOMPARE(host.Calls(u"total"_qs), positions);
    QCOMPARE(host.m_calls.size(), positions.size());
}

void TestPreviewPass::emptyListStillReadsAndClearsSongList()
{
    FakeFrontEnd host;
    AddSongListEntry(host.SongListPage().m_songList, u"1"_qs, u"Left-Over"_qs);
    host.RunPass(JobKind::Preview, PreviewSongListPass);
    QCOMPARE(host.SongListPage().m_songList.m_nCount, 0);
    QCOMPARE(host.m_calls, QStringList());
    QCOMPARE(host.m_nWrites, 0);
}

void TestPreviewPass::longListIsReadAndWrittenInBatches()
{
    const int count = 10000;
    FakeFrontEnd host;
    host.SetRows(Numbered(u"Title %1 - Artist.mp3"_qs, count));
    host.m_onCall = [&](const QString& call) {
        // Every position stands behind the cells already on screen.
        QVERIFY(call.startsWith(u"total:"_qs));
        const int percent = call.mid(6).toInt();
        QVERIFY(host.m_nCellsWritten >= qsizetype(percent) * count / 100);
    };

    host.RunPass(JobKind::Preview, PreviewPatternPass);

    QCOMPARE(host.m_renames, Numbered(u"Artist-Title %1.mp3"_qs, count));
    // At most a hand-over of cells per bar position.
    QVERIFY2(host.m_nWrites <= 101, qPrintable(QString::number(host.m_nWrites)));
}

void TestPreviewPass::refilledListIsReadAfresh()
{
    FakeFrontEnd host;
    host.SetRows(Numbered(u"Old %1 - A.mp3"_qs, 10));
    host.m_onCall = [&](const QString& call) {
        if (call == u"total:50"_qs)
            host.SetRows(Numbered(u"New %1 - B.mp3"_qs, 10));
    };
    host.RunPass(JobKind::Preview, PreviewPatternPass);
    QStringList expected = Numbered(u"B-New %1.mp3"_qs, 10);
    std::fill_n(expected.begin(), 5, QString());
    QCOMPARE(host.m_renames, expected);
}

void TestPreviewPass::cellsOfARefilledListAreDropped()
{
    // A refill between two bar positions: the cells queued from the old rows
    // never travel with those of the new ones, so the front end can tell
    // them apart and drop them.
    const unsigned count = 1000;
    FakeFrontEnd host;
    host.SetRows(Numbered(u"Old %1 - A.mp3"_qs, count));
    CRenameCellWriter cells(host);
    for (unsigned row = 0; row < 155; ++row)
        cells.Add(row, u"Old"_qs, {}, host.m_nGeneration);
    host.SetRows(Numbered(u"New %1 - B.mp3"_qs, count));
    for (unsigned row = 155; row < count; ++row)
        cells.Add(row, u"New"_qs, {}, host.m_nGeneration);
    cells.Flush();
    QStringList expected(155, QString());
    expected += QStringList(count - 155, u"New"_qs);
    QCOMPARE(host.m_renames, expected);
    QCOMPARE(host.m_nWrites, 2);
}

void TestPreviewPass::cellsNamedOtherwiseAreMarked()
{
    TestDir dir;
    dir.makeFile(u"X-Title 7.mp3"_qs);
    QStringList names = Numbered(u"Title %1 - X.mp3"_qs, 10000);
    names[0] = u"A - B.mp3"_qs;
    names[5000] = u"A-B.mp3"_qs; // the same new name, batches later
    FakeFrontEnd host;
    host.SetRows(names);
    host.m_strOutputFolder = dir.path();
    host.RunPass(JobKind::Preview, PreviewPatternPass);
    QCOMPARE(host.m_marks,
             (QMap<unsigned, QString>{
                 {0, u"B-A.mp3"_qs}, {7, u"X-Title 7 (1).mp3"_qs}, {5000, u"B-A (1).mp3"_qs}}));
    QCOMPARE(host.m_renames[7], u"X-Title 7.mp3"_qs);
}

QTEST_GUILESS_MAIN(TestPreviewPass)
#include "tst_preview_pass.moc"
