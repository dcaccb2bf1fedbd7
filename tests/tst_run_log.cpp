#include "output/run_log.h"
#include "tests/fake_copy_host.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QtTest>

#include <sys/resource.h>
#include <sys/wait.h>

namespace {

const QByteArray kMark("\xFF\xFE", 2);
const QByteArray kLineEnd("\r\0\n\0", 4);

// Runs a job's logging in `folder` as the current directory.
class InFolder
{
public:
    explicit InFolder(const QString& folder) : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~InFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

QStringList CloseBoth(FakeCopyHost& host)
{
    QStringList problems{CloseRunLog(host.m_pInfoLog), CloseRunLog(host.m_pErrorLog)};
    problems.removeAll(QString());
    return problems;
}

// A child process that runs `work` and can be told to finish it; the way to
// hold logs in another process, or to limit one process alone.
class Child
{
public:
    // `work` gets a function that tells the parent "ready" and then waits
    // until the parent calls Finish().
    explicit Child(const std::function<int(const std::function<void()>& ready)>& work)
    {
        int toParent[2], toChild[2];
        if (::pipe(toParent) != 0 || ::pipe(toChild) != 0)
            qFatal("pipe failed");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(toParent[0]);
            ::close(toChild[1]);
            const auto ready = [&] {
                char c = 'r';
                (void)!::write(toParent[1], &c, 1);
                (void)!::read(toChild[0], &c, 1); // until Finish(), or the parent's end
            };
            ::_exit(work(ready));
        }
        ::close(toParent[1]);
        ::close(toChild[0]);
        m_fromChild = toParent[0];
        m_toChild = toChild[1];
    }
    ~Child() { (void)Finish(); }

    // True once the child said "ready"; false when it ended without.
    bool WaitReady()
    {
        char c;
        return ::read(m_fromChild, &c, 1) == 1;
    }

    // Lets the child go on and returns its exit status, -1 when it crashed.
    int Finish()
    {
        if (m_pid <= 0)
            return -1;
        ::close(m_toChild);
        ::close(m_fromChild);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = 0;
    int m_fromChild = -1;
    int m_toChild = -1;
};

enum class Planted
{
    HardLink,
    SymLink,
    Fifo,
    FifoWithReader,
    Folder,
};

} // namespace

class TestRunLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyLogsAreTheMarkAlone();
    void linesAreUtf16LeWithCrLf_data();
    void linesAreUtf16LeWithCrLf();
    void everyLineReachesTheDiskOnClose();
    void everyJobTruncates();
    void logThatCannotBeCreatedIsReported();
    void logInReadOnlyFolderIsReported();
    void failedWriteIsReported();
    void plantedLinkIsNotFollowed();
    void onlyAPlainFileOfItsOwnIsWritten_data();
    void onlyAPlainFileOfItsOwnIsWritten();
    void logsHeldByAnotherJobAreLeftAlone_data();
    void logsHeldByAnotherJobAreLeftAlone();
};

void TestRunLog::emptyLogsAreTheMarkAlone()
{
    TestDir dir;
    InFolder cwd(dir.path());
    FakeCopyHost host;
    OpenRunLogs(host);
    QVERIFY(host.m_pInfoLog && host.m_pErrorLog);
    QCOMPARE(CloseBoth(host), QStringList());
    QVERIFY(!host.m_pInfoLog && !host.m_pErrorLog);
    QCOMPARE(TestDir::read(dir.path(u"InfoLog.txt"_qs)), kMark);
    QCOMPARE(TestDir::read(dir.path(u"ErrorLog.txt"_qs)), kMark);
}

