#include "output/copy_one_file.h"
#include "output/copy_to_free_name.h"
#include "output/room_check.h"
#include "platform/copy_session.h"
#include "platform/file_copy.h"
#include "platform/medium_gone.h"
#include "platform/medium_traits.h"
#include "platform/process_umask.h"
#include "platform/same_bytes.h"
#include "platform/unfinished_copies.h"
#include "platform/write_back_window.h"
#include "tests/fake_copy_host.h"
#include "tests/fat_mount.h"
#include "tests/libc_faults.h"
#include "tests/testdir.h"
#include "tests/unprivileged.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <poll.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/vfs.h>

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

CopyRun RunCopyWith(FakeCopyHost& host, const TestDir& logDir, const QString& source,
                    const QString& destination)
{
    OpenRunLogs(host, logDir.path());
    const CopiedFile copied = CopyOneFile(host, source, destination);
    (void)CloseRunLog(host.m_pInfoLog);
    (void)CloseRunLog(host.m_pErrorLog);
    return CopyRun{LogLines(logDir.path(u"InfoLog.txt"_qs)),
                   LogLines(logDir.path(u"ErrorLog.txt"_qs)), host.m_fileProgress,
                   copied.m_result.Succeeded() ? 0 : 1};
}

CopyRun RunCopy(const TestDir& logDir, const QString& source, const QString& destination)
{
    FakeCopyHost host;
    return RunCopyWith(host, logDir, source, destination);
}

// Records what stands in the output folder while the copy is part-way.
class ListingHost : public FakeCopyHost
{
public:
    explicit ListingHost(const TestDir& dir) : m_dir(dir) {}
    void SetFileProgress(int percent) override
    {
        FakeCopyHost::SetFileProgress(percent);
        if (percent > 0 && percent < 100 && !m_bListed) {
            m_midway = m_dir.entries(m_dir.path(u"out"_qs));
            m_bListed = true;
        }
    }
    const TestDir& m_dir;
    QStringList m_midway;
    bool m_bListed = false;
};

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

// Where a copy is written until it is whole; the test refuses the ways it
// does not want, as a file system without them would.
enum Staging
{
    Unnamed, // O_TMPFILE
    Hidden,  // .tamro-*.part, renamed
    Final,   // the final name, created exclusively
};

void ForceStaging(LibcFaults& faults, int staging)
{
    if (staging != Unnamed)
        faults.fail(LibcCall::TmpFile, EOPNOTSUPP);
    if (staging == Final)
        faults.fail(LibcCall::RenameNoReplace, EINVAL);
}

// How many descriptors of this process are open on something below `folder`.
int OpenFilesBelow(const QString& folder)
{
    const QByteArray inside = EncodeFileName(folder) + '/';
    int count = 0;
    const QString fds = u"/proc/self/fd"_qs;
    for (const QString& fd : QDir(fds).entryList(QDir::Files | QDir::System)) {
        char target[PATH_MAX];
        const ssize_t length =
            ::readlink(EncodeFileName(fds + u'/' + fd).constData(), target, sizeof target);
        if (length > 0 && QByteArray(target, length).startsWith(inside))
            ++count;
    }
    return count;
}

QStringList Unfinished(const QStringList& entries)
{
    QStringList found;
    for (const QString& entry : entries) {
        if (IsUnfinishedCopyName(EncodeFileName(entry)))
            found.append(entry);
    }
    return found;
}

// A folder on a file system that has write-back to bound (not tmpfs): the
// build tree the test program lives in, else the temporary folder.
QString WriteBackFolder()
{
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QDir::tempPath()}) {
        struct statfs info
        {};
        if (::statfs(EncodeFileName(folder).constData(), &info) == 0 &&
            info.f_type != kTmpfsMagic && info.f_type != kRamfsMagic)
            return folder;
    }
    return {};
}

