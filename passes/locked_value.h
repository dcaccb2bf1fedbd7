#pragma once

#include <mutex>
#include <utility>

// A value that one thread replaces while another reads it. Each access holds
// the lock only for a copy (a QString copy is a reference-count increment),
// so neither thread waits for the other in any way that matters.
template <typename T> class LockedValue
{
public:
    T Load() const
    {
        std::lock_guard lock(m_mutex);
        return m_value;
    }
    void Store(T value)
    {
        std::lock_guard lock(m_mutex);
        m_value = std::move(value);
    }

private:
    mutable std::mutex m_mutex;
    T m_value{};
};
