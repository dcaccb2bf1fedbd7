// Times the tag reads of a preview in tag mode: 10,000 tagged files (mp3,
// ogg, flac and m4a in turn, made by ffmpeg), warm cache, against TagLib's
// own FileRef (which opens every file for writing first) as the reference;
// then the whole naming of such a run (read, one character-set decision,
// fill). The target is under 1 s for the naming.
//
//   build/release/bench/bench_tags [work-folder]   (default /dev/shm)
//
// BENCH_PICTURES=1 gives each mp3 a 100 KiB cover picture, as ripped
// collections often carry.

#include "bench/bench_common.h"
#include "bench/tagged_songs.h"
#include "modes/tag_charset.h"
#include "modes/tag_format.h"
#include "modes/tag_reader.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QSet>
#include <QTemporaryDir>

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <time.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFiles = 10000;
constexpr int kRounds = 5;

double CpuMs()
{
    struct timespec now
    {};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp(BenchWorkBase(argc, argv) + u"/tamro-bench-XXXXXX"_s);
    if (!temp.isValid())
        qFatal("cannot make the work folder");
    const QStringList paths =
        tagged_songs::MakeTaggedSongs(temp.path(), temp.path() + u"/songs"_s, kFiles,
                                      qEnvironmentVariableIsSet("BENCH_PICTURES"));
    qint64 bytes = 0;
    for (const QString& path : paths)
        bytes += QFileInfo(path).size();
    std::printf("%d files (mp3, ogg, flac, m4a), %.1f MiB\n", kFiles, double(bytes) / 1048576.0);

    const CTagFormat format;
    int reads = 0;
    int named = 0;
    QSet<QString> names; // each file's own, or the benchmark measures numbering
    const auto warm = [&] {
        for (const QString& path : paths)
            (void)ReadSongTags(path, format.Fields());
    };
    const Compared compared = CompareRounds(
        kRounds, warm,
        [&] {
            reads = 0;
            for (const QString& path : paths)
                (void)ReadSongTags(path, format.Fields(), reads);
        },
        [&] {
            for (const QString& path : paths) {
                const TagLib::FileRef file(EncodeFileName(path).constData(), false);
                if (!file.isNull())
                    (void)file.tag()->title();
            }
        });
    PrintRow("tag reads of 10,000 files (ReadSongTags)", compared, "FileRef");
    std::printf("  reads reaching the files: %.2f per file\n", double(reads) / kFiles);

    // The machine may be shared: the process's own CPU time says what the
    // naming costs when it has a core to itself.
    std::vector<double> cpuMs;
    const double namingMs = MedianMs(kRounds, warm, [&] {
        const double cpuStart = CpuMs();
        names.clear();
        std::vector<SongTags> run;
        run.reserve(std::size_t(paths.size()));
        for (const QString& path : paths)
            run.push_back(ReadSongTags(path, format.Fields()));
        (void)DecodeRunTags(run);
        named = 0;
        for (const SongTags& tags : run) {
            QString baseName;
            QString reason;
            named += format.Fill(tags, baseName, reason) ? 1 : 0;
            names.insert(baseName);
        }
        cpuMs.push_back(CpuMs() - cpuStart);
    });
    std::printf("%-46s %10.2f ms   CPU %.2f ms   (target under 1000 ms; %d named)\n",
                "naming of 10,000 files (read, decide, fill)", namingMs, Median(cpuMs), named);
    return named == kFiles && names.size() == kFiles && namingMs < 1000 ? 0 : 1;
}