// A copy in a child process that stops at progress call `holdAt` until it is
// released or killed, so a test can act on a copy caught part-way.
class HeldCopy
{
public:
    HeldCopy(const QString& source, const QString& destination, int holdAt)
    {
        if (::pipe(m_toParent) != 0 || ::pipe(m_toChild) != 0)
            return;
        m_pid = ::fork();
        if (m_pid != 0)
            return;
        ::alarm(60);
        m_nHoldAt = holdAt;
        CCopySession session;
        const NamedCopy copied = CopyToFreeName(session, source, destination, &Hold, this);
        ::_exit(copied.result.Succeeded() && session.FlushToMedium() == 0 ? 0 : 1);
    }
    ~HeldCopy()
    {
        if (m_pid > 0)
            Kill();
        for (const int fd : {m_toParent[0], m_toParent[1], m_toChild[0], m_toChild[1]})
            ::close(fd);
    }
    // True once the child stands at the chosen call.
    bool WaitUntilHeld()
    {
        pollfd ready{m_toParent[0], POLLIN, 0};
        char byte = 0;
        return m_pid > 0 && ::poll(&ready, 1, 30000) == 1 && ::read(m_toParent[0], &byte, 1) == 1;
    }
    // Lets the child go on and returns its wait status once it has ended.
    int Release()
    {
        (void)::write(m_toChild[1], "r", 1);
        return Wait();
    }
    int Kill()
    {
        ::kill(m_pid, SIGKILL);
        return Wait();
    }

private:
    static CopyProgressAnswer Hold(std::int64_t, std::int64_t, void* data)
    {
        auto* self = static_cast<HeldCopy*>(data);
        if (++self->m_nCalls == self->m_nHoldAt) {
            char byte = 'h';
            (void)::write(self->m_toParent[1], &byte, 1);
            (void)::read(self->m_toChild[0], &byte, 1);
        }
        return PROGRESS_CONTINUE;
    }
    int Wait()
    {
        int status = -1;
        ::waitpid(m_pid, &status, 0);
        m_pid = 0;
        return status;
    }

    pid_t m_pid = 0;
    int m_toParent[2] = {-1, -1};
    int m_toChild[2] = {-1, -1};
    int m_nHoldAt = 0;
    int m_nCalls = 0;
};

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
    void stagingWays_data();
    void stagingWays();
    void killedCopyLeavesNoFinalName_data();
    void killedCopyLeavesNoFinalName();
    void heldTemporaryIsLeftAlone();
    void cleanupRemovesOnlyLeftovers_data();
    void cleanupRemovesOnlyLeftovers();
    void fullFileSystem_data();
    void fullFileSystem();
    void copyBoundsItsUnwrittenData();
    void writeBackWindow();
    void flushToMedium_data();
    void flushToMedium();
    void mediumGone_data();
    void mediumGone();
    void fuseDaemonKilledMidCopy();
    void roomCheck_data();
    void roomCheck();
    void fileSizeLimit_data();
    void fileSizeLimit();
    void fileSizeLimitOfFat();
    void holdsSameBytes_data();
    void holdsSameBytes();
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

void TestCopy::stagingWays_data()
{
    QTest::addColumn<int>("staging");
    QTest::addColumn<int>("tmpFileError"); // O_TMPFILE refused with it
    QTest::addColumn<int>("renameError");  // RENAME_NOREPLACE refused with it
    QTest::addColumn<QString>("taker");    // "", "before" or "meanwhile"
    QTest::addColumn<int>("linkError");    // linking the descriptor itself refused with it
    for (const QString& taker : {QString(), u"before"_qs, u"meanwhile"_qs}) {
        const QByteArray suffix = taker.isEmpty() ? "" : ", name taken " + taker.toUtf8();
        QTest::newRow(("unnamed" + suffix).constData()) << int(Unnamed) << 0 << 0 << taker << 0;
        // A kernel before 6.10 lets only the privileged link a descriptor.
        QTest::newRow(("unnamed, linked through /proc" + suffix).constData())
            << int(Unnamed) << 0 << 0 << taker << ENOENT;
        QTest::newRow(("hidden" + suffix).constData())
            << int(Hidden) << EOPNOTSUPP << 0 << taker << 0;
        QTest::newRow(("final" + suffix).constData())
            << int(Final) << EOPNOTSUPP << EINVAL << taker << 0;
    }
    QTest::newRow("hidden: a kernel without O_TMPFILE")
        << int(Hidden) << EISDIR << 0 << QString() << 0;
    QTest::newRow("final: no renameat2 at all")
        << int(Final) << EOPNOTSUPP << ENOSYS << QString() << 0;
}

