#pragma once

#include <QObject>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <type_traits>

class QSocketNotifier;

// The worker's only way into the window: work handed to the window thread,
// which runs it from its event loop. The handoff is our own queue under a
// mutex, woken through an eventfd that the window thread watches, so the
// worker never touches a Qt object and the order of the two threads'
// accesses is plain to see (also for ThreadSanitizer). The window thread
// never waits here.
class CWindowCalls : public QObject
{
    Q_OBJECT

public:
    explicit CWindowCalls(QObject* parent);
    ~CWindowCalls() override;

    // Runs `work` on the window thread and waits for its result. From the
    // window thread itself it runs at once.
    template <typename Work> auto Call(Work&& work)
    {
        using Result = std::invoke_result_t<Work>;
        if (QThread::currentThread() == thread())
            return work();
        if constexpr (std::is_void_v<Result>) {
            RunAndWait(std::function<void()>(std::forward<Work>(work)));
        } else {
            std::optional<Result> result;
            RunAndWait([&result, &work] { result.emplace(work()); });
            return std::move(*result);
        }
    }

    // Queues `work` for the window thread without waiting for it.
    void Post(std::function<void()> work);

    // Runs on the window thread before each queued call: the place to bring
    // the window up to date with values the worker left without a call.
    void SetBeforeEachCall(std::function<void()> catchUp) { m_catchUp = std::move(catchUp); }

private:
    struct PendingCall
    {
        std::function<void()> work;
        bool* done; // set when the caller waits for it
    };

    void RunAndWait(std::function<void()> work);
    void Enqueue(PendingCall call);
    void RunPending();

    int m_nWakeFd;
    QSocketNotifier* m_pNotifier;
    std::mutex m_mutex;
    std::condition_variable m_finished;
    std::deque<PendingCall> m_queue;
    std::function<void()> m_catchUp; // window thread only
};
