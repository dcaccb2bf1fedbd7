#include "output/copy_one_file.h"
#include "platform/file_copy.h"
#include "tests/fake_copy_host.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct stat StatOf(const QString& path)
{
    struct stat info
    {};
    ::lstat(EncodeFileName(path).constData(), &info);
    return info;
}

bool SameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

QByteArray Pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + i / 4096) & 0xFF);
    return bytes;
}

// Runs a copy with its logs open in `dir` and returns the host afterwards,
// logs closed; the lines are read back from the files.
struct CopyRun
{
    QStringList infoLines;
    QStringList errorLines;
    QStringList errorTexts;
    QList<int> progress;
    int errorCount = 0;
};

CopyRun RunCopy(const TestDir& logDir, const QString& source, const QString& destination)
{
    FakeCopyHost host;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(logDir.path());
    OpenRunLogs(host);
    QDir::setCurrent(previous);
    CopyOneFile(host, source, destination);
    (void)CloseRunLog(host.m_pInfoLog);
    (void)CloseRunLog(host.m_pErrorLog);
    return CopyRun{LogLines(logDir.path(u"InfoLog.txt"_qs)),
                   LogLines(logDir.path(u"ErrorLog.txt"_qs)), host.m_errorTexts,
                   host.m_fileProgress, host.m_nErrorCount.load()};
}

QString CopyLine(const QString& source, const QString& destination)
{
    return u"Copy : "_qs + source + u"  ->  "_qs + destination;
}

} // namespace

class TestCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percent_data();
    void percent();
    void copiesExactly_data();
    void copiesExactly();
    void takenNameGetsTheNextNumber_data();
    void takenNameGetsTheNextNumber();
    void copyOntoItselfMakesANumberedCopy();
    void platformCopyNeverReplaces();
    void failuresAreLoggedAndCounted_data();
    void failuresAreLoggedAndCounted();
    void permissionFailuresNameTheirSide();
    void failedTransferLeavesNothing();
    void nameBytesAreKept();
};

void TestCopy::percent_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("transferred");
    QTest::addColumn<int>("percent");
    QTest::newRow("start") << 3LL << 0LL << 0;
    QTest::newRow("one third truncated") << 3LL << 1LL << 33;
    QTest::newRow("two thirds truncated") << 3LL << 2LL << 66;
    QTest::newRow("all") << 3LL << 3LL << 100;
    QTest::newRow("empty file is complete") << 0LL << 0LL << 100;
    QTest::newRow("just short of all") << 1000000LL << 999999LL << 99;
    QTest::newRow("large file") << (5LL << 40) << (1LL << 40) << 20;
}

void TestCopy::percent()
{
    QFETCH(qint64, total);
    QFETCH(qint64, transferred);
    QFETCH(int, percent);
    QCOMPARE(CopyPercent(total, transferred), percent);
}

void TestCopy::copiesExactly_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("mode");
    QTest::newRow("empty") << 0LL << 0644;
    QTest::newRow("odd size") << 12345LL << 0600;
    QTest::newRow("several chunks, odd size") << qint64(3 * kCopyChunkSize + 17) << 0755;
    QTest::newRow("read-only source") << 4096LL << 0444;
}

void TestCopy::copiesExactly()
{
    QFETCH(qint64, size);
    QFETCH(int, mode);
    TestDir dir;
    const QByteArray content = Pattern(size);
    const QString source = dir.makeFile(u"in/Song \U0001F3B5.mp3"_qs, content);
    const QByteArray sourceBytes = EncodeFileName(source);
    ::chmod(sourceBytes.constData(), mode);
    const timespec times[2] = {{1000000000, 111}, {1234567890, 123456789}};
    ::utimensat(AT_FDCWD, sourceBytes.constData(), times, 0);
    const struct stat before = StatOf(source);
    const QString destination = dir.path(u"out/New \U0001F3B5.mp3"_qs);
    dir.makeFolder(u"out"_qs);

    const CopyRun run = RunCopy(dir, source, destination);

    QCOMPARE(TestDir::read(destination), content);
    const struct stat after = StatOf(destination);
    QCOMPARE(int(after.st_mode & 07777), mode);
    QVERIFY(SameTime(after.st_mtim, before.st_mtim));
    // The source stays exactly as it was, access time included.
    const struct stat sourceAfter = StatOf(source);
    QCOMPARE(TestDir::read(source), content);
    QVERIFY(SameTime(sourceAfter.st_mtim, before.st_mtim));
    QVERIFY(SameTime(sourceAfter.st_atim, before.st_atim));
    QCOMPARE(int(sourceAfter.st_mode & 07777), mode);

    QCOMPARE(run.infoLines, QStringList{CopyLine(source, destination)});
    QCOMPARE(run.errorLines, QStringList());
    QCOMPARE(run.errorCount, 0);
    QCOMPARE(run.errorTexts, QStringList());
    // Before the first byte, after each chunk, never past 100.
    QVERIFY(!run.progress.isEmpty());
    QCOMPARE(run.progress.first(), size == 0 ? 100 : 0);
    QCOMPARE(run.progress.last(), 100);
    QCOMPARE(run.progress.count(100), 1);
    QVERIFY(std::is_sorted(run.progress.begin(), run.progress.end()));
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList{u"New \U0001F3B5.mp3"_qs});
}

