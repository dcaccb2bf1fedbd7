#include "output/copy_one_file.h"
#include "output/run_log.h"
#include "output/run_record_reader.h"
#include "output/run_record_writer.h"
#include "output/run_state_folder.h"
#include "output/run_undo.h"
#include "tests/fake_copy_host.h"
#include "tests/testdir.h"

#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

const QByteArray kSong("the song's bytes");

// What happens to a copy, its source or its folder between the job and the
// undo.
enum class Tamper
{
    None,
    Edited,         // same size, other bytes, a new time
    EditedTimeKept, // same size, other bytes, the time put back
    Grown,
    Removed,
    LinkToSource,
    HardLinkToSource,
    SameBytesNewFile, // another file with the same bytes and time put in its place
    SourceRemoved,
    SourceEdited,
    Fifo,
    FolderLinkedElsewhere, // the output folder replaced by a link to a look-alike
    FolderReplaced,        // the output folder replaced by a look-alike folder
};

// Runs a convert job of `copies` (source, destination) in `logFolder` as the
// worker does: logs and run record opened, one CopyOneFile each, all closed.
// Returns the run's id.
QString RunJob(const QString& logFolder, const QList<std::pair<QString, QString>>& copies)
{
    InFolder cwd(logFolder);
    FakeCopyHost host;
    OpenRunLogs(host, QDir::currentPath());
    for (const auto& [source, destination] : copies)
        CopyOneFile(host, source, destination);
    (void)CloseRunLog(host.m_pInfoLog);
    (void)CloseRunLog(host.m_pErrorLog);
    QString id = host.m_pRunRecord ? host.m_pRunRecord->RunId() : QString();
    if (host.m_pRunRecord)
        (void)host.m_pRunRecord->End();
    return id;
}

struct stat StatOf(const QString& path)
{
    struct stat info
    {};
    ::lstat(EncodeFileName(path).constData(), &info);
    return info;
}

void SetTime(const QString& path, const struct timespec& time)
{
    const struct timespec times[2] = {{0, UTIME_OMIT}, time};
    QCOMPARE(::utimensat(AT_FDCWD, EncodeFileName(path).constData(), times, AT_SYMLINK_NOFOLLOW),
             0);
}

void Rename(const QString& from, const QString& to)
{
    QCOMPARE(::rename(EncodeFileName(from).constData(), EncodeFileName(to).constData()), 0);
}

void Apply(Tamper tamper, const TestDir& dir, const QString& source, const QString& copy)
{
    const QByteArray copyBytes = EncodeFileName(copy);
    const QString relative = copy.mid(dir.path().size() + 1);
    const struct stat before = StatOf(copy);
    QByteArray edited = kSong;
    edited.replace('s', 'z');
    switch (tamper) {
    case Tamper::None:
        break;
    case Tamper::Edited:
        dir.makeFile(relative, edited);
        SetTime(copy, {before.st_mtim.tv_sec + 10, before.st_mtim.tv_nsec});
        break;
    case Tamper::EditedTimeKept:
        dir.makeFile(relative, edited);
        SetTime(copy, before.st_mtim);
        break;
    case Tamper::Grown:
        dir.makeFile(relative, kSong + "!");
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
    case Tamper::SameBytesNewFile:
        SetTime(dir.makeFile(relative + u".new"_qs, kSong), before.st_mtim);
        Rename(copy + u".new"_qs, copy);
        break;
    case Tamper::SourceRemoved:
        QCOMPARE(::unlink(EncodeFileName(source).constData()), 0);
        break;
    case Tamper::SourceEdited:
        dir.makeFile(source.mid(dir.path().size() + 1), edited);
        break;
    case Tamper::Fifo:
        QCOMPARE(::unlink(copyBytes.constData()), 0);
        QCOMPARE(::mkfifo(copyBytes.constData(), 0600), 0);
        break;
    case Tamper::FolderLinkedElsewhere:
        // Same names, same bytes, same times: only the folder tells them apart.
        Rename(dir.path(u"out"_qs), dir.path(u"out.moved"_qs));
        SetTime(dir.makeFile(u"elsewhere/"_qs + copy.section(u'/', -1), kSong), before.st_mtim);
        QCOMPARE(::symlink("elsewhere", EncodeFileName(dir.path(u"out"_qs)).constData()), 0);
        break;
    case Tamper::FolderReplaced:
        Rename(dir.path(u"out"_qs), dir.path(u"out.moved"_qs));
        SetTime(dir.makeFile(relative, kSong), before.st_mtim);
        break;
    }
}

