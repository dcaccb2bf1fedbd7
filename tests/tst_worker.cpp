#include "modes/song_list_page_base.h"
#include "output/run_log.h"
#include "platform/file_copy.h"
#include "tests/fake_front_end.h"
#include "tests/fat_mount.h"
#include "tests/testdir.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

enum Transition
{
    StartPreview,
    StartConvert,
    StartUndo,
    RequestCancel,
    Cancelled,
    EndRun,
    Idle,
};

// Brings a fresh state to `command` the way the front end and worker do.
void Reach(CJobState& job, int command)
{
    if (command == JOB_PREVIEW)
        QVERIFY(job.StartPreview());
    if (command == JOB_UNDO)
        QVERIFY(job.StartUndo());
    if (command >= JOB_CONVERT && command <= JOB_ENDING)
        QVERIFY(job.StartConvert());
    if (command == JOB_CANCEL || command == JOB_CANCELLED)
        QVERIFY(job.RequestCancel());
    if (command == JOB_CANCELLED)
        QVERIFY(job.Cancelled());
    if (command == JOB_ENDING)
        job.EndRun();
    QCOMPARE(job.m_nCommand.load(), command);
}

// -1: the transition reports nothing.
int Apply(CJobState& job, Transition transition)
{
    switch (transition) {
    case StartPreview:
        return job.StartPreview();
    case StartConvert:
        return job.StartConvert();
    case StartUndo:
        return job.StartUndo();
    case RequestCancel:
        return job.RequestCancel();
    case Cancelled:
        return job.Cancelled();
    case EndRun:
        job.EndRun();
        return -1;
    case Idle:
        job.Idle();
        return -1;
    }
    return -1;
}

} // namespace

// The job engine without a window: the transitions of the command word, and
// whole jobs run one step at a time on the test's own thread, with the
// operator's clicks made from what the fake front end is told.
class TestWorker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void transitions_data();
    void transitions();
    void convertClickedDuringAPreviewRunsAfterIt();
    void noPreviewUntilAConvertJobHasEnded();
    void aNewJobCountsItsOwnFailures();
    void cancelBeforeTheWorkerTakesTheJob();
    void cancelDuringACopyPutsTheWindowBack_data();
    void cancelDuringACopyPutsTheWindowBack();
    void logsHeldElsewhereRefuseTheJob();
    void leftoversOfOtherRunsAreRemoved();
    void skipIdentical_data();
    void skipIdentical();
    void mediumGoneEndsTheRun();
    void undoIsAJobWithOutcomes();
    void workerEndsWhenToldWithoutAJob();

private:
    // src/ holds `names` (listed), the logs go to the test folder.
    void List(const QStringList& names, bool withPreviewColumn = false);

    std::unique_ptr<TestDir> m_dir;
    std::unique_ptr<FakeFrontEnd> m_host;
};

void TestWorker::init()
{
    m_dir = std::make_unique<TestDir>();
    m_host = std::make_unique<FakeFrontEnd>();
    m_host->m_mode = NamingMode::Pattern; // no song list needed
    m_host->m_strLogFolder = m_dir->path();
}

void TestWorker::cleanup()
{
    m_host.reset();
    m_dir.reset();
}

void TestWorker::List(const QStringList& names, bool withPreviewColumn)
{
    m_host->m_strCurrentFolder = m_dir->makeFolder(u"src"_qs);
    m_host->m_strOutputFolder = m_dir->makeFolder(u"out"_qs);
    for (const QString& name : names)
        m_dir->makeFile(u"src/"_qs + name, name.toUtf8());
    m_host->SetRows(names);
    m_host->m_bPreviewOnScreen = withPreviewColumn; // as the Preview click inserts it
}

