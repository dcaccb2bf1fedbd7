#include "modes/song_list.h"
#include "output/run_log.h"
#include "passes/convert_pass.h"
#include "passes/end_of_run.h"
#include "passes/preview_pass.h"
#include "passes/run_plan.h"
#include "tests/fake_front_end.h"
#include "tests/tag_fixtures.h"
#include "tests/testdir.h"

#include <QtTest>

#include <memory>

namespace {

enum Mode
{
    SongListMode,
    PatternMode,
    TagsMode,
};

void (*ConvertPassOf(Mode mode))(CJobRun&)
{
    switch (mode) {
    case SongListMode:
        return ConvertSongListPass;
    case PatternMode:
        return ConvertPatternPass;
    case TagsMode:
        break;
    }
    return ConvertTagsPass;
}

// "Copy : " line with {src} and {out} standing for the job's folders.
QString CopyLine(const QString& listed, const QString& newName)
{
    return u"Copy : {src}/"_qs + listed + u"  ->  {out}/"_qs + newName;
}

// A convert job over files of src/ (each holding its own name) into out/,
// with its logs in the test folder.
class ConvertJob
{
public:
    explicit ConvertJob(const QStringList& listed, const QStringList& renames = {})
    {
        m_src = m_dir.makeFolder(u"src"_qs);
        m_out = m_dir.makeFolder(u"out"_qs);
        for (const QString& name : listed)
            m_dir.makeFile(u"src/"_qs + name, name.toUtf8());
        m_host.m_strSongListPath = m_dir.makeFile(
            u"songs.txt"_qs, "12|First Title|First Singer\n7|Why?|Singer\n1|One|S\n2|Two|S\n"
                             "3|Three|S\n4|Four|S\n5|Five|S\n");
        m_host.SetRows(listed, renames);
        m_host.m_strCurrentFolder = m_src;
        m_host.m_strOutputFolder = m_out;
        m_host.m_strLogFolder = m_dir.path();
    }

    // The pass of `mode` as the job runs it: logs opened, the pass, logs closed.
    void Run(Mode mode)
    {
        CJobState& state = m_host.State();
        OpenRunLogs(state, m_dir.path());
        (void)state.StartConvert();
        m_host.RunPass(JobKind::Convert, ConvertPassOf(mode));
        (void)CloseRunLog(state.m_pInfoLog);
        (void)CloseRunLog(state.m_pErrorLog);
        m_infoLines = LogLines(m_dir.path(u"InfoLog.txt"_qs));
        m_errorLines = LogLines(m_dir.path(u"ErrorLog.txt"_qs));
    }

    QStringList Expanded(QStringList lines) const
    {
        return lines.replaceInStrings(u"{src}"_qs, m_src).replaceInStrings(u"{out}"_qs, m_out);
    }

    TestDir m_dir;
    FakeFrontEnd m_host;
    QString m_src, m_out;
    QStringList m_infoLines, m_errorLines;
};

QStringList Numbered(const QString& pattern, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(pattern.arg(i));
    return names;
}

} // namespace

class TestConvertPass : public QObject
{
    Q_OBJECT

    // Files tagged by ffmpeg, under the names the tag rows list them by.
    std::unique_ptr<TestDir> m_tagged;

private Q_SLOTS:
    void initTestCase();
    void copiesUnderNewNames_data();
    void copiesUnderNewNames();
    void emptyListEndsTheRun_data();
    void emptyListEndsTheRun();
    void foldersAndCountAreReadPerItem();
    void cancelStopsBeforeTheNextFile_data();
    void cancelStopsBeforeTheNextFile();
    void endOfRunOrder();
    void outputFolderIsTheListedFolder();
    void longNameIsShortenedAndNumbered();
    void undecodedNameFailsAlone_data();
    void undecodedNameFailsAlone();
    void oddSourceNamesGiveOneLineEach();
    void planIsWhatTheConvertWrites_data();
    void planIsWhatTheConvertWrites();
    void cancelWhileTagsAreRead();
};

