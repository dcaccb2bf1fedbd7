#include "modes/song_list.h"
#include "passes/preview_pass.h"
#include "passes/rename_cell_writer.h"
#include "tests/fake_front_end.h"
#include "tests/testdir.h"

#include <QtTest>

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

private Q_SLOTS:
    void newNames_data();
    void newNames();
    void totalBar_data();
    void totalBar();
    void emptyListStillReadsAndClearsSongList();
    void longListIsReadAndWrittenInBatches();
    void refilledListIsReadAfresh();
    void cellsOfARefilledListAreDropped();
    void cellsNamedOtherwiseAreMarked();
};

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
