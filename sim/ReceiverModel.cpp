#include "sim/ReceiverModel.h"

#include "sim/ParamWords.h"

namespace talix::sim {

using board::Field;
using board::Form;
using board::MainItem;
using board::number;

ReceiverModel::ReceiverModel(uint32_t seed, Endpoint rotator, bool rotatorFound)
    : m_seed(seed), m_plan(seed), m_dab(seed), m_renderer(seed, m_plan, m_state),
      m_gps(seed, m_reports), m_rotator(std::move(rotator), rotatorFound, m_state, m_reports) {}

void ReceiverModel::greeted() {
    m_meter.measure(now()); // current levels for the state below
    m_reports.clear();
    m_state.shownForm = 0;
    m_state.rotatorSelected = false;
    m_knob.reset();
    m_dab.reset();
    // DeviceHello: LAN version, serial number, board type and firmware version.
    const uint32_t serial = 100 + m_seed % 900;
    m_reports.words(
        {paramId(board::ParamId::DeviceHello) | 0x21u << 8 | serial << 16, 0x0815u | 0x131u << 16});
    // The gain-control bit number first: the Setup form decodes the flags with it.
    m_reports.item(MainItem::GainCtrlIndex);
    for (int item = 0; item < board::kSetupItems; ++item)
        m_reports.item(number(Form::Setup), item);
    for (int item = 0; item <= number(MainItem::RotatorNotFound); ++item)
        if (item != number(MainItem::GainCtrlIndex) && !encode(number(Form::Main), item).empty())
            m_reports.item(number(Form::Main), item);
    m_reports.words(
        {fieldSelectWord(m_state.tuneMode ? number(Field::FrequencyEntry) : m_state.selectedField,
                         number(Form::Main))});
}

void ReceiverModel::tick() {
    const double t = now();
    m_meter.tick(m_renderer.frames(), t);
    m_gps.tick(m_renderer.frames());
    m_rds.tick(t);
    m_rotator.tick();
    m_dab.tick(t, m_reports);
}

std::optional<ParamBlock> ReceiverModel::takeBlock() {
    return m_reports.take([this](int form, int item) { return encode(form, item); });
}

} // namespace talix::sim