void TestCopy::takenNameGetsTheNextNumber_data()
{
    QTest::addColumn<QString>("taker");
    QTest::newRow("file") << u"file"_qs;
    QTest::newRow("unreadable file") << u"unreadable"_qs;
    QTest::newRow("folder") << u"folder"_qs;
    QTest::newRow("dangling link") << u"link"_qs;
}

void TestCopy::takenNameGetsTheNextNumber()
{
    QFETCH(QString, taker);
    TestDir dir;
    const QString source = dir.makeFile(u"src.mp3"_qs, "new content");
    const QString destination = dir.path(u"out/Song.mp3"_qs);
    dir.makeFolder(u"out"_qs);
    if (taker == u"file"_qs || taker == u"unreadable"_qs) {
        dir.makeFile(u"out/Song.mp3"_qs, "old content");
        if (taker == u"unreadable"_qs)
            ::chmod(EncodeFileName(destination).constData(), 0);
    } else if (taker == u"folder"_qs) {
        dir.makeFolder(u"out/Song.mp3"_qs);
    } else {
        dir.makeLink(u"out/Song.mp3"_qs, dir.path(u"out/target.mp3"_qs));
    }

    const CopyRun run = RunCopy(dir, source, destination);

    const QString numbered = dir.path(u"out/Song (1).mp3"_qs);
    QCOMPARE(run.infoLines, QStringList{CopyLine(source, numbered)});
    QCOMPARE(run.errorCount, 0);
    QCOMPARE(TestDir::read(numbered), QByteArray("new content"));
    if (taker == u"file"_qs)
        QCOMPARE(TestDir::read(destination), QByteArray("old content"));
    if (taker == u"link"_qs) // the link's target was not created through it
        QVERIFY(!QFileInfo::exists(dir.path(u"out/target.mp3"_qs)));
}

void TestCopy::copyOntoItselfMakesANumberedCopy()
{
    TestDir dir;
    const QString source = dir.makeFile(u"Song.mp3"_qs, "content");
    const CopyRun run = RunCopy(dir, source, source);
    QCOMPARE(run.infoLines, QStringList{CopyLine(source, dir.path(u"Song (1).mp3"_qs))});
    QCOMPARE(TestDir::read(source), QByteArray("content"));
    QCOMPARE(TestDir::read(dir.path(u"Song (1).mp3"_qs)), QByteArray("content"));
}

void TestCopy::platformCopyNeverReplaces()
{
    TestDir dir;
    const QByteArray source = EncodeFileName(dir.makeFile(u"a.mp3"_qs, "new"));
    const QByteArray taken = EncodeFileName(dir.makeFile(u"b.mp3"_qs, "old"));
    for (const QByteArray& destination : {taken, source}) {
        const CopyResult result = CopyFileWithProgress(source, destination, nullptr, nullptr);
        QCOMPARE(result.stage, CopyStage::CreateDestination);
        QCOMPARE(result.error, EEXIST);
    }
    QCOMPARE(TestDir::read(dir.path(u"b.mp3"_qs)), QByteArray("old"));
    QCOMPARE(TestDir::read(dir.path(u"a.mp3"_qs)), QByteArray("new"));
}

void TestCopy::failuresAreLoggedAndCounted_data()
{
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<QString>("destinationName");
    QTest::addColumn<QString>("errorLine"); // %S source, %D destination
    QTest::newRow("missing source")
        << u"gone.mp3"_qs << u"out/x.mp3"_qs << u"The file could not be located. - %S"_qs;
    QTest::newRow("missing output folder")
        << u"song.mp3"_qs << u"nowhere/x.mp3"_qs
        << u"The file could not be copied. - %D : No such file or directory"_qs;
    QTest::newRow("source is a folder")
        << u"out"_qs << u"out/x.mp3"_qs
        << u"The file could not be copied. - %D : Is a directory"_qs;
    QTest::newRow("source is a FIFO")
        << u"fifo"_qs << u"out/x.mp3"_qs
        << u"The file could not be copied. - %D : Not a regular file"_qs;
}