QStringList Reasons(const UndoResult& result)
{
    QStringList reasons;
    for (const UndoItem& item : result.m_items)
        reasons.append(item.m_strReason);
    return reasons;
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void removesOnlyTheUntouchedCopy_data();
    void removesOnlyTheUntouchedCopy();
    void plantedLogsUndoNothing_data();
    void plantedLogsUndoNothing();
    void recordsNotTheOperatorsOwnAreRefused_data();
    void recordsNotTheOperatorsOwnAreRefused();
    void damagedRecordsAreRefused_data();
    void damagedRecordsAreRefused();
    void secondUndoIsAlreadyUndone();
    void killedRunIsUndone();
    void recordKeepsEveryCopyExactly();
    void runsAreListedAndTakenById();
    void oneUndoAtATimeAndCancel();

private:
    std::unique_ptr<QTemporaryDir> m_state;
};

// Every test gets state folders of its own, never the operator's.
void TestUndo::init()
{
    m_state = std::make_unique<QTemporaryDir>();
    QVERIFY(m_state->isValid());
    qputenv("XDG_STATE_HOME", EncodeFileName(m_state->path()));
}

void TestUndo::removesOnlyTheUntouchedCopy_data()
{
    QTest::addColumn<Tamper>("tamper");
    QTest::addColumn<bool>("nameTaken"); // a file of the same bytes stood there before the job
    QTest::addColumn<QString>("copyName");
    QTest::addColumn<QString>("reason"); // empty: removed

    QTest::newRow("untouched") << Tamper::None << false << u"Song.mp3"_qs << QString();
    QTest::newRow("numbered") << Tamper::None << true << u"Song (1).mp3"_qs << QString();
    QTest::newRow("edited") << Tamper::Edited << false << u"Song.mp3"_qs
                            << u"it was changed since the copy"_qs;
    QTest::newRow("edited, time kept") << Tamper::EditedTimeKept << false << u"Song.mp3"_qs
                                       << u"it no longer equals its source"_qs;
    QTest::newRow("grown") << Tamper::Grown << true << u"Song (1).mp3"_qs
                           << u"it was changed since the copy"_qs;
    QTest::newRow("missing") << Tamper::Removed << false << u"Song.mp3"_qs << u"it is missing"_qs;
    QTest::newRow("link") << Tamper::LinkToSource << false << u"Song.mp3"_qs
                          << u"a link stands in its place"_qs;
    QTest::newRow("hard link") << Tamper::HardLinkToSource << false << u"Song.mp3"_qs
                               << u"another file stands in its place"_qs;
    QTest::newRow("same bytes, new inode") << Tamper::SameBytesNewFile << false << u"Song.mp3"_qs
                                           << u"another file stands in its place"_qs;
    QTest::newRow("source gone") << Tamper::SourceRemoved << false << u"Song.mp3"_qs
                                 << u"its source is gone"_qs;
    QTest::newRow("source edited")
        << Tamper::SourceEdited << false << u"Song.mp3"_qs << u"it no longer equals its source"_qs;
    QTest::newRow("fifo") << Tamper::Fifo << false << u"Song.mp3"_qs
                          << u"it is no longer a regular file"_qs;
    QTest::newRow("folder linked elsewhere")
        << Tamper::FolderLinkedElsewhere << false << u"Song.mp3"_qs
        << u"a link stands in the place of its folder"_qs;
    QTest::newRow("folder replaced") << Tamper::FolderReplaced << false << u"Song.mp3"_qs
                                     << u"another folder stands in the place of its folder"_qs;
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
    QCOMPARE(done.m_strMarkProblem, QString());
    QStringList after = before;
    if (reason.isEmpty())
        after.removeOne(copyName);
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), after);
    if (nameTaken)
        QCOMPARE(TestDir::read(dir.path(u"out/Song.mp3"_qs)), kSong);
    if (tamper == Tamper::FolderLinkedElsewhere || tamper == Tamper::FolderReplaced)
        QCOMPARE(TestDir::read(dir.path(u"out.moved/Song.mp3"_qs)), kSong);
    if (tamper != Tamper::SourceRemoved && tamper != Tamper::SourceEdited)
        QCOMPARE(TestDir::read(source), kSong);
}

void TestUndo::plantedLogsUndoNothing_data()
{
    QTest::addColumn<bool>("otherRuns"); // records exist, for another folder
    QTest::newRow("no record at all") << false;
    QTest::newRow("records of other folders only") << true;
}

