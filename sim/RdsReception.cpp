#include "sim/RdsReception.h"

#include "sim/ParamWords.h"

#include <type_traits>

namespace talix::sim {

using board::MainItem;

namespace {

constexpr double kRdsMinDbm = -100;
constexpr double kRadioTextSeconds = 8;

} // namespace

RdsReception::RdsReception(const BandPlan& plan, const BoardSettings& settings,
                           ReportQueue& reports)
    : m_plan(plan), m_settings(settings), m_reports(reports) {}

int RdsReception::stationHeard() const {
    const BoardSettings& s = m_settings;
    if (s.mode != board::kModeFmWide)
        return -1;
    const int found = m_plan.strongestNear(s.tunedHz(), 60'000);
    if (found < 0)
        return -1;
    const Station& st = m_plan.stations()[size_t(found)];
    if (st.kind == StationKind::FmBroadcast && st.levelDbm + double(s.attenuation) - 6 > kRdsMinDbm)
        return found;
    return -1;
}

void RdsReception::tick(double now) {
    const int station = stationHeard();
    if (station != m_station) {
        const bool had = m_station >= 0;
        m_station = station;
        m_stage = 0;
        m_since = now;
        m_radioTextIndex = 0;
        if (had)
            m_reports.item(MainItem::ProgrammeType); // empties the RDS lines
        return;
    }
    if (station < 0)
        return;
    const double age = now - m_since;
    if (m_stage == 0 && age > 0.5) {
        m_stage = 1;
        m_reports.item(MainItem::ProgrammeIdent);
    } else if (m_stage == 1 && age > 1.5) {
        m_stage = 2;
        m_reports.item(MainItem::ProgrammeType);
        m_reports.item(MainItem::RadioText);
    } else if (m_stage == 2) {
        const auto index = size_t((age - 1.5) / kRadioTextSeconds);
        if (index != m_radioTextIndex) {
            m_radioTextIndex = index;
            m_reports.item(MainItem::RadioText);
        }
    }
}

std::vector<uint32_t> RdsReception::encode(MainItem item, uint32_t w) const {
    if (item == MainItem::ProgrammeType && (m_station < 0 || m_stage < 2))
        return {w, 0};
    if (m_station < 0)
        return {};
    const RdsInfo& rds = m_plan.stations()[size_t(m_station)].rds;
    std::vector<uint32_t> words{w};
    switch (item) {
    case MainItem::ProgrammeType:
        if (textWords(rds.pty, 5)[0] == 0)
            return {w, 0};
        appendTextWords(words, rds.pty, 5);
        return words;
    case MainItem::ProgrammeIdent:
        appendTextWords(words, rds.pi, 1);
        appendTextWords(words, rds.ps, 2);
        words.push_back(rds.tp ? 1 : 0);
        return words;
    case MainItem::RadioText: {
        // A station without radio text reports a blank one.
        static const std::decay_t<decltype(rds.radioText.front())> kNone{};
        appendTextWords(words,
                        rds.radioText.empty()
                            ? kNone
                            : rds.radioText[m_radioTextIndex % rds.radioText.size()],
                        16);
        return words;
    }
    default:
        return {};
    }
}

} // namespace talix::sim
