#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace talix::update {

// The records of a firmware transfer, byte for byte. Multi-byte numbers go little-endian; every
// group and WiFi packet starts with a header carrying the running group number in its low seven
// bits, so that the header wraps after 127.
namespace packets {

constexpr uint8_t kEnterUpdateMode = 10;
constexpr uint8_t kSelectWiFiCpu = 13;
constexpr uint8_t kWiFiCpuArgument = 3;
constexpr uint8_t kFirmwareStart = 12;
constexpr uint8_t kWiFiStart = 9;
constexpr uint8_t kGreeting = 18;
constexpr uint8_t kFiller = 0xFF;
constexpr size_t kGroupData = 4;
constexpr size_t kGroupsPerPacket = 64;
constexpr size_t kBytesPerPacket = 256; // file bytes in every data packet
constexpr int kNameGroups = 3;          // name packets before the firmware's data

uint8_t groupHeader(int group);

std::vector<uint8_t> enterUpdateMode();
std::vector<uint8_t> selectWiFiCpu();
std::vector<uint8_t> start(uint8_t startCode, uint32_t size);
std::vector<uint8_t> greeting();

// The name as the board gets it: 8-bit characters padded with zero bytes to cover every name
// packet.
std::vector<uint8_t> paddedName(std::span<const uint8_t> name);
// Name packet `group` (1 to 3): bytes 4g-2 to 4g+1 of the padded name.
std::vector<uint8_t> namePacket(int group, std::span<const uint8_t> paddedName);
// 64 groups of four file bytes from `offset` on; past the end of the file the groups carry 0xFF.
std::vector<uint8_t> firmwareDataPacket(int firstGroup, std::span<const uint8_t> image,
                                        size_t offset);
// 256 file bytes from `offset` on, 0xFF past the end of the file.
std::vector<uint8_t> wifiDataPacket(int group, std::span<const uint8_t> image, size_t offset);

} // namespace packets
} // namespace talix::update