// Each way of writing a copy gives the same copy, the same name and the same
// log line; only what stands in the folder meanwhile differs. The data moves
// once, even when the name is taken while it moves.
void TestCopy::stagingWays()
{
    QFETCH(int, staging);
    QFETCH(int, tmpFileError);
    QFETCH(int, renameError);
    QFETCH(QString, taker);
    QFETCH(int, linkError);
    TestDir dir;
    const QByteArray content = Pattern(3 * kCopyChunkSize + 17);
    const QString source = dir.makeFile(u"src.mp3"_qs, content);
    dir.makeFolder(u"out"_qs);
    if (taker == u"before"_qs)
        dir.makeFile(u"out/Song.mp3"_qs, "old");
    LibcFaults faults(dir.path(u"out"_qs));
    if (tmpFileError)
        faults.fail(LibcCall::TmpFile, tmpFileError);
    if (renameError)
        faults.fail(LibcCall::RenameNoReplace, renameError);
    if (linkError)
        faults.fail(LibcCall::EmptyPathLink, linkError);
    if (taker == u"meanwhile"_qs)
        faults.rivalCreates("Song.mp3");

    ListingHost host(dir);
    const CopyRun run = RunCopyWith(host, dir, source, dir.path(u"out/Song.mp3"_qs));

    const QString copy = taker.isEmpty() ? u"Song.mp3"_qs : u"Song (1).mp3"_qs;
    QCOMPARE(run.infoLines, QStringList{CopyLine(source, dir.path(u"out/"_qs + copy))});
    QCOMPARE(run.errorLines, QStringList());
    QCOMPARE(TestDir::read(dir.path(u"out/"_qs + copy)), content);
    QCOMPARE(run.progress.count(0), 1); // moved once
    QCOMPARE(run.progress.last(), 100);
    const QStringList after =
        taker.isEmpty() ? QStringList{u"Song.mp3"_qs} : QStringList{copy, u"Song.mp3"_qs};
    QCOMPARE(dir.entries(dir.path(u"out"_qs)), after);
    if (!taker.isEmpty()) // nothing is replaced
        QCOMPARE(TestDir::read(dir.path(u"out/Song.mp3"_qs)),
                 taker == u"before"_qs ? QByteArray("old") : QByteArray());

    const QStringList midway = host.m_midway;
    QVERIFY(host.m_bListed);
    const QStringList before = taker == u"before"_qs ? QStringList{u"Song.mp3"_qs} : QStringList();
    if (staging == Unnamed) {
        QCOMPARE(midway, before);
    } else if (staging == Hidden) {
        QCOMPARE(Unfinished(midway).size(), 1);
        QCOMPARE(midway.size(), before.size() + 1);
    } else {
        // Only here can a kill leave a partial file under a final name.
        QCOMPARE(Unfinished(midway), QStringList());
        QVERIFY(midway.contains(copy));
    }
}

void TestCopy::killedCopyLeavesNoFinalName_data()
{
    QTest::addColumn<int>("staging");
    QTest::addColumn<int>("killAt"); // the progress call the copy is killed at
    for (const int staging : {Unnamed, Hidden}) {
        const QByteArray way = staging == Unnamed ? "unnamed" : "hidden";
        QTest::newRow((way + ": before the first byte").constData()) << staging << 1;
        QTest::newRow((way + ": part-way").constData()) << staging << 3;
        QTest::newRow((way + ": after the last chunk").constData()) << staging << 5;
    }
}

// kill -9 (a crash, the OOM killer, a power cut) at any point of a copy:
// no file under a final name; a hidden leftover goes at the next clean-up.
void TestCopy::killedCopyLeavesNoFinalName()
{
    QFETCH(int, staging);
    QFETCH(int, killAt);
    TestDir dir;
    const QString source = dir.makeFile(u"src.mp3"_qs, Pattern(4 * kCopyChunkSize));
    const QString out = dir.makeFolder(u"out"_qs);
    LibcFaults faults(out);
    ForceStaging(faults, staging);

    HeldCopy copy(source, out + u"/One-Big.mp3"_qs, killAt);
    QVERIFY(copy.WaitUntilHeld());
    const int status = copy.Kill();
    QVERIFY(WIFSIGNALED(status));

    const QStringList left = dir.entries(out);
    QCOMPARE(Unfinished(left), left); // nothing under a final name
    QCOMPARE(left.size(), staging == Hidden ? 1 : 0);
    QStringList removed = RemoveUnfinishedCopies(out);
    for (QString& path : removed)
        path = path.mid(out.size() + 1);
    QCOMPARE(removed, left);
    QCOMPARE(dir.entries(out), QStringList());
}

// Another run cleaning the folder leaves a copy under way alone, and that
// copy still ends whole under its name.
void TestCopy::heldTemporaryIsLeftAlone()
{
    TestDir dir;
    const QByteArray content = Pattern(3 * kCopyChunkSize);
    const QString source = dir.makeFile(u"src.mp3"_qs, content);
    const QString out = dir.makeFolder(u"out"_qs);
    LibcFaults faults(out);
    ForceStaging(faults, Hidden);

    HeldCopy copy(source, out + u"/Song.mp3"_qs, 2);
    QVERIFY(copy.WaitUntilHeld());
    QCOMPARE(Unfinished(dir.entries(out)).size(), 1);
    QCOMPARE(RemoveUnfinishedCopies(out), QStringList());
    QCOMPARE(Unfinished(dir.entries(out)).size(), 1);
    const int status = copy.Release();
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QCOMPARE(dir.entries(out), QStringList{u"Song.mp3"_qs});
    QCOMPARE(TestDir::read(out + u"/Song.mp3"_qs), content);
}

