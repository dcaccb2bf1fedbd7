// Measures the window with its worker on large folders, each figure against a
// reference taken in the same run (ratio = reference time / our time):
//  - listing 100,000 files, from the folder's selection to the rows drawn,
//    against `ls -lU` on the same folder, and the memory the window holds;
//  - previewing 100,000 files in the song-list and pattern modes, and
//    10,000 tagged files (mp3, ogg, flac, m4a; warm cache) in the tag mode,
//    from the click to the last cell drawn, against computing the same
//    names in a plain loop (the tag mode's target: under 1 s);
//  - converting 10,000 files of 4 KiB and 1 GiB in 8 MiB files through the
//    whole job (logs, bars, label), from the click to the closing box
//    ("Completed."), against `cp -r` and then `sync -f` of the output: the
//    job ends once its copies are on the medium;
//  - the longest time the window thread was busy at one stretch.
// The convert rows run 9 interleaved rounds each (median), in every work
// folder given: by default /dev/shm (tamro's own costs) and the temporary
// folder (a disk).
//
//   build/release/bench/bench_window [--convert-only | --small-only | --tags-only]
//                                    [work-folder...]
// (--small-only: the 10,000 small files only; --tags-only: the tag preview only)

#include "app/file_list_ctrl.h"
#include "app/file_list_model.h"
#include "app/folder_tree_ctrl.h"
#include "app/mode_tab_ctrl.h"
#include "app/tab_use_text_file.h"
#include "app/tamro_app.h"
#include "app/tamro_dlg.h"
#include "bench/bench_common.h"
#include "bench/tagged_songs.h"
#include "bench/window_watch.h"
#include "modes/song_list_reader.h"
#include "modes/swap_artist_title.h"
#include "modes/tag_format.h"
#include "output/names.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kConvertRounds = 9;

// Answers "Completed." (and any other box) at once, and notes when one was
// shown: where the operator sees a job end.
class BoxAnswerer : public QObject
{
public:
    BoxAnswerer()
    {
        qApp->installEventFilter(this);
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        m_timer.start();
    }
    void StartClock()
    {
        m_clock.start();
        m_dShownMs = -1;
    }
    // Milliseconds from StartClock to the first box shown since.
    double ShownMs() const
    {
        if (m_dShownMs < 0)
            qFatal("no box was shown");
        return m_dShownMs;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_dShownMs < 0 && m_clock.isValid() &&
            qobject_cast<QMessageBox*>(watched))
            m_dShownMs = double(m_clock.nsecsElapsed()) / 1e6;
        return false;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_dShownMs = -1;
};

void MakeEmptyFiles(const QString& folder, int count, const QString& pattern)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QByteArray path = QFile::encodeName(folder + u'/' + pattern.arg(i));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            qFatal("cannot create bench files");
        ::close(fd);
    }
}

void MakeFiles(const QString& folder, int count, qint64 size)
{
    QDir().mkpath(folder);
    const QByteArray content(size, 'x');
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/Title %2 - Band.bin").arg(folder).arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != size)
            qFatal("cannot write bench files");
    }
}