void TestRunLog::linesAreUtf16LeWithCrLf_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("copy line starts as described")
        << u"Copy : "_qs << QByteArray("C\0o\0p\0y\0 \0:\0 \0", 14);
    QTest::newRow("numbered destination") << u"x (1).mp3 "_qs << Utf16Le(u"x (1).mp3 "_qs);
    QTest::newRow("empty line") << QString() << QByteArray();
    QTest::newRow("surrogate pair unchanged")
        << u"\U0001F3B5"_qs << QByteArray("\x3C\xD8\xB5\xDF", 4);
    QTest::newRow("escaped byte as U+FFFD") << QString(QChar(0xDCFF)) << QByteArray("\xFD\xFF", 2);
    QTest::newRow("line breaks as U+FFFD") << u"a\nb\r"_qs
                                           << QByteArray("a\0\xFD\xFF"
                                                         "b\0\xFD\xFF",
                                                         8);
    QTest::newRow("controls as U+FFFD") << QString(QChar(0)) + u"\t\x7f\x1f"_qs
                                        << QByteArray("\xFD\xFF\xFD\xFF\xFD\xFF\xFD\xFF", 8);
    QTest::newRow("lone high surrogates as U+FFFD")
        << QString(QChar(0xD83C)) + u"x"_qs + QChar(0xD83C) << QByteArray("\xFD\xFFx\0\xFD\xFF", 6);
    QTest::newRow("non-ASCII BMP") << u"\u00e9\u4e2d"_qs << QByteArray("\xE9\x00\x2D\x4E", 4);
}

void TestRunLog::linesAreUtf16LeWithCrLf()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, bytes);
    TestDir dir;
    InFolder cwd(dir.path());
    FakeCopyHost host;
    OpenRunLogs(host);
    WriteLogLine(host.m_pInfoLog.get(), line);
    WriteLogLine(host.m_pInfoLog.get(), u"second"_qs);
    QCOMPARE(CloseBoth(host), QStringList());
    QCOMPARE(TestDir::read(dir.path(u"InfoLog.txt"_qs)),
             kMark + bytes + kLineEnd + Utf16Le(u"second"_qs) + kLineEnd);
    QCOMPARE(TestDir::read(dir.path(u"ErrorLog.txt"_qs)), kMark);
}

void TestRunLog::everyLineReachesTheDiskOnClose()
{
    TestDir dir;
    InFolder cwd(dir.path());
    FakeCopyHost host;
    OpenRunLogs(host);
    QByteArray expected = kMark;
    for (int i = 0; i < 20000; ++i) { // far more than one buffer
        const QString line = QStringLiteral("Copy : line %1").arg(i);
        WriteLogLine(host.m_pErrorLog.get(), line);
        expected += Utf16Le(line) + kLineEnd;
    }
    QCOMPARE(CloseBoth(host), QStringList());
    QCOMPARE(TestDir::read(dir.path(u"ErrorLog.txt"_qs)), expected);
}

void TestRunLog::everyJobTruncates()
{
    TestDir dir;
    InFolder cwd(dir.path());
    FakeCopyHost host;
    OpenRunLogs(host);
    WriteLogLine(host.m_pInfoLog.get(), u"first job"_qs);
    WriteLogLine(host.m_pErrorLog.get(), u"first job"_qs);
    QCOMPARE(CloseBoth(host), QStringList());
    OpenRunLogs(host);
    WriteLogLine(host.m_pInfoLog.get(), u"second"_qs);
    QCOMPARE(CloseBoth(host), QStringList());
    QCOMPARE(TestDir::read(dir.path(u"InfoLog.txt"_qs)), kMark + Utf16Le(u"second"_qs) + kLineEnd);
    QCOMPARE(TestDir::read(dir.path(u"ErrorLog.txt"_qs)), kMark);
}