void TestCopy::cleanupRemovesOnlyLeftovers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");
    const QString leftover = QString::fromLatin1(UnfinishedCopyName(0x0123456789abcdefULL));
    QTest::newRow("a leftover") << leftover << u"file"_qs << true;
    QTest::newRow("an empty leftover") << leftover << u"empty"_qs << true;
    QTest::newRow("upper-case digits") << u".tamro-0123456789ABCDEF.part"_qs << u"file"_qs << false;
    // A song list or a swap may give a finished copy such a name.
    QTest::newRow("a copy named like one") << u".tamro-x-Song.part"_qs << u"file"_qs << false;
    QTest::newRow("no digits") << u".tamro-.part"_qs << u"file"_qs << false;
    QTest::newRow("a digit too many") << leftover.chopped(5) + u"0.part"_qs << u"file"_qs << false;
    QTest::newRow("held by a running copy") << leftover << u"held"_qs << false;
    QTest::newRow("a link") << leftover << u"link"_qs << false;
    QTest::newRow("a dangling link") << leftover << u"dangling"_qs << false;
    QTest::newRow("a folder") << leftover << u"folder"_qs << false;
    QTest::newRow("a FIFO") << leftover << u"fifo"_qs << false;
    QTest::newRow("a second link to a file") << leftover << u"hardlink"_qs << false;
    QTest::newRow("no leading dot") << u"tamro-1.part"_qs << u"file"_qs << false;
    QTest::newRow("another ending") << u".tamro-1.partial"_qs << u"file"_qs << false;
    QTest::newRow("another start") << u".tamrox.part"_qs << u"file"_qs << false;
    QTest::newRow("a song") << u"Song.mp3"_qs << u"file"_qs << false;
}

void TestCopy::cleanupRemovesOnlyLeftovers()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    TestDir dir;
    const QString out = dir.makeFolder(u"out"_qs);
    const QString path = out + u'/' + name;
    const QString target = dir.makeFile(u"target.mp3"_qs, "keep me");
    UniqueFd holder;
    if (kind == u"file"_qs || kind == u"held"_qs)
        dir.makeFile(u"out/"_qs + name, "partial");
    else if (kind == u"empty"_qs)
        dir.makeFile(u"out/"_qs + name);
    else if (kind == u"link"_qs)
        dir.makeLink(u"out/"_qs + name, target);
    else if (kind == u"dangling"_qs)
        dir.makeLink(u"out/"_qs + name, dir.path(u"gone"_qs));
    else if (kind == u"folder"_qs)
        dir.makeFolder(u"out/"_qs + name);
    else if (kind == u"fifo"_qs)
        ::mkfifo(EncodeFileName(path).constData(), 0600);
    else if (kind == u"hardlink"_qs)
        ::link(EncodeFileName(target).constData(), EncodeFileName(path).constData());
    if (kind == u"held"_qs) {
        holder.reset(::open(EncodeFileName(path).constData(), O_WRONLY | O_CLOEXEC));
        QVERIFY(::flock(holder.get(), LOCK_EX | LOCK_NB) == 0);
    }

    const QStringList gone = RemoveUnfinishedCopies(out);

    QCOMPARE(gone, removed ? QStringList{path} : QStringList());
    QCOMPARE(dir.entries(out), removed ? QStringList() : QStringList{name});
    QCOMPARE(TestDir::read(target), QByteArray("keep me"));
}

void TestCopy::fullFileSystem_data()
{
    QTest::addColumn<int>("staging");
    QTest::newRow("unnamed") << int(Unnamed);
    QTest::newRow("hidden") << int(Hidden);
    QTest::newRow("final") << int(Final);
}

void TestCopy::fullFileSystem()
{
    QFETCH(int, staging);
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    TestDir dir;
    const QString source = dir.makeFile(u"song.mp3"_qs, Pattern(3 * kCopyChunkSize));
    const QString out = dir.makeFolder(u"out"_qs);
    const QString destination = out + u"/Song.mp3"_qs;
    LibcFaults faults(out);
    ForceStaging(faults, staging);
    // The mount lives in the child's own namespace and goes with it.
    const ChildRun child = RunInChild(
        [&] {
            CRunSizes sizes;
            sizes.Add(QFileInfo(source).size());
            const bool fits = CheckRoom(out, sizes).Fits();
            const CopyRun run = RunCopy(dir, source, destination);
            return (run.errorLines + dir.entries(out) + QStringList{fits ? u"fits"_qs : u"full"_qs})
                .join(u'\n')
                .toUtf8();
        },
        [&] {
            return ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   ::mount("tamro-full", EncodeFileName(out).constData(), "tmpfs", 0, "size=1m") ==
                       0;
        });
    if (!child.exitedNormally)
        QSKIP("no mount namespace with a small tmpfs here");
    QCOMPARE(QString::fromUtf8(child.output), u"The file could not be copied. - "_qs + destination +
                                                  u" : No space left on device\nfull"_qs);
}

