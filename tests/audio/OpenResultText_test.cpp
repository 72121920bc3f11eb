#include "audio/OpenResultText.h"

#include <gtest/gtest.h>

using namespace talix::audio;

namespace {

struct TextCase {
    int code;
    const char* text;
};

class OpenResultTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(OpenResultTextTest, GivesTheMessageForTheCode) {
    EXPECT_EQ(openResultText(static_cast<OpenResult>(GetParam().code)),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, OpenResultTextTest,
    ::testing::Values(TextCase{0, ""}, TextCase{2, "Wrong Device Identifier."},
                      TextCase{4, "Audio device is already in use."},
                      TextCase{6, "No device driver is present."},
                      TextCase{7, "Unable to allocate or lock memory."},
                      TextCase{32, "Attempted to open with an unsupported waveform-audio format."},
                      TextCase{35, "The device is synchronous!"},
                      TextCase{1, "Failed to open audio device!"},
                      TextCase{11, "Failed to open audio device!"},
                      TextCase{-5, "Failed to open audio device!"}));

} // namespace
