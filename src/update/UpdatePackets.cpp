#include "update/UpdatePackets.h"

#include <algorithm>

namespace talix::update::packets {

uint8_t groupHeader(int group) {
    return uint8_t(0x80 | (group & 0x7F));
}

std::vector<uint8_t> enterUpdateMode() {
    return {kEnterUpdateMode};
}

std::vector<uint8_t> selectWiFiCpu() {
    return {kSelectWiFiCpu, kWiFiCpuArgument};
}

std::vector<uint8_t> start(uint8_t startCode, uint32_t size) {
    return {startCode, uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24)};
}

std::vector<uint8_t> greeting() {
    return {kGreeting};
}

std::vector<uint8_t> paddedName(std::span<const uint8_t> name) {
    std::vector<uint8_t> padded(name.begin(), name.end());
    padded.resize(std::max<size_t>(padded.size(), 4 * kNameGroups + 2), 0);
    return padded;
}

std::vector<uint8_t> namePacket(int group, std::span<const uint8_t> paddedName) {
    std::vector<uint8_t> packet{groupHeader(group)};
    const size_t first = size_t(4 * group - 2);
    for (size_t i = first; i < first + kGroupData; ++i)
        packet.push_back(i < paddedName.size() ? paddedName[i] : 0);
    return packet;
}

namespace {

void appendFileBytes(std::vector<uint8_t>& packet, std::span<const uint8_t> image, size_t offset,
                     size_t count) {
    for (size_t i = offset; i < offset + count; ++i)
        packet.push_back(i < image.size() ? image[i] : kFiller);
}

} // namespace

std::vector<uint8_t> firmwareDataPacket(int firstGroup, std::span<const uint8_t> image,
                                        size_t offset) {
    std::vector<uint8_t> packet;
    packet.reserve(kGroupsPerPacket * (1 + kGroupData));
    for (size_t g = 0; g < kGroupsPerPacket; ++g) {
        packet.push_back(groupHeader(firstGroup + int(g)));
        appendFileBytes(packet, image, offset + g * kGroupData, kGroupData);
    }
    return packet;
}

std::vector<uint8_t> wifiDataPacket(int group, std::span<const uint8_t> image, size_t offset) {
    std::vector<uint8_t> packet{groupHeader(group)};
    packet.reserve(1 + kBytesPerPacket);
    appendFileBytes(packet, image, offset, kBytesPerPacket);
    return packet;
}

} // namespace talix::update::packets
