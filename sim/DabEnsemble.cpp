#include "sim/DabEnsemble.h"

#include "base/BoardWords.h"
#include "sim/ParamWords.h"
#include "sim/SlidePictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace talix::sim {

namespace {

using board::DabItem;
using board::Form;

constexpr const char* kChannels[] = {"5A",  "5B",  "5C",  "5D",  "6A",  "6B",  "6C",  "6D",
                                     "7A",  "7B",  "7C",  "7D",  "8A",  "8B",  "8C",  "8D",
                                     "9A",  "9B",  "9C",  "9D",  "10A", "10B", "10C", "10D",
                                     "11A", "11B", "11C", "11D", "12A", "12B", "12C", "12D"};
constexpr size_t kEnsembleChannel = 27; // 11D
constexpr double kSearchStep = 0.12;
constexpr double kNameStep = 0.08;
constexpr double kSignalPeriod = 0.5;
constexpr double kLabelPeriod = 6;
constexpr double kSlidePeriod = 10;
// Bytes of a slide per item 59, one item every other frame.
constexpr size_t kSlideChunk = 256;

struct Service {
    const char* name;
    const char* sampleRate; // kSpls
    const char* bitRate;    // kBit
    uint32_t dataServices;  // MOT 1 in bits 7-0, MOT 2 in 15-8
    const char* labels[3];
};

// Slide Show is code 0 of MOT 1: those services send pictures.
const Service kServices[] = {
    {"Alpha Radio",
     "48",
     "128",
     0x4A00,
     {"Alpha Radio - the morning show", "Traffic: A9 clear", "Call us: 0800 555 0101"}},
    {"Beta Klassik",
     "48",
     "144",
     0x0500,
     {"Now: Sonata in A minor", "Next: Evening concert", "Beta Klassik - music all day"}},
    {"Gamma Pop",
     "48",
     "96",
     0x0100,
     {"Gamma Pop Top 40", "Now: Summer Hits", "gamma-pop.example"}},
    {"Delta News",
     "32",
     "64",
     0x0905,
     {"Headlines every 15 minutes", "Weather: sunny, 24 C", "Delta News at the hour"}},
    {"Epsilon Jazz",
     "48",
     "128",
     0x4A00,
     {"Late night jazz", "Now: Blue Train", "Epsilon Jazz - smooth"}},
    {"Zeta Rock", "48", "112", 0x0002, {"Zeta Rock block", "Now: Live session", "Rock on!"}},
    {"Eta Country",
     "48",
     "96",
     0x0500,
     {"Country roads", "Now: Nashville special", "Eta Country 24/7"}},
    {"Theta Talk",
     "32",
     "72",
     0x0004,
     {"Phone-in: your questions", "Theta Talk", "Studio line 0800 555 0108"}},
    {"Iota Kids",
     "48",
     "80",
     0x0100,
     {"Story time", "Iota Kids - songs and stories", "Next: Quiz"}},
    {"Kappa Sport",
     "48",
     "96",
     0x4A00,
     {"Live: Football, 2nd half", "Score 2:1", "Kappa Sport results"}},
    {"Lambda Dance",
     "48",
     "128",
     0x0000,
     {"Lambda Dance non-stop", "Now: Club mix", "Weekend party"}},
    {"My Oldies",
     "48",
     "96",
     0x0907,
     {"Oldies but goldies", "Now: The Sixties", "My Oldies - memories"}},
    {"Nu Chillout", "48", "96", 0x0500, {"Chill and relax", "Now: Ambient hour", "Nu Chillout"}},
    {"Xi Folk",
     "48",
     "80",
     0x0808,
     {"Folk from everywhere", "Now: Irish session", "Xi Folk - roots"}},
};
constexpr size_t kServiceCount = sizeof kServices / sizeof kServices[0];

uint32_t dabWord(DabItem item) {
    return valueWord(uint32_t(item), uint32_t(board::number(Form::DAB)));
}

// A "P" status: the programme number from the eleventh character on.
std::string statusOf(int service) {
    char status[24];
    std::snprintf(status, sizeof status, "%-10s%d", "Prog 11D", service + 1);
    return status;
}

bool hasSlides(int service) {
    return (kServices[service].dataServices & 0xFF) == 0;
}

} // namespace

DabEnsemble::DabEnsemble(uint32_t seed) : m_seed(seed) {}

size_t DabEnsemble::services() const {
    return m_named;
}

std::vector<uint32_t> DabEnsemble::item(int item, const std::vector<uint32_t>& data) const {
    std::vector<uint32_t> words{dabWord(DabItem(item)), uint32_t(data.size())};
    words.insert(words.end(), data.begin(), data.end());
    return words;
}

std::vector<uint32_t> DabEnsemble::text(int item, const std::string& text, size_t bytes) const {
    return this->item(item, textWords(text, (bytes + 3) / 4));
}