void TestConvertPass::initTestCase()
{
    m_tagged = std::make_unique<TestDir>();
    const auto tagged = [this](const QString& name, const QString& title, const QString& artist) {
        QStringList metadata{u"title="_qs + title};
        if (!artist.isEmpty())
            metadata.append(u"artist="_qs + artist);
        MakeTaggedMp3(m_tagged->path(name), metadata);
    };
    tagged(u"a.mp3"_qs, u"Song"_qs, u"Band"_qs);
    tagged(u"b.mp3"_qs, u"Song"_qs, u"Band"_qs);
    tagged(u"c.mp3"_qs, u"Who?"_qs, u"A:B"_qs);
    tagged(u"d.mp3"_qs, u"Who"_qs, u"AB"_qs);
    tagged(u"e.mp3"_qs, u"Alone"_qs, {});
    m_tagged->makeFile(u"notes.mp3"_qs, "Only words, no audio.\n");
    tagged(u"g.mp3"_qs, QString(300, u'x'), u"Z"_qs);
    tagged(u"h.mp3"_qs, QString(300, u'x'), u"Z"_qs);
    tagged(u"i.mp3"_qs, u"Solo"_qs, u"Band"_qs);
}

void TestConvertPass::copiesUnderNewNames_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("preview"); // -1: no "Rename" column, else the mode that made it
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("infoLines");

    const QStringList patternNames{u"Title - Artist.mp3"_qs, u"Intro.mp3"_qs, u"X - a:b?c.mp3"_qs,
                                   u"Solo - Band"_qs};
    const QStringList songNames{u"012 Song.mp3"_qs, u"Song.mp3"_qs, u"07 Song.mp3"_qs,
                                u"12 Plain"_qs};
    const QString swapped = CopyLine(u"Title - Artist.mp3"_qs, u"Artist-Title.mp3"_qs);
    const QString band = CopyLine(u"Solo - Band"_qs, u"Band-Solo"_qs);
    const QString abc = CopyLine(u"X - a:b?c.mp3"_qs, u"abc-X.mp3"_qs);
    const QString first = CopyLine(u"012 Song.mp3"_qs, u"First Title-First Singer.mp3"_qs);
    const QString why = CopyLine(u"07 Song.mp3"_qs, u"Why-Singer.mp3"_qs);
    const QString plain = CopyLine(u"12 Plain"_qs, u"First Title-First Singer"_qs);

    QTest::newRow("pattern, computed")
        << PatternMode << -1 << patternNames
        << QStringList{swapped, u"Deleted Invalid char : a:b?c-X  ->  abc-X"_qs, abc, band};
    QTest::newRow("song list, computed")
        << SongListMode << -1 << songNames
        << QStringList{first, u"Deleted Invalid char : Why?-Singer  ->  Why-Singer"_qs, why, plain};
    QTest::newRow("song-list preview, pattern pass")
        << PatternMode << int(SongListMode) << songNames
        << QStringList{first, u"Deleted Invalid char : Why?-Singer.mp3  ->  Why-Singer.mp3"_qs, why,
                       plain};
    QTest::newRow("pattern preview, song-list pass")
        << SongListMode << int(PatternMode) << patternNames
        << QStringList{swapped, u"Deleted Invalid char : a:b?c-X.mp3  ->  abc-X.mp3"_qs, abc, band};
}

