#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <type_traits>

// Runs `work` on the thread of `window` and returns its result. From the
// window thread itself it runs at once; from another thread the caller waits
// until the window thread has run it. Only the worker calls this from
// outside: the window thread never waits for the worker.
template <typename Work> auto CallOnWindowThread(const QObject* window, Work&& work)
{
    using Result = std::invoke_result_t<Work>;
    if (QThread::currentThread() == window->thread())
        return work();
    auto* target = const_cast<QObject*>(window);
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(target, std::forward<Work>(work), Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(
            target, [&result, &work] { result = work(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}
