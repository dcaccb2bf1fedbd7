// Measures the window on a folder of 1,000,000 files (and a song list of
// 1,000,000 lines beside them, as an operator keeps it), each figure from a
// fresh start in the same run:
//  - listing, against `ls -lU` on the same folder (alternating rounds, the
//    median of each round's ratio), two ways: the song list's path typed in
//    (the tree moves to its folder, which is listed) and the folder selected
//    in the tree; each from the change to the last row drawn;
//  - previews in both naming modes, from the click to the last cell drawn;
//    then once the tag mode's (it reads every file, which holds no audio
//    and so gets no name), outside the peak;
//  - the longest time the window thread was busy at one stretch throughout;
//  - peak resident memory of the whole process (VmHWM) through listing and
//    both previews;
//  - a folder of 10,000 entries on a slow file system (a lister that sleeps
//    1 ms per entry): the window's longest busy stretch.
// The files are made once; the window is then measured in a process of its
// own on each platform: offscreen, X11 (a virtual server, Xvfb) and Wayland
// (a headless compositor, weston), and the figures are printed side by side.
//
//   build/release/bench/bench_scale [work-folder] [files] [rounds]
//   (default /dev/shm, 1000000 and 7; making the files takes a while)
//   build/release/bench/bench_scale --measure FOLDER FILES ROUNDS
//   (one platform, the one QT_QPA_PLATFORM names, on files made before)

#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/folder_tree_ctrl.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_app.h"
#include "app/tamro_dlg.h"
#include "bench/bench_common.h"
#include "bench/window_watch.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

// What a measuring process tells its parent, one figure a line:
// "figure <key> <value>".
constexpr char kFigure[] = "figure ";