// On a medium with write-back, a copy keeps its unwritten data to its
// window: write-back of each chunk starts at once, older chunks are waited
// for.
void TestCopy::copyBoundsItsUnwrittenData()
{
    const QString folder = WriteBackFolder();
    if (folder.isEmpty())
        QSKIP("the build tree and the temporary folder are on tmpfs: no write-back here");
    QTemporaryDir dir(folder + u"/bound-XXXXXX"_qs);
    const QString source = dir.filePath(u"src.bin"_qs);
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Pattern(8 * kCopyChunkSize));
    }
    LibcFaults faults(dir.path());
    struct Watch
    {
        CCopySession session;
        std::int64_t peak = 0;
        static CopyProgressAnswer Look(std::int64_t, std::int64_t, void* data)
        {
            auto* self = static_cast<Watch*>(data);
            self->peak = std::max(self->peak, self->session.WriteBack().BytesInFlight());
            return PROGRESS_CONTINUE;
        }
    } watch;
    const NamedCopy copied =
        CopyToFreeName(watch.session, source, dir.filePath(u"copy.bin"_qs), &Watch::Look, &watch);
    QVERIFY(copied.result.Succeeded());
    QVERIFY(watch.peak > 0);
    QVERIFY2(watch.peak <= 2 * kCopyChunkSize, qPrintable(QString::number(watch.peak)));
    QVERIFY(faults.calls(LibcCall::SyncFileRange) >= 8);
    QCOMPARE(watch.session.FlushToMedium(), 0);
    QCOMPARE(watch.session.WriteBack().BytesInFlight(), 0);
    QCOMPARE(faults.calls(LibcCall::Syncfs), 1);
    QCOMPARE(TestDir::read(dir.filePath(u"copy.bin"_qs)), TestDir::read(source));

    // A small file is left to the kernel, counted until the file system is
    // flushed.
    const int steered = faults.calls(LibcCall::SyncFileRange);
    {
        QFile small(dir.filePath(u"small.bin"_qs));
        QVERIFY(small.open(QIODevice::WriteOnly) && small.write(Pattern(4096)) == 4096);
    }
    QVERIFY(CopyToFreeName(watch.session, dir.filePath(u"small.bin"_qs),
                           dir.filePath(u"small copy.bin"_qs), nullptr, nullptr)
                .result.Succeeded());
    QCOMPARE(faults.calls(LibcCall::SyncFileRange), steered);
    QCOMPARE(watch.session.WriteBack().BytesInFlight(), 4096);
    QCOMPARE(watch.session.FlushToMedium(), 0);
    QCOMPARE(watch.session.WriteBack().BytesInFlight(), 0);
}

// The window keeps what files closed since still have in flight, and lets
// go of an abandoned file at once.
void TestCopy::writeBackWindow()
{
    const QString folder = WriteBackFolder();
    if (folder.isEmpty())
        QSKIP("the build tree and the temporary folder are on tmpfs: no write-back here");
    QTemporaryDir dir(folder + u"/window-XXXXXX"_qs);
    const QByteArray chunk = Pattern(64 << 10);
    const auto open = [&](const QString& name) {
        return ::open(EncodeFileName(dir.filePath(name)).constData(),
                      O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    };
    CWriteBackWindow window;
    window.SetLimits(chunk.size(), 3);
    for (int i = 0; i < 3; ++i) { // three closed files, each a chunk
        UniqueFd fd(open(QStringLiteral("small %1").arg(i)));
        QCOMPARE(::write(fd.get(), chunk.constData(), chunk.size()), chunk.size());
        QCOMPARE(window.Written(fd.get(), 0, chunk.size()), 0);
        QCOMPARE(window.Keep(fd.get()), 0);
        QVERIFY(window.BytesInFlight() <= 2 * chunk.size());
    }
    UniqueFd big(open(u"big"_qs));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(::write(big.get(), chunk.constData(), chunk.size()), chunk.size());
        QCOMPARE(window.Written(big.get(), std::int64_t(i) * chunk.size(), chunk.size()), 0);
        QVERIFY(window.BytesInFlight() <= 2 * chunk.size());
    }
    window.Drop(big.get()); // abandoned: nothing of it is waited for
    QCOMPARE(window.BytesInFlight(), 0);
    big.reset(open(u"big"_qs));
    QCOMPARE(window.Written(big.get(), 0, chunk.size()), 0);
    QCOMPARE(window.Keep(big.get()), 0);
    big.reset(); // closed: the window keeps its own descriptor
    QCOMPARE(window.BytesInFlight(), std::int64_t(chunk.size()));
    QCOMPARE(window.Drain(nullptr), 0);
    QCOMPARE(window.BytesInFlight(), 0);

    window.SetLimits(chunk.size(), 3, 2 * chunk.size());
    LibcFaults faults(dir.path());
    const UniqueFd small(open(u"small"_qs));
    for (int i = 1; i <= 3; ++i) // small files left to the kernel, until over the limit
        QCOMPARE(window.Loose(small.get(), chunk.size()), 0);
    QCOMPARE(faults.calls(LibcCall::Syncfs), 1);
    QCOMPARE(window.BytesInFlight(), 0);
}

