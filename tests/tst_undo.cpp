#include "output/copy_one_file.h"
#include "output/run_log.h"
#include "output/run_undo.h"
#include "tests/fake_copy_host.h"
#include "tests/testdir.h"

#include <QtTest>

#include <sys/file.h>

namespace {

const QByteArray kSong("the song's bytes");

// What happens to a copy (or its source) between the job and the undo.
enum class Tamper
{
    None,
    SameSizeOtherBytes,
    Grown,
    Removed,
    LinkToSource,
    HardLinkToSource,
    SourceRemoved,
    Fifo,
};

// Runs a convert job of `copies` (source, destination) in `logFolder`, as the
// worker does: logs opened, one CopyOneFile each, logs closed.
void RunJob(const QString& logFolder, const QList<std::pair<QString, QString>>& copies)
{
    InFolder cwd(logFolder);
    FakeCopyHost host;
    OpenRunLogs(host, QDir::currentPath());
    for (const auto& [source, destination] : copies)
        CopyOneFile(host, source, destination);
    QVERIFY(CloseRunLog(host.m_pInfoLog).isEmpty());
    QVERIFY(CloseRunLog(host.m_pErrorLog).isEmpty());
}

void Apply(Tamper tamper, const TestDir& dir, const QString& source, const QString& copy)
{
    const QByteArray copyBytes = EncodeFileName(copy);
    switch (tamper) {
    case Tamper::None:
        break;
    case Tamper::SameSizeOtherBytes:
        dir.makeFile(copy.mid(dir.path().size() + 1), QByteArray(kSong).replace('s', 'z'));
        break;
    case Tamper::Grown:
        dir.makeFile(copy.mid(dir.path().size() + 1), kSong + "!");
        break;
    case Tamper::Removed:
        QCOMPARE(::unlink(copyBytes.constData()), 0);
        break;
    case Tamper::LinkToSource:
        QCOMPARE(::unlink(copyBytes.constData()), 0);
        QCOMPARE(::symlink(EncodeFileName(source).constData(), copyBytes.constData()), 0);
        break;
    case Tamper::HardLinkToSource:
        QCOMPARE(::unlink(copyBytes.constData()), 0);
        QCOMPARE(::link(EncodeFileName(source).constData(), copyBytes.constData()), 0);
        break;
    case Tamper::SourceRemoved:
        QCOMPARE(::unlink(EncodeFileName(source).constData()), 0);
        break;
    case Tamper::Fifo:
        QCOMPARE(::unlink(copyBytes.constData()), 0);
        QCOMPARE(::mkfifo(copyBytes.constData(), 0600), 0);
        break;
    }
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void removesOnlyTheUntouchedCopy_data();
    void removesOnlyTheUntouchedCopy();
    void leavesFailedAndUnnameableCopies();
    void unusableLogsAreReported_data();
    void unusableLogsAreReported();
};

void TestUndo::removesOnlyTheUntouchedCopy_data()
{
    QTest::addColumn<Tamper>("tamper");
    QTest::addColumn<bool>("nameTaken"); // a file of the same bytes stood there before the job
    QTest::addColumn<QString>("copyName");
    QTest::addColumn<QString>("reason"); // empty: removed

    QTest::newRow("untouched") << Tamper::None << false << u"Song.mp3"_qs << QString();
    QTest::newRow("numbered") << Tamper::None << true << u"Song (1).mp3"_qs << QString();
    QTest::newRow("changed") << Tamper::SameSizeOtherBytes << false << u"Song.mp3"_qs
                             << u"it was changed since the copy"_qs;
    QTest::newRow("grown") << Tamper::Grown << true << u"Song (1).mp3"_qs
                           << u"it was changed since the copy"_qs;
    QTest::newRow("missing") << Tamper::Removed << false << u"Song.mp3"_qs << u"it is missing"_qs;
    QTest::newRow("link") << Tamper::LinkToSource << false << u"Song.mp3"_qs
                          << u"a link stands in its place"_qs;
    QTest::newRow("hard link") << Tamper::HardLinkToSource << false << u"Song.mp3"_qs
                               << u"it is its source itself, not a copy"_qs;
    QTest::newRow("source gone") << Tamper::SourceRemoved << false << u"Song.mp3"_qs
                                 << u"its source is gone"_qs;
    QTest::newRow("fifo") << Tamper::Fifo << false << u"Song.mp3"_qs
                          << u"it is no longer a regular file"_qs;
}

void TestUndo::removesOnlyTheUntouchedCopy()
{
    QFETCH(Tamper, tamper);
    QFETCH(bool, nameTaken);
    QFETCH(QString, copyName);
    QFETCH(QString, reason);

    TestDir dir;
    const QString source = dir.makeFile(u"src/012 Song.mp3"_qs, kSong);
    dir.makeFolder(u"out"_qs);
    if (nameTaken)
        dir.makeFile(u"out/Song.mp3"_qs, kSong);
    RunJob(dir.path(), {{source, dir.path(u"out/Song.mp3"_qs)}});
    const QString copy = dir.path(u"out/"_qs + copyName);
    QCOMPARE(TestDir::read(copy), kSong);
    Apply(tamper, dir, source, copy);
    const QStringList before = dir.entries(dir.path(u"out"_qs));

    const UndoResult dry = UndoLastRun(dir.path(), UndoMode::DryRun);
    QCOMPARE(dry.m_strError, QString());
    QCOMPARE(dry.m_items.size(), 1);
    QCOMPARE(dry.m_items[0].m_strPath, copy);
    QCOMPARE(dry.m_items[0].m_strSource, source);
    QCOMPARE(dry.m_items[0].m_action,
             reason.isEmpty() ? UndoAction::WouldRemove : UndoAction::Left);
    QCOMPARE(dry.m_items[0].m_strReason, reason);
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), before);

    const UndoResult done = UndoLastRun(dir.path(), UndoMode::Remove);
    QCOMPARE(done.m_items.size(), 1);
    QCOMPARE(done.m_items[0].m_action, reason.isEmpty() ? UndoAction::Removed : UndoAction::Left);
    QCOMPARE(done.m_items[0].m_strReason, reason);
    QStringList after = before;
    if (reason.isEmpty())
        after.removeOne(copyName);
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), after);
    if (nameTaken)
        QCOMPARE(TestDir::read(dir.path(u"out/Song.mp3"_qs)), kSong);
    if (tamper != Tamper::SourceRemoved)
        QCOMPARE(TestDir::read(source), kSong);
}