void TestRunLog::logThatCannotBeCreatedIsReported()
{
    TestDir dir;
    InFolder cwd(dir.path());
    dir.makeFolder(u"InfoLog.txt"_qs);
    FakeCopyHost host;
    OpenRunLogs(host);
    QVERIFY(host.m_pInfoLog && host.m_pInfoLog->m_errOpen == EISDIR && !host.m_pInfoLog->m_pFile);
    WriteLogLine(host.m_pInfoLog.get(), u"dropped"_qs); // must not touch a missing stream
    WriteLogLine(host.m_pErrorLog.get(), u"kept"_qs);   // the other log still works
    QCOMPARE(CloseBoth(host),
             QStringList{dir.path(u"InfoLog.txt could not be created: Is a directory"_qs)});
    QCOMPARE(TestDir::read(dir.path(u"ErrorLog.txt"_qs)), kMark + Utf16Le(u"kept"_qs) + kLineEnd);
}

void TestRunLog::logInReadOnlyFolderIsReported()
{
    TestDir dir;
    const QString folder = dir.makeFolder(u"readonly"_qs);
    ::chmod(EncodeFileName(folder).constData(), 0555);
    const QByteArray problems = RunUnprivileged([&] {
        InFolder cwd(folder);
        FakeCopyHost host;
        OpenRunLogs(host);
        WriteLogLine(host.m_pInfoLog.get(), u"dropped"_qs);
        return CloseBoth(host).join(u'\n').toUtf8();
    });
    QCOMPARE(problems, (folder + u"/InfoLog.txt could not be created: Permission denied\n"_qs +
                        folder + u"/ErrorLog.txt could not be created: Permission denied"_qs)
                           .toUtf8());
    QCOMPARE(dir.entries(folder), QStringList());
}

void TestRunLog::failedWriteIsReported()
{
    TestDir dir;
    const QString path = dir.path(u"InfoLog.txt"_qs);
    // A file-size limit makes the writes fail; in a child, so the limit
    // stays there.
    Child child([&](const std::function<void()>&) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        auto log = std::make_unique<LogFile>();
        log->m_strPath = path;
        log->m_pFile = std::make_unique<Utf16TextWriter>();
        if (log->m_pFile->Open(EncodeFileName(path)) != 0 || log->m_pFile->StartEmpty() != 0)
            return 2;
        for (int i = 0; i < 100000; ++i) // fills the buffer, so writes happen before close
            WriteLogLine(log.get(), u"line that cannot be stored"_qs);
        if (log->m_pFile->Error() != EFBIG)
            return 3;
        const bool reported =
            CloseRunLog(log) == path + u" could not be written completely: File too large"_qs;
        return reported && !log ? 0 : 4;
    });
    QCOMPARE(child.Finish(), 0);
}

void TestRunLog::plantedLinkIsNotFollowed()
{
    TestDir dir;
    InFolder cwd(dir.path());
    const QString victim = dir.makeFile(u"precious.txt"_qs, "keep me");
    dir.makeLink(u"InfoLog.txt"_qs, victim);
    FakeCopyHost host;
    OpenRunLogs(host);
    WriteLogLine(host.m_pInfoLog.get(), u"line"_qs);
    QCOMPARE(CloseBoth(host).size(), 1);
    QCOMPARE(TestDir::read(victim), QByteArray("keep me"));
}

void TestRunLog::onlyAPlainFileOfItsOwnIsWritten_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<Planted>("planted");
    QTest::addColumn<QString>("reason");
    for (const QString& log : {u"InfoLog.txt"_qs, u"ErrorLog.txt"_qs}) {
        const auto row = [&](const char* what) -> QTestData& {
            return QTest::addRow("%s, %s", qPrintable(log), what) << log;
        };
        row("hard link") << Planted::HardLink << u"it is a link to another file"_qs;
        row("symbolic link") << Planted::SymLink << u"it is a link to another file"_qs;
        row("FIFO") << Planted::Fifo << u"it is not a regular file"_qs;
        row("FIFO with a reader") << Planted::FifoWithReader << u"it is not a regular file"_qs;
        row("folder") << Planted::Folder << u"Is a directory"_qs;
    }
}