void TestCopy::flushToMedium_data()
{
    QTest::addColumn<int>("call"); // armed to fail after the copy, or Count for none
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("result");
    QTest::newRow("flushed") << int(LibcCall::Count) << false << 0;
    QTest::newRow("the file system flush fails") << int(LibcCall::Syncfs) << false << EIO;
    QTest::newRow("a write-back still in flight fails")
        << int(LibcCall::SyncFileRange) << false << EIO;
    QTest::newRow("cancelled") << int(LibcCall::Count) << true << ECANCELED;
}

void TestCopy::flushToMedium()
{
    QFETCH(int, call);
    QFETCH(bool, cancel);
    QFETCH(int, result);
    const QString folder = WriteBackFolder();
    if (folder.isEmpty())
        QSKIP("the build tree and the temporary folder are on tmpfs: no write-back here");
    QTemporaryDir dir(folder + u"/flush-XXXXXX"_qs);
    const QString source = dir.filePath(u"src.bin"_qs);
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Pattern(3 * kCopyChunkSize));
    }
    LibcFaults faults(dir.path());
    CCopySession session;
    const NamedCopy copied =
        CopyToFreeName(session, source, dir.filePath(u"copy.bin"_qs), nullptr, nullptr);
    QVERIFY(copied.result.Succeeded());
    QVERIFY(session.WriteBack().BytesInFlight() > 0);
    if (call != int(LibcCall::Count))
        faults.fail(LibcCall(call), EIO);
    const std::atomic<bool> cancelled{cancel};
    QCOMPARE(session.FlushToMedium(&cancelled), result);
    QCOMPARE(session.WriteBack().BytesInFlight(), 0);
    QCOMPARE(faults.calls(LibcCall::Syncfs), cancel ? 0 : 1);
    QCOMPARE(OpenFilesBelow(dir.path()), 0); // nothing keeps the medium busy
}

void TestCopy::mediumGone_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("sourceFailed");
    QTest::addColumn<bool>("gone");
    const int create = int(CopyStage::CreateDestination);
    const int transfer = int(CopyStage::Transfer);
    const int finish = int(CopyStage::Finish);
    QTest::newRow("done") << int(CopyStage::Done) << 0 << false << false;
    QTest::newRow("stick pulled: create") << create << EIO << false << true;
    QTest::newRow("stick pulled: write") << transfer << EIO << false << true;
    QTest::newRow("stick pulled: close") << finish << EIO << false << true;
    QTest::newRow("device gone") << create << ENODEV << false << true;
    QTest::newRow("no such device address") << transfer << ENXIO << false << true;
    QTest::newRow("FUSE daemon dead") << create << ENOTCONN << false << true;
    QTest::newRow("FUSE connection aborted") << transfer << ECONNABORTED << false << true;
    QTest::newRow("remounted read-only") << create << EROFS << false << true;
    QTest::newRow("file system corrupt") << finish << EUCLEAN << false << true;
    QTest::newRow("share gone") << finish << ESTALE << false << true;
    QTest::newRow("share timed out") << transfer << ETIMEDOUT << false << true;
    QTest::newRow("full: the next file may fit") << transfer << ENOSPC << false << false;
    QTest::newRow("quota") << transfer << EDQUOT << false << false;
    QTest::newRow("file too large") << transfer << EFBIG << false << false;
    QTest::newRow("folder closed to us") << create << EACCES << false << false;
    QTest::newRow("folder removed") << create << ENOENT << false << false;
    QTest::newRow("name taken") << finish << EEXIST << false << false;
    QTest::newRow("cancelled") << transfer << ECANCELED << false << false;
    QTest::newRow("source unreadable: read") << transfer << EIO << true << false;
    QTest::newRow("source unreadable: open") << int(CopyStage::OpenSource) << EIO << true << false;
}

void TestCopy::mediumGone()
{
    QFETCH(int, stage);
    QFETCH(int, error);
    QFETCH(bool, sourceFailed);
    QFETCH(bool, gone);
    CopyResult result{CopyStage(stage), error};
    result.sourceFailed = sourceFailed;
    QCOMPARE(MediumGone(result), gone);
}

