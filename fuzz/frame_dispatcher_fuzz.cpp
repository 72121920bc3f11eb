// The frame dispatcher fed arbitrary frames. The first input byte sets what the host answers
// (playback open, recording, update form shown, rotator on, slides decode, every slot filled);
// the rest is cut into frames of a stream part (header and 124 words) and a status word. A modal
// message handles the next frame inside the walk, as the real message loop would.
#include "base/LittleEndian.h"
#include "sync/FrameDispatcher.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

using namespace talix::sync;

namespace {

uint32_t sink = 0;

void touch(const uint8_t* p, size_t n) {
    for (size_t i = 0; i < n; ++i)
        sink += p[i];
}

void touch(const QString& s) {
    for (QChar c : s)
        sink += c.unicode();
}

class Form : public TSlotForm {
public:
    ApplyResult ApplyItem(int item, std::span<const uint32_t> words) override {
        for (uint32_t w : words)
            sink ^= w + uint32_t(item);
        return (words.empty() || words[0] != 0xDEADBEEF) ? ApplyResult::Applied
                                                         : ApplyResult::Failed;
    }
    void selectField(int tag) override { sink += uint32_t(tag); }
    void showForm() override { ++sink; }
    void closeForm() override { --sink; }
};

class Host : public DispatchHost {
public:
    uint8_t flags = 0;
    std::function<void()> modal;

    bool recorderPlaying() const override { return false; }
    bool recording() const override { return flags & 1; }
    void appendRecording(const uint8_t* a) override { touch(a, 2048); }
    bool playbackOpen() const override { return flags & 2; }
    void queuePlayback(const uint8_t* a) override { touch(a, 2048); }
    void spectrumLine(const uint8_t* l) override { touch(l, 1152); }
    void statusWord(uint32_t s) override { sink ^= s; }
    void showLinkQuality(const LinkQualityReport& r) override {
        touch(r.text);
        touch(r.stateText);
        if (r.percent > 100)
            __builtin_trap();
    }
    void setLinkBarValue(int p) override {
        if (p < 0 || p > 100)
            __builtin_trap();
    }
    void setLinkBarShowsPlayback(bool) override {}
    bool externalAntennaChecked() const override { return antenna; }
    void setExternalAntenna(bool c, uint32_t) override { antenna = c; }
    void markField(int tag, int mark) override {
        if (tag < 0 || tag > 37 || mark < 1 || mark > 2)
            __builtin_trap();
    }
    void requestPaint() override {}
    ApplyResult applyItemEffect(const ItemEffect& e, const ReceiverState& s) override {
        for (const ControlChange& c : e.changes)
            touch(c.text);
        if (e.rotator) {
            touch(e.rotator->address);
            touch(e.rotator->currentText);
        }
        if (s.SlideStream.size() > kSlideStreamCap)
            __builtin_trap();
        if (e.modalMessage && modal)
            modal();
        return (e.slideComplete && (flags & 16)) ? ApplyResult::Failed : ApplyResult::Applied;
    }
    bool selectMainField(int item) override { return item & 1; }
    void selectDabField() override {}
    void paintRotatorCircles(bool) override {}
    bool rotatorOn() const override { return flags & 8; }
    void sendRotatorValue(uint8_t v) override { sink += v; }
    void disableMainControls(bool) override {}
    void enableMainControls() override {}
    void focusSelectedField(bool) override {}
    std::optional<QString> startScriptFirstLine() override {
        if (flags & 32)
            return QStringLiteral("C:\\TALIX\\TALIX123.EXE");
        return std::nullopt;
    }
    void setIdentification(const QString& t) override { touch(t); }
    bool updateFormVisible() const override { return flags & 4; }
    void writeAck(const uint8_t* r, size_t n) override {
        if (n != 5 || r[0] != 13)
            __builtin_trap();
    }
    bool tuneButtonPressed() const override { return flags & 64; }
    int sliderPosition(MainControl c) const override { return int(c); }
    float gridOffset() const override { return 1.5f; }

private:
    bool antenna = false;
};

constexpr size_t kFrameInput = 4 + 4 * 124 + 4; // stream part and status word

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    Host host;
    host.flags = data[0];
    TFormSlots formSlots;
    Form forms[TFormSlots::kSlots];
    if (host.flags & 128)
        for (int k = 0; k < TFormSlots::kSlots; ++k)
            formSlots.set(k, &forms[k]);
    FrameDispatcher dispatcher(host, formSlots, QLocale::c());

    size_t at = 1;
    uint16_t counter = 0;
    std::function<void()> next = [&] {
        if (at >= size)
            return;
        const size_t n = std::min(kFrameInput, size - at);
        std::vector<uint8_t> p(3700, 0);
        std::memcpy(p.data(), data + at, std::min<size_t>(n, 500));
        if (n == kFrameInput)
            std::memcpy(p.data() + 3696, data + at + 500, 4);
        at += n;
        counter = uint16_t(counter + 1 + (p[1] & 3) * 40);
        dispatcher.handleFrame(p.data(), uint32_t(counter) << 16 | 3700);
    };
    int depth = 0;
    host.modal = [&] {
        if (depth > 2)
            return;
        ++depth;
        next();
        --depth;
    };
    while (at < size)
        next();
    return 0;
}
