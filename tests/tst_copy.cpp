#include "output/copy_one_file.h"
#include "platform/file_copy.h"
#include "platform/process_umask.h"
#include "tests/fake_copy_host.h"
#include "tests/libc_faults.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <sched.h>
#include <sys/mount.h>
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
    QList<int> progress;
    int errorCount = 0; // 1 when the copy failed
};

CopyRun RunCopy(const TestDir& logDir, const QString& source, const QString& destination)
{
    FakeCopyHost host;
    OpenRunLogs(host, logDir.path());
    const CopiedFile copied = CopyOneFile(host, source, destination);
    (void)CloseRunLog(host.m_pInfoLog);
    (void)CloseRunLog(host.m_pErrorLog);
    return CopyRun{LogLines(logDir.path(u"InfoLog.txt"_qs)),
                   LogLines(logDir.path(u"ErrorLog.txt"_qs)), host.m_fileProgress,
                   copied.m_result.Succeeded() ? 0 : 1};
}

QString CopyLine(const QString& source, const QString& destination)
{
    return u"Copy : "_qs + source + u"  ->  "_qs + destination;
}

// The ways the data can move; the test forces the one it wants.
enum Transfer
{
    KernelCopy,
    ReadWrite,
    Clone,
};

void ForceTransfer(LibcFaults& faults, int transfer)
{
    if (transfer == ReadWrite)
        faults.fail(LibcCall::CopyFileRange, EXDEV);
    else if (transfer == Clone)
        faults.cloneByCopying();
}

// Answers PROGRESS_CANCEL on call number `cancelAt`.
struct CancellingProgress
{
    int cancelAt = 0;
    int calls = 0;

    static CopyProgressAnswer Answer(std::int64_t, std::int64_t, void* data)
    {
        auto* self = static_cast<CancellingProgress*>(data);
        return ++self->calls == self->cancelAt ? PROGRESS_CANCEL : PROGRESS_CONTINUE;
    }
};

QString RunTool(const QString& tool, const QStringList& arguments)
{
    const QString program =
        QStandardPaths::findExecutable(tool, {u"/usr/sbin"_qs, u"/sbin"_qs, u"/usr/bin"_qs});
    if (program.isEmpty())
        return tool + u" is not installed"_qs;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(5000);
        return tool + u" did not finish"_qs;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return tool + u" failed: "_qs + QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

bool IsMountPoint(const QString& folder)
{
    struct stat inside = StatOf(folder), parent = StatOf(folder + u"/.."_qs);
    return inside.st_dev != parent.st_dev;
}

// A FAT image mounted through FUSE for as long as the object lives.
class FatMount
{
public:
    explicit FatMount(const TestDir& dir) : m_folder(dir.makeFolder(u"stick"_qs))
    {
        if (::geteuid() != 0) {
            m_problem = u"mounting through FUSE needs root"_qs;
            return;
        }
        if (::access("/dev/fuse", R_OK | W_OK) != 0) {
            m_problem = u"/dev/fuse is missing"_qs;
            return;
        }
        const QString image = dir.makeFile(u"stick.img"_qs);
        QFile(image).resize(8 << 20);
        m_problem = RunTool(u"mkfs.vfat"_qs, {image});
        if (m_problem.isEmpty())
            m_problem = RunTool(u"fusefat"_qs, {u"-o"_qs, u"rw+"_qs, image, m_folder});
        if (m_problem.isEmpty() && !IsMountPoint(m_folder))
            m_problem = u"fusefat mounted nothing"_qs;
    }
    ~FatMount()
    {
        if (IsMountPoint(m_folder) && !RunTool(u"fusermount"_qs, {u"-u"_qs, m_folder}).isEmpty())
            ::umount2(EncodeFileName(m_folder).constData(), MNT_DETACH);
    }

    QString folder() const { return m_folder; }
    QString problem() const { return m_problem; }

private:
    QString m_folder;
    QString m_problem;
};

} // namespace

class TestCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void umaskFromStatus_data();
    void umaskFromStatus();
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
    void missingSourceLogsTheNameItWouldGet();
    void permissionFailuresNameTheirSide();
    void failedTransferLeavesNothing_data();
    void failedTransferLeavesNothing();
    void finishStepFaults_data();
    void finishStepFaults();
    void cancelRemovesThePartialFile_data();
    void cancelRemovesThePartialFile();
    void copiesOntoFatAreKept();
    void readOnlyFileSystemIsAccessDenied();
    void nameTakenBeforeTheCreate();
    void nameBytesAreKept();
};