void DabEnsemble::start(ReportQueue& out) {
    m_active = true;
    m_searching = true;
    m_channel = 0;
    m_named = 0;
    m_service = -1;
    m_slide.clear();
    m_nextStep = m_now + kSearchStep;
    out.words({showFormWord(uint32_t(board::number(Form::DAB)))});
    out.words(text(board::number(DabItem::DynamicLabel), "", 4));
}

void DabEnsemble::stop(ReportQueue& out) {
    if (!m_active)
        return;
    m_active = false;
    m_searching = false;
    m_slide.clear();
    out.words({closeFormWord(uint32_t(board::number(Form::DAB)))});
}

void DabEnsemble::tick(double now, ReportQueue& out) {
    m_now = now;
    ++m_frames;
    if (!m_active)
        return;
    if (m_searching) {
        if (now < m_nextStep)
            return;
        if (m_channel <= kEnsembleChannel) {
            out.words(text(board::number(DabItem::Status),
                           std::string("Search ") + kChannels[m_channel], 14));
            ++m_channel;
            m_nextStep = now + kSearchStep;
            return;
        }
        if (m_named < kServiceCount) {
            std::vector<uint32_t> data{uint32_t(m_named)};
            const std::vector<uint32_t> name = textWords(kServices[m_named].name, 20);
            data.insert(data.end(), name.begin(), name.end());
            out.words(item(board::number(DabItem::ServiceName), data));
            ++m_named;
            m_nextStep = now + kNameStep;
            return;
        }
        m_searching = false;
        tune(0, out);
        return;
    }
    if (m_service < 0)
        return;
    if (now >= m_nextSignal) {
        m_nextSignal = now + kSignalPeriod;
        const double wobble = std::sin(now * 0.7 + m_seed) * 12 + std::sin(now * 2.3) * 4;
        out.words(item(board::number(DabItem::Signal), {uint32_t(std::lround(70 + wobble))}));
    }
    if (now >= m_nextLabel) {
        m_nextLabel = now + kLabelPeriod;
        m_label = (m_label + 1) % 3;
        out.words(
            text(board::number(DabItem::DynamicLabel), kServices[m_service].labels[m_label], 128));
    }
    if (hasSlides(m_service) && m_slide.empty() && now >= m_nextSlide)
        startSlide(out);
    if (!m_slide.empty() && m_frames % 2 == 0)
        sendSlideChunk(out);
}

void DabEnsemble::tune(int service, ReportQueue& out) {
    m_service = service;
    const Service& s = kServices[service];
    out.words(text(board::number(DabItem::Status), statusOf(service), 14));
    out.words(text(board::number(DabItem::SampleRate), s.sampleRate, 4));
    out.words(text(board::number(DabItem::BitRate), s.bitRate, 4));
    out.words(item(board::number(DabItem::DataServices), {s.dataServices}));
    m_label = 0;
    out.words(text(board::number(DabItem::DynamicLabel), s.labels[0], 128));
    m_nextLabel = m_now + kLabelPeriod;
    m_nextSignal = m_now;
    m_slide.clear();
    m_nextSlide = m_now + 0.5;
}

void DabEnsemble::startSlide(ReportQueue& out) {
    m_slide = slidePicture(m_service, ++m_slideNumber % 100);
    m_slideSent = 0;
    const uint32_t header = valueWord(uint32_t(board::number(board::MainItem::SlideHeader)), 0);
    out.words({header, uint32_t(m_slide.size()), 0});
}

void DabEnsemble::sendSlideChunk(ReportQueue& out) {
    const size_t n = std::min(kSlideChunk, m_slide.size() - m_slideSent);
    std::vector<uint32_t> words{valueWord(uint32_t(board::number(board::MainItem::SlideData)), 0),
                                uint32_t(n)};
    const std::string bytes(m_slide.begin() + long(m_slideSent),
                            m_slide.begin() + long(m_slideSent + n));
    const std::vector<uint32_t> data = textWords(bytes, (n + 3) / 4);
    words.insert(words.end(), data.begin(), data.end());
    out.words(std::move(words));
    m_slideSent += n;
    if (m_slideSent >= m_slide.size()) {
        m_slide.clear();
        m_nextSlide = m_now + kSlidePeriod;
    }
}

void DabEnsemble::choose(int index, ReportQueue& out) {
    if (!m_active || m_searching)
        return;
    if (index >= 0 && size_t(index) < m_named) {
        tune(index, out);
        return;
    }
    // No service there: the status names the tuned one again, and the list frames it.
    if (m_service >= 0)
        out.words(text(board::number(DabItem::Status), statusOf(m_service), 14));
}

void DabEnsemble::scroll(int units, ReportQueue& out) {
    if (!m_active)
        return;
    for (int i = 0; i < std::abs(units) && i < 9; ++i)
        out.words(item(board::number(DabItem::ScrollRow), {units > 0 ? 0u : 1u}));
}

} // namespace talix::sim
