// Measures the window on a folder of 1,000,000 files, each figure from a
// fresh selection in the same run:
//  - listing, from the folder's selection to the last row in, against
//    `ls -lU` on the same folder (interleaved rounds, median);
//  - previews in the three modes (song list of 1,000,000 lines; the tag
//    mode reads every file, which holds no audio and so gets no name), click
//    to the last cell;
//  - the longest time the window thread was busy at one stretch throughout;
//  - peak resident memory of the whole process (VmHWM);
//  - a folder of 10,000 entries on a slow file system (a lister that sleeps
//    1 ms per entry): the window's longest busy stretch.
//
//   build/release/bench/bench_scale [work-folder] [files]
//   (default /dev/shm and 1000000; creating the files takes a while)

#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/folder_tree_ctrl.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_dlg.h"
#include "bench/bench_common.h"
#include "bench/window_watch.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

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

void MakeEmptyFiles(const QString& folder, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QByteArray path =
            QFile::encodeName(folder + QStringLiteral("/%1 Title - Band.mp3").arg(i));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            qFatal("cannot create bench files");
        ::close(fd);
    }
}

class Bench
{
public:
    Bench(const QString& work, int files) : m_work(work), m_nFiles(files)
    {
        QDir::setCurrent(work);
        m_dlg.show();
        m_dlg.m_editOutput->setText(work + u"/out"_qs);
        m_dlg.m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
        QObject::connect(&m_boxes, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        m_boxes.start(5);
        m_folder = work + u"/many"_qs;
        std::printf("making %d files...\n", files);
        MakeEmptyFiles(m_folder, files);
        QFile list(work + u"/songlist.txt"_qs);
        if (!list.open(QIODevice::WriteOnly))
            qFatal("cannot write the song list");
        for (int i = 0; i < files; ++i)
            list.write(QStringLiteral("%1|Title %1|Singer\n").arg(i).toUtf8());
        m_dlg.m_pTabSongList->m_editSongList->setText(list.fileName());
        list.close();
        // On a disk, writing back a million new inodes takes the machine for
        // a while; it should not fall into the figures.
        ::sync();
    }

    void Listing(int rounds)
    {
        const auto select = [this] {
            m_dlg.m_treeFolders->SelectPath(m_work); // something else first
            WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
        };
        double busyMs = 0;
        const Compared listing = CompareRounds(
            rounds, select,
            [&] {
                m_watch.Start();
                m_dlg.m_treeFolders->SelectPath(m_folder);
                WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
                m_dlg.m_listFiles->viewport()->repaint();
                busyMs = qMax(busyMs, m_watch.StopMs());
                if (int(m_dlg.m_nFileCount) != m_nFiles)
                    qFatal("listing lost files");
            },
            [&] {
                RunMs({u"sh"_qs, u"-c"_qs, u"ls -lU \"$0\" >/dev/null"_qs, m_folder});
            });
        PrintRow("list the folder (selection to last row)", listing, "ls -lU");
        std::printf("  window thread busy at most %.1f ms at one stretch\n", busyMs);
        // Leave the folder listed for the previews.
        m_dlg.m_treeFolders->SelectPath(m_folder);
        WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
    }

    void Preview(int tab)
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
        const double busyMs = m_watch.StopMs();
        if (tab != 2 && m_dlg.m_listFiles->Model()->Column1Text(m_nFiles - 1).isEmpty())
            qFatal("preview left cells empty");
        const char* const what[] = {"preview, song list of as many lines", "preview, pattern",
                                    "preview, tags (empty files, no audio)"};
        std::printf("%-46s %10.2f ms\n", what[tab], previewMs);
        std::printf("  window thread busy at most %.1f ms at one stretch\n", busyMs);
        preview->click(); // take it away
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
                    "busy at most %.1f ms at one stretch\n",
                    entries, double(timer.nsecsElapsed()) / 1e6, busyMs);
        m_dlg.m_listFiles->SetFolderLister(ReadFolderFiles);
    }

private:
    QString m_work, m_folder;
    int m_nFiles;
    CtamroDlg m_dlg;
    BusyWatch m_watch;
    QTimer m_boxes;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString base = BenchWorkBase(argc, argv);
    const int files = argc > 2 ? QByteArray(argv[2]).toInt() : 1000000;
    QTemporaryDir temp(base + u"/tamro-bench-XXXXXX"_qs);
    std::printf("work folder: %s\nrerun: %s %s %d\n", qPrintable(temp.path()), argv[0],
                qPrintable(base), files);
    if (!temp.isValid())
        qFatal("cannot make the work folder");
    {
        Bench bench(temp.path(), files);
        const long before = StatusKiB("VmRSS:");
        ResetPeakMemory();
        bench.Listing(files >= 1000000 ? 3 : 9);
        std::printf("  window holds %ld MiB resident after the listing (%ld MiB before, peak "
                    "%ld MiB)\n",
                    StatusKiB("VmRSS:") / 1024, before / 1024, StatusKiB("VmHWM:") / 1024);
        long peak = StatusKiB("VmHWM:");
        for (const int tab : {1, 0, 2}) {
            ResetPeakMemory();
            bench.Preview(tab);
            std::printf("  peak %ld MiB resident\n", StatusKiB("VmHWM:") / 1024);
            peak = qMax(peak, StatusKiB("VmHWM:"));
        }
        std::printf("peak resident memory through listing and the previews: %ld MiB\n",
                    peak / 1024);
        bench.SlowFileSystem(10000);
    }
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