void TestWorker::transitions_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("transition");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("to");

    const struct
    {
        const char* name;
        int from;
        Transition transition;
        int result, to;
    } rows[] = {
        {"preview from idle", JOB_IDLE, StartPreview, 1, JOB_PREVIEW},
        {"no preview during a preview", JOB_PREVIEW, StartPreview, 0, JOB_PREVIEW},
        {"no preview during a convert", JOB_CONVERT, StartPreview, 0, JOB_CONVERT},
        {"no preview while a convert ends", JOB_ENDING, StartPreview, 0, JOB_ENDING},
        {"convert from idle", JOB_IDLE, StartConvert, 1, JOB_CONVERT},
        {"convert queued behind a preview", JOB_PREVIEW, StartConvert, 1, JOB_CONVERT},
        {"no second convert", JOB_CONVERT, StartConvert, 0, JOB_CONVERT},
        {"no convert over a cancel", JOB_CANCEL, StartConvert, 0, JOB_CANCEL},
        {"no convert while one ends", JOB_ENDING, StartConvert, 0, JOB_ENDING},
        {"no convert during an undo", JOB_UNDO, StartConvert, 0, JOB_UNDO},
        {"undo from idle", JOB_IDLE, StartUndo, 1, JOB_UNDO},
        {"no undo during a preview", JOB_PREVIEW, StartUndo, 0, JOB_PREVIEW},
        {"no undo during a convert", JOB_CONVERT, StartUndo, 0, JOB_CONVERT},
        {"cancel an undo", JOB_UNDO, RequestCancel, 1, JOB_CANCEL},
        {"undo ends", JOB_UNDO, EndRun, -1, JOB_ENDING},
        {"cancel a convert", JOB_CONVERT, RequestCancel, 1, JOB_CANCEL},
        {"nothing to cancel", JOB_IDLE, RequestCancel, 0, JOB_IDLE},
        {"a preview cannot be cancelled", JOB_PREVIEW, RequestCancel, 0, JOB_PREVIEW},
        {"a stopped pass stays stopped", JOB_CANCELLED, RequestCancel, 0, JOB_CANCELLED},
        {"too late to cancel", JOB_ENDING, RequestCancel, 0, JOB_ENDING},
        {"pass takes up the cancel", JOB_CANCEL, Cancelled, 1, JOB_CANCELLED},
        {"pass finds no cancel", JOB_CONVERT, Cancelled, 0, JOB_CONVERT},
        {"completed convert ends", JOB_CONVERT, EndRun, -1, JOB_ENDING},
        {"cancel never taken up ends", JOB_CANCEL, EndRun, -1, JOB_ENDING},
        {"cancelled convert ends", JOB_CANCELLED, EndRun, -1, JOB_ENDING},
        {"a preview has no run end", JOB_PREVIEW, EndRun, -1, JOB_PREVIEW},
        {"preview done", JOB_PREVIEW, Idle, -1, JOB_IDLE},
        {"convert clicked during the preview is kept", JOB_CONVERT, Idle, -1, JOB_CONVERT},
        {"convert job done", JOB_ENDING, Idle, -1, JOB_IDLE},
        {"a cancel is not idled away", JOB_CANCEL, Idle, -1, JOB_CANCEL},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.from << int(row.transition) << row.result << row.to;
}

void TestWorker::transitions()
{
    QFETCH(int, from);
    QFETCH(int, transition);
    QFETCH(int, result);
    QFETCH(int, to);
    CJobState& job = m_host->State();
    Reach(job, from);
    job.m_nErrorCount = 3; // the last job's failures
    m_host->SongListPage().m_bStopReading = 1;

    QCOMPARE(Apply(job, Transition(transition)), result);
    QCOMPARE(job.m_nCommand.load(), to);
    // Only a convert that starts counts afresh; only a run end withdraws
    // the reader's stop request.
    const bool started = transition == StartConvert && result == 1;
    QCOMPARE(job.m_nErrorCount.load(), started ? 0 : 3);
    QCOMPARE(m_host->SongListPage().m_bStopReading.load(),
             transition == EndRun && to == JOB_ENDING ? 0 : 1);
}

void TestWorker::convertClickedDuringAPreviewRunsAfterIt()
{
    List({u"Title - Artist.mp3"_qs});
    CJob& job = m_host->Job();
    bool clicked = false;
    m_host->m_onCall = [&](const QString& call) {
        if (call.startsWith(u"total:"_qs) && !clicked)
            clicked = m_host->StartConvert(); // while the preview fills the column
    };
    QVERIFY(m_host->StartPreview());

    QVERIFY(job.RunNextJob());
    QVERIFY(clicked);
    QCOMPARE(m_host->m_renames, QStringList{u"Artist-Title.mp3"_qs});
    QCOMPARE(job.m_nCommand.load(), int(JOB_CONVERT));
    QVERIFY(job.RunNextJob());
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), QStringList{u"Artist-Title.mp3"_qs});
    QCOMPARE(m_host->Calls(u"ended"_qs), (QStringList{u"preview"_qs, u"Completed."_qs}));
    QCOMPARE(job.m_nCommand.load(), int(JOB_IDLE));
    QVERIFY(!job.RunNextJob());
}

