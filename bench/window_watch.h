#pragma once

// What the window benchmarks share: a watch on the window thread's longest
// busy stretch, and a wait that serves the window's events.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Notes the longest gap between ticks of a 1 ms timer on the window thread:
// the longest stretch in which the window could not have answered the
// operator.
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
        });
    }
    void Start()
    {
        m_longestMs = 0;
        m_clock.start();
        m_timer.start();
    }
    double StopMs()
    {
        m_timer.stop();
        return m_longestMs;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longestMs = 0;
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
