#include "sim/FrameRenderer.h"

#include "sim/SettingsViews.h"

namespace talix::sim {

FrameRenderer::FrameRenderer(uint32_t seed, const BandPlan& plan, const BoardSettings& settings)
    : m_plan(plan), m_settings(settings), m_audio(seed), m_spectrum(seed) {}

void FrameRenderer::render(FrameContent& content, uint16_t agcRow) {
    const BoardSettings& s = m_settings;
    const TuningView view = tuningViewOf(s);
    const double t = now();
    m_audio.render(m_plan, view, m_sampleClock, content.audio.data(), int(kAudioPairs));
    const auto filter = SpectrumSynth::Filter((s.spectrumMode - 1) & 3);
    const int exponent = s.refreshTime >> 9 & 31;
    const double holdMs = (s.refreshTime & 0x1FF) * 25.0;
    m_spectrum.render(m_plan, view, displayScaleOf(s), filter, exponent, holdMs, t,
                      content.spectrum);
    content.status = (agcRow & 0x1FF) | (s.externalAntenna ? 0x80000000u : 0u);
    m_sampleClock += kAudioPairs;
    ++m_frame;
}

} // namespace talix::sim