// A downloaded folder that carries logs naming the operator's own file and
// a copy of it: the logs are text for people, nothing is removed.
void TestUndo::plantedLogsUndoNothing()
{
    QFETCH(bool, otherRuns);
    TestDir home;
    const QString notes = home.makeFile(u"notes.txt"_qs, kSong);
    TestDir dir;
    dir.makeFile(u"bait.mp3"_qs, kSong);
    dir.makeFile(u"InfoLog.txt"_qs, "\xFF\xFE" + Utf16Le(u"Copy : "_qs + dir.path(u"bait.mp3"_qs) +
                                                         u"  ->  "_qs + notes + u"\r\n"_qs));
    dir.makeFile(u"ErrorLog.txt"_qs, "\xFF\xFE");
    if (otherRuns) {
        TestDir elsewhere;
        RunJob(elsewhere.path(),
               {{elsewhere.makeFile(u"a.mp3"_qs, kSong), elsewhere.path(u"b.mp3"_qs)}});
    }
    for (const UndoMode mode : {UndoMode::DryRun, UndoMode::Remove}) {
        const UndoResult result = UndoLastRun(dir.path(), mode);
        QCOMPARE(result.m_strError, u"No run of tamro is recorded for "_qs + dir.path() + u'.');
        QVERIFY(result.m_items.isEmpty());
    }
    QCOMPARE(TestDir::read(notes), kSong);
    QCOMPARE(dir.entries(), (QStringList{u"ErrorLog.txt"_qs, u"InfoLog.txt"_qs, u"bait.mp3"_qs}));
}

void TestUndo::recordsNotTheOperatorsOwnAreRefused_data()
{
    QTest::addColumn<QString>("what"); // below the state home
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");
    const QString writable = u"can be written by other users"_qs;
    QTest::newRow("records folder writable by others")
        << u"tamro/runs"_qs << u"mode 0777"_qs << writable;
    QTest::newRow("tamro folder writable by the group")
        << u"tamro"_qs << u"mode 0770"_qs << writable;
    QTest::newRow("run folder writable by others") << u"RUN"_qs << u"mode 0757"_qs << writable;
    QTest::newRow("record file writable by others")
        << u"RUN/copies-00000001"_qs << u"mode 0666"_qs << writable;
    QTest::newRow("tamro folder of another user")
        << u"tamro"_qs << u"owner"_qs << u"belongs to another user"_qs;
    QTest::newRow("record file of another user")
        << u"RUN/run"_qs << u"owner"_qs << u"belongs to another user"_qs;
    QTest::newRow("records folder is a link")
        << u"tamro/runs"_qs << u"link"_qs << u"is a link or not a folder"_qs;
    QTest::newRow("record file is a link")
        << u"RUN/copies-00000001"_qs << u"link"_qs << u"is a link or not a folder"_qs;
}

void TestUndo::recordsNotTheOperatorsOwnAreRefused()
{
    QFETCH(QString, what);
    QFETCH(QString, change);
    QFETCH(QString, reason);
    if (change == u"owner"_qs && ::geteuid() != 0)
        QSKIP("giving a file to another user needs root");

    TestDir dir;
    const QString source = dir.makeFile(u"src/1 Song.mp3"_qs, kSong);
    dir.makeFolder(u"out"_qs);
    const QString id = RunJob(dir.path(), {{source, dir.path(u"out/Song.mp3"_qs)}});
    QVERIFY(!id.isEmpty());
    QString relative = what;
    relative.replace(u"RUN"_qs, u"tamro/runs/"_qs + id);
    const QByteArray path = EncodeFileName(m_state->path() + u'/' + relative);
    if (change.startsWith(u"mode "_qs)) {
        QCOMPARE(::chmod(path.constData(), mode_t(change.mid(5).toUInt(nullptr, 8))), 0);
    } else if (change == u"owner"_qs) {
        QCOMPARE(::lchown(path.constData(), 65534, 65534), 0);
    } else {
        // The same content elsewhere, reached through a link.
        const QByteArray moved = path + ".real";
        QCOMPARE(::rename(path.constData(), moved.constData()), 0);
        QCOMPARE(::symlink(moved.constData(), path.constData()), 0);
    }

    for (const UndoMode mode : {UndoMode::DryRun, UndoMode::Remove}) {
        const UndoResult result = UndoLastRun(dir.path(), mode);
        QVERIFY2(result.m_strError.contains(reason), qPrintable(result.m_strError));
        QVERIFY(result.m_items.isEmpty());
    }
    QCOMPARE(TestDir::read(dir.path(u"out/Song.mp3"_qs)), kSong);
    // A writer refuses such a records folder as well.
    if (!what.startsWith(u"RUN"_qs)) {
        CRunRecordWriter writer;
        const QString problem = writer.Begin(dir.path(), dir.path(u"out"_qs));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
        QVERIFY(!writer.IsRecording());
    }
}

