#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>
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

inline void PrintRow(const char* what, double ours, double reference, const char* referenceName)
{
    std::printf("%-46s %10.2f ms   %-12s %10.2f ms   ratio %.2f\n", what, ours, referenceName,
                reference, reference / ours);
}
