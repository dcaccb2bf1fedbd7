#include "cli/stop_requests.h"

#include "passes/job_command.h"

#include <csignal>

namespace {

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "the stop handler may only touch lock-free atomics");

std::atomic<int>* s_pCommand = nullptr;
std::atomic<bool>* s_pAbandonCopy = nullptr;
std::atomic<int> s_nFirstSignal{0};
std::atomic<int> s_nInterrupts{0};

void OnStopSignal(int signo)
{
    int none = 0;
    s_nFirstSignal.compare_exchange_strong(none, signo);
    // Only a running convert becomes a cancel; any other word is left alone.
    int running = JOB_CONVERT;
    s_pCommand->compare_exchange_strong(running, JOB_CANCEL);
    const bool secondInterrupt = signo == SIGINT && s_nInterrupts.fetch_add(1) > 0;
    if (signo != SIGINT || secondInterrupt)
        s_pAbandonCopy->store(true);
}

} // namespace

void InstallStopRequests(std::atomic<int>& command, std::atomic<bool>& abandonCopy)
{
    s_pCommand = &command;
    s_pAbandonCopy = &abandonCopy;
    struct sigaction action = {};
    action.sa_handler = &OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signo : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signo, &action, nullptr);
    ::signal(SIGXFSZ, SIG_IGN);
}

int FirstStopSignal()
{
    return s_nFirstSignal.load();
}