void TestCopy::failuresAreLoggedAndCounted()
{
    QFETCH(QString, sourceName);
    QFETCH(QString, destinationName);
    QFETCH(QString, errorLine);
    TestDir dir;
    dir.makeFile(u"song.mp3"_qs, "content");
    dir.makeFolder(u"out"_qs);
    ::mkfifo(EncodeFileName(dir.path(u"fifo"_qs)).constData(), 0644);
    const QString source = dir.path(sourceName);
    const QString destination = dir.path(destinationName);

    FakeCopyHost host;
    QDir::setCurrent(dir.path());
    OpenRunLogs(host);
    host.m_nErrorCount = 1; // an earlier failure of the same job
    CopyOneFile(host, source, destination);
    (void)CloseRunLog(host.m_pInfoLog);
    (void)CloseRunLog(host.m_pErrorLog);

    QCOMPARE(LogLines(dir.path(u"InfoLog.txt"_qs)), QStringList{CopyLine(source, destination)});
    errorLine.replace(u"%S"_qs, source).replace(u"%D"_qs, destination);
    QCOMPARE(LogLines(dir.path(u"ErrorLog.txt"_qs)), QStringList{errorLine});
    QCOMPARE(host.m_nErrorCount.load(), 2);
    QCOMPARE(host.m_errorTexts, QStringList{u"Error : 2"_qs});
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
    QCOMPARE(TestDir::read(dir.path(u"song.mp3"_qs)), QByteArray("content"));
}

void TestCopy::permissionFailuresNameTheirSide()
{
    TestDir dir;
    const QString unreadable = dir.makeFile(u"locked.mp3"_qs, "secret");
    ::chmod(EncodeFileName(unreadable).constData(), 0);
    const QString readable = dir.makeFile(u"song.mp3"_qs, "content");
    const QString readOnly = dir.makeFolder(u"readonly"_qs);
    ::chmod(EncodeFileName(readOnly).constData(), 0555);
    const QString writable = dir.makeFolder(u"out"_qs);
    ::chmod(EncodeFileName(writable).constData(), 0777);

    const QByteArray lines = RunUnprivileged([&] {
        const CopyRun first = RunCopy(dir, unreadable, writable + u"/a.mp3"_qs);
        const CopyRun second = RunCopy(dir, readable, readOnly + u"/b.mp3"_qs);
        return (first.errorLines + second.errorLines + second.errorTexts).join(u'\n').toUtf8();
    });
    QCOMPARE(QString::fromUtf8(lines),
             QStringList({u"The file could not be accessed. - "_qs + unreadable,
                          u"The file could not be accessed. - "_qs + readOnly + u"/b.mp3"_qs,
                          u"Error : 1"_qs})
                 .join(u'\n'));
    QCOMPARE(dir.entries(writable), QStringList());
    QCOMPARE(dir.entries(readOnly), QStringList());
}

void TestCopy::failedTransferLeavesNothing()
{
    TestDir dir;
    const QString source = dir.makeFile(u"big.mp3"_qs, Pattern(3 * kCopyChunkSize));
    dir.makeFolder(u"out"_qs);
    const QString destination = dir.path(u"out/big.mp3"_qs);
    // A file-size limit makes the write fail part-way, as a full disk would.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = kCopyChunkSize + 100;
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const CopyRun run = RunCopy(dir, source, destination);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(run.errorLines, QStringList{u"The file could not be copied. - "_qs + destination +
                                         u" : File too large"_qs});
    QCOMPARE(run.errorCount, 1);
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
}

void TestCopy::nameBytesAreKept()
{
    TestDir dir;
    // "Caf\xE9.mp3" in Latin-1: not valid UTF-8.
    const QString source = dir.path(DecodeFileName("Caf\xE9.mp3"));
    dir.makeFile(DecodeFileName("Caf\xE9.mp3"), "latin");
    dir.makeFolder(u"out"_qs);
    const QString destination = dir.path(u"out/"_qs + DecodeFileName("New\xE9.mp3"));
    const CopyRun run = RunCopy(dir, source, destination);
    QCOMPARE(run.errorCount, 0);
    const QByteArray exactBytes = EncodeFileName(dir.path()) + "/out/New\xE9.mp3";
    QCOMPARE(TestDir::read(DecodeFileName(exactBytes)), QByteArray("latin"));
    QVERIFY(QFileInfo::exists(QString::fromUtf8(EncodeFileName(dir.path()) + "/out")));
}

QTEST_GUILESS_MAIN(TestCopy)
#include "tst_copy.moc"
