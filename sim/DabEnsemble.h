#pragma once

#include "sim/ReportQueue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace talix::sim {

// The board as a DAB receiver: "Discover DAB" shows the service list and searches the band; the
// ensemble it finds fills the list with its services. The tuned service reports its status,
// sample and bit rates, data services, signal, dynamic label and, when it carries a slide show,
// pictures through main-window items 58 and 59. The knob scrolls the list a row at a time.
class DabEnsemble {
public:
    explicit DabEnsemble(uint32_t seed);

    bool active() const { return m_active; }
    // Shows the list and starts a search from the first channel.
    void start(ReportQueue& out);
    // Leaves DAB: the list is closed.
    void stop(ReportQueue& out);
    // A new connection: the program starts with every form closed.
    void reset() { m_active = false; }
    // Once per frame; `now` is the board's time in seconds.
    void tick(double now, ReportQueue& out);
    // The user picked list index `index`.
    void choose(int index, ReportQueue& out);
    // Knob counts: each scrolls the list one row (positive: down).
    void scroll(int units, ReportQueue& out);

    size_t services() const;

private:
    void tune(int service, ReportQueue& out);
    void startSlide(ReportQueue& out);
    void sendSlideChunk(ReportQueue& out);
    std::vector<uint32_t> item(int item, const std::vector<uint32_t>& data) const;
    std::vector<uint32_t> text(int item, const std::string& text, size_t bytes) const;

    uint32_t m_seed;
    bool m_active = false;
    double m_now = 0;
    // The search: channel index, time of the next step, services named so far.
    bool m_searching = false;
    size_t m_channel = 0;
    double m_nextStep = 0;
    size_t m_named = 0;
    // The tuned service and its periodic reports.
    int m_service = -1;
    double m_nextSignal = 0, m_nextLabel = 0, m_nextSlide = 0;
    size_t m_label = 0;
    int m_slideNumber = 0;
    std::vector<uint8_t> m_slide; // the picture being sent
    size_t m_slideSent = 0;
    uint64_t m_frames = 0;
};

} // namespace talix::sim
