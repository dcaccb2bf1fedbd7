// Measures what bringing a run's copies onto the medium costs, driving the
// real copy: CopyOneFile for every file, then CCopySession::FlushToMedium
// once, as a run ends. Ratios are reference time / ours (above 1: faster than
// the reference), the median of each round's own ratio.
//
// Fast media, in every work folder given (by default /dev/shm and the
// temporary folder, a disk): 10,000 files of 4 KiB and 1 GiB in 8 MiB files,
// each against `cp -r` then `sync -f` of the output,
//  - as a run does it: write-back bounded, one syncfs at the end;
//  - each copy flushed on its own (fdatasync) and its folder at the end;
//  - write-back left to the kernel, one syncfs at the end (what the bound
//    costs).
//
// A slow medium (--slow; needs root): an ext4 image on a loop device whose
// writes the blkio controller throttles (4 MiB/s unless --rate says other),
// standing in for a USB stick, and `tamro-cli convert` run on it as a whole
// process, as an operator meets it. 8 files of 8 MiB: start to end against
// `cp` then `sync`; a `sync` right after tamro-cli has ended; the peak of
// Dirty + Writeback (/proc/meminfo, and the same of our own memory cgroup,
// which other programs' writes leave alone) above its level before; a stop
// (SIGTERM, what a second Ctrl-C does) during a 256 MiB file to the end of
// the process.
//
//   build/release/bench/bench_medium [--slow] [--rate BYTES] [--rounds N] [--cli PATH]
//                                    [work-folder...]
//   strace -c -f build/release/bench/bench_medium --once FOLDER COUNT SIZE
// (--once: one run of COUNT files of SIZE bytes into FOLDER/out, to count
// the system calls of a run)

#include "bench/bench_common.h"
#include "output/copy_host.h"
#include "output/copy_one_file.h"
#include "output/run_log.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace {

class QuietHost : public CCopyHost, public CCopyState
{
public:
    CCopyState& CopyState() override { return *this; }
    void SetFileProgress(int) override {}
};

enum class Flush
{
    Bounded,  // as a run does it
    EachFile, // fdatasync per copy, fsync of the folder
    Unbounded // no write-back window, one syncfs
};

QString g_cliBinary = QStringLiteral(TAMRO_CLI_BINARY);

// Named "Title - Artist" as pattern mode wants them.
void MakeFiles(const QString& folder, int count, qint64 size)
{
    MakeBenchFiles(folder, count, size, [](int i) {
        return QStringLiteral("file %1 - Band.bin").arg(i, 5, 10, QLatin1Char('0'));
    });
}

void Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
}

// One run of our copy: every file of `source` into `target`, then the flush.
// `host` may be cancelled from another thread through m_bAbandonCopy.
void CopyRun(QuietHost& host, const QString& logs, const QString& source, const QString& target,
             Flush flush, const std::atomic<bool>* cancel = nullptr)
{
    host.m_copySession.SetSyncEachFile(flush == Flush::EachFile);
    host.m_copySession.SetBoundWriteBack(flush != Flush::Unbounded);
    OpenRunLogs(host, logs);
    for (const QString& name : QDir(source).entryList(QDir::Files, QDir::Name)) {
        if (cancel && cancel->load())
            break;
        (void)CopyOneFile(host, source + u'/' + name, target + u'/' + name);
    }
    if (host.m_copySession.FlushToMedium(cancel) != 0 && !(cancel && cancel->load()))
        qFatal("the flush failed");
    (void)CloseRunLog(host.m_pInfoLog);
    (void)CloseRunLog(host.m_pErrorLog);
    if (host.m_nErrorCount != 0 && !(cancel && cancel->load()))
        qFatal("copies failed");
}

// tamro-cli's convert of every file of `source` into `target`, logs in `logs`.
QStringList ConvertArguments(const QString& logs, const QString& source, const QString& target)
{
    return {u"convert"_qs,  u"--pattern"_qs, u"--source"_qs,  source,
            u"--output"_qs, target,          u"--log-dir"_qs, logs};
}

void Fresh(const QString& target)
{
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    ::sync();
}

void BenchFastMedium(const QString& work, const char* what, int count, qint64 size, int rounds)
{
    const QString source = work + u"/src"_qs;
    const QString target = work + u"/out"_qs;
    MakeFiles(source, count, size);
    const auto fresh = [&] { Fresh(target); };
    const auto cp = [&] {
        Run(u"cp"_qs, {u"-r"_qs, u"--preserve=mode,timestamps"_qs, source + u"/."_qs, target});
        Run(u"sync"_qs, {u"-f"_qs, target});
    };
    const struct
    {
        Flush flush;
        const char* name;
    } ways[] = {{Flush::Bounded, "bounded, one syncfs"},
                {Flush::EachFile, "fdatasync each, fsync folder"},
                {Flush::Unbounded, "unbounded, one syncfs"}};
    for (const auto& way : ways) {
        const auto ours = [&] {
            QuietHost host;
            CopyRun(host, work, source, target, way.flush);
            if (QDir(target).entryList(QDir::Files).size() != count)
                qFatal("not every file was copied");
        };
        const QByteArray label = QByteArray(what) + ", " + way.name;
        PrintRow(label.constData(), CompareRounds(rounds, fresh, ours, cp), "cp+sync");
    }
    QDir(source).removeRecursively();
    QDir(target).removeRecursively();
}

