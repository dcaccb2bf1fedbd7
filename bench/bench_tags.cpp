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
#include "modes/tag_charset.h"
#include "modes/tag_format.h"
#include "modes/tag_reader.h"
#include "platform/file_name_codec.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
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

QByteArray Encode(const QString& work, const QString& extension, const QStringList& extra)
{
    const QString path = work + u"/template."_s + extension;
    QStringList args{u"-nostdin"_s, u"-loglevel"_s, u"error"_s, u"-y"_s,
                     u"-f"_s,       u"lavfi"_s,     u"-i"_s,    u"anullsrc=r=44100:cl=stereo"_s,
                     u"-t"_s,       u"1"_s};
    args += extra;
    args += {u"-metadata"_s,
             u"title=Morning Rain"_s,
             u"-metadata"_s,
             u"artist=The Harbours"_s,
             u"-metadata"_s,
             u"album=Blue Hour"_s,
             u"-metadata"_s,
             u"track=3/12"_s,
             u"-metadata"_s,
             u"date=2019"_s,
             u"-metadata"_s,
             u"genre=Pop"_s,
             path};
    if (QProcess::execute(u"ffmpeg"_s, args) != 0)
        qFatal("ffmpeg could not make the %s template", qPrintable(extension));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the template");
    return file.readAll();
}

QStringList MakeFiles(const QString& work)
{
    const bool pictures = qEnvironmentVariableIsSet("BENCH_PICTURES");
    const QString picture = work + u"/cover.png"_s;
    if (pictures &&
        QProcess::execute(u"ffmpeg"_s,
                          {u"-nostdin"_s, u"-loglevel"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s,
                           u"-i"_s, u"nullsrc=s=200x170,geq=random(1)*255:128:128"_s,
                           u"-frames:v"_s, u"1"_s, picture}) != 0)
        qFatal("ffmpeg could not make the picture");
    const QStringList mp3 =
        pictures ? QStringList{u"-i"_s,   picture,   u"-map"_s,           u"0"_s,
                               u"-map"_s, u"1"_s,    u"-c:a"_s,           u"libmp3lame"_s,
                               u"-c:v"_s, u"copy"_s, u"-id3v2_version"_s, u"3"_s}
                 : QStringList{u"-c:a"_s, u"libmp3lame"_s};
    const std::vector<std::pair<QString, QByteArray>> templates = {
        {u"mp3"_s, Encode(work, u"mp3"_s, mp3)},
        {u"ogg"_s, Encode(work, u"ogg"_s, {u"-c:a"_s, u"libvorbis"_s})},
        {u"flac"_s, Encode(work, u"flac"_s, {u"-c:a"_s, u"flac"_s})},
        {u"m4a"_s, Encode(work, u"m4a"_s, {u"-c:a"_s, u"aac"_s})},
    };
    QDir().mkpath(work + u"/songs"_s);
    QStringList paths;
    for (int i = 0; i < kFiles; ++i) {
        const auto& [extension, bytes] = templates[std::size_t(i) % templates.size()];
        const QString path = u"%1/songs/Track%2.%3"_s.arg(
            work, QString::number(i).rightJustified(5, u'0'), extension);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the songs");
        paths.append(path);
    }
    return paths;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp(BenchWorkBase(argc, argv) + u"/tamro-bench-XXXXXX"_s);
    if (!temp.isValid())
        qFatal("cannot make the work folder");
    const QStringList paths = MakeFiles(temp.path());
    qint64 bytes = 0;
    for (const QString& path : paths)
        bytes += QFileInfo(path).size();
    std::printf("%d files (mp3, ogg, flac, m4a), %.1f MiB\n", kFiles, double(bytes) / 1048576.0);

    const CTagFormat format;
    int reads = 0;
    int named = 0;
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
        }
        cpuMs.push_back(CpuMs() - cpuStart);
    });
    std::printf("%-46s %10.2f ms   CPU %.2f ms   (target under 1000 ms; %d named)\n",
                "naming of 10,000 files (read, decide, fill)", namingMs, Median(cpuMs), named);
    return named == kFiles && namingMs < 1000 ? 0 : 1;
}
