// Measures the song-list lookup and the file copy against references taken
// in the same run; prints ratios (reference time / our time: above 1 means
// faster than the reference).
//
//   build/release/bench/bench_foundation [work-folder]   (default /dev/shm)

#include "bench/bench_common.h"
#include "modes/leading_number.h"
#include "modes/song_list.h"
#include "modes/song_list_page_base.h"
#include "modes/song_list_reader.h"
#include "output/copy_host.h"
#include "output/copy_one_file.h"
#include "output/run_log.h"
#include "output/run_record_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

constexpr int kSongs = 100000;

class QuietHost : public CCopyHost, public CCopyState
{
public:
    CCopyState& CopyState() override { return *this; }
    void SetFileProgress(int) override {}
};

// The lookup as a plain walk from the head, for reference.
int LinearLookup(const SongList& list, const QString& baseName, QString& result)
{
    const QString key = LeadingNumberKey(baseName);
    for (const SongListEntry* e = list.m_pHead; e; e = e->m_pNext) {
        if (LeadingNumberKey(e->m_strNumber) == key) {
            result = e->m_strNewName.toString();
            return 0;
        }
    }
    return -1;
}

void BenchSongList(const QString& work)
{
    CSongListPageBase page;
    page.m_strSongListPath = work + u"/songlist.txt"_qs;
    QFile file(page.m_strSongListPath);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the song list");
    for (int i = 0; i < kSongs; ++i)
        file.write(QStringLiteral("%1|Title number %1|Singer %2\r\n").arg(i).arg(i % 977).toUtf8());
    file.close();
    QStringList names;
    for (int i = 0; i < kSongs; ++i) // every name found; the last ones cost a scan the most
        names.append(QStringLiteral("%1 Some Song.mp3").arg(i, 6, 10, QChar(u'0')));

    const double readMs = MedianMs(
        3, [&] { ClearSongList(page); }, [&] { ReadSongList(page); });
    int found = 0;
    const double indexedMs = MedianMs(
        3, [&] { found = 0; },
        [&] {
            QString result;
            for (const QString& name : names)
                found += LookupSongName(page, name, result) == 0;
        });
    if (found != kSongs)
        qFatal("indexed lookup missed names");
    // The scan is quadratic: time a 2,000-name sample and scale it up.
    constexpr int kSample = 2000;
    const double sampleMs = MedianMs(
        1, [] {},
        [&] {
            QString result;
            for (int i = 0; i < kSample; ++i)
                LinearLookup(page.m_songList, names[i * (kSongs / kSample)], result);
        });
    const double scanMs = sampleMs * (kSongs / kSample);
    std::printf("song list: %d lines read in %.1f ms\n", kSongs, readMs);
    PrintRow("lookup of 100,000 names (indexed)", indexedMs, scanMs, "linear scan");
}

void MakeFiles(const QString& folder, int count, qint64 size)
{
    MakeBenchFiles(folder, count, size, [](int i) { return QStringLiteral("file %1.bin").arg(i); });
}

void BenchCopy(const QString& work, const char* what, int count, qint64 size)
{
    const QString source = work + u"/source"_qs;
    const QString target = work + u"/target"_qs;
    QDir(source).removeRecursively();
    MakeFiles(source, count, size);
    const QStringList names = QDir(source).entryList(QDir::Files, QDir::Name);
    const auto fresh = [&] {
        QDir(target).removeRecursively();
        QDir().mkpath(target);
        ::sync();
    };
    QuietHost host;
    const auto copyAll = [&](bool record) {
        OpenRunLogs(host, work);
        if (!record)
            host.m_pRunRecord.reset();
        bool failed = false;
        for (const QString& name : names)
            failed |=
                !CopyOneFile(host, source + u'/' + name, target + u'/' + name).m_result.Succeeded();
        (void)CloseRunLog(host.m_pInfoLog);
        (void)CloseRunLog(host.m_pErrorLog);
        if (host.m_pRunRecord && !host.m_pRunRecord->End().isEmpty())
            qFatal("the run record failed");
        if (failed)
            qFatal("copies failed");
    };
    const auto runCp = [&] {
        QProcess::execute(u"cp"_qs,
                          {u"-r"_qs, u"--preserve=mode,timestamps"_qs, source + u"/."_qs, target});
    };
    const auto recorded = [&] { copyAll(true); };
    const auto unrecorded = [&] { copyAll(false); };
    PrintRow(what, CompareRounds(7, fresh, recorded, runCp), "cp");
    // What the record of the copies costs a run of many small files.
    if (count >= 1000)
        PrintRow("  the same, its run record against none",
                 CompareRounds(7, fresh, recorded, unrecorded), "no record");
    QDir(source).removeRecursively();
    QDir(target).removeRecursively();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp(BenchWorkBase(argc, argv) + u"/tamro-bench-XXXXXX"_qs);
    if (!temp.isValid())
        qFatal("cannot make the work folder");
    // The copies' run records go into the work folder, never the operator's.
    qputenv("XDG_STATE_HOME", QFile::encodeName(temp.path() + u"/state"_qs));
    BenchSongList(temp.path());
    BenchCopy(temp.path(), "copy 1 GiB in 8 MiB files (CopyOneFile)", 128, 8LL << 20);
    BenchCopy(temp.path(), "copy 10,000 files of 4 KiB (CopyOneFile)", 10000, 4096);
    return 0;
}