void TestUndo::damagedRecordsAreRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("content"); // empty: the file is removed
    QTest::addColumn<QString>("reason");
    const QByteArray start("tamro run copies 1\n");
    QTest::newRow("a batch missing") << QByteArray("copies-00000001") << QByteArray()
                                     << u"copies-00000001 is damaged: it is missing"_qs;
    QTest::newRow("a copy outside its folder")
        << QByteArray("copies-00000002") << start + "copy 0 0 1 2 3 4 5 ../x y\n"
        << u"line 2: a damaged copy"_qs;
    QTest::newRow("a folder not named before")
        << QByteArray("copies-00000002") << start + "copy 7 0 1 2 3 4 5 x y\n"
        << u"line 2: a damaged copy"_qs;
    QTest::newRow("a relative folder")
        << QByteArray("copies-00000002") << start + "folder 1 1 2 tmp\n"
        << u"line 2: a damaged output folder"_qs;
    QTest::newRow("a cut line") << QByteArray("copies-00000002") << start + "copy 0 0 1"
                                << u"the last line is cut short"_qs;
    QTest::newRow("another kind of file")
        << QByteArray("copies-00000002") << QByteArray("Copy : a  ->  b\n")
        << u"it is not a run record of tamro"_qs;
    QTest::newRow("a header naming another run")
        << QByteArray("run") << QByteArray("tamro run record 1\nid x\ntime 1\nlog 1 2 /tmp\n")
        << u"it names another run"_qs;
    QTest::newRow("an undo of copies never made")
        << QByteArray("undone") << QByteArray("tamro run undone 1\ntime 5\ngone 9\n")
        << u"a copy the run did not make"_qs;
}

void TestUndo::damagedRecordsAreRefused()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TestDir dir;
    const QString source = dir.makeFile(u"src/1 Song.mp3"_qs, kSong);
    dir.makeFolder(u"out"_qs);
    const QString id = RunJob(dir.path(), {{source, dir.path(u"out/Song.mp3"_qs)}});
    const QString runFolder = m_state->path() + u"/tamro/runs/"_qs + id;
    const QByteArray path = EncodeFileName(runFolder + u'/' + QString::fromLatin1(file));
    if (content.isEmpty()) {
        // A later batch stays, so the gap shows.
        QCOMPARE(::rename(path.constData(),
                          EncodeFileName(runFolder + u"/copies-00000002"_qs).constData()),
                 0);
    } else {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, content.constData(), size_t(content.size())), content.size());
        ::close(fd);
    }
    const UndoResult result = UndoRun(UndoSelector{{}, id}, UndoMode::Remove);
    QVERIFY2(result.m_strError.contains(reason), qPrintable(result.m_strError));
    QVERIFY(result.m_items.isEmpty());
    QCOMPARE(TestDir::read(dir.path(u"out/Song.mp3"_qs)), kSong);
}

void TestUndo::secondUndoIsAlreadyUndone()
{
    TestDir dir;
    const QString kept = dir.makeFile(u"src/1 Kept.mp3"_qs, kSong);
    const QString song = dir.makeFile(u"src/2 Song.mp3"_qs, kSong);
    dir.makeFolder(u"out"_qs);
    RunJob(dir.path(),
           {{kept, dir.path(u"out/Kept.mp3"_qs)}, {song, dir.path(u"out/Song.mp3"_qs)}});
    dir.makeFile(u"out/Kept.mp3"_qs, "edited");

    // A dry run writes nothing down.
    QCOMPARE(UndoLastRun(dir.path(), UndoMode::DryRun).m_items.size(), 2);
    const UndoResult first = UndoLastRun(dir.path(), UndoMode::Remove);
    QCOMPARE(Reasons(first), (QStringList{u"it was changed since the copy"_qs, QString()}));
    // What went is left out; what stayed is looked at again.
    const UndoResult second = UndoLastRun(dir.path(), UndoMode::Remove);
    QCOMPARE(second.m_strError, QString());
    QCOMPARE(second.m_items.size(), 1);
    QCOMPARE(second.m_items[0].m_strPath, dir.path(u"out/Kept.mp3"_qs));
    // Removed by hand: it is gone all the same, and the run is undone.
    QCOMPARE(::unlink(EncodeFileName(dir.path(u"out/Kept.mp3"_qs)).constData()), 0);
    QCOMPARE(Reasons(UndoLastRun(dir.path(), UndoMode::Remove)), QStringList{u"it is missing"_qs});
    const UndoResult last = UndoLastRun(dir.path(), UndoMode::Remove);
    QVERIFY2(last.m_strError.startsWith(u"The last run of tamro for "_qs + dir.path()),
             qPrintable(last.m_strError));
    QVERIFY2(last.m_strError.contains(u"is already undone"_qs), qPrintable(last.m_strError));
    QVERIFY(last.m_items.isEmpty());
}