void TestUndo::leavesFailedAndUnnameableCopies()
{
    TestDir dir;
    const QString good = dir.makeFile(u"src/1 Good.mp3"_qs, kSong);
    const QString late = dir.path(u"src/2 Late.mp3"_qs); // appears only after the job
    const QString odd = dir.makeFile(DecodeFileName("src/3 \xFF.mp3"), kSong);
    dir.makeFolder(u"out"_qs);
    RunJob(dir.path(), {{good, dir.path(u"out/Good.mp3"_qs)},
                        {late, dir.path(u"out/Late.mp3"_qs)},
                        {good, dir.path(u"gone/Good.mp3"_qs)},
                        {odd, dir.path(u"out/Odd.mp3"_qs)}});
    // What stands there now has the source's bytes, yet the job never made it.
    dir.makeFile(u"src/2 Late.mp3"_qs, kSong);
    dir.makeFile(u"out/Late.mp3"_qs, kSong);
    dir.makeFile(u"gone/Good.mp3"_qs, kSong);

    const UndoResult result = UndoLastRun(dir.path(), UndoMode::Remove);
    QCOMPARE(result.m_strError, QString());
    QStringList reasons;
    for (const UndoItem& item : result.m_items)
        reasons.append(item.m_strReason);
    QCOMPARE(reasons, (QStringList{QString(), u"ErrorLog.txt names this copy as failed"_qs,
                                   u"ErrorLog.txt names this copy as failed"_qs,
                                   u"the log cannot name its source exactly"_qs}));
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), (QStringList{u"Late.mp3"_qs, u"Odd.mp3"_qs}));
    QCOMPARE(dir.entries(dir.path(u"gone"_qs)), QStringList{u"Good.mp3"_qs});
}

void TestUndo::unusableLogsAreReported_data()
{
    QTest::addColumn<QByteArray>("infoLog"); // empty: none
    QTest::addColumn<bool>("asLink");
    QTest::addColumn<bool>("jobRunning");
    QTest::addColumn<QString>("reason");

    const QByteArray log("\xFF\xFE", 2);
    QTest::newRow("none") << QByteArray() << false << false
                          << u"it does not exist (no convert job has run there)"_qs;
    QTest::newRow("link") << log << true << false << u"it is a link, not a log tamro wrote"_qs;
    QTest::newRow("not utf-16") << QByteArray("Copy : a  ->  b\n") << false << false
                                << u"is not a run log of tamro"_qs;
    QTest::newRow("job running") << log << false << true << u"a convert job is still writing it"_qs;
}

void TestUndo::unusableLogsAreReported()
{
    QFETCH(QByteArray, infoLog);
    QFETCH(bool, asLink);
    QFETCH(bool, jobRunning);
    QFETCH(QString, reason);

    TestDir dir;
    dir.makeFile(u"ErrorLog.txt"_qs, "\xFF\xFE");
    if (!infoLog.isEmpty() && asLink)
        dir.makeLink(u"InfoLog.txt"_qs, dir.makeFile(u"elsewhere.txt"_qs, infoLog));
    else if (!infoLog.isEmpty())
        dir.makeFile(u"InfoLog.txt"_qs, infoLog);
    FakeCopyHost job;
    if (jobRunning) {
        InFolder cwd(dir.path());
        QVERIFY(OpenRunLogsForJob(job, QDir::currentPath()).isEmpty());
    }
    const UndoResult result = UndoLastRun(dir.path(), UndoMode::DryRun);
    QVERIFY2(result.m_strError.startsWith(dir.path(u"InfoLog.txt"_qs)),
             qPrintable(result.m_strError));
    QVERIFY2(result.m_strError.contains(reason), qPrintable(result.m_strError));
    QVERIFY(result.m_items.isEmpty());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