// The sum of the values of `keys` in a "name value" text such as
// /proc/meminfo ("Dirty:   12 kB", in KiB) or a memory.stat (in bytes).
qint64 SumOf(const QString& path, const QList<QByteArray>& keys, qint64 unit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    qint64 sum = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2 && keys.contains(fields[0]))
            sum += fields[1].toLongLong() * unit;
    }
    return sum;
}

// Dirty + Writeback of /proc/meminfo: the whole machine's, other programs'
// writes included.
qint64 UnwrittenBytes()
{
    return SumOf(u"/proc/meminfo"_qs, {"Dirty:", "Writeback:"}, 1024);
}

// The same for this process's memory cgroup alone (which holds cp and sync
// too, started from here): what other programs on a shared machine write
// stays out. -1 where there is no such cgroup to read.
qint64 OwnUnwrittenBytes()
{
    QFile groups(u"/proc/self/cgroup"_qs);
    if (!groups.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : groups.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(':');
        if (fields.size() < 3)
            continue;
        const QString path = QString::fromLocal8Bit(fields[2]);
        if (fields[1] == "memory") // cgroup v1
            return SumOf(u"/sys/fs/cgroup/memory"_qs + path + u"/memory.stat"_qs,
                         {"dirty", "writeback"}, 1);
        if (fields[0] == "0" && fields[1].isEmpty()) { // cgroup v2, unless v1 says so
            const qint64 v2 = SumOf(u"/sys/fs/cgroup"_qs + path + u"/memory.stat"_qs,
                                    {"file_dirty", "file_writeback"}, 1);
            if (v2 >= 0)
                return v2;
        }
    }
    return -1;
}