// A run killed after some copies: what the record got by then is undone.
void TestUndo::killedRunIsUndone()
{
    TestDir dir;
    QList<std::pair<QString, QString>> copies;
    for (int i = 0; i < 3; ++i) {
        copies.append({dir.makeFile(u"src/%1 Song.mp3"_qs.arg(i), kSong + char('0' + i)),
                       dir.path(u"out/Song %1.mp3"_qs.arg(i))});
    }
    dir.makeFolder(u"out"_qs);
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(60);
        InFolder cwd(dir.path());
        FakeCopyHost host;
        OpenRunLogs(host, QDir::currentPath());
        for (const auto& [source, destination] : copies)
            CopyOneFile(host, source, destination);
        (void)::write(ready[1], "x", 1);
        ::pause(); // killed here, the record never ended
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
    ::close(ready[0]);
    // The writer's thread writes what it holds within its batch delay.
    QTest::qWait(int(3 * CRunRecordWriter::kBatchDelay.count()));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFSIGNALED(status));

    const UndoResult result = UndoLastRun(dir.path(), UndoMode::Remove);
    QCOMPARE(result.m_strError, QString());
    QCOMPARE(Reasons(result), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
}

// Names with any bytes, several output folders and more copies than a batch
// holds come back from the record as they were made.
void TestUndo::recordKeepsEveryCopyExactly()
{
    TestDir dir;
    const QList<QString> odd{DecodeFileName("new\nline %41 \xFF.mp3"), u"  blank  "_qs,
                             u"Caf\u00e9 100%.mp3"_qs};
    CRunRecordWriter writer;
    QCOMPARE(writer.Begin(dir.path(), dir.path(u"out"_qs)), QString());
    QList<QByteArray> made;
    constexpr int kCopies = CRunRecordWriter::kBatchCopies * 2 + 10;
    for (int i = 0; i < kCopies; ++i) {
        const QString name = i < odd.size() ? odd[i] : u"Song %1.mp3"_qs.arg(i);
        // Every hundredth copy goes into a second folder, as when the
        // operator changes the output folder during a run.
        const QString folder = i % 100 == 99 ? u"other"_qs : u"out"_qs;
        const QString copy = dir.makeFile(folder + u'/' + name, "x");
        struct stat info
        {};
        QCOMPARE(::lstat(EncodeFileName(copy).constData(), &info), 0);
        writer.AddCopy(EncodeFileName(copy), EncodeFileName(dir.path(u"src/"_qs) + name), info);
        made.append(EncodeFileName(copy));
    }
    QCOMPARE(writer.End(), QString());

    CRunRecordReader records;
    QCOMPARE(records.Open(), QString());
    RunRecord run;
    QCOMPARE(records.Load(writer.RunId(), run), QString());
    QCOMPARE(qsizetype(run.m_copies.size()), qsizetype(kCopies));
    QList<QByteArray> recorded;
    for (const RecordedCopy& copy : run.m_copies)
        recorded.append(run.CopyPath(copy));
    QCOMPARE(recorded, made);
    QCOMPARE(run.SourcePath(run.m_copies[0]), EncodeFileName(dir.path(u"src/"_qs) + odd[0]));
    QCOMPARE(run.m_outputFolders.size(), 2);
    QCOMPARE(run.m_logFolder.m_path, EncodeFileName(dir.path()));
    const struct stat first = StatOf(dir.path(u"out/"_qs) + odd[0]);
    QCOMPARE(run.m_copies[0].m_nInode, std::uint64_t(first.st_ino));
    QCOMPARE(run.m_copies[0].m_nMtimeNsec, std::int64_t(first.st_mtim.tv_nsec));
    // Batches, not a file per copy; each file closed to others.
    const QString runFolder = RunRecordsPath() + u'/' + writer.RunId();
    const QStringList files = QDir(runFolder).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(files.size() >= 2 && files.size() <= 20, qPrintable(files.join(u' ')));
    QCOMPARE(StatOf(runFolder).st_mode & 07777, mode_t(0700));
    QCOMPARE(StatOf(runFolder + u"/copies-00000001"_qs).st_mode & 07777, mode_t(0600));
}