long StatusKiB(const char* field)
{
    QFile status(u"/proc/self/status"_qs);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Starts the count of VmHWM afresh, so each phase shows its own peak.
void ResetPeakMemory()
{
    QFile clear(u"/proc/self/clear_refs"_qs);
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double RunMs(const QStringList& command)
{
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(command.first(), command.mid(1));
    return double(timer.nsecsElapsed()) / 1e6;
}

// The machine's load: the figures of a busy machine say less.
void PrintLoad(const char* when)
{
    QFile load(u"/proc/loadavg"_qs);
    if (load.open(QIODevice::ReadOnly))
        std::printf("load average %s: %s", when, load.readLine().constData());
}

void Figure(const char* key, double value)
{
    std::printf("%s%s %.2f\n", kFigure, key, value);
    std::fflush(stdout);
}

QString ManyFolder(const QString& work)
{
    return work + u"/many"_qs;
}

QString SongListIn(const QString& folder)
{
    return folder + u"/songlist.txt"_qs;
}

void MakeFiles(const QString& work, int count)
{
    const QString folder = ManyFolder(work);
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QByteArray path =
            QFile::encodeName(folder + QStringLiteral("/%1 Title - Band.mp3").arg(i));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            qFatal("cannot create bench files");
        ::close(fd);
    }
    QFile list(SongListIn(folder));
    if (!list.open(QIODevice::WriteOnly))
        qFatal("cannot write the song list");
    for (int i = 0; i < count; ++i)
        list.write(QStringLiteral("%1|Title %1|Singer\n").arg(i).toUtf8());
    // Somewhere else to point the song list at between rounds.
    QFile other(SongListIn(work));
    if (!other.open(QIODevice::WriteOnly) || other.write("1|Title|Singer\n") < 0)
        qFatal("cannot write the song list");
    // On a disk, writing back a million new inodes takes the machine for a
    // while; it should not fall into the figures.
    ::sync();
}

class Bench
{
public:
    Bench(const QString& work, int files, int rounds)
        : m_work(work), m_folder(ManyFolder(work)), m_nFiles(files), m_nRounds(rounds)
    {
        QDir::setCurrent(work);
        m_dlg.show();
        // On a real display nothing is drawn before the window is mapped.
        WaitFor([this] { return m_dlg.windowHandle() && m_dlg.windowHandle()->isExposed(); });
        m_dlg.m_editOutput->setText(work + u"/out"_qs);
        QObject::connect(&m_boxes, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        m_boxes.start(5);
    }

    // The song list's path typed in (as pasted, or chosen in its file
    // dialog): the tree moves to the list's folder, which is listed.
    void ListingByPath()
    {
        QLineEdit* edit = m_dlg.m_pTabSongList->m_editSongList;
        m_dlg.m_pTabSongList->m_chkSetSourceFolder->setChecked(true);
        Listing(
            "list the folder (song-list path typed to last row)", "list_path",
            [this, edit] { edit->setText(SongListIn(m_work)); },
            [this, edit] { edit->setText(SongListIn(m_folder)); });
        m_dlg.m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    }

    // The folder clicked in the tree.
    void ListingByTree()
    {
        Listing(
            "list the folder (tree selection to last row)", "list_tree",
            [this] { m_dlg.m_treeFolders->SelectPath(m_work); },
            [this] { m_dlg.m_treeFolders->SelectPath(m_folder); });
    }

    void Previews()
    {
        // The song list in the listed folder is the one previewed.
        m_dlg.m_pTabSongList->m_editSongList->setText(SongListIn(m_folder));
        if (m_dlg.m_listFiles->GetCurrentFolder() != m_folder) {
            m_dlg.m_treeFolders->SelectPath(m_folder);
            WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
        }
        std::printf("  window holds %ld MiB resident with the folder listed (peak so far %ld "
                    "MiB)\n",
                    StatusKiB("VmRSS:") / 1024, StatusKiB("VmHWM:") / 1024);
        for (const int tab : {1, 0}) {
            std::vector<double> times;
            Busy busy;
            for (int round = 0; round < m_nRounds; ++round) {
                times.push_back(Preview(tab));
                busy.Take(m_watch);
            }
            const char* what =
                tab == 0 ? "preview, song list of as many lines" : "preview, pattern";
            std::printf("%-46s %10.2f ms   (median of %d; at most %.2f ms)\n", what, Median(times),
                        m_nRounds, *std::max_element(times.begin(), times.end()));
            NoteBusy(busy);
            Figure(tab == 0 ? "preview_song_list_ms" : "preview_pattern_ms", Median(times));
        }
    }

    void TagsPreview()
    {
        const double ms = Preview(2);
        std::printf("%-46s %10.2f ms   (once)\n", "preview, tags (empty files, no audio)", ms);
        Busy busy;
        busy.Take(m_watch);
        NoteBusy(busy);
        Figure("preview_tags_ms", ms);
    }

    void SlowFileSystem(int entries)
    {
        const QString folder = m_work + u"/slow"_qs;
        QDir().mkpath(folder);
        m_dlg.m_listFiles->SetFolderLister(
            [entries](const QString& asked, std::size_t batchSize, const FolderBatchSink& sink) {
                std::vector<ListedFile> batch;
                for (int i = 0; i < entries; ++i) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    batch.push_back(ListedFile{QStringLiteral("%1 Title - Band.mp3").arg(i), 0, 0});
                    if (batch.size() >= batchSize) {
                        if (!sink(batch))
                            return;
                        batch.clear();
                    }
                }
                if (!batch.empty())
                    (void)sink(batch);
                (void)asked;
            });
        m_watch.Start();
        QElapsedTimer timer;
        timer.start();
        m_dlg.m_treeFolders->SelectPath(folder);
        WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
        const double busyMs = m_watch.StopMs();
        std::printf("slow file system, %d entries at 1 ms: listed in %.0f ms, window thread "
                    "busy at most %.1f ms at one stretch, its own work at most %.1f ms of it\n",
                    entries, double(timer.nsecsElapsed()) / 1e6, busyMs, m_watch.LongestCpuMs());
        Figure("slow_busy_ms", busyMs);
        Figure("slow_busy_cpu_ms", m_watch.LongestCpuMs());
        m_dlg.m_listFiles->SetFolderLister(ReadFolderFiles);
    }

    double LongestBusyMs() const { return m_longest.wallMs; }
    double LongestOwnWorkMs() const { return m_longest.cpuMs; }

private:
    void Listing(const char* what, const char* key, const std::function<void()>& elsewhere,
                 const std::function<void()>& show)
    {
        const auto prepare = [&] {
            elsewhere();
            WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
        };
        Busy busy;
        const Compared listing = CompareRounds(
            m_nRounds, prepare,
            [&] {
                m_watch.Start();
                show();
                WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
                m_dlg.m_listFiles->viewport()->repaint();
                busy.Take(m_watch);
                // The files and the song list.
                if (int(m_dlg.m_nFileCount) != m_nFiles + 1)
                    qFatal("listing lost files");
            },
            [&] {
                RunMs({u"sh"_qs, u"-c"_qs, u"ls -lU \"$0\" >/dev/null"_qs, m_folder});
            });
        PrintRow(what, listing, "ls -lU");
        NoteBusy(busy);
        Figure(QByteArray(key).append("_ratio").constData(), listing.ratio);
    }

    // One preview: its time from the click to the last cell drawn (the
    // watch has the window thread's stretches meanwhile).
    double Preview(int tab)
    {
        m_dlg.m_tabMode->TabBar()->setCurrentIndex(tab);
        QPushButton* preview = m_dlg.findChild<QPushButton*>(u"m_btnPreview"_qs);
        m_watch.Start();
        QElapsedTimer timer;
        timer.start();
        preview->click();
        WaitFor([this] { return m_dlg.Job().m_nCommand.load() == JOB_IDLE; });
        m_dlg.m_listFiles->viewport()->repaint();
        const double previewMs = double(timer.nsecsElapsed()) / 1e6;
        m_watch.StopMs();
        if (tab != 2 && m_dlg.m_listFiles->Model()->Column1Text(m_nFiles - 1).isEmpty())
            qFatal("preview left cells empty");
        preview->click(); // take it away
        return previewMs;
    }

    // The longest stretches of a phase's rounds.
    struct Busy
    {
        double wallMs = 0;
        double cpuMs = 0;
        void Take(BusyWatch& watch)
        {
            wallMs = qMax(wallMs, watch.StopMs());
            cpuMs = qMax(cpuMs, watch.LongestCpuMs());
        }
    };

    void NoteBusy(const Busy& busy)
    {
        std::printf("  window thread busy at most %.1f ms at one stretch, its own work at most "
                    "%.1f ms of it\n",
                    busy.wallMs, busy.cpuMs);
        m_longest.wallMs = qMax(m_longest.wallMs, busy.wallMs);
        m_longest.cpuMs = qMax(m_longest.cpuMs, busy.cpuMs);
    }

    QString m_work, m_folder;
    int m_nFiles;
    int m_nRounds;
    CtamroDlg m_dlg;
    BusyWatch m_watch;
    QTimer m_boxes;
    Busy m_longest;
};

// Measures the window on the platform QT_QPA_PLATFORM names.
int Measure(int argc, char** argv, const QString& work, int files, int rounds)
{
    // The program's own start, with the window's buffers set up as tamro sets them.
    const CtamroApp app(argc, argv);
    std::printf("platform %s, %d rounds\n", qPrintable(QGuiApplication::platformName()), rounds);
    PrintLoad("at the start");
    {
        Bench bench(work, files, rounds);
        const long before = StatusKiB("VmRSS:");
        ResetPeakMemory();
        bench.ListingByPath();
        bench.ListingByTree();
        std::printf("  (%ld MiB resident before the first listing)\n", before / 1024);
        bench.Previews();
        const long peakKiB = StatusKiB("VmHWM:");
        std::printf("peak resident memory through listing and both previews: %ld MiB (%.0f MB)\n",
                    peakKiB / 1024, double(peakKiB) * 1024 / 1e6);
        Figure("peak_mb", double(peakKiB) * 1024 / 1e6);
        Figure("busy_ms", bench.LongestBusyMs());
        Figure("busy_cpu_ms", bench.LongestOwnWorkMs());
        bench.TagsPreview();
        bench.SlowFileSystem(10000);
    }
    PrintLoad("at the end");
    QDir::setCurrent(QDir::tempPath());
    return 0;
}

// A headless Wayland compositor for the time of one measurement.
class CWestonServer
{
public:
    bool Start()
    {
        if (QStandardPaths::findExecutable(u"weston"_qs).isEmpty() || !m_runtime.isValid())
            return false;
        QFile::setPermissions(m_runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_qs, m_runtime.path());
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setStandardOutputFile(m_runtime.path() + u"/weston.log"_qs);
        m_process.start(u"weston"_qs, {u"--backend=headless-backend.so"_qs,
                                       u"--socket=tamro-bench"_qs, u"--idle-time=0"_qs});
        for (int i = 0; i < 500 && m_process.state() != QProcess::NotRunning; ++i) {
            if (QFile::exists(m_runtime.path() + u"/tamro-bench"_qs))
                return true;
            QThread::msleep(10);
        }
        return false;
    }
    void AddTo(QProcessEnvironment& environment) const
    {
        environment.insert(u"XDG_RUNTIME_DIR"_qs, m_runtime.path());
        environment.insert(u"WAYLAND_DISPLAY"_qs, u"tamro-bench"_qs);
        environment.remove(u"DISPLAY"_qs);
    }
    ~CWestonServer()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished();
    }

private:
    QTemporaryDir m_runtime{QDir::tempPath() + u"/tamro-bench-wayland-XXXXXX"_qs};
    QProcess m_process;
};

