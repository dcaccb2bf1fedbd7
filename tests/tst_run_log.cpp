#include "output/run_log.h"
#include "tests/fake_copy_host.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QtTest>

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
    QTest::newRow("lone surrogate unchanged")
        << QString(QChar(0xDCFF)) << QByteArray("\xFF\xDC", 2);
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
    QCOMPARE(CloseBoth(host), QStringList{u"InfoLog.txt could not be created: Is a directory"_qs});
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
    QCOMPARE(problems, QByteArray("InfoLog.txt could not be created: Permission denied\n"
                                  "ErrorLog.txt could not be created: Permission denied"));
    QCOMPARE(dir.entries(folder), QStringList());
}

void TestRunLog::failedWriteIsReported()
{
    auto log = std::make_unique<LogFile>();
    log->m_strName = u"InfoLog.txt"_qs;
    log->m_pFile = std::make_unique<Utf16TextWriter>();
    QCOMPARE(log->m_pFile->Open("/dev/full"), 0);
    for (int i = 0; i < 100000; ++i) // fills the buffer, so writes happen before close
        WriteLogLine(log.get(), u"line that cannot be stored"_qs);
    QCOMPARE(log->m_pFile->Error(), ENOSPC);
    QCOMPARE(CloseRunLog(log),
             u"InfoLog.txt could not be written completely: No space left on device"_qs);
    QVERIFY(!log);
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

QTEST_GUILESS_MAIN(TestRunLog)
#include "tst_run_log.moc"
