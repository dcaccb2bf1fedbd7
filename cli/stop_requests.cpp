#include "cli/stop_requests.h"

#include "passes/job_state.h"

#include <QByteArray>
#include <QCoreApplication>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <thread>
#include <unistd.h>

namespace {

std::atomic<int> s_nFirstSignal{0};

sigset_t StopSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signo : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, signo);
    return set;
}

} // namespace

struct CStopRequests::Listener
{
    CJobState& m_job;
    sigset_t m_set = StopSignals();
    sigset_t m_previousMask{};
    int m_nSignalFd = -1;
    // Written when the job is over, so the thread ends at once rather than
    // after a polling pause that would hold up the end of every run.
    int m_nDoneFd = -1;
    std::atomic<bool> m_bDone{false};
    int m_nInterrupts = 0;
    // Made before any signal comes, in the operator's language.
    const QByteArray m_notice =
        (u"\ntamro-cli: "_qs +
         QCoreApplication::translate(
             "TamroCli", "stopping after the file under way; Ctrl-C again gives it up") +
         u'\n')
            .toLocal8Bit();
    std::thread m_thread;

    explicit Listener(CJobState& job) : m_job(job)
    {
        // Blocked before the thread starts, so only the signal descriptor
        // ever takes them.
        ::pthread_sigmask(SIG_BLOCK, &m_set, &m_previousMask);
        m_nSignalFd = ::signalfd(-1, &m_set, SFD_NONBLOCK | SFD_CLOEXEC);
        m_nDoneFd = ::eventfd(0, EFD_CLOEXEC);
        m_thread = std::thread([this] { Listen(); });
    }

    void Listen()
    {
        if (m_nSignalFd < 0 || m_nDoneFd < 0) {
            ListenByPolling();
            return;
        }
        pollfd watched[2] = {{m_nDoneFd, POLLIN, 0}, {m_nSignalFd, POLLIN, 0}};
        for (;;) {
            if (::poll(watched, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                ListenByPolling();
                return;
            }
            if (watched[0].revents != 0)
                return;
            signalfd_siginfo info{};
            while (::read(m_nSignalFd, &info, sizeof info) == sizeof info)
                OnStopSignal(int(info.ssi_signo));
        }
    }

    // Without descriptors (none left to the process): woken now and then to
    // see whether the job is over.
    void ListenByPolling()
    {
        const timespec pause{0, 100L * 1000 * 1000};
        while (!m_bDone.load()) {
            const int signo = ::sigtimedwait(&m_set, nullptr, &pause);
            if (signo > 0)
                OnStopSignal(signo);
        }
    }

    void OnStopSignal(int signo)
    {
        int none = 0;
        s_nFirstSignal.compare_exchange_strong(none, signo);
        m_job.RequestCancel();
        const bool secondInterrupt = signo == SIGINT && m_nInterrupts++ > 0;
        if (signo != SIGINT || secondInterrupt) {
            m_job.m_bAbandonCopy.store(true);
        } else {
            // Said at once, so the operator knows the key was heard and what
            // a second press does (a second press before this one is taken
            // would merge with it).
            (void)!::write(STDERR_FILENO, m_notice.constData(), size_t(m_notice.size()));
        }
    }

    ~Listener()
    {
        m_bDone.store(true);
        const std::uint64_t one = 1;
        while (m_nDoneFd >= 0 && ::write(m_nDoneFd, &one, sizeof one) < 0 && errno == EINTR) {
        }
        m_thread.join();
        if (m_nDoneFd >= 0)
            ::close(m_nDoneFd);
        if (m_nSignalFd >= 0)
            ::close(m_nSignalFd);
        ::pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
    }
};

CStopRequests::CStopRequests(CJobState& job) : m_pListener(new Listener(job))
{
    ::signal(SIGXFSZ, SIG_IGN);
}

CStopRequests::~CStopRequests()
{
    delete m_pListener;
}

int CStopRequests::FirstStopSignal()
{
    return s_nFirstSignal.load();
}