long ResidentKiB()
{
    QFile status(u"/proc/self/status"_qs);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double RunMs(const QStringList& command)
{
    QElapsedTimer timer;
    timer.start();
    QProcess::execute(command.first(), command.mid(1));
    return double(timer.nsecsElapsed()) / 1e6;
}

class Bench
{
public:
    explicit Bench(const QString& work) : m_work(work)
    {
        QDir::setCurrent(work); // the logs go here
        m_dlg.show();
        m_dlg.m_editOutput->setText(work + u"/out"_qs);
        m_dlg.m_pTabSongList->m_chkSetSourceFolder->setChecked(false);
    }

    void Listing()
    {
        const QString folder = m_work + u"/many"_qs;
        MakeEmptyFiles(folder, 100000, u"%1 Title - Band.mp3"_qs);
        m_dlg.m_treeFolders->SelectPath(m_work); // something else first
        QCoreApplication::processEvents();
        const long before = ResidentKiB();
        m_watch.Start();
        QElapsedTimer timer;
        timer.start();
        m_dlg.m_treeFolders->SelectPath(folder);
        WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
        m_dlg.m_listFiles->viewport()->repaint();
        const double listMs = double(timer.nsecsElapsed()) / 1e6;
        QCoreApplication::processEvents();
        const double busyMs = m_watch.StopMs();
        const double lsMs = RunMs({u"sh"_qs, u"-c"_qs, u"ls -lU \"$0\" >/dev/null"_qs, folder});
        if (m_dlg.m_nFileCount != 100000)
            qFatal("listing lost files");
        PrintRow("list 100,000 files (selection to rows drawn)", listMs, lsMs, "ls -lU");
        std::printf("  window holds %ld MiB resident (%ld MiB before the listing)\n",
                    ResidentKiB() / 1024, before / 1024);
        std::printf("  window thread busy at most %.1f ms at one stretch\n", busyMs);
    }

    void Preview(int tab)
    {
        const QString list = m_work + u"/songlist.txt"_qs;
        if (tab == 0) {
            QFile file(list);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write the song list");
            for (int i = 0; i < 100000; ++i)
                file.write(QStringLiteral("%1|Title %1|Singer\n").arg(i).toUtf8());
            m_dlg.m_pTabSongList->m_editSongList->setText(list);
        }
        SelectTab(tab);
        // The reference: the same names computed in a plain loop.
        const CFileListModel& model = *m_dlg.m_listFiles->Model();
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row)
            names.append(model.NameAt(row));
        const double loopMs = MedianMs(
            1, [] {}, [&] { ComputeNames(tab, list, names); });

        m_watch.Start();
        QElapsedTimer timer;
        timer.start();
        m_dlg.findChild<QPushButton*>(u"m_btnPreview"_qs)->click();
        WaitFor([this] { return m_dlg.Job().m_nCommand.load() == JOB_IDLE; });
        m_dlg.m_listFiles->viewport()->repaint();
        const double previewMs = double(timer.nsecsElapsed()) / 1e6;
        const double busyMs = m_watch.StopMs();
        if (model.Column1Text(99999).isEmpty())
            qFatal("preview left cells empty");
        PrintRow(tab == 0 ? "preview 100,000 files, song list of 100,000"
                          : "preview 100,000 files, pattern",
                 previewMs, loopMs, "plain loop");
        std::printf("  window thread busy at most %.1f ms at one stretch\n", busyMs);
        m_dlg.findChild<QPushButton*>(u"m_btnPreview"_qs)->click(); // take it away
    }

    // Returns false when the preview took 1 s or more.
    bool PreviewTags()
    {
        constexpr int kTagged = 10000;
        const QString folder = m_work + u"/tagged"_qs;
        const QStringList paths = tagged_songs::MakeTaggedSongs(m_work, folder, kTagged);
        m_dlg.m_treeFolders->SelectPath(folder);
        m_dlg.RefreshFileList();
        WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
        SelectTab(2);
        QPushButton* preview = m_dlg.findChild<QPushButton*>(u"m_btnPreview"_qs);
        const auto runPreview = [&] {
            preview->click();
            WaitFor([this] { return m_dlg.Job().m_nCommand.load() == JOB_IDLE; });
            m_dlg.m_listFiles->viewport()->repaint();
        };
        // The reference: the same naming in a plain loop (read, one
        // character-set decision, fill).
        const auto plainLoop = [&] { (void)tagged_songs::NamePlainly(paths); };
        plainLoop(); // the cache is warm from here on
        const double loopMs = MedianMs(
            3, [] {}, plainLoop);
        std::vector<double> previewMs;
        double busyMs = 0;
        for (int round = 0; round < 3; ++round) {
            m_watch.Start();
            QElapsedTimer timer;
            timer.start();
            runPreview();
            previewMs.push_back(double(timer.nsecsElapsed()) / 1e6);
            busyMs = std::max(busyMs, m_watch.StopMs());
            const CFileListModel& model = *m_dlg.m_listFiles->Model();
            if (model.Column1Text(kTagged - 1).isEmpty() || model.Column1Text(0).isEmpty())
                qFatal("the tag preview left cells empty");
            preview->click(); // take it away
        }
        const double ms = Median(previewMs);
        PrintRow("preview 10,000 tagged files, tags (warm)", ms, loopMs, "plain loop");
        std::printf("  target under 1000 ms: %s\n", ms < 1000 ? "met" : "MISSED");
        std::printf("  window thread busy at most %.1f ms at one stretch\n", busyMs);
        QDir(folder).removeRecursively();
        return ms < 1000;
    }

    void Convert(const char* what, int count, qint64 size)
    {
        const QString source = m_work + u"/src"_qs;
        const QString target = m_work + u"/out"_qs;
        QDir(source).removeRecursively();
        MakeFiles(source, count, size);
        SelectTab(1);
        m_dlg.m_treeFolders->SelectPath(source);
        m_dlg.RefreshFileList(); // the folder may have been selected already
        WaitFor([this] { return !m_dlg.m_listFiles->IsReading(); });
        const auto fresh = [&] {
            QDir(target).removeRecursively();
            QDir().mkpath(target);
            ::sync();
        };
        // From the click to "Completed.": the list read again behind the
        // box is the window's own business, and not timed.
        const auto runJob = [&] {
            const auto generation = m_dlg.m_listFiles->Model()->Generation();
            m_boxes.StartClock();
            m_dlg.m_btnConvert->click();
            WaitFor([&] {
                return m_dlg.m_listFiles->Model()->Generation() != generation &&
                       !m_dlg.m_listFiles->IsReading();
            });
            return m_boxes.ShownMs();
        };
        const auto runCp = [&] {
            RunMs(
                {u"cp"_qs, u"-r"_qs, u"--preserve=mode,timestamps"_qs, source + u"/."_qs, target});
            RunMs({u"sync"_qs, u"-f"_qs, target});
        };
        const Compared convert = CompareSelfTimedRounds(
            kConvertRounds, fresh,
            [&] {
                const double ms = runJob();
                if (QDir(target).entryList(QDir::Files).size() != count ||
                    m_dlg.Job().m_nErrorCount != 0)
                    qFatal("the convert job did not copy every file");
                return ms;
            },
            runCp);
        // One more job, watched, for the window thread's longest stretch.
        fresh();
        m_watch.Start();
        runJob();
        const double busyMs = m_watch.StopMs();
        PrintRow(what, convert, "cp+sync");
        std::printf("  window thread busy at most %.1f ms at one stretch\n", busyMs);
        QDir(source).removeRecursively();
        QDir(target).removeRecursively();
    }

private:
    void SelectTab(int tab)
    {
        QTabBar* tabs = m_dlg.m_tabMode->TabBar();
        tabs->setCurrentIndex(tab);
    }

    static void ComputeNames(int tab, const QString& list, const QStringList& names)
    {
        CSongListPageBase page;
        page.m_strSongListPath = list;
        if (tab == 0)
            ReadSongList(page);
        QStringList column;
        for (const QString& name : names) {
            QString extension, newName;
            const QString base = SplitExtension(name, extension);
            const int found =
                tab == 0 ? LookupSongName(page, base, newName) : SwapArtistTitle(base, newName);
            column.append(found == 0 ? newName + extension : QString());
        }
        ClearSongList(page);
    }

    QString m_work;
    CtamroDlg m_dlg;
    BusyWatch m_watch;
    BoxAnswerer m_boxes;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own start, with the window's buffers set up as tamro sets them.
    const CtamroApp app(argc, argv);
    bool convertOnly = false;
    bool smallOnly = false;
    bool tagsOnly = false;
    QStringList bases;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == u"--convert-only"_qs)
            convertOnly = true;
        else if (argument == u"--small-only"_qs)
            convertOnly = smallOnly = true;
        else if (argument == u"--tags-only"_qs)
            tagsOnly = true;
        else
            bases.append(argument);
    }
    if (bases.isEmpty())
        bases = {BenchWorkBase(1, argv), QDir::tempPath()};
    std::printf(
        "the window's jobs; convert against cp -r + sync -f, median of %d interleaved rounds; "
        "rerun with\n  %s [--convert-only | --small-only | --tags-only] "
        "[work-folder...]\n",
        kConvertRounds, argv[0]);
    bool targetsMet = true;
    for (const QString& base : bases) {
        QTemporaryDir temp(base + u"/tamro-bench-XXXXXX"_qs);
        std::printf("work folder: %s\n", qPrintable(temp.path()));
        if (!temp.isValid())
            qFatal("cannot make the work folder");
        {
            Bench bench(temp.path());
            if (!convertOnly && !tagsOnly) {
                bench.Listing();
                bench.Preview(1);
                bench.Preview(0);
            }
            if (!convertOnly)
                targetsMet = bench.PreviewTags() && targetsMet;
            if (!tagsOnly) {
                bench.Convert("convert 10,000 files of 4 KiB (whole job)", 10000, 4096);
                if (!smallOnly)
                    bench.Convert("convert 1 GiB in 8 MiB files (whole job)", 128, 8LL << 20);
            }
        }
        QDir::setCurrent(QDir::tempPath());
        std::fflush(stdout);
    }
    return targetsMet ? 0 : 1;
}
