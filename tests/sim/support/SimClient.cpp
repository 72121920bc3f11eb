#include "sim/support/SimClient.h"

#include "base/BoardWords.h"
#include "base/LittleEndian.h"
#include "link/CommandRecords.h"

#include <cstring>
#include <thread>

namespace talix::simtest {

namespace {
link::LinkSettings settingsFor(uint16_t port) {
    link::LinkSettings s;
    s.board = {"127.0.0.1", port};
    return s;
}
} // namespace

SimClient::SimClient(uint16_t port) : m_client(settingsFor(port)) {}

bool SimClient::connect() {
    m_in.clear();
    m_reader.reset();
    return m_client.connect();
}

bool SimClient::greet() {
    return send({0x12});
}

bool SimClient::send(const std::vector<uint8_t>& bytes) {
    return m_client.write(bytes.data(), bytes.size());
}

bool SimClient::pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline || !m_client.connected())
            return done();
        if (m_client.poll(m_in, 20) == link::LinkClient::PollResult::Data || !m_in.empty())
            m_reader.run(m_in, *this);
    }
    return true;
}

bool SimClient::waitClosed(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (m_client.connected()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        const auto r = m_client.poll(m_in, 20);
        if (r == link::LinkClient::PollResult::Closed || r == link::LinkClient::PollResult::Error)
            break;
        m_in.clear();
    }
    return true;
}

std::optional<ReceivedBlock> BlockAssembler::add(const uint8_t* payload) {
    const uint32_t header = readLe32(payload);
    const uint32_t n = header & 0xFF;
    const auto seq = int32_t(header >> 8 & 0x7FFFFF);
    const bool continuation = header >> 31;
    if (n == 0 || n > 124 || seq == 0 || seq == m_lastSeq)
        return std::nullopt;
    if (!continuation) {
        if (m_pending != 0)
            return std::nullopt;
        m_pending = int32_t(readLe32(payload + 4));
        if (m_pending < 8 || m_pending > 496) {
            m_pending = 0;
            return std::nullopt;
        }
        for (uint32_t i = 0; i < n; ++i)
            m_buffer[i] = readLe32(payload + 4 + 4 * i);
        m_writePos = n;
        m_pending -= int32_t(4 * n);
        if (m_pending > 0)
            return std::nullopt;
    } else {
        if (m_pending == 0)
            return std::nullopt;
        uint32_t k = n;
        if (int32_t(4 * n) > m_pending)
            k = uint32_t(m_pending / 4);
        for (uint32_t i = 0; i < k && m_writePos < m_buffer.size(); ++i)
            m_buffer[m_writePos++] = readLe32(payload + 4 + 4 * i);
        m_pending -= int32_t(4 * k);
        if (m_pending > 0) {
            m_pending = 0;
            return std::nullopt;
        }
    }
    m_pending = 0;
    m_lastSeq = seq;
    ReceivedBlock block;
    block.seq = uint32_t(seq);
    const uint32_t length = std::min<uint32_t>(m_buffer[0] / 4, 124);
    block.words.assign(m_buffer.begin() + 1, m_buffer.begin() + std::max<uint32_t>(1, length));
    return block;
}

void SimClient::frameReady(link::FrameTicket ticket) {
    // Taken on the reading thread at once: the slot cannot have been reused.
    m_ring.take(ticket, m_payload);
    const uint8_t* payload = m_payload.data();
    const uint32_t lParam = ticket.lParam;
    ReceivedFrame frame;
    frame.counter = lParam >> 16;
    frame.arrival = std::chrono::steady_clock::now();
    frame.payload.assign(payload, payload + link::kPayloadLength);
    frames.push_back(std::move(frame));
    if (auto block = m_assembler.add(payload)) {
        block->frameIndex = frames.size() - 1;
        const bool ack = acknowledgeIf(*block);
        const uint32_t seq = block->seq;
        blocks.push_back(std::move(*block));
        if (ack)
            send(link::commands::acknowledge(seq));
    }
}

size_t mainItemWords(uint8_t item, const uint32_t* next, size_t available) {
    using board::MainItem;
    if (item >= board::kMainItems)
        return 1;
    if (board::kMainItemWords[item] != board::kVariableWords)
        return board::kMainItemWords[item];
    if (MainItem(item) == MainItem::ProgrammeType)
        return available > 0 && next[0] != 0 ? 5 : 1;
    return available > 0 ? 1 + (next[0] + 3) / 4 : 1; // SlideData: a byte count and the bytes
}

void walkBlock(const std::vector<uint32_t>& words,
               const std::function<void(uint32_t, const uint32_t*, size_t)>& visit) {
    size_t i = 0;
    while (i < words.size()) {
        const uint32_t w = words[i++];
        const auto id = board::ParamId(w & 0xFF);
        size_t values = 0;
        if (id == board::ParamId::DeviceHello) {
            values = 1;
        } else if (id == board::ParamId::ValueWord) {
            const uint32_t form = w >> 16 & 0xFF;
            const uint32_t slot = w >> 16 & 15;
            if (form == uint32_t(board::Form::Main))
                values = mainItemWords(uint8_t(w >> 8), words.data() + i, words.size() - i);
            else if ((w >> 16) == uint32_t(board::Form::Rotator))
                values = 1;
            else if (slot == uint32_t(board::Form::Memory))
                values = 5;
            else if (slot == uint32_t(board::Form::DAB))
                values = i < words.size() ? 1 + words[i] : 1;
            else
                values = 1;
        } else if (id != board::ParamId::Filler && id != board::ParamId::KnobStep &&
                   id != board::ParamId::Ignored85 && id != board::ParamId::Ignored90 &&
                   id != board::ParamId::FieldSelect && id != board::ParamId::ShowFormWord &&
                   id != board::ParamId::CloseFormWord) {
            return;
        }
        if (i + values > words.size())
            return;
        visit(w, words.data() + i, values);
        i += values;
    }
}

std::vector<uint32_t> SimClient::lastValue(uint8_t item, uint16_t form) const {
    std::vector<uint32_t> found;
    for (const auto& block : blocks) {
        walkBlock(block.words, [&](uint32_t w, const uint32_t* values, size_t count) {
            if ((w & 0xFF) == uint32_t(board::ParamId::ValueWord) && uint8_t(w >> 8) == item &&
                (w >> 16 & 0xFF) == form)
                found.assign(values, values + count);
        });
    }
    return found;
}

bool SimClient::hasWord(const std::function<bool(uint32_t)>& match) const {
    bool seen = false;
    for (const auto& block : blocks) {
        walkBlock(block.words, [&](uint32_t w, const uint32_t*, size_t) {
            if (match(w))
                seen = true;
        });
    }
    return seen;
}

} // namespace talix::simtest
