#pragma once

#include <array>
#include <cstddef>
#include <utility>

namespace talix::sync {

// A list of at most N entries without heap use, for the few changes one item makes.
template <typename T, size_t N> class FixedList {
public:
    void push_back(T value) {
        if (m_size < N) // capacity is sized for the largest item; extra entries would be a bug
            m_items[m_size++] = std::move(value);
    }
    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const T& operator[](size_t i) const { return m_items[i]; }
    const T* begin() const { return m_items.data(); }
    const T* end() const { return m_items.data() + m_size; }

private:
    std::array<T, N> m_items{};
    size_t m_size = 0;
};

} // namespace talix::sync