void TestCopy::initTestCase()
{
    // The copy reads the mask once; a known one makes the modes predictable.
    ::umask(022);
}

void TestCopy::umaskFromStatus_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("mask");
    QTest::newRow("octal, among other lines")
        << QByteArray("Name:\ttamro\nUmask:\t0027\nState:\tR\n") << 027;
    QTest::newRow("last line without end") << QByteArray("Name:\tx\nUmask:\t0002") << 02;
    QTest::newRow("no such line") << QByteArray("Name:\ttamro\n") << 077;
    QTest::newRow("unreadable value") << QByteArray("Umask:\tzz\n") << 077;
}

void TestCopy::umaskFromStatus()
{
    QFETCH(QByteArray, status);
    QFETCH(int, mask);
    QCOMPARE(int(UmaskFromStatus(status, 077)), mask);
}

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
    QTest::addColumn<int>("copyMode");
    QTest::addColumn<int>("transfer");
    const qint64 severalChunks = 3 * kCopyChunkSize + 17;
    QTest::newRow("empty") << 0LL << 0644 << 0644 << int(KernelCopy);
    QTest::newRow("odd size") << 12345LL << 0600 << 0600 << int(KernelCopy);
    QTest::newRow("several chunks, odd size") << severalChunks << 0755 << 0755 << int(KernelCopy);
    QTest::newRow("read-only source") << 4096LL << 0444 << 0444 << int(KernelCopy);
    QTest::newRow("world-writable source under umask 022")
        << 4096LL << 0666 << 0644 << int(KernelCopy);
    QTest::newRow("read and write") << severalChunks << 0644 << 0644 << int(ReadWrite);
    QTest::newRow("clone") << severalChunks << 0644 << 0644 << int(Clone);
}

void TestCopy::copiesExactly()
{
    QFETCH(qint64, size);
    QFETCH(int, mode);
    QFETCH(int, copyMode);
    QFETCH(int, transfer);
    TestDir dir;
    LibcFaults faults(dir.path(u"out"_qs));
    ForceTransfer(faults, transfer);
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
    QCOMPARE(int(after.st_mode & 07777), copyMode);
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
    // Before the first byte, after each chunk, never past 100.
    QVERIFY(!run.progress.isEmpty());
    QCOMPARE(run.progress.first(), size == 0 ? 100 : 0);
    QCOMPARE(run.progress.last(), 100);
    QCOMPARE(run.progress.count(100), 1);
    QVERIFY(std::is_sorted(run.progress.begin(), run.progress.end()));
    if (transfer == Clone)
        QCOMPARE(run.progress, QList<int>({0, 100}));
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
    OpenRunLogs(host, dir.path());
    const CopiedFile copied = CopyOneFile(host, source, destination);
    (void)CloseRunLog(host.m_pInfoLog);
    (void)CloseRunLog(host.m_pErrorLog);

    QCOMPARE(LogLines(dir.path(u"InfoLog.txt"_qs)), QStringList{CopyLine(source, destination)});
    errorLine.replace(u"%S"_qs, source).replace(u"%D"_qs, destination);
    QCOMPARE(LogLines(dir.path(u"ErrorLog.txt"_qs)), QStringList{errorLine});
    // The job counts the failure it is told of.
    QVERIFY(!copied.m_result.Succeeded());
    QCOMPARE(copied.m_strDestination, destination);
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
    QCOMPARE(TestDir::read(dir.path(u"song.mp3"_qs)), QByteArray("content"));
}

// The wanted name is tried by the create itself, which a missing source
// never reaches: the log still names the numbered name the copy would get.
void TestCopy::missingSourceLogsTheNameItWouldGet()
{
    TestDir dir;
    dir.makeFolder(u"out"_qs);
    dir.makeFile(u"out/x.mp3"_qs, "old");
    const QString source = dir.path(u"gone.mp3"_qs);
    const CopyRun run = RunCopy(dir, source, dir.path(u"out/x.mp3"_qs));
    QCOMPARE(run.infoLines, QStringList{CopyLine(source, dir.path(u"out/x (1).mp3"_qs))});
    QCOMPARE(run.errorLines, QStringList{u"The file could not be located. - "_qs + source});
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList{u"x.mp3"_qs});
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
        return (first.errorLines + second.errorLines).join(u'\n').toUtf8();
    });
    QCOMPARE(QString::fromUtf8(lines),
             QStringList({u"The file could not be accessed. - "_qs + unreadable,
                          u"The file could not be accessed. - "_qs + readOnly + u"/b.mp3"_qs})
                 .join(u'\n'));
    QCOMPARE(dir.entries(writable), QStringList());
    QCOMPARE(dir.entries(readOnly), QStringList());
}

