#include "app/window_calls.h"

#include "platform/fd_read.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

CWindowCalls::CWindowCalls(QObject* parent)
    : QObject(parent), m_nWakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      m_pNotifier(new QSocketNotifier(m_nWakeFd, QSocketNotifier::Read, this))
{
    if (m_nWakeFd < 0)
        qFatal("tamro: cannot create the worker's wake-up descriptor");
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CWindowCalls::RunPending);
}

CWindowCalls::~CWindowCalls()
{
    delete m_pNotifier;
    ::close(m_nWakeFd);
}

void CWindowCalls::Post(std::function<void()> work)
{
    Enqueue(PendingCall{std::move(work), nullptr});
}

void CWindowCalls::RunAndWait(std::function<void()> work)
{
    bool done = false;
    Enqueue(PendingCall{std::move(work), &done});
    std::unique_lock lock(m_mutex);
    m_finished.wait(lock, [&done] { return done; });
}

void CWindowCalls::Enqueue(PendingCall call)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(call));
    }
    const std::uint64_t one = 1;
    while (::write(m_nWakeFd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void CWindowCalls::RunPending()
{
    std::uint64_t wakeUps = 0;
    (void)ReadSome(m_nWakeFd, reinterpret_cast<char*>(&wakeUps), sizeof wakeUps);
    for (;;) {
        PendingCall call;
        {
            std::lock_guard lock(m_mutex);
            if (m_queue.empty())
                return;
            call = std::move(m_queue.front());
            m_queue.pop_front();
        }
        if (m_catchUp)
            m_catchUp();
        // The work may open a modal box, whose event loop can bring us back
        // here; the queue is left consistent for that.
        call.work();
        if (call.done) {
            {
                std::lock_guard lock(m_mutex);
                *call.done = true;
            }
            m_finished.notify_all();
        }
    }
}