// Samples the unwritten data while it lives, the machine's and our own
// cgroup's; each peak is above its level at the start.
class CUnwrittenPeak
{
public:
    CUnwrittenPeak() : m_nStart(UnwrittenBytes()), m_nOwnStart(OwnUnwrittenBytes())
    {
        m_thread = std::thread([this] {
            while (!m_bStop.load()) {
                m_nPeak = std::max(m_nPeak.load(), UnwrittenBytes());
                m_nOwnPeak = std::max(m_nOwnPeak.load(), OwnUnwrittenBytes());
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    ~CUnwrittenPeak() { Stop(); }
    void Stop()
    {
        if (m_thread.joinable()) {
            m_bStop = true;
            m_thread.join();
        }
    }
    qint64 Peak() const { return std::max<qint64>(0, m_nPeak.load() - m_nStart); }
    // -1 where this process has no memory cgroup to read.
    qint64 OwnPeak() const
    {
        return m_nOwnStart < 0 ? -1 : std::max<qint64>(0, m_nOwnPeak.load() - m_nOwnStart);
    }

private:
    qint64 m_nStart;
    qint64 m_nOwnStart;
    std::atomic<qint64> m_nPeak{0};
    std::atomic<qint64> m_nOwnPeak{0};
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};

QString RunTool(const QString& tool, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return tool + u" failed: "_qs + QString::fromLocal8Bit(process.readAllStandardError());
    if (output)
        *output = process.readAllStandardOutput().trimmed();
    return {};
}

bool WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush();
}

// An ext4 image on a loop device whose writes are throttled, mounted for as
// long as the object lives.
class CSlowMedium
{
public:
    CSlowMedium(const QString& base, qint64 rate)
        : m_strImage(base + u"/slow.img"_qs), m_strMount(base + u"/slow"_qs)
    {
        if (::geteuid() != 0) {
            m_strProblem = u"a loop device and a write throttle need root"_qs;
            return;
        }
        QFile image(m_strImage);
        if (!image.open(QIODevice::WriteOnly) || !image.resize(2LL << 30)) {
            m_strProblem = u"cannot make the image"_qs;
            return;
        }
        image.close();
        QDir().mkpath(m_strMount);
        QByteArray device;
        if (!(m_strProblem = RunTool(u"mkfs.ext4"_qs, {u"-q"_qs, u"-F"_qs, m_strImage}))
                 .isEmpty() ||
            !(m_strProblem = RunTool(u"losetup"_qs, {u"-f"_qs, u"--show"_qs, m_strImage}, &device))
                 .isEmpty())
            return;
        m_strDevice = QString::fromLocal8Bit(device);
        if (!(m_strProblem = RunTool(u"mount"_qs, {m_strDevice, m_strMount})).isEmpty())
            return;
        m_bMounted = true;
        struct stat info
        {};
        ::stat(device.constData(), &info);
        m_majMin =
            QByteArray::number(major(info.st_rdev)) + ':' + QByteArray::number(minor(info.st_rdev));
        m_strProblem = Throttle(rate);
    }
    ~CSlowMedium()
    {
        if (!m_strThrottle.isEmpty())
            (void)WriteText(m_strThrottle, m_majMin + (m_bV2 ? " wbps=max" : " 0"));
        if (m_bMounted)
            (void)RunTool(u"umount"_qs, {m_strMount});
        if (!m_strDevice.isEmpty())
            (void)RunTool(u"losetup"_qs, {u"-d"_qs, m_strDevice});
        QFile::remove(m_strImage);
        QDir().rmdir(m_strMount);
    }

    QString problem() const { return m_strProblem; }
    QString folder() const { return m_strMount; }
    QString how() const { return m_strHow; }

private:
    // cgroup v1: a rule in the root blkio group holds every writer, the
    // kernel's flusher threads included. v2: io.max of the group we join.
    QString Throttle(qint64 rate)
    {
        const QString v1 = u"/sys/fs/cgroup/blkio/blkio.throttle.write_bps_device"_qs;
        if (QFileInfo::exists(v1)) {
            if (!WriteText(v1, m_majMin + ' ' + QByteArray::number(rate)))
                return u"cannot write "_qs + v1;
            m_strThrottle = v1;
            m_strHow = u"blkio.throttle.write_bps_device "_qs + QString::number(rate);
            return {};
        }
        const QString group = u"/sys/fs/cgroup/tamro-bench"_qs;
        if (!QFileInfo::exists(u"/sys/fs/cgroup/cgroup.controllers"_qs))
            return u"no blkio controller and no cgroup v2 here"_qs;
        QDir().mkpath(group);
        (void)WriteText(u"/sys/fs/cgroup/cgroup.subtree_control"_qs, "+io");
        if (!WriteText(group + u"/io.max"_qs, m_majMin + " wbps=" + QByteArray::number(rate)) ||
            !WriteText(group + u"/cgroup.procs"_qs, QByteArray::number(::getpid())))
            return u"cannot set io.max in "_qs + group;
        m_strThrottle = group + u"/io.max"_qs;
        m_bV2 = true;
        m_strHow = u"io.max wbps="_qs + QString::number(rate);
        return {};
    }

    QString m_strImage;
    QString m_strMount;
    QString m_strDevice;
    QString m_strProblem;
    QString m_strThrottle;
    QString m_strHow;
    QByteArray m_majMin;
    bool m_bMounted = false;
    bool m_bV2 = false;
};

double Seconds(const std::chrono::steady_clock::time_point& since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void BenchSlowMedium(const QString& work, qint64 rate, int rounds)
{
    const QString base = QDir::tempPath();
    const CSlowMedium medium(base, rate);
    if (!medium.problem().isEmpty()) {
        std::printf("slow medium skipped: %s\n", qPrintable(medium.problem()));
        return;
    }
    std::printf("slow medium: ext4 on a loop device, %s\n", qPrintable(medium.how()));
    const QString source = work + u"/slow-src"_qs;
    const QString target = medium.folder() + u"/out"_qs;
    MakeFiles(source, 8, 8LL << 20);

    std::vector<double> ratios, oursTimes, cpTimes, syncAfter;
    qint64 oursPeak = 0, cpPeak = 0, oursOwnPeak = -1, cpOwnPeak = -1;
    for (int round = 0; round < rounds; ++round) {
        Fresh(target);
        {
            CUnwrittenPeak peak;
            const auto start = std::chrono::steady_clock::now();
            Run(g_cliBinary, ConvertArguments(work, source, target));
            oursTimes.push_back(Seconds(start));
            peak.Stop();
            oursPeak = std::max(oursPeak, peak.Peak());
            oursOwnPeak = std::max(oursOwnPeak, peak.OwnPeak());
            const auto syncStart = std::chrono::steady_clock::now();
            Run(u"sync"_qs, {});
            syncAfter.push_back(Seconds(syncStart));
        }
        Fresh(target);
        {
            CUnwrittenPeak peak;
            const auto start = std::chrono::steady_clock::now();
            QStringList arguments{u"--preserve=mode,timestamps"_qs};
            for (const QString& name : QDir(source).entryList(QDir::Files, QDir::Name))
                arguments.append(source + u'/' + name);
            arguments.append(target);
            Run(u"cp"_qs, arguments);
            Run(u"sync"_qs, {});
            cpTimes.push_back(Seconds(start));
            peak.Stop();
            cpPeak = std::max(cpPeak, peak.Peak());
            cpOwnPeak = std::max(cpOwnPeak, peak.OwnPeak());
        }
        ratios.push_back(cpTimes.back() / oursTimes.back());
        if (qEnvironmentVariableIsSet("BENCH_ROUNDS"))
            std::printf("  round %d: %.2f s, cp+sync %.2f s, sync after %.3f s\n", round + 1,
                        oursTimes.back(), cpTimes.back(), syncAfter.back());
    }
    PrintRow("slow medium: 8 x 8 MiB, start to end", Median(oursTimes) * 1000,
             Median(cpTimes) * 1000, "cp+sync", Median(ratios));
    std::printf("%-46s %10.3f s    (target < 1 s; the longest of %d rounds)\n",
                "slow medium: sync right after our run",
                *std::max_element(syncAfter.begin(), syncAfter.end()), rounds);
    std::printf("%-46s %10.1f MiB  cp %.1f MiB  (target <= 64 MiB)\n",
                "slow medium: peak Dirty+Writeback above start", double(oursPeak) / (1 << 20),
                double(cpPeak) / (1 << 20));
    if (oursOwnPeak >= 0) {
        std::printf("%-46s %10.1f MiB  cp %.1f MiB  (the same, our memory cgroup only)\n",
                    "slow medium: peak dirty+writeback, own cgroup",
                    double(oursOwnPeak) / (1 << 20), double(cpOwnPeak) / (1 << 20));
    }

    // Cancel during a big file: the file is abandoned, its temporary removed,
    // and the job ends.
    QDir(source).removeRecursively();
    QDir().mkpath(source);
    MakeFiles(source, 1, 256LL << 20);
    std::vector<double> cancelTimes;
    for (int round = 0; round < rounds; ++round) {
        Fresh(target);
        QProcess cli;
        cli.start(g_cliBinary, ConvertArguments(work, source, target));
        if (!cli.waitForStarted())
            qFatal("cannot start %s", qPrintable(g_cliBinary));
        std::this_thread::sleep_for(std::chrono::seconds(2));
        const auto start = std::chrono::steady_clock::now();
        ::kill(pid_t(cli.processId()), SIGTERM);
        if (!cli.waitForFinished(60000))
            qFatal("tamro-cli did not end after SIGTERM");
        cancelTimes.push_back(Seconds(start));
        if (!QDir(target)
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                 .isEmpty())
            qFatal("the cancelled copy left something behind");
    }
    std::printf("%-46s %10.3f s    (target < 1 s; the longest of %d rounds)\n",
                "slow medium: Cancel in a 256 MiB file to the end",
                *std::max_element(cancelTimes.begin(), cancelTimes.end()), rounds);
    QDir(source).removeRecursively();
    QDir(target).removeRecursively();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // rows as they come, also into a file
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == u"--once"_qs && arguments.size() == 4) {
        const QString folder = arguments[1];
        MakeFiles(folder + u"/src"_qs, arguments[2].toInt(), arguments[3].toLongLong());
        Fresh(folder + u"/out"_qs);
        QuietHost host;
        CopyRun(host, folder, folder + u"/src"_qs, folder + u"/out"_qs, Flush::Bounded);
        return 0;
    }
    bool slow = false;
    qint64 rate = 4LL << 20;
    int rounds = 5;
    QStringList bases;
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--slow"_qs)
            slow = true;
        else if (arguments[i] == u"--rate"_qs && i + 1 < arguments.size())
            rate = arguments[++i].toLongLong();
        else if (arguments[i] == u"--cli"_qs && i + 1 < arguments.size())
            g_cliBinary = arguments[++i];
        else if (arguments[i] == u"--rounds"_qs && i + 1 < arguments.size())
            rounds = std::max(1, arguments[++i].toInt());
        else
            bases.append(arguments[i]);
    }
    std::printf("the copy and its flush against cp and sync, median of %d rounds; rerun with\n"
                "  %s [--slow] [--rate BYTES] [--rounds N] [--cli PATH] [work-folder...]\n",
                rounds, argv[0]);
    if (bases.isEmpty())
        bases = {BenchWorkBase(1, argv), QDir::tempPath()};
    for (const QString& base : bases) {
        QTemporaryDir temp(base + u"/tamro-bench-XXXXXX"_qs);
        if (!temp.isValid())
            qFatal("cannot make a work folder in %s", qPrintable(base));
        std::printf("work folder: %s\n", qPrintable(temp.path()));
        if (slow) {
            BenchSlowMedium(temp.path(), rate, rounds);
            break;
        }
        BenchFastMedium(temp.path(), "10,000 x 4 KiB", 10000, 4096, rounds);
        BenchFastMedium(temp.path(), "1 GiB in 8 MiB", 128, 8LL << 20, rounds);
    }
    return 0;
}