void TestRunLog::onlyAPlainFileOfItsOwnIsWritten()
{
    QFETCH(QString, log);
    QFETCH(Planted, planted);
    QFETCH(QString, reason);
    TestDir dir;
    InFolder cwd(dir.path());
    const QString victim = dir.makeFile(u"precious.txt"_qs, "keep me");
    const QByteArray logBytes = EncodeFileName(dir.path(log));
    int reader = -1;
    switch (planted) {
    case Planted::HardLink:
        QCOMPARE(::link(EncodeFileName(victim).constData(), logBytes.constData()), 0);
        break;
    case Planted::SymLink:
        dir.makeLink(log, victim);
        break;
    case Planted::Fifo:
    case Planted::FifoWithReader:
        QCOMPARE(::mkfifo(logBytes.constData(), 0666), 0);
        if (planted == Planted::FifoWithReader)
            reader = ::open(logBytes.constData(), O_RDONLY | O_NONBLOCK);
        break;
    case Planted::Folder:
        dir.makeFolder(log);
        break;
    }
    ::alarm(30); // a blocking open ends the test instead of hanging it

    FakeCopyHost host;
    QCOMPARE(OpenRunLogsForJob(host), QString()); // the job goes on
    WriteLogLine(host.m_pInfoLog.get(), u"line"_qs);
    WriteLogLine(host.m_pErrorLog.get(), u"line"_qs);
    const QStringList problems = CloseBoth(host);
    ::alarm(0);
    if (reader >= 0)
        ::close(reader);

    QCOMPARE(problems, QStringList{dir.path(log) + u" could not be created: "_qs + reason});
    QCOMPARE(TestDir::read(victim), QByteArray("keep me"));
    const QString other = log == u"InfoLog.txt"_qs ? u"ErrorLog.txt"_qs : u"InfoLog.txt"_qs;
    QCOMPARE(LogLines(dir.path(other)), QStringList{u"line"_qs});
}

void TestRunLog::logsHeldByAnotherJobAreLeftAlone_data()
{
    QTest::addColumn<bool>("otherProcess");
    QTest::newRow("job of this process") << false;
    QTest::newRow("job of another process") << true;
}

void TestRunLog::logsHeldByAnotherJobAreLeftAlone()
{
    QFETCH(bool, otherProcess);
    TestDir dir;
    InFolder cwd(dir.path());
    const auto holdLogs = [](FakeCopyHost& holder) {
        const QString refusal = OpenRunLogsForJob(holder);
        WriteLogLine(holder.m_pInfoLog.get(), u"held"_qs);
        WriteLogLine(holder.m_pErrorLog.get(), u"held"_qs);
        return refusal;
    };
    FakeCopyHost holder;
    std::unique_ptr<Child> child;
    if (otherProcess) {
        child = std::make_unique<Child>([&](const std::function<void()>& ready) {
            const bool held = holdLogs(holder).isEmpty();
            ready();
            return held && CloseBoth(holder).isEmpty() ? 0 : 1;
        });
        QVERIFY(child->WaitReady());
    } else {
        QCOMPARE(holdLogs(holder), QString());
    }

    FakeCopyHost second;
    QCOMPARE(OpenRunLogsForJob(second),
             u"The run logs in "_qs + dir.path() +
                 u" are in use by another running tamro. "
                 "Wait until its job has ended, or start tamro from another folder."_qs);
    QVERIFY(!second.m_pInfoLog && !second.m_pErrorLog);

    if (child)
        QCOMPARE(child->Finish(), 0);
    else
        QCOMPARE(CloseBoth(holder), QStringList());
    QCOMPARE(LogLines(dir.path(u"InfoLog.txt"_qs)), QStringList{u"held"_qs});
    QCOMPARE(LogLines(dir.path(u"ErrorLog.txt"_qs)), QStringList{u"held"_qs});
    // Once the holder is done, the next job runs.
    QCOMPARE(OpenRunLogsForJob(second), QString());
    QCOMPARE(CloseBoth(second), QStringList());
}

QTEST_GUILESS_MAIN(TestRunLog)
#include "tst_run_log.moc"