void TestWorker::noPreviewUntilAConvertJobHasEnded()
{
    List({u"A - 1.mp3"_qs, u"B - 2.mp3"_qs}, true);
    m_host->m_renames = QStringList{u"One.mp3"_qs, u"Two.mp3"_qs};
    CJob& job = m_host->Job();
    QStringList startedDuring;
    m_host->m_onCall = [&](const QString& call) {
        if (m_host->StartPreview())
            startedDuring.append(call);
    };
    QVERIFY(m_host->StartConvert());

    QVERIFY(job.RunNextJob());
    QCOMPARE(startedDuring, QStringList());
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), (QStringList{u"One.mp3"_qs, u"Two.mp3"_qs}));
    QCOMPARE(m_host->m_calls.last(), u"ended:Completed."_qs);
    QCOMPARE(job.m_nCommand.load(), int(JOB_IDLE));
    QVERIFY(m_host->StartPreview());
}

void TestWorker::aNewJobCountsItsOwnFailures()
{
    List({u"A - 1.mp3"_qs});
    CJob& job = m_host->Job();
    QFile::remove(m_dir->path(u"src/A - 1.mp3"_qs)); // listed, but gone
    QVERIFY(m_host->StartConvert());
    QVERIFY(job.RunNextJob());
    QCOMPARE(job.m_nErrorCount.load(), 1);
    QCOMPARE(m_host->Calls(u"error"_qs), QStringList{u"1"_qs});

    m_dir->makeFile(u"src/A - 1.mp3"_qs);
    m_host->m_calls.clear();
    QVERIFY(m_host->StartConvert());
    QCOMPARE(job.m_nErrorCount.load(), 0);
    QVERIFY(job.RunNextJob());
    QCOMPARE(job.m_nErrorCount.load(), 0);
    QCOMPARE(m_host->Calls(u"ended"_qs), QStringList{u"Completed."_qs}); // no failure told
}

void TestWorker::cancelBeforeTheWorkerTakesTheJob()
{
    List({u"A - 1.mp3"_qs});
    CJob& job = m_host->Job();
    m_host->SongListPage().m_bStopReading = 1;
    QVERIFY(m_host->StartConvert());
    QVERIFY(job.RequestCancel());

    QVERIFY(job.RunNextJob());
    QCOMPARE(m_host->m_calls, QStringList{u"ended:not started"_qs}); // no pass, no refresh
    QCOMPARE(m_dir->entries(m_dir->path()), (QStringList{u"out"_qs, u"src"_qs})); // no logs
    QCOMPARE(job.m_nCommand.load(), int(JOB_IDLE));
    QCOMPARE(job.SongListPage().m_bStopReading.load(), 0);
}

void TestWorker::cancelDuringACopyPutsTheWindowBack_data()
{
    QTest::addColumn<bool>("now");        // RequestCancelNow, else RequestCancel
    QTest::addColumn<QString>("at");      // the call the cancel comes with
    QTest::addColumn<QStringList>("out"); // what the output folder holds then
    QTest::addColumn<int>("failures");
    // Between files: the copy under way is finished.
    QTest::newRow("between files, at the end of a copy")
        << false << u"file:100"_qs << QStringList{u"1-A.mp3"_qs} << 0;
    QTest::newRow("between files, part-way")
        << false << u"file:33"_qs << QStringList{u"1-A.mp3"_qs} << 0;
    // Now: given up within a chunk, nothing of it left, counted.
    QTest::newRow("now, part-way") << true << u"file:33"_qs << QStringList{} << 1;
    // Once the last copy is whole, only the wait for the medium is left:
    // the copies stay, but the run is not "Completed.".
    QTest::newRow("now, while the medium is written")
        << true << u"flushing:"_qs << QStringList{u"1-A.mp3"_qs} << 0;
}

