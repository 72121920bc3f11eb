#pragma once

#include "link/FrameReader.h"
#include "link/InputBuffer.h"
#include "link/LinkClient.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace talix::simtest {

// One parameter block as the program would reassemble it.
struct ReceivedBlock {
    uint32_t seq = 0;
    std::vector<uint32_t> words; // after the length word
    size_t frameIndex = 0;       // the frame that completed it
};

struct ReceivedFrame {
    uint32_t counter = 0; // low 16 bits, as the reader passes it on
    std::chrono::steady_clock::time_point arrival;
    std::vector<uint8_t> payload;
};

// The program's reassembly of parameter blocks from frame payloads: a first fragment and at
// most one continuation; fragments that do not fit are dropped.
class BlockAssembler {
public:
    // The block completed by this payload, if any.
    std::optional<ReceivedBlock> add(const uint8_t* payload);

private:
    std::array<uint32_t, 124> m_buffer{};
    int32_t m_pending = 0;
    uint32_t m_writePos = 0;
    int32_t m_lastSeq = -1;
};

// Walks a block as the program does: calls `visit` with each group (id word, its value words)
// and stops at an unknown id or at values running past the end.
void walkBlock(const std::vector<uint32_t>& words,
               const std::function<void(uint32_t, const uint32_t*, size_t)>& visit);

// A minimal program on loopback: the real link client and frame reader, plus the reassembly of
// parameter blocks and (optionally) their acknowledgement, on the test's own thread.
class SimClient : public link::FrameReaderHost {
public:
    explicit SimClient(uint16_t port);

    bool connect();
    bool greet();
    bool send(const std::vector<uint8_t>& bytes);
    void disconnect() { m_client.disconnect(); }
    bool connected() const { return m_client.connected(); }

    // Reads frames until `done` holds or `timeout` passes; false on time-out. Returns at once if
    // the connection is closed (with the condition's value).
    bool pumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));
    bool waitFrames(size_t count) {
        return pumpUntil([&] { return frames.size() >= count; });
    }
    // Reads until the board closes the connection.
    bool waitClosed(std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Blocks are acknowledged as the program does; a test may hold back some.
    std::function<bool(const ReceivedBlock&)> acknowledgeIf = [](const ReceivedBlock&) {
        return true;
    };
    std::vector<ReceivedFrame> frames;
    std::vector<ReceivedBlock> blocks;

    // The latest value words of main-window ValueWord items, and other words, from all blocks.
    // Finds the last (id, item, form) group and returns its value words.
    std::vector<uint32_t> lastValue(uint8_t item, uint16_t form = 0) const;
    bool hasWord(const std::function<bool(uint32_t)>& match) const;

    // FrameReaderHost
    void frameReady(link::FrameTicket ticket) override;
    bool updateRepliesWanted() override { return false; }
    void updateReply(uint32_t) override {}

private:
    link::LinkClient m_client;
    link::InputBuffer m_in;
    link::FrameRing m_ring;
    link::FrameReader m_reader{m_ring};
    std::array<uint8_t, link::kPayloadLength> m_payload{};
    BlockAssembler m_assembler;
};

// Value words that follow a group's id word for the main window's items, by item.
size_t mainItemWords(uint8_t item, const uint32_t* next, size_t available);

} // namespace talix::simtest
