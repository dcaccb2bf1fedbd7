#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, kill, Ctrl-C in the terminal) as an
// ordinary event on the window thread: the handler only writes the signal's
// number into a pipe that the event loop watches. One object at a time; the
// handlers are restored when it goes.
class CStopSignals : public QObject
{
    Q_OBJECT

public:
    explicit CStopSignals(QObject* parent = nullptr);
    ~CStopSignals() override;

    // The first stop signal received, 0 while there was none.
    int Received() const { return m_nReceived; }

Q_SIGNALS:
    void stopRequested(int signo);

private:
    void OnPipeReadable();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_pNotifier = nullptr;
    int m_nReceived = 0;
};

// Ends the process as the signal itself would have, so whoever started tamro
// (a shell, a session manager) sees how it ended.
[[noreturn]] void EndAsSignalled(int signo);
