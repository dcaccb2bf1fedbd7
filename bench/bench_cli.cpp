// Measures `tamro-cli convert` as a whole process against `cp -r` copying
// the same files and `sync -f` bringing them onto the medium, each in its
// own process, in interleaved rounds (ratio: the median of each round's
// reference time / ours; BENCH_ROUNDS=1 prints every round; the copies'
// bytes are checked after every round):
//  - 1 GiB in 8 MiB files;
//  - 10,000 files of 4 KiB;
// and `tamro-cli preview --tags` of 10,000 tagged files (mp3, ogg, flac, m4a;
// warm cache) against the same naming in a plain loop in this process
// (target: under 1 s).
// Each runs in every work folder given, by default /dev/shm (the program's
// own costs) and the temporary folder (a disk).
//
//   build/release/bench/bench_cli [--cli PATH] [--tags-only] [work-folder...]
// (--cli: another tamro-cli build, to compare two builds in the same
// conditions)

#include "bench/bench_common.h"
#include "bench/tagged_songs.h"
#include "modes/tag_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kRounds = 15;

// Pattern-mode names, so every file gets a new name: "File - 00042.bin"
// becomes "00042-File.bin".
void MakeFiles(const QString& folder, int count, qint64 size)
{
    MakeBenchFiles(folder, count, size, [](int i) {
        return QStringLiteral("File - %1.bin").arg(i, 5, 10, QLatin1Char('0'));
    });
}

void Run(const QString& program, const QStringList& arguments, const QString& workFolder)
{
    QProcess process;
    process.setWorkingDirectory(workFolder);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
}

QString g_cliBinary = QStringLiteral(TAMRO_CLI_BINARY);

void BenchConvert(const QString& work, const char* what, int count, qint64 size)
{
    const QString source = work + u"/src"_qs;
    const QString target = work + u"/out"_qs;
    MakeFiles(source, count, size);
    const auto fresh = [&] {
        QDir(target).removeRecursively();
        QDir().mkpath(target);
        ::sync();
    };
    const auto checked = [&](const std::function<void()>& copy) {
        return [&, copy] {
            copy();
            if (QDir(target).entryList(QDir::Files).size() != count)
                qFatal("not every file was copied");
        };
    };
    const auto ours = checked([&] {
        Run(g_cliBinary,
            {u"convert"_qs, u"--pattern"_qs, u"--source"_qs, source, u"--output"_qs, target}, work);
        // tamro-cli ends once its copies are on the medium: no sync after it.
    });
    const auto cp = checked([&] {
        Run(u"cp"_qs, {u"-r"_qs, u"--preserve=mode,timestamps"_qs, source + u"/."_qs, target},
            work);
        Run(u"sync"_qs, {u"-f"_qs, target}, work);
    });
    PrintRow(what, CompareRounds(kRounds, fresh, ours, cp), "cp+sync");
    QDir(source).removeRecursively();
    QDir(target).removeRecursively();
}

// Returns false when the preview took 1 s or more.
bool BenchTagPreview(const QString& work)
{
    constexpr int kTagged = 10000;
    const QString folder = work + u"/tagged"_qs;
    const QStringList paths = tagged_songs::MakeTaggedSongs(work, folder, kTagged);
    const auto plainLoop = [&] { (void)tagged_songs::NamePlainly(paths); };
    const auto ours = [&] {
        QProcess process;
        process.setWorkingDirectory(work);
        process.start(g_cliBinary, {u"preview"_qs, u"--tags"_qs, u"--source"_qs, folder});
        if (!process.waitForFinished(-1) || process.exitCode() != 0)
            qFatal("tamro-cli preview --tags failed");
        if (process.readAllStandardOutput().count("Song ") != kTagged)
            qFatal("tamro-cli preview --tags named too few files");
    };
    plainLoop(); // the cache is warm from here on
    const Compared compared = CompareRounds(
        5, [] {}, ours, plainLoop);
    PrintRow("tamro-cli preview --tags of 10,000 files", compared, "plain loop");
    std::printf("  target under 1000 ms: %s\n", compared.oursMs < 1000 ? "met" : "MISSED");
    QDir(folder).removeRecursively();
    return compared.oursMs < 1000;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList bases;
    bool tagsOnly = false;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == u"--cli"_qs && i + 1 < argc)
            g_cliBinary = QString::fromLocal8Bit(argv[++i]);
        else if (argument == u"--tags-only"_qs)
            tagsOnly = true;
        else
            bases.append(argument);
    }
    if (bases.isEmpty())
        bases = {BenchWorkBase(1, argv), QDir::tempPath()};
    std::printf("%s convert against cp -r + sync -f, median of %d interleaved rounds; rerun with\n"
                "  %s [--cli PATH] [--tags-only] [work-folder...]\n",
                qPrintable(g_cliBinary), kRounds, argv[0]);
    bool targetsMet = true;
    for (const QString& base : bases) {
        QTemporaryDir temp(base + u"/tamro-bench-XXXXXX"_qs);
        if (!temp.isValid())
            qFatal("cannot make a work folder in %s", qPrintable(base));
        std::printf("work folder: %s\n", qPrintable(temp.path()));
        // Each convert's run record goes into the work folder, as an
        // operator's would into theirs (on the disk of their home).
        qputenv("XDG_STATE_HOME", QFile::encodeName(temp.path() + u"/state"_qs));
        if (!tagsOnly) {
            BenchConvert(temp.path(), "tamro-cli convert 1 GiB in 8 MiB files", 128, 8LL << 20);
            BenchConvert(temp.path(), "tamro-cli convert 10,000 files of 4 KiB", 10000, 4096);
        }
        targetsMet = BenchTagPreview(temp.path()) && targetsMet;
    }
    return targetsMet ? 0 : 1;
}