void TestWorker::cancelDuringACopyPutsTheWindowBack()
{
    QFETCH(bool, now);
    QFETCH(QString, at);
    QFETCH(QStringList, out);
    QFETCH(int, failures);
    const bool flushing = at == u"flushing:"_qs;
    List(flushing ? QStringList{u"A - 1.mp3"_qs}
                  : QStringList{u"A - 1.mp3"_qs, u"B - 2.mp3"_qs, u"C - 3.mp3"_qs});
    // Three chunks, so a cancel can come part-way.
    QFile big(m_dir->path(u"src/A - 1.mp3"_qs));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(3 * kCopyChunkSize));
    big.close();
    CJob& job = m_host->Job();
    bool asked = false;
    m_host->m_onCall = [&](const QString& call) {
        if (call == at && !std::exchange(asked, true))
            (void)(now ? job.RequestCancelNow() : job.RequestCancel()); // during the first copy
    };
    QVERIFY(m_host->StartConvert());

    QVERIFY(job.RunNextJob());
    QVERIFY(asked);
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), out); // no temporary left either
    if (!out.isEmpty())
        QCOMPARE(QFileInfo(m_dir->path(u"out/1-A.mp3"_qs)).size(), 3 * kCopyChunkSize);
    QVERIFY(m_host->m_summary.m_bCancelled);
    QCOMPARE(m_host->m_summary.m_nFailures, failures);
    QCOMPARE(m_host->m_summary.m_nDone, unsigned(out.size()));
    // The operator asked for the stop; a clean one is not news.
    if (failures == 0)
        QCOMPARE(m_host->m_calls.last(), u"ended:quietly"_qs);
    QVERIFY(!job.m_pInfoLog && !job.m_pErrorLog);
    QCOMPARE(job.m_nCommand.load(), int(JOB_IDLE));
}

void TestWorker::logsHeldElsewhereRefuseTheJob()
{
    List({u"A - 1.mp3"_qs});
    CCopyState holder;
    QVERIFY(OpenRunLogsForJob(holder, m_dir->path()).isEmpty());
    QVERIFY(m_host->StartConvert());

    QVERIFY(m_host->Job().RunNextJob());
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), QStringList());
    QVERIFY(!m_host->m_summary.m_bStarted);
    QVERIFY(m_host->m_summary.m_strRefusal.contains(u"in use by another running tamro"_qs));
    QCOMPARE(m_host->Job().m_nCommand.load(), int(JOB_IDLE));
    (void)CloseRunLog(holder.m_pInfoLog);
    (void)CloseRunLog(holder.m_pErrorLog);
}

