#include "output/run_log.h"
#include "tests/fake_copy_host.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QtTest>

#include <sys/resource.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

namespace {

const QByteArray kMark("\xFF\xFE", 2);
const QByteArray kLineEnd("\r\0\n\0", 4);

QStringList CloseBoth(FakeCopyHost& host)
{
    QStringList problems{CloseRunLog(host.m_pInfoLog), CloseRunLog(host.m_pErrorLog)};
    problems.removeAll(QString());
    return problems;
}

// What OpenRunLogsForJob answers in another process, the way another
// running tamro would try the same logs.
QString AnswerOfAnotherProcess()
{
    int channel[2];
    if (::pipe(channel) != 0)
        return u"<pipe failed>"_qs;
    const pid_t child = ::fork();
    if (child == 0) {
        FakeCopyHost host;
        const QByteArray answer = OpenRunLogsForJob(host, QDir::currentPath()).toUtf8();
        ::_exit(::write(channel[1], answer.constData(), answer.size()) == answer.size() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray answer;
    char buffer[1024];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(answer)
                                                         : u"<child failed>"_qs;
}

enum class Planted
{
    HardLink,
    SymLink,
    Fifo,
    FifoWithReader,
    Folder,
    Device,
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
    OpenRunLogs(host, QDir::currentPath());
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
    OpenRunLogs(host, QDir::currentPath());
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
    OpenRunLogs(host, QDir::currentPath());
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
    OpenRunLogs(host, QDir::currentPath());
    WriteLogLine(host.m_pInfoLog.get(), u"first job"_qs);
    WriteLogLine(host.m_pErrorLog.get(), u"first job"_qs);
    QCOMPARE(CloseBoth(host), QStringList());
    OpenRunLogs(host, QDir::currentPath());
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
    OpenRunLogs(host, QDir::currentPath());
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
        OpenRunLogs(host, QDir::currentPath());
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
    InFolder cwd(dir.path());
    // A file-size limit makes the writes fail; the soft limit alone, so it
    // can be put back.
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlim_t previous = limit.rlim_cur;
    limit.rlim_cur = 4096;
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    FakeCopyHost host;
    OpenRunLogs(host, QDir::currentPath());
    for (int i = 0; i < 100000; ++i) // fills the buffer, so writes happen before close
        WriteLogLine(host.m_pInfoLog.get(), u"line that cannot be stored"_qs);
    const int error = host.m_pInfoLog->m_pFile->Error();
    const QStringList problems = CloseBoth(host);
    limit.rlim_cur = previous;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, SIG_DFL);
    QCOMPARE(error, EFBIG);
    QCOMPARE(problems, QStringList{dir.path(
                           u"InfoLog.txt could not be written completely: File too large"_qs)});
}

void TestRunLog::plantedLinkIsNotFollowed()
{
    TestDir dir;
    InFolder cwd(dir.path());
    const QString victim = dir.makeFile(u"precious.txt"_qs, "keep me");
    dir.makeLink(u"InfoLog.txt"_qs, victim);
    FakeCopyHost host;
    OpenRunLogs(host, QDir::currentPath());
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
        row("device") << Planted::Device << u"it is not a regular file"_qs;
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
    case Planted::Device: // the null device, made anew under the log's name
        if (::mknod(logBytes.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("making a device node needs root");
        break;
    }
    ::alarm(30); // a blocking open ends the test instead of hanging it

    FakeCopyHost host;
    QCOMPARE(OpenRunLogsForJob(host, QDir::currentPath()), QString()); // the job goes on
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
    FakeCopyHost holder, second;
    QCOMPARE(OpenRunLogsForJob(holder, QDir::currentPath()), QString());
    const QStringList held(10000, u"held"_qs); // more than a buffer: some is on disk
    for (const QString& line : held) {
        WriteLogLine(holder.m_pInfoLog.get(), line);
        WriteLogLine(holder.m_pErrorLog.get(), line);
    }

    QCOMPARE(otherProcess ? AnswerOfAnotherProcess()
                          : OpenRunLogsForJob(second, QDir::currentPath()),
             u"The run logs in "_qs + dir.path() +
                 u" are in use by another running tamro. "
                 "Wait until its job has ended, or start tamro from another folder."_qs);
    QVERIFY(!second.m_pInfoLog && !second.m_pErrorLog);

    QCOMPARE(CloseBoth(holder), QStringList());
    QCOMPARE(LogLines(dir.path(u"InfoLog.txt"_qs)), held);
    QCOMPARE(LogLines(dir.path(u"ErrorLog.txt"_qs)), held);
    // Once the holder is done, the next job runs.
    QCOMPARE(OpenRunLogsForJob(second, QDir::currentPath()), QString());
    QCOMPARE(CloseBoth(second), QStringList());
}

QTEST_GUILESS_MAIN(TestRunLog)
#include "tst_run_log.moc"