void TestConvertPass::copiesUnderNewNames()
{
    QFETCH(Mode, mode);
    QFETCH(int, preview);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, infoLines);
    ConvertJob job(listed);
    FakeFrontEnd& host = job.m_host;
    if (preview != -1) {
        host.m_bPreviewOnScreen = true;
        host.RunPass(JobKind::Preview,
                     preview == SongListMode ? PreviewSongListPass : PreviewPatternPass);
        host.m_calls.clear();
    }

    job.Run(mode);

    QCOMPARE(job.m_infoLines, job.Expanded(infoLines));
    QCOMPARE(job.m_errorLines, QStringList());
    for (const QString& line : infoLines.filter(u"Copy : "_qs)) {
        const QString listedName = line.section(u"  ->  "_qs, 0, 0).section(u'/', 1);
        const QString newName = line.section(u"  ->  "_qs, 1).section(u'/', 1);
        QCOMPARE(TestDir::read(job.m_out + u'/' + newName), listedName.toUtf8());
    }
    QCOMPARE(job.m_dir.entries(job.m_out).size(), 3);
    QCOMPARE(host.Calls(u"total"_qs), QStringList({u"25"_qs, u"50"_qs, u"75"_qs, u"100"_qs}));
    QCOMPARE(host.Calls(u"ended"_qs), QStringList{u"Completed."_qs});
    QCOMPARE(host.State().m_nCommand.load(), int(JOB_ENDING)); // the job makes it idle
    QCOMPARE(host.SongListPage().m_songList.m_nCount, 0);
    // One outcome per row: three copies and the file without a new name.
    QCOMPARE(host.m_ends.size(), 4u);
    QCOMPARE(host.m_ends[1].m_outcome, FileOutcome::Skipped);
    QCOMPARE(host.m_ends[2].m_outcome, FileOutcome::Copied);
}

void TestConvertPass::emptyListEndsTheRun_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::newRow("song list") << SongListMode;
    QTest::newRow("pattern") << PatternMode;
}

void TestConvertPass::emptyListEndsTheRun()
{
    QFETCH(Mode, mode);
    ConvertJob job({});
    AddSongListEntry(job.m_host.SongListPage().m_songList, u"1"_qs, u"Left-Over"_qs);
    job.Run(mode);
    QCOMPARE(job.m_infoLines, QStringList());
    QCOMPARE(job.m_host.Calls(u"ended"_qs), QStringList{u"Completed."_qs});
    QCOMPARE(job.m_host.Calls(u"total"_qs), QStringList());
    // Only the song-list pass reads (and empties) the song table.
    QCOMPARE(job.m_host.SongListPage().m_songList.m_nCount, mode == SongListMode ? 0 : 1);
}

void TestConvertPass::foldersAndCountAreReadPerItem()
{
    // Another output folder typed during the first copy, a shorter list
    // chosen during the second: the run still ends as completed.
    ConvertJob job({u"A - 1.mp3"_qs, u"B - 2.mp3"_qs, u"C - 3.mp3"_qs});
    const QString other = job.m_dir.makeFolder(u"other"_qs);
    int finished = 0;
    job.m_host.m_onCall = [&](const QString& call) {
        if (call == u"file:100"_qs && ++finished == 1)
            job.m_host.SetOutputFolder(other);
        if (call == u"file:100"_qs && finished == 2)
            job.m_host.SetRows({u"A - 1.mp3"_qs});
    };
    job.Run(PatternMode);
    QCOMPARE(job.m_dir.entries(job.m_out), QStringList{u"1-A.mp3"_qs});
    QCOMPARE(job.m_dir.entries(other), QStringList{u"2-B.mp3"_qs});
    QCOMPARE(job.m_host.Calls(u"total"_qs), QStringList({u"33"_qs, u"66"_qs}));
    QCOMPARE(job.m_host.Calls(u"ended"_qs), QStringList{u"Completed."_qs});
    QCOMPARE(job.m_host.State().m_nCommand.load(), int(JOB_ENDING));
}

void TestConvertPass::cancelStopsBeforeTheNextFile_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<bool>("fileBarReset");
    QTest::newRow("pattern, computed") << PatternMode << false << true;
    QTest::newRow("song list, computed") << SongListMode << false << false;
    QTest::newRow("song list, preview column") << SongListMode << true << true;
}