// Runs one measuring process, passing its lines on and keeping its figures.
QMap<QString, double> RunMeasure(const QString& program, const QStringList& arguments,
                                 const QProcessEnvironment& environment)
{
    QMap<QString, double> figures;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    const auto take = [&] {
        while (process.canReadLine()) {
            const QByteArray line = process.readLine();
            if (!line.startsWith(kFigure)) {
                std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
                std::fflush(stdout);
                continue;
            }
            const QList<QByteArray> parts = line.mid(qstrlen(kFigure)).trimmed().split(' ');
            if (parts.size() == 2)
                figures.insert(QString::fromLatin1(parts[0]), parts[1].toDouble());
        }
    };
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(1000);
        take();
    }
    process.waitForFinished(-1);
    take();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        std::printf("  (the measurement failed)\n");
    return figures;
}

void PrintSideBySide(const QStringList& platforms, const QList<QMap<QString, double>>& figures)
{
    struct Row
    {
        const char* key;
        const char* what;
        const char* target;
    };
    static const Row kRows[] = {
        {"list_path_ratio", "listing vs ls -lU (song-list path typed)", ">= 1"},
        {"list_tree_ratio", "listing vs ls -lU (tree selection)", ">= 1"},
        {"preview_pattern_ms", "preview, pattern (ms, median)", "< 1000"},
        {"preview_song_list_ms", "preview, song list (ms, median)", "< 2000"},
        {"busy_ms", "longest busy stretch (ms)", "<= 50"},
        {"busy_cpu_ms", "  its own work at most (ms, thread CPU)", "<= 50"},
        {"peak_mb", "peak resident, listing and previews (MB)", "< 300"},
        {"preview_tags_ms", "preview, tags, once (ms)", ""},
        {"slow_busy_ms", "slow file system: longest stretch (ms)", "<= 50"},
        {"slow_busy_cpu_ms", "  its own work at most (ms, thread CPU)", "<= 50"},
    };
    std::printf("\n%-42s", "");
    for (const QString& platform : platforms)
        std::printf(" %10s", qPrintable(platform));
    std::printf("   target\n");
    for (const Row& row : kRows) {
        std::printf("%-42s", row.what);
        for (const QMap<QString, double>& platform : figures) {
            const auto value = platform.constFind(QString::fromLatin1(row.key));
            if (value == platform.cend())
                std::printf(" %10s", "-");
            else
                std::printf(" %10.2f", *value);
        }
        std::printf("   %s\n", row.target);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && qstrcmp(argv[1], "--measure") == 0)
        return Measure(argc, argv, QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
                       QByteArray(argv[4]).toInt());

    QCoreApplication app(argc, argv);
    const QString base = BenchWorkBase(argc, argv);
    const int files = argc > 2 ? QByteArray(argv[2]).toInt() : 1000000;
    const int rounds = argc > 3 ? QByteArray(argv[3]).toInt() : 7;
    QTemporaryDir temp(base + u"/tamro-bench-XXXXXX"_qs);
    std::printf("work folder: %s\nrerun: %s %s %d %d\n", qPrintable(temp.path()), argv[0],
                qPrintable(base), files, rounds);
    if (!temp.isValid())
        qFatal("cannot make the work folder");
    std::printf("making %d files...\n", files);
    std::fflush(stdout);
    MakeFiles(temp.path(), files);

    const QString self = QCoreApplication::applicationFilePath();
    const QStringList measure = {u"--measure"_qs, temp.path(), QString::number(files),
                                 QString::number(rounds)};
    QStringList platforms;
    QList<QMap<QString, double>> figures;
    const auto run = [&](const QString& platform, const QString& program,
                         const QStringList& arguments, QProcessEnvironment environment) {
        std::printf("\n== %s\n", qPrintable(platform));
        std::fflush(stdout);
        environment.insert(u"QT_QPA_PLATFORM"_qs, platform == u"x11"_qs ? u"xcb"_qs : platform);
        platforms.append(platform);
        figures.append(RunMeasure(program, arguments, environment));
    };
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    run(u"offscreen"_qs, self, measure, environment);

    if (QStandardPaths::findExecutable(u"xvfb-run"_qs).isEmpty()) {
        std::printf("\n== x11: not measured, xvfb-run is missing (Debian package xvfb)\n");
    } else {
        QProcessEnvironment x11 = environment;
        x11.remove(u"WAYLAND_DISPLAY"_qs);
        run(u"x11"_qs, u"xvfb-run"_qs,
            QStringList{u"-a"_qs, u"-s"_qs, u"-screen 0 1920x1080x24 -nolisten tcp"_qs, self} +
                measure,
            x11);
    }

    CWestonServer weston;
    if (!weston.Start()) {
        std::printf("\n== wayland: not measured, no headless weston (Debian package weston)\n");
    } else {
        QProcessEnvironment wayland = environment;
        weston.AddTo(wayland);
        run(u"wayland"_qs, self, measure, wayland);
    }
    PrintSideBySide(platforms, figures);
    return 0;
}
