#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
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

// Times `ours` and `reference` in alternate rounds, each after `prepare`, so
// a slow spell of the machine falls on both alike. Returns the two medians.
inline std::pair<double, double> CompareRounds(int rounds, const std::function<void()>& prepare,
                                               const std::function<void()>& ours,
                                               const std::function<void()>& reference)
{
    std::vector<double> oursMs, referenceMs;
    for (int round = 0; round < rounds; ++round) {
        oursMs.push_back(MedianMs(1, prepare, ours));
        referenceMs.push_back(MedianMs(1, prepare, reference));
    }
    return {Median(oursMs), Median(referenceMs)};
}

inline void PrintRow(const char* what, double ours, double reference, const char* referenceName)
{
    std::printf("%-46s %10.2f ms   %-12s %10.2f ms   ratio %.2f\n", what, ours, referenceName,
                reference, reference / ours);
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