void TestWorker::leftoversOfOtherRunsAreRemoved()
{
    List({u"A - 1.mp3"_qs});
    const QString left = m_dir->makeFile(u"out/.tamro-0123456789abcdef.part"_qs, "half");
    // Held: the copy of another running job.
    const QString held = m_dir->makeFile(u"out/.tamro-fedcba9876543210.part"_qs, "under way");
    const int holder = ::open(EncodeFileName(held).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(holder >= 0 && ::flock(holder, LOCK_EX) == 0);
    m_dir->makeFile(u"out/.tamro-mine.part"_qs, "not ours"); // not a name a copy gets
    QVERIFY(m_host->StartConvert());

    QVERIFY(m_host->Job().RunNextJob());
    ::close(holder);
    QCOMPARE(
        m_dir->entries(m_dir->path(u"out"_qs)),
        (QStringList{u".tamro-fedcba9876543210.part"_qs, u".tamro-mine.part"_qs, u"1-A.mp3"_qs}));
    QCOMPARE(LogLines(m_dir->path(u"InfoLog.txt"_qs)),
             (QStringList{u"Removed unfinished copy : "_qs + left,
                          u"Copy : "_qs + m_dir->path(u"src/A - 1.mp3"_qs) + u"  ->  "_qs +
                              m_dir->path(u"out/1-A.mp3"_qs)}));
    // Told before the end, which comes once the copy is on the medium.
    QCOMPARE(m_host->m_calls.mid(m_host->m_calls.size() - 2),
             (QStringList{u"flushing:"_qs, u"ended:Completed."_qs}));
}

void TestWorker::skipIdentical_data()
{
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QString>("standing"); // what stands under the new name
    QTest::addColumn<QString>("copiedAs"); // empty: not copied again
    QTest::newRow("identical") << true << u"same"_qs << QString();
    QTest::newRow("identical, option off") << false << u"same"_qs << u"1-A (1).mp3"_qs;
    QTest::newRow("same size, other bytes") << true << u"other"_qs << u"1-A (1).mp3"_qs;
    QTest::newRow("a link to the same bytes") << true << u"link"_qs << u"1-A (1).mp3"_qs;
    QTest::newRow("a folder") << true << u"folder"_qs << u"1-A (1).mp3"_qs;
    QTest::newRow("nothing") << true << QString() << u"1-A.mp3"_qs;
}

void TestWorker::skipIdentical()
{
    QFETCH(bool, skip);
    QFETCH(QString, standing);
    QFETCH(QString, copiedAs);
    List({u"A - 1.mp3"_qs});
    const QString source = m_dir->path(u"src/A - 1.mp3"_qs);
    const QString copy = m_dir->path(u"out/1-A.mp3"_qs);
    const QByteArray bytes = TestDir::read(source);
    if (standing == u"same")
        m_dir->makeFile(u"out/1-A.mp3"_qs, bytes);
    else if (standing == u"other")
        m_dir->makeFile(u"out/1-A.mp3"_qs, QByteArray(bytes.size(), 'x'));
    else if (standing == u"link")
        QVERIFY(QFile::link(source, copy));
    else if (standing == u"folder")
        m_dir->makeFolder(u"out/1-A.mp3"_qs);
    CJob& job = m_host->Job();
    QVERIFY(job.StartConvert([&] {
        JobRequest request = m_host->Request();
        request.m_bSkipIdentical = skip;
        return request;
    }()));

    QVERIFY(job.RunNextJob());
    QCOMPARE(m_host->m_ends.size(), size_t(1));
    const FileEnd& end = m_host->m_ends[0];
    QCOMPARE(m_host->m_summary.m_nFailures, 0);
    if (copiedAs.isEmpty()) {
        QCOMPARE(end.m_outcome, FileOutcome::Skipped);
        QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), QStringList{u"1-A.mp3"_qs});
        QCOMPARE(LogLines(m_dir->path(u"InfoLog.txt"_qs)),
                 QStringList{u"Already copied : "_qs + source + u"  ->  "_qs + copy});
        QCOMPARE(m_host->m_calls.last(), u"ended:Completed."_qs);
    } else {
        QCOMPARE(end.m_outcome, FileOutcome::Copied);
        QCOMPARE(end.m_strDestination, m_dir->path(u"out/"_qs + copiedAs));
        QCOMPARE(TestDir::read(end.m_strDestination), bytes);
    }
}

void TestWorker::mediumGoneEndsTheRun()
{
    List({u"A - 1.mp3"_qs, u"B - 2.mp3"_qs, u"C - 3.mp3"_qs});
    QFile big(m_dir->path(u"src/A - 1.mp3"_qs));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(3 * kCopyChunkSize));
    big.close();
    FatMount stick(*m_dir, true);
    if (!stick.problem().isEmpty())
        QSKIP(qPrintable(u"no FUSE file system to kill: "_qs + stick.problem()));
    m_host->SetOutputFolder(stick.folder());
    m_host->m_onCall = [&](const QString& call) {
        if (call == u"file:33"_qs)
            stick.killDaemon(); // part-way through the first copy
    };
    QVERIFY(m_host->StartConvert());

    QElapsedTimer timer;
    timer.start();
    QVERIFY(m_host->Job().RunNextJob());
    QVERIFY(timer.elapsed() < 10000); // no hang, no retries
    QCOMPARE(m_host->m_summary.m_nFailures, 3);
    QVERIFY(!m_host->m_summary.m_bCancelled);
    const QStringList errors = LogLines(m_dir->path(u"ErrorLog.txt"_qs));
    QCOMPARE(errors.size(), 3);
    for (const QString& line : errors)
        QVERIFY2(line.startsWith(u"The file could not be copied. - "_qs + stick.folder()),
                 qPrintable(line));
    QVERIFY(errors[2].startsWith(u"The file could not be copied. - "_qs + stick.folder() +
                                 u"/3-C.mp3 : "_qs));
    // Only the first was tried; the others were reported without a try.
    QCOMPARE(LogLines(m_dir->path(u"InfoLog.txt"_qs)).size(), 1);
    QVERIFY(m_host->m_calls.last().startsWith(u"ended:Completed.\n\n3 copies failed."_qs));
}

