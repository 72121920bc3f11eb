#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <utility>
#include <vector>

namespace talix::sim {

// What the board received, kept for tests to ask from any thread: the command records in arrival
// order (the newest 200,000, so that a long demo run does not grow without bound) and the software
// updates received whole, with the image of the last.
class ReceivedRecords {
public:
    void add(std::vector<uint8_t> record);
    void addImage(std::vector<uint8_t> image);

    std::vector<std::vector<uint8_t>> records() const;
    std::pair<size_t, std::vector<uint8_t>> images() const;

private:
    mutable std::mutex m_mutex;
    std::deque<std::vector<uint8_t>> m_records;
    std::vector<uint8_t> m_lastImage;
    size_t m_images = 0;
};

} // namespace talix::sim
