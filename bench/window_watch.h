#pragma once

// What the window benchmarks share: a watch on the window thread's longest
// busy stretch, and a wait that serves the window's events.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <ctime>
#include <functional>

// Notes the longest gap between ticks of a 1 ms timer on the window thread:
// the longest stretch in which the window could not have answered the
// operator. On a loaded machine much of such a gap can be other programs'
// time, so the watch also notes the most CPU time the window thread itself
// took between two ticks: the part of a gap that is the window's own work.
class BusyWatch
{
public:
    BusyWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longestMs = qMax(m_longestMs, double(m_clock.nsecsElapsed()) / 1e6);
            m_clock.restart();
            const double cpuMs = ThreadCpuMs();
            m_longestCpuMs = qMax(m_longestCpuMs, cpuMs - m_lastCpuMs);
            m_lastCpuMs = cpuMs;
        });
    }
    void Start()
    {
        m_longestMs = m_longestCpuMs = 0;
        m_lastCpuMs = ThreadCpuMs();
        m_clock.start();
        m_timer.start();
    }
    double StopMs()
    {
        m_timer.stop();
        return m_longestMs;
    }
    // Since Start: the most CPU time the window thread took between two
    // ticks.
    double LongestCpuMs() const { return m_longestCpuMs; }

private:
    static double ThreadCpuMs()
    {
        timespec now{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longestMs = 0;
    double m_longestCpuMs = 0;
    double m_lastCpuMs = 0;
};

// Serves the window's events until `done`, sleeping between them: a busy
// loop here would take a core from the job being measured.
inline void WaitFor(const std::function<bool()>& done)
{
    QTimer check; // wakes the loop to look again
    check.setInterval(2);
    check.start();
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