void TestConvertPass::cancelStopsBeforeTheNextFile()
{
    QFETCH(Mode, mode);
    QFETCH(bool, preview);
    QFETCH(bool, fileBarReset);
    const QStringList listed = Numbered(u"%1 - Artist.mp3"_qs, 10);
    ConvertJob job(listed, preview ? Numbered(u"New %1.mp3"_qs, 10) : QStringList());
    FakeFrontEnd& host = job.m_host;
    int finished = 0;
    host.m_onCall = [&](const QString& call) {
        if (call == u"file:100"_qs && ++finished == 3)
            (void)host.State().RequestCancel();
    };

    job.Run(mode);

    QCOMPARE(job.m_infoLines.filter(u"Copy : "_qs).size(), 3);
    QCOMPARE(job.m_dir.entries(job.m_out).size(), 3);
    QCOMPARE(host.Calls(u"total"_qs), QStringList({u"10"_qs, u"20"_qs, u"30"_qs, u"0"_qs}));
    const QStringList tail = fileBarReset ? QStringList{u"total:0"_qs, u"file:0"_qs}
                                          : QStringList{u"total:30"_qs, u"total:0"_qs};
    QCOMPARE(host.m_calls.mid(host.m_calls.size() - 2), tail);
    QCOMPARE(host.State().m_nCommand.load(), int(JOB_CANCELLED));
    QCOMPARE(host.Calls(u"ended"_qs), QStringList()); // the job tells the end, not the pass
    QCOMPARE(host.SongListPage().m_songList.m_nCount, 0);
}

void TestConvertPass::endOfRunOrder()
{
    // The end is told once the job is ending, the reader's stop request is
    // withdrawn and both logs are closed, so the logs it names are complete.
    TestDir dir;
    FakeFrontEnd host;
    CJobState& state = host.State();
    OpenRunLogs(state, dir.path());
    (void)state.StartConvert();
    host.SongListPage().m_bStopReading = 1;
    QStringList seen;
    host.m_onCall = [&](const QString& call) {
        seen.append(call +
                    QStringLiteral(" %1/%2/%3")
                        .arg(state.m_nCommand.load())
                        .arg(host.SongListPage().m_bStopReading.load())
                        .arg(state.m_pInfoLog || state.m_pErrorLog ? u"open"_qs : u"closed"_qs));
    };
    QCOMPARE(host.RunPass(JobKind::Convert, EndOfRun), 0);
    QCOMPARE(seen, QStringList{u"ended:Completed. 5/0/closed"_qs});
    QCOMPARE(host.m_summary.m_strErrorLogPath, dir.path(u"ErrorLog.txt"_qs));
}

void TestConvertPass::outputFolderIsTheListedFolder()
{
    ConvertJob job({u"A-A.mp3"_qs, u"Title - Artist.mp3"_qs});
    job.m_host.m_strOutputFolder = job.m_src;
    job.Run(PatternMode);
    QCOMPARE(job.m_dir.entries(job.m_src),
             QStringList({u"A-A (1).mp3"_qs, u"A-A.mp3"_qs, u"Artist-Title.mp3"_qs,
                          u"Title - Artist.mp3"_qs}));
    QCOMPARE(TestDir::read(job.m_src + u"/A-A.mp3"_qs), QByteArray("A-A.mp3"));
    QCOMPARE(TestDir::read(job.m_src + u"/A-A (1).mp3"_qs), QByteArray("A-A.mp3"));
    QCOMPARE(TestDir::read(job.m_src + u"/Title - Artist.mp3"_qs),
             QByteArray("Title - Artist.mp3"));
}

void TestConvertPass::longNameIsShortenedAndNumbered()
{
    QString korean; // 300 bytes of Hangul
    for (char16_t c = 0xAC00; c < 0xAC00 + 100; ++c)
        korean += QChar(c);
    const QString longName = korean + u".mp3"_qs;
    const QString shortName = korean.left(81) + u".mp3"_qs; // room left for " (9999)"
    const QString numbered = korean.left(81) + u" (1).mp3"_qs;
    ConvertJob job({u"a.mp3"_qs, u"b.mp3"_qs}, {longName, longName});
    job.Run(PatternMode);
    const QString shortened = u"Shortened long name : "_qs + longName + u"  ->  "_qs + shortName;
    QCOMPARE(job.m_infoLines, job.Expanded({shortened, CopyLine(u"a.mp3"_qs, shortName), shortened,
                                            CopyLine(u"b.mp3"_qs, numbered)}));
    QCOMPARE(job.m_errorLines, QStringList());
    QCOMPARE(TestDir::read(job.m_out + u'/' + shortName), QByteArray("a.mp3"));
    QCOMPARE(TestDir::read(job.m_out + u'/' + numbered), QByteArray("b.mp3"));
}