// The failures behind the table, made for real: a write that fails on the
// destination or on the source, and a user-space file system whose daemon
// dies in the middle of a copy.
void TestCopy::fuseDaemonKilledMidCopy()
{
    TestDir dir;
    const QString source = dir.makeFile(u"song.mp3"_qs, Pattern(3 * kCopyChunkSize));
    {
        dir.makeFolder(u"out"_qs);
        LibcFaults faults(dir.path());
        faults.fail(LibcCall::CopyFileRange, EXDEV);
        faults.fail(LibcCall::Write, EIO);
        faults.writesBeforeFault(1);
        CCopySession session;
        const NamedCopy failedWrite =
            CopyToFreeName(session, source, dir.path(u"out/a.mp3"_qs), nullptr, nullptr);
        QCOMPARE(failedWrite.result.error, EIO);
        QVERIFY(MediumGone(failedWrite.result));
        faults.fail(LibcCall::Write, 0);
        faults.fail(LibcCall::Read, EIO);
        const NamedCopy failedRead =
            CopyToFreeName(session, source, dir.path(u"out/b.mp3"_qs), nullptr, nullptr);
        QCOMPARE(failedRead.result.error, EIO);
        QVERIFY(failedRead.result.sourceFailed);
        QVERIFY(!MediumGone(failedRead.result));
        QCOMPARE(dir.entries(dir.path(u"out"_qs)), QStringList());
    }

    FatMount stick(dir, true);
    if (!stick.problem().isEmpty())
        QSKIP(qPrintable(u"no FUSE file system to kill: "_qs + stick.problem()));
    struct Killer
    {
        FatMount& stick;
        int calls = 0;
        static CopyProgressAnswer AtSecond(std::int64_t, std::int64_t, void* data)
        {
            auto* self = static_cast<Killer*>(data);
            if (++self->calls == 2)
                self->stick.killDaemon();
            return PROGRESS_CONTINUE;
        }
    } killer{stick};
    CCopySession session;
    const NamedCopy midway = CopyToFreeName(session, source, stick.folder() + u"/Song.mp3"_qs,
                                            &Killer::AtSecond, &killer);
    QVERIFY2(MediumGone(midway.result), qPrintable(midway.result.Reason()));
    QCOMPARE(killer.calls, 2); // failed at the next chunk, no retries
    const NamedCopy next =
        CopyToFreeName(session, source, stick.folder() + u"/Next.mp3"_qs, nullptr, nullptr);
    QVERIFY2(MediumGone(next.result), qPrintable(next.result.Reason()));
    QCOMPARE(next.result.stage, CopyStage::CreateDestination);
}

void TestCopy::roomCheck_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("needed");
    QTest::newRow("fits") << QList<qint64>{100 << 10, 200 << 10} << true << qint64(300 << 10);
    QTest::newRow("too much in all")
        << QList<qint64>{512 << 10, 512 << 10, 512 << 10} << false << qint64(1536 << 10);
    // 300 bytes, but 300 blocks of 4 KiB on the medium.
    QTest::newRow("small files take whole blocks")
        << QList<qint64>(300, 1) << false << qint64(300 * 4096);
    QTest::newRow("nothing to copy") << QList<qint64>() << true << qint64(0);
}

void TestCopy::roomCheck()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(bool, fits);
    QFETCH(qint64, needed);
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    TestDir dir;
    const QString out = dir.makeFolder(u"out"_qs);
    CRunSizes run;
    for (const qint64 size : sizes)
        run.Add(size);
    const ChildRun child = RunInChild(
        [&] {
            const RoomCheck check = CheckRoom(out, run);
            return QStringList{QString::number(check.Fits()), QString::number(check.needed),
                               QString::number(check.free), QString::number(check.fileSizeLimit),
                               check.problem}
                .join(u'\n')
                .toUtf8();
        },
        [&] {
            return ::unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   ::mount("tamro-room", EncodeFileName(out).constData(), "tmpfs", 0, "size=1m") ==
                       0;
        });
    if (!child.exitedNormally)
        QSKIP("no mount namespace with a small tmpfs here");
    const QStringList found = QString::fromUtf8(child.output).split(u'\n');
    QCOMPARE(found.size(), 5);
    QCOMPARE(found[0], QString::number(fits));
    QCOMPARE(found[1], QString::number(needed));
    QCOMPARE(found[2], QString::number(1 << 20)); // all of the empty tmpfs
    QCOMPARE(found[3], u"-1"_qs);                 // tmpfs sets no file-size limit
    const QString problem =
        fits ? QString()
             : u"The files to copy need "_qs +
                   QLocale().formattedDataSize(needed, 1, QLocale::DataSizeIecFormat) +
                   u", but "_qs + out + u" has only 1.0 MiB free."_qs;
    QCOMPARE(found[4], problem);
}

