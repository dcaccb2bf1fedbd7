#include "app/stop_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kStopSignals{SIGTERM, SIGINT, SIGHUP};

// Written before the handlers are installed and cleared after they are
// restored, so the handler never sees a closed descriptor.
volatile sig_atomic_t s_nWriteFd = -1;
struct sigaction s_previous[kStopSignals.size()];

void OnStopSignal(int signo)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signo);
    // Non-blocking: a full pipe already holds a stop request.
    [[maybe_unused]] const ssize_t written = ::write(s_nWriteFd, &number, 1);
    errno = savedErrno;
}

} // namespace

CStopSignals::CStopSignals(QObject* parent) : QObject(parent)
{
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        qFatal("tamro: cannot create the stop-signal pipe");
    s_nWriteFd = m_pipe[1];
    m_pNotifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CStopSignals::OnPipeReadable);

    struct sigaction action = {};
    action.sa_handler = &OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals[i], &action, &s_previous[i]);
}

CStopSignals::~CStopSignals()
{
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals[i], &s_previous[i], nullptr);
    s_nWriteFd = -1;
    delete m_pNotifier;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void CStopSignals::OnPipeReadable()
{
    unsigned char number = 0;
    while (::read(m_pipe[0], &number, 1) == 1) {
        // A second signal while the first is handled changes nothing.
        if (m_nReceived != 0)
            continue;
        m_nReceived = number;
        Q_EMIT stopRequested(number);
    }
}

void EndAsSignalled(int signo)
{
    ::signal(signo, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signo);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signo);
    ::_exit(128 + signo); // not reached for a terminating signal
}