void TestConvertPass::undecodedNameFailsAlone_data()
{
    QTest::addColumn<QString>("rename");
    QTest::newRow("replacement character") << u"Ti\uFFFDle-Singer.mp3"_qs;
    QTest::newRow("lone surrogate, not an escaped byte")
        << u"Title-"_qs + QChar(0xDC7F) + u".mp3"_qs;
}

void TestConvertPass::undecodedNameFailsAlone()
{
    QFETCH(QString, rename);
    ConvertJob job({u"a.mp3"_qs, u"b.mp3"_qs}, {rename, u"Good.mp3"_qs});
    job.Run(SongListMode);
    QCOMPARE(job.m_errorLines,
             job.Expanded({u"The new name could not be decoded. - {src}/a.mp3"_qs}));
    QCOMPARE(job.m_infoLines, job.Expanded({CopyLine(u"b.mp3"_qs, u"Good.mp3"_qs)}));
    QCOMPARE(job.m_dir.entries(job.m_out), QStringList{u"Good.mp3"_qs});
    QCOMPARE(job.m_host.Calls(u"error"_qs), QStringList{u"1"_qs});
    QCOMPARE(job.m_host.m_ends.front().m_strReason, u"The new name could not be decoded."_qs);
    const QStringList boxes = job.m_host.Calls(u"ended"_qs);
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes[0].startsWith(u"Completed.\n\n1 copy failed."_qs));
}

void TestConvertPass::oddSourceNamesGiveOneLineEach()
{
    // A line break and a byte that is not UTF-8 in source names: the copies
    // carry the exact bytes, the log lines stay one line each.
    const QString notUtf8 = QString(QChar(0xDCFF)); // the byte FF
    ConvertJob job({u"Bad\nName - Artist.mp3"_qs, notUtf8 + u" - X.mp3"_qs});
    job.Run(PatternMode);
    const QString mark = u"\uFFFD"_qs;
    QCOMPARE(
        job.m_infoLines,
        job.Expanded(
            {u"Deleted Invalid char : Artist-Bad"_qs + mark + u"Name  ->  Artist-BadName"_qs,
             u"Copy : {src}/Bad"_qs + mark + u"Name - Artist.mp3  ->  {out}/Artist-BadName.mp3"_qs,
             u"Copy : {src}/"_qs + mark + u" - X.mp3  ->  {out}/X-"_qs + mark + u".mp3"_qs}));
    QCOMPARE(job.m_errorLines, QStringList());
    QCOMPARE(TestDir::read(job.m_out + u"/X-"_qs + notUtf8 + u".mp3"_qs),
             (notUtf8 + u" - X.mp3"_qs).toUtf8());
}

void TestConvertPass::planIsWhatTheConvertWrites_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<bool>("fromColumn");
    QTest::addColumn<QStringList>("flagsSeen");
    QTest::newRow("names of the Rename column")
        << PatternMode << true
        << QStringList{u"numbered"_qs, u"cleaned"_qs, u"shortened"_qs, u"clash"_qs,
                       u"lossy-swap"_qs};
    // A swap never makes a name longer than its file's: only a cell can be too long.
    QTest::newRow("names computed by the convert")
        << PatternMode << false
        << QStringList{u"numbered"_qs, u"cleaned"_qs, u"clash"_qs, u"lossy-swap"_qs};
    const QStringList tagFlags{u"numbered"_qs, u"cleaned"_qs, u"shortened"_qs, u"clash"_qs};
    QTest::newRow("tags, names of the Rename column") << TagsMode << true << tagFlags;
    QTest::newRow("tags, names computed by the convert") << TagsMode << false << tagFlags;
}