void TestCopy::failedTransferLeavesNothing_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<int>("transfer");
    QTest::newRow("kernel copy, limit inside the first chunk") << 4096LL << int(KernelCopy);
    QTest::newRow("kernel copy, limit after a chunk")
        << qint64(kCopyChunkSize + 100) << int(KernelCopy);
    QTest::newRow("read and write, limit inside the first chunk") << 4096LL << int(ReadWrite);
    QTest::newRow("read and write, limit after a chunk")
        << qint64(kCopyChunkSize + 100) << int(ReadWrite);
}

void TestCopy::failedTransferLeavesNothing()
{
    QFETCH(qint64, limit);
    QFETCH(int, transfer);
    TestDir dir;
    const QString source = dir.makeFile(u"big.mp3"_qs, Pattern(3 * kCopyChunkSize));
    dir.makeFolder(u"out"_qs);
    const QString destination = dir.path(u"out/big.mp3"_qs);
    LibcFaults faults(dir.path(u"out"_qs));
    ForceTransfer(faults, transfer);

    // A file-size limit makes the write fail part-way, as a full disk would;
    // with SIGXFSZ ignored it must be a failed copy, not a dead process.
    const ChildRun child = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited{};
        ::getrlimit(RLIMIT_FSIZE, &limited);
        limited.rlim_cur = rlim_t(limit);
        ::setrlimit(RLIMIT_FSIZE, &limited);
        const CopyRun run = RunCopy(dir, source, destination);
        return run.errorLines.join(u'\n').toUtf8();
    });

    QVERIFY(child.exitedNormally);
    QCOMPARE(QString::fromUtf8(child.output),
             u"The file could not be copied. - "_qs + destination + u" : File too large"_qs);
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
}

void TestCopy::finishStepFaults_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("errorLine"); // empty: the copy stands; %D destination
    // Sticks, shares and player mounts refuse modes and times in many ways.
    for (const int error : {EPERM, EOPNOTSUPP, ENOSYS, EINVAL, EACCES, EIO}) {
        const QByteArray name = std::strerror(error);
        QTest::newRow(("fchmod: " + name).constData())
            << int(LibcCall::Fchmod) << error << QString();
        QTest::newRow(("futimens: " + name).constData())
            << int(LibcCall::Futimens) << error << QString();
    }
    QTest::newRow("close: I/O error") << int(LibcCall::Close) << EIO
                                      << u"The file could not be copied. - %D : "
                                         "Input/output error"_qs;
}

void TestCopy::finishStepFaults()
{
    QFETCH(int, call);
    QFETCH(int, error);
    QFETCH(QString, errorLine);
    static_assert(ENOTSUP == EOPNOTSUPP, "one row covers both names");
    TestDir dir;
    const QByteArray content = Pattern(kCopyChunkSize + 5);
    const QString source = dir.makeFile(u"song.mp3"_qs, content);
    dir.makeFolder(u"out"_qs);
    LibcFaults faults(dir.path(u"out"_qs));
    faults.fail(LibcCall(call), error);

    const CopyResult direct = CopyFileWithProgress(
        EncodeFileName(source), EncodeFileName(dir.path(u"out/direct.mp3"_qs)), nullptr, nullptr);
    const QString destination = dir.path(u"out/logged.mp3"_qs);
    const CopyRun run = RunCopy(dir, source, destination);

    if (errorLine.isEmpty()) {
        QVERIFY(direct.Succeeded());
        QCOMPARE(run.errorLines, QStringList());
        QCOMPARE(run.errorCount, 0);
        QCOMPARE(TestDir::read(destination), content);
        QCOMPARE(TestDir::read(dir.path(u"out/direct.mp3"_qs)), content);
    } else {
        QCOMPARE(direct.stage, CopyStage::Finish);
        QCOMPARE(direct.error, error);
        QCOMPARE(run.errorLines, QStringList{errorLine.replace(u"%D"_qs, destination)});
        QCOMPARE(run.errorCount, 1);
        QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
    }
}

void TestCopy::cancelRemovesThePartialFile_data()
{
    QTest::addColumn<int>("transfer");
    QTest::addColumn<int>("cancelAt"); // the progress call that answers cancel
    QTest::newRow("before the first byte") << int(KernelCopy) << 1;
    QTest::newRow("kernel copy, after a chunk") << int(KernelCopy) << 2;
    QTest::newRow("read and write, after a chunk") << int(ReadWrite) << 2;
    QTest::newRow("clone, at its end") << int(Clone) << 2;
}

