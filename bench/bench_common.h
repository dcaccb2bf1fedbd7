#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

// Runs `work` `rounds` times (after `prepare`, which is not timed) and
// returns the median time in milliseconds.
inline double MedianMs(int rounds, const std::function<void()>& prepare,
                       const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The medians of both sides and the median of each round's ratio
// (reference time / ours).
struct Compared
{
    double oursMs;
    double referenceMs;
    double ratio;
};

// Times `ours` and `reference` once per round, each after `prepare`, taking
// turns at going first. The ratio is the median of each round's own ratio, so
// a slow spell of the machine (a disk flushing) weighs on both sides of a
// round alike instead of on whichever side its rounds happened to hit.
// `ours` times itself and returns its milliseconds: for a job whose end the
// operator sees before the window is done with it (the closing box, then the
// list read again).
inline Compared CompareSelfTimedRounds(int rounds, const std::function<void()>& prepare,
                                       const std::function<double()>& ours,
                                       const std::function<void()>& reference)
{
    std::vector<double> oursMs, referenceMs, ratios;
    for (int round = 0; round < rounds; ++round) {
        double oursTime = 0;
        double referenceTime = 0;
        const auto timeOurs = [&] {
            prepare();
            oursTime = ours();
        };
        const auto timeReference = [&] { referenceTime = MedianMs(1, prepare, reference); };
        if (round % 2 == 0) {
            timeOurs();
            timeReference();
        } else {
            timeReference();
            timeOurs();
        }
        oursMs.push_back(oursTime);
        referenceMs.push_back(referenceTime);
        ratios.push_back(referenceTime / oursTime);
        if (qEnvironmentVariableIsSet("BENCH_ROUNDS"))
            std::printf("  round %d: %.2f ms, reference %.2f ms\n", round + 1, oursTime,
                        referenceTime);
    }
    return {Median(oursMs), Median(referenceMs), Median(ratios)};
}

inline Compared CompareRounds(int rounds, const std::function<void()>& prepare,
                              const std::function<void()>& ours,
                              const std::function<void()>& reference)
{
    return CompareSelfTimedRounds(
        rounds, prepare,
        [&] {
            return MedianMs(
                1, [] {}, ours);
        },
        reference);
}

inline void PrintRow(const char* what, double ours, double reference, const char* referenceName,
                     double ratio)
{
    std::printf("%-46s %10.2f ms   %-12s %10.2f ms   ratio %.2f\n", what, ours, referenceName,
                reference, ratio);
}

inline void PrintRow(const char* what, double ours, double reference, const char* referenceName)
{
    PrintRow(what, ours, reference, referenceName, reference / ours);
}

inline void PrintRow(const char* what, const Compared& compared, const char* referenceName)
{
    PrintRow(what, compared.oursMs, compared.referenceMs, referenceName, compared.ratio);
}

// The folder a benchmark works in: the first argument, else /dev/shm where it
// exists (on a RAM disk the figures show tamro's own costs, not the disk's
// mood), else the temporary folder.
inline QString BenchWorkBase(int argc, char** argv)
{
    if (argc > 1)
        return QString::fromLocal8Bit(argv[1]);
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                              : QDir::tempPath();
}

// `count` files of `size` bytes (the same bytes, not all zero) in `folder`,
// file i under the name nameOf(i).
inline void MakeBenchFiles(const QString& folder, int count, qint64 size,
                           const std::function<QString(int)>& nameOf)
{
    QDir().mkpath(folder);
    QByteArray content(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        content[i] = char(i * 7 + 3);
    for (int i = 0; i < count; ++i) {
        QFile file(folder + u'/' + nameOf(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != size)
            qFatal("cannot write a bench file");
    }
}
