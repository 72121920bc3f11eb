#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace talix::sim {

// The board's side of a software update: it takes the program's update records (the handshake,
// the start record, name and data packets) and answers each with a reply word. The board clears
// its memory with a few busy ticks after the start, and burns a WiFi image with a tick per 4096
// bytes before its final reply. Replies come with the pause to leave before each.
class FirmwareReceiver {
public:
    enum class Fault { None, Silent, Refuse }; // Refuse: the start record is refused
    struct Reply {
        uint32_t word;
        std::chrono::milliseconds after; // since the reply before it

        // As it goes to the program: 8, three zero bytes, the word (least significant byte first).
        std::array<uint8_t, 8> bytes() const {
            std::array<uint8_t, 8> out{8};
            for (size_t i = 0; i < 4; ++i)
                out[4 + i] = uint8_t(word >> (8 * i));
            return out;
        }
    };

    static constexpr std::chrono::milliseconds kClearingTick{250};
    static constexpr std::chrono::milliseconds kBurnTick{120};
    static constexpr int kClearingTicks = 3;
    static constexpr size_t kLargestImage = 64 * 1024 * 1024;

    explicit FirmwareReceiver(Fault fault = Fault::None) : m_fault(fault) {}

    // A record starting with this byte, while no update runs, begins one.
    bool begins(uint8_t firstByte) const;
    bool active() const { return m_stage != Stage::Idle; }
    // Takes the bytes of an update; returns the ordinary commands among them: acknowledgements
    // that come meanwhile, and what follows the update's end (the program's greeting and on).
    std::vector<uint8_t> feed(const uint8_t* data, size_t size, std::vector<Reply>& replies);
    void reset();

    // The last image received whole, and its name bytes.
    const std::vector<uint8_t>& image() const { return m_image; }
    bool wifi() const { return m_wifi; }
    size_t imagesReceived() const { return m_imagesReceived; }

private:
    enum class Stage { Idle, Mode, Names, FirmwareData, WiFiData };

    bool step(std::vector<Reply>& replies); // false: more bytes needed
    void finish(std::vector<Reply>& replies);

    Fault m_fault;
    Stage m_stage = Stage::Idle;
    std::vector<uint8_t> m_pending;
    std::vector<uint8_t> m_image;
    size_t m_size = 0;
    int m_names = 0;
    bool m_wifi = false;
    size_t m_imagesReceived = 0;
};

} // namespace talix::sim
