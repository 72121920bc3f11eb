#include "sim/ReceivedRecords.h"

namespace talix::sim {

namespace {
constexpr size_t kMaxRecords = 200'000;
} // namespace

void ReceivedRecords::add(std::vector<uint8_t> record) {
    std::lock_guard lock(m_mutex);
    m_records.push_back(std::move(record));
    if (m_records.size() > kMaxRecords)
        m_records.pop_front();
}

void ReceivedRecords::addImage(std::vector<uint8_t> image) {
    std::lock_guard lock(m_mutex);
    m_lastImage = std::move(image);
    ++m_images;
}

std::vector<std::vector<uint8_t>> ReceivedRecords::records() const {
    std::lock_guard lock(m_mutex);
    return {m_records.begin(), m_records.end()};
}

std::pair<size_t, std::vector<uint8_t>> ReceivedRecords::images() const {
    std::lock_guard lock(m_mutex);
    return {m_images, m_lastImage};
}

} // namespace talix::sim