void TestUndo::runsAreListedAndTakenById()
{
    TestDir dir;
    const QString a = dir.makeFile(u"src/1 A.mp3"_qs, kSong);
    dir.makeFolder(u"out"_qs);
    const QString first = RunJob(dir.path(), {{a, dir.path(u"out/A.mp3"_qs)}});
    const QString second = RunJob(dir.path(), {});

    CRunRecordReader records;
    QCOMPARE(records.Open(), QString());
    const QList<RecordedRunSummary> runs = records.List();
    QCOMPARE(runs.size(), 2);
    QCOMPARE(runs[0].m_strId, second); // newest first
    QCOMPARE(runs[0].m_nCopies, 0);
    QCOMPARE(runs[1].m_strId, first);
    QCOMPARE(runs[1].m_nCopies, 1);
    QCOMPARE(runs[1].m_outputFolders, QStringList{dir.path(u"out"_qs)});
    QCOMPARE(runs[1].m_strLogFolder, dir.path());

    // The last run for the folder copied nothing; the first is taken by id.
    const UndoResult last = UndoLastRun(dir.path(), UndoMode::Remove);
    QCOMPARE(last.m_strError, QString());
    QCOMPARE(last.m_strRunId, second);
    QVERIFY(last.m_items.isEmpty());
    const UndoResult byId = UndoRun(UndoSelector{{}, first}, UndoMode::Remove);
    QCOMPARE(Reasons(byId), QStringList{QString()});
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
    QVERIFY(records.List()[1].m_bUndone);
    QCOMPARE(UndoRun(UndoSelector{{}, u"../../etc"_qs}, UndoMode::Remove).m_strError,
             u"No run ../../etc is recorded."_qs);
}

void TestUndo::oneUndoAtATimeAndCancel()
{
    TestDir dir;
    const QString source = dir.makeFile(u"src/1 Song.mp3"_qs, kSong);
    dir.makeFolder(u"out"_qs);
    RunJob(dir.path(), {{source, dir.path(u"out/Song.mp3"_qs)}});

    // As the engine calls it: the items named before any is decided.
    UndoPlan plan = LoadRunForUndo(dir.path());
    QCOMPARE(plan.m_strError, QString());
    QCOMPARE(plan.Size(), 1);
    QCOMPARE(plan.m_strLogFolder, dir.path());
    QCOMPARE(plan.m_items[0].m_strPath, dir.path(u"out/Song.mp3"_qs));
    QCOMPARE(plan.m_items[0].m_strSource, source);
    QCOMPARE(UndoRecordedCopy(plan, 1, UndoMode::Remove).m_action, UndoAction::Left);
    QVERIFY(LoadRunForUndo(UndoSelector{dir.path(), {}})
                .m_strError.contains(u"Another undo of run"_qs));
    const UndoItem cancelled = UndoRecordedCopy(plan, 0, UndoMode::Remove,
                                                [](std::int64_t, std::int64_t) { return false; });
    QCOMPARE(cancelled.m_action, UndoAction::Left);
    QVERIFY(!cancelled.m_bGone);
    QCOMPARE(TestDir::read(dir.path(u"out/Song.mp3"_qs)), kSong);
    std::int64_t total = -1;
    const UndoItem done =
        UndoRecordedCopy(plan, 0, UndoMode::Remove, [&total](std::int64_t, std::int64_t all) {
            total = all;
            return true;
        });
    QCOMPARE(done.m_action, UndoAction::Removed);
    QCOMPARE(total, std::int64_t(kSong.size()));
    // An engine that never calls MarkUndone: letting the plan go writes
    // down what went, and lets the run go.
    plan = UndoPlan();
    QVERIFY(
        LoadRunForUndo(UndoSelector{dir.path(), {}}).m_strError.contains(u"is already undone"_qs));
}

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
