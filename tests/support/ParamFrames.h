#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace talix::testing {

using Words = std::vector<uint32_t>;
using Payload = std::vector<uint8_t>;

uint32_t streamHeader(uint32_t n, uint32_t seq, bool continuation);
uint32_t lParamOf(uint16_t counter, uint32_t length = 3700);

// A 3700-byte payload: stream header, up to 124 stream words, audio bytes all `audioByte`,
// spectrum bytes all `spectrumByte`, and the status word.
Payload payload(uint32_t header, const Words& words = {}, uint32_t status = 0,
                uint8_t audioByte = 0xA1, uint8_t spectrumByte = 0x5C);

// A parameter block: its length word (4 bytes per word, counting itself) and the words.
Words block(std::initializer_list<uint32_t> paramWords);
Words block(const Words& paramWords);

// The payloads that carry `blockWords` as a first fragment of `firstWords` words and, if needed,
// one continuation.
std::vector<Payload> fragments(const Words& blockWords, uint32_t seq, uint32_t firstWords = 124);

// Parameter words.
uint32_t valueWord(int item, int form = 0, bool tenths = false);
uint32_t fieldSelect(int item, uint32_t form);
uint32_t showForm(int index);
uint32_t closeForm(int index);
uint32_t knobStep(int step);
uint32_t deviceHello(int wifiVersion, int serial);

// Four characters packed into a word, first character lowest.
uint32_t chars(const char* four);

} // namespace talix::testing