void TestCopy::fileSizeLimit_data()
{
    QTest::addColumn<qulonglong>("fsType");
    QTest::addColumn<QByteArray>("mountType");
    QTest::addColumn<qint64>("limit");
    const qint64 fat = (qint64(1) << 32) - 1;
    QTest::newRow("FAT") << qulonglong(kMsdosMagic) << QByteArray() << fat;
    QTest::newRow("FAT through FUSE")
        << qulonglong(kFuseMagic) << QByteArray("fuse.fusefat") << fat;
    QTest::newRow("another FUSE") << qulonglong(kFuseMagic) << QByteArray("fuse.sshfs") << -1LL;
    QTest::newRow("ext4") << qulonglong(0xEF53) << QByteArray() << -1LL;
    QTest::newRow("tmpfs") << qulonglong(kTmpfsMagic) << QByteArray() << -1LL;
    QTest::newRow("exFAT") << qulonglong(0x2011BAB0) << QByteArray() << -1LL;
}

void TestCopy::fileSizeLimit()
{
    QFETCH(qulonglong, fsType);
    QFETCH(QByteArray, mountType);
    QFETCH(qint64, limit);
    QCOMPARE(FileSizeLimitOf(fsType, mountType), limit);
}

// A FAT stick holds no file of 4 GiB or more, whatever room it has.
void TestCopy::fileSizeLimitOfFat()
{
    TestDir dir;
    const FatMount stick(dir);
    if (!stick.problem().isEmpty())
        QSKIP(qPrintable(u"no FAT file system to look at: "_qs + stick.problem()));
    CRunSizes fitting;
    fitting.Add((qint64(1) << 32) - 1);
    const RoomCheck largestFits = CheckRoom(stick.folder(), fitting);
    QVERIFY(largestFits.FileFits(largestFits.largest));
    QVERIFY(!largestFits.RoomEnough()); // an 8 MiB stick

    CRunSizes tooLarge;
    tooLarge.Add(100);
    tooLarge.Add(qint64(1) << 32);
    const RoomCheck check = CheckRoom(stick.folder(), tooLarge);
    QCOMPARE(check.fileSizeLimit, (qint64(1) << 32) - 1);
    QVERIFY(!check.FileFits(check.largest));
    QVERIFY(check.FileFits(100));
    QVERIFY(!check.Fits());
    QVERIFY2(
        check.problem.endsWith(u"The largest file to copy is 4.0 GiB, but the file system of "_qs +
                               stick.folder() + u" holds no file of 4.0 GiB or more."_qs),
        qPrintable(check.problem));
}

void TestCopy::holdsSameBytes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("same");
    QTest::newRow("identical") << u"identical"_qs << true;
    QTest::newRow("identical, several chunks") << u"big"_qs << true;
    QTest::newRow("both empty") << u"empty"_qs << true;
    QTest::newRow("same size, other bytes") << u"other"_qs << false;
    QTest::newRow("differs in the last byte") << u"lastbyte"_qs << false;
    QTest::newRow("shorter") << u"shorter"_qs << false;
    QTest::newRow("a link to an identical file") << u"link"_qs << false;
    QTest::newRow("a folder under the name") << u"folder"_qs << false;
    QTest::newRow("a FIFO under the name") << u"fifo"_qs << false;
    QTest::newRow("nothing under the name") << u"missing"_qs << false;
    QTest::newRow("the source itself") << u"itself"_qs << true;
}

void TestCopy::holdsSameBytes()
{
    QFETCH(QString, kind);
    QFETCH(bool, same);
    TestDir dir;
    QByteArray content = kind == u"empty"_qs ? QByteArray()
                         : kind == u"big"_qs ? Pattern(2 * kCopyChunkSize + 5)
                                             : QByteArray("song bytes");
    const QString source = dir.makeFile(u"src.mp3"_qs, content);
    QString copy = dir.path(u"out/Song.mp3"_qs);
    dir.makeFolder(u"out"_qs);
    if (kind == u"other"_qs)
        dir.makeFile(u"out/Song.mp3"_qs, "SONG BYTES");
    else if (kind == u"lastbyte"_qs)
        dir.makeFile(u"out/Song.mp3"_qs, "song byteZ");
    else if (kind == u"shorter"_qs)
        dir.makeFile(u"out/Song.mp3"_qs, "song");
    else if (kind == u"link"_qs)
        dir.makeLink(u"out/Song.mp3"_qs, dir.makeFile(u"twin.mp3"_qs, content));
    else if (kind == u"folder"_qs)
        dir.makeFolder(u"out/Song.mp3"_qs);
    else if (kind == u"fifo"_qs)
        ::mkfifo(EncodeFileName(copy).constData(), 0600);
    else if (kind == u"itself"_qs)
        copy = source;
    else if (kind != u"missing"_qs)
        dir.makeFile(u"out/Song.mp3"_qs, content);

    QCOMPARE(HoldsSameBytes(EncodeFileName(source), EncodeFileName(copy)), same);
    QCOMPARE(TestDir::read(source), content);
}

QTEST_GUILESS_MAIN(TestCopy)
#include "tst_copy.moc"
