#include "cli/stop_requests.h"

#include "passes/job_state.h"

#include <atomic>
#include <csignal>
#include <ctime>
#include <thread>

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
    std::atomic<bool> m_bDone{false};
    int m_nInterrupts = 0;
    std::thread m_thread;

    explicit Listener(CJobState& job) : m_job(job)
    {
        // Blocked before the thread starts, so only sigwait ever takes them.
        ::pthread_sigmask(SIG_BLOCK, &m_set, &m_previousMask);
        m_thread = std::thread([this] { Listen(); });
    }

    void Listen()
    {
        // Woken now and then to see whether the job is over.
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
        if (signo != SIGINT || secondInterrupt)
            m_job.m_bAbandonCopy.store(true);
    }

    ~Listener()
    {
        m_bDone.store(true);
        m_thread.join();
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