void TestCopy::cancelRemovesThePartialFile()
{
    QFETCH(int, transfer);
    QFETCH(int, cancelAt);
    TestDir dir;
    const QString source = dir.makeFile(u"big.mp3"_qs, Pattern(3 * kCopyChunkSize));
    dir.makeFolder(u"out"_qs);
    LibcFaults faults(dir.path(u"out"_qs));
    ForceTransfer(faults, transfer);

    CancellingProgress progress{cancelAt};
    const CopyResult result =
        CopyFileWithProgress(EncodeFileName(source), EncodeFileName(dir.path(u"out/big.mp3"_qs)),
                             &CancellingProgress::Answer, &progress);

    QCOMPARE(result.stage, CopyStage::Transfer);
    QCOMPARE(result.error, ECANCELED);
    QCOMPARE(progress.calls, cancelAt); // stopped at once
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
}

void TestCopy::copiesOntoFatAreKept()
{
    TestDir dir;
    const FatMount stick(dir);
    if (!stick.problem().isEmpty())
        QSKIP(qPrintable(u"no FAT file system to copy onto: "_qs + stick.problem()));
    const QStringList sources = {dir.makeFile(u"01.mp3"_qs, Pattern(kCopyChunkSize + 3)),
                                 dir.makeFile(u"02.mp3"_qs, "second"),
                                 dir.makeFile(u"03.mp3"_qs, "third")};
    const QStringList wanted = {u"Song.mp3"_qs, u"Other.mp3"_qs, u"SONG.mp3"_qs};

    FakeCopyHost host;
    OpenRunLogs(host, dir.path());
    int failures = 0;
    for (int i = 0; i < sources.size(); ++i)
        failures +=
            !CopyOneFile(host, sources[i], stick.folder() + u'/' + wanted[i]).m_result.Succeeded();
    (void)CloseRunLog(host.m_pInfoLog);
    (void)CloseRunLog(host.m_pErrorLog);

    QCOMPARE(LogLines(dir.path(u"ErrorLog.txt"_qs)), QStringList());
    QCOMPARE(failures, 0);
    // Names differing only in letter case are one name on FAT.
    const QStringList kept = {u"Song.mp3"_qs, u"Other.mp3"_qs, u"SONG (1).mp3"_qs};
    for (int i = 0; i < sources.size(); ++i)
        QCOMPARE(TestDir::read(stick.folder() + u'/' + kept[i]), TestDir::read(sources[i]));
    QCOMPARE(dir.entries(stick.folder()).size(), 3);
}

void TestCopy::readOnlyFileSystemIsAccessDenied()
{
    if (::geteuid() != 0)
        QSKIP("mounting a read-only file system needs root");
    TestDir dir;
    const QString source = dir.makeFile(u"song.mp3"_qs, "content");
    const QString readOnly = dir.makeFolder(u"readonly"_qs);
    const QString destination = readOnly + u"/x.mp3"_qs;
    // The mount lives in the child's own namespace and goes with it.
    const ChildRun child = RunInChild(
        [&] {
            const CopyRun run = RunCopy(dir, source, destination);
            return run.errorLines.join(u'\n').toUtf8();
        },
        [&] {
            return ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   ::mount("tamro-ro", EncodeFileName(readOnly).constData(), "tmpfs", MS_RDONLY,
                           nullptr) == 0;
        });
    if (!child.exitedNormally)
        QSKIP("no mount namespace with a read-only tmpfs here");
    QCOMPARE(QString::fromUtf8(child.output),
             u"The file could not be accessed. - "_qs + destination);
    QCOMPARE(dir.entries(readOnly), QStringList());
}

void TestCopy::nameTakenBeforeTheCreate()
{
    TestDir dir;
    const QString source = dir.makeFile(u"src.mp3"_qs, "new content");
    dir.makeFolder(u"out"_qs);
    LibcFaults faults(dir.path(u"out"_qs));
    faults.rivalCreates("Song.mp3");

    const CopyRun run = RunCopy(dir, source, dir.path(u"out/Song.mp3"_qs));

    const QString numbered = dir.path(u"out/Song (1).mp3"_qs);
    QCOMPARE(run.infoLines, QStringList{CopyLine(source, numbered)});
    QCOMPARE(run.errorLines, QStringList());
    QCOMPARE(TestDir::read(numbered), QByteArray("new content"));
    QCOMPARE(TestDir::read(dir.path(u"out/Song.mp3"_qs)), QByteArray());
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
