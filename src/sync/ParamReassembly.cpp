#include "sync/ParamReassembly.h"

#include "base/LittleEndian.h"

#include <cstring>

namespace talix::sync {

std::optional<ParamBlock> ParamReassembly::addFragment(const uint8_t* payload, size_t length) {
    if (length < board::kStreamWordsOffset)
        return std::nullopt;
    const board::StreamHeader h =
        board::StreamHeader::decode(readLe32(payload + board::kStreamHeaderOffset));
    if (h.words == 0 || h.words > board::kMaxStreamWords || h.seq == 0 || int32_t(h.seq) == LastSeq)
        return std::nullopt;
    // The stream part is read from offset 4 on; a payload too short for it adds nothing.
    const size_t bytes = 4 * size_t(h.words);
    if (length < board::kStreamWordsOffset + bytes)
        return std::nullopt;
    const uint8_t* words = payload + board::kStreamWordsOffset;

    if (!h.continuation) {
        if (ParamPending != 0)
            return std::nullopt; // the waiting block keeps waiting
        const uint32_t blockLength = readLe32(words);
        if (blockLength < uint32_t(kMinBlockBytes) || blockLength > uint32_t(kMaxBlockBytes))
            return std::nullopt;
        static_assert(4 * board::kMaxStreamWords <= kMaxBlockBytes,
                      "a first fragment fits the buffer");
        std::memcpy(ParamBuffer.data(), words, bytes);
        ParamWritePos = uint32_t(bytes);
        ParamPending = int32_t(blockLength) - int32_t(bytes);
        m_seq = h.seq;
        if (ParamPending > 0)
            return std::nullopt;
        return complete();
    }

    if (ParamPending == 0)
        return std::nullopt;
    uint32_t k = h.words;
    if (4 * k > uint32_t(ParamPending))
        k = uint32_t(ParamPending) / 4;
    std::memcpy(ParamBuffer.data() + ParamWritePos, words, 4 * size_t(k));
    ParamWritePos += 4 * k;
    ParamPending -= int32_t(4 * k);
    m_seq = h.seq;
    if (ParamPending > 0) {
        ParamPending = 0; // a block never needs a third frame
        return std::nullopt;
    }
    return complete();
}

std::optional<ParamBlock> ParamReassembly::complete() {
    ParamPending = 0;
    LastSeq = int32_t(m_seq);
    ParamBlock block;
    block.seq = m_seq;
    for (size_t i = 0; i < ParamWritePos / 4; ++i)
        block.words[i] = readLe32(ParamBuffer.data() + 4 * i);
    return block;
}

} // namespace talix::sync
