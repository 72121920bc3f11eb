#include "support/HeldSync.h"

namespace talix::testing {

void HeldSync::release() {
    {
        std::lock_guard lock(m_lock);
        m_open = true;
    }
    m_released.notify_all();
}

unsigned HeldSync::begun() const {
    std::lock_guard lock(m_lock);
    return m_begun;
}

unsigned HeldSync::finished() const {
    std::lock_guard lock(m_lock);
    return m_finished;
}

void HeldSync::sync() {
    std::unique_lock lock(m_lock);
    ++m_begun;
    m_released.wait(lock, [this] { return m_open; });
    ++m_finished;
}

} // namespace talix::testing