void TestWorker::undoIsAJobWithOutcomes()
{
    // A convert, then its undo as a job of its own: a dry run first, then the
    // removal, each copy told as an outcome; Cancel stops it between copies.
    List({u"A - 1.mp3"_qs, u"B - 2.mp3"_qs, u"C - 3.mp3"_qs});
    CJob& job = m_host->Job();
    QVERIFY(m_host->StartConvert());
    QVERIFY(job.RunNextJob());
    const auto outcomes = [this] {
        QStringList words;
        for (const FileEnd& file : m_host->m_ends)
            words.append(file.m_strDestination.section(u'/', -1) + u'=' +
                         QString::number(int(file.m_outcome)));
        m_host->m_ends.clear();
        return words;
    };
    (void)outcomes();

    QVERIFY(job.StartUndo(UndoRequest{m_dir->path(), UndoMode::DryRun, {}}));
    QVERIFY(job.RunNextJob());
    const QString would = QString::number(int(FileOutcome::WouldRemove));
    QCOMPARE(outcomes(),
             (QStringList{u"1-A.mp3="_qs + would, u"2-B.mp3="_qs + would, u"3-C.mp3="_qs + would}));
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)).size(), 3);

    m_host->m_onCall = [&](const QString& call) {
        if (call == u"total:33"_qs)
            (void)job.RequestCancel();
    };
    QVERIFY(job.StartUndo(UndoRequest{m_dir->path(), UndoMode::Remove, {}}));
    QVERIFY(job.RunNextJob());
    QCOMPARE(outcomes(), QStringList{u"1-A.mp3="_qs + QString::number(int(FileOutcome::Removed))});
    QCOMPARE(m_dir->entries(m_dir->path(u"out"_qs)), (QStringList{u"2-B.mp3"_qs, u"3-C.mp3"_qs}));
    QVERIFY(m_host->m_summary.m_bCancelled);
    QCOMPARE(job.m_nCommand.load(), int(JOB_IDLE));
    // The job's record names the run and what it made.
    const RecordedRunSummary run = m_host->m_summary.m_undoneRun;
    QVERIFY(!run.m_strId.isEmpty());
    QCOMPARE(run.m_nCopies, 3);
    QCOMPARE(run.m_outputFolders, QStringList{m_dir->path(u"out"_qs)});

    // What the cancelled undo took is written down: the next one takes the
    // rest, of that very run, and the one after finds nothing standing.
    m_host->m_onCall = nullptr;
    QVERIFY(job.StartUndo(UndoRequest{m_dir->path(), UndoMode::Remove, run.m_strId}));
    QVERIFY(job.RunNextJob());
    const QString removed = QString::number(int(FileOutcome::Removed));
    QCOMPARE(outcomes(), (QStringList{u"2-B.mp3="_qs + removed, u"3-C.mp3="_qs + removed}));
    QVERIFY(job.StartUndo(UndoRequest{m_dir->path(), UndoMode::Remove, {}}));
    QVERIFY(job.RunNextJob());
    QVERIFY2(m_host->m_summary.m_strRefusal.contains(u"already undone"_qs),
             qPrintable(m_host->m_summary.m_strRefusal));
}

void TestWorker::workerEndsWhenToldWithoutAJob()
{
    CJob& job = m_host->Job();
    job.m_bWorkerRun = 1;
    std::thread worker([&job] { job.WorkerThreadProc(); });
    job.StopWorkerLoop();
    worker.join();
    QCOMPARE(m_host->m_calls, QStringList());
}

QTEST_GUILESS_MAIN(TestWorker)
#include "tst_worker.moc"