void TestConvertPass::planIsWhatTheConvertWrites()
{
    QFETCH(Mode, mode);
    QFETCH(bool, fromColumn);
    QFETCH(QStringList, flagsSeen);
    // Taken names, clashes, characters to clean, long names, rows without a
    // name, and for the swap a name it cuts short.
    const QStringList listed = mode == PatternMode ? QStringList{u"Song - Band.mp3"_qs,
                                                                 u"Song-Band.mp3"_qs,
                                                                 u"Who? - A:B.mp3"_qs,
                                                                 u"Who - AB.mp3"_qs,
                                                                 u"X - Y.m?p"_qs,
                                                                 u"Intro.mp3"_qs,
                                                                 u"Long 1 - Z.mp3"_qs,
                                                                 u"Long 2 - Z.mp3"_qs,
                                                                 u"Thunderstruck - AC-DC.mp3"_qs}
                                                   : m_tagged->entries();
    QCOMPARE(listed.size(), 9);
    ConvertJob job(listed, listed);
    if (mode == TagsMode) {
        for (const QString& name : listed)
            job.m_dir.makeFile(u"src/"_qs + name, TestDir::read(m_tagged->path(name)));
        job.m_host.m_mode = NamingMode::Tags;
        job.m_host.m_strTagFormat = u"{title}-{artist}"_qs;
    }
    job.m_dir.makeFile(mode == PatternMode ? u"out/Band-Song.mp3"_qs : u"out/Song-Band.mp3"_qs);
    job.m_host.m_bPreviewOnScreen = true;
    job.m_host.RunPass(JobKind::Preview,
                       mode == PatternMode ? PreviewPatternPass : PreviewTagsPass);
    // What the convert computes is what the preview showed; only a cell can
    // be changed to a name too long for any file system.
    const QStringList previewed = job.m_host.m_renames;
    const QString longName = QString(300, u'x') + u".mp3"_qs;
    job.m_host.m_renames[6] = job.m_host.m_renames[7] = longName;
    job.m_host.m_bPreviewOnScreen = fromColumn;
    std::vector<PlanRow> rows;
    for (qsizetype i = 0; i < listed.size(); ++i)
        rows.push_back({listed[i], fromColumn ? job.m_host.m_renames[i] : previewed[i]});
    const std::vector<PlannedFile> plan =
        PlanRun({job.m_out, fromColumn ? PlanNames::RenameColumn : PlanNames::Computed,
                 mode == PatternMode},
                rows);

    job.Run(mode);

    QStringList planned, written;
    unsigned flags = 0;
    for (const PlannedFile& file : plan) {
        if (file.m_status == PlanStatus::Planned)
            planned.append(file.m_strFinalName);
        flags |= file.m_nFlags;
    }
    for (const QString& line : job.m_infoLines) {
        if (line.startsWith(u"Copy : "_qs))
            written.append(line.section(u"  ->  "_qs, 1).mid(job.m_out.size() + 1));
    }
    QCOMPARE(planned, written);
    QCOMPARE(job.m_errorLines, QStringList());
    // The comparison is worth something only when each rule had its say.
    QCOMPARE(PlanFlagNames(flags), flagsSeen);
}

void TestConvertPass::cancelWhileTagsAreRead()
{
    // A cancel while the tags are still being read: no file is read after
    // it, and none is copied.
    const QStringList listed = m_tagged->entries();
    ConvertJob job(listed);
    for (const QString& name : listed)
        job.m_dir.makeFile(u"src/"_qs + name, TestDir::read(m_tagged->path(name)));
    FakeFrontEnd& host = job.m_host;
    host.m_mode = NamingMode::Tags;
    host.m_strTagFormat = u"{title}"_qs;
    host.m_onCall = [&](const QString& call) {
        if (call == u"total:1"_qs)
            (void)host.State().RequestCancel();
    };

    job.Run(TagsMode);

    QCOMPARE(host.Calls(u"total"_qs), (QStringList{u"1"_qs, u"0"_qs}));
    QCOMPARE(host.State().m_nCommand.load(), int(JOB_CANCELLED));
    QCOMPARE(host.m_ends.size(), 0u);
    QCOMPARE(job.m_infoLines, QStringList());
    QCOMPARE(job.m_dir.entries(job.m_out), QStringList());
}

QTEST_GUILESS_MAIN(TestConvertPass)
#include "tst_convert_pass.moc"
