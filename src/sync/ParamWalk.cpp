#include "sync/ParamWalk.h"

#include "base/BoardWords.h"
#include "sync/DeviceHello.h"
#include "sync/MainItemTable.h"
#include "sync/ParamWord.h"

#include <algorithm>
#include <exception>

namespace talix::sync {

namespace {

constexpr float kPi = 3.141592654f;

} // namespace

WalkResult ParamWalk::walk(const ParamBlock& block) {
    WalkResult r;
    const std::span<const uint32_t> words(block.words);
    // Bytes of the block after the length word; a block never exceeds the buffer, and the bound
    // on `pos` below keeps even a corrupt length inside it.
    int64_t remaining = int64_t(block.lengthBytes()) - 4;
    size_t pos = 1;
    try {
        while (remaining > 0 && pos < words.size()) {
            const uint32_t w = words[pos++];
            remaining -= 4;
            // The value words that still lie inside the block.
            const size_t inside =
                std::min(size_t(std::max<int64_t>(remaining, 0) / 4), words.size() - pos);
            const std::span<const uint32_t> following = words.subspan(pos, inside);
            uint64_t consumed = 0;
            Step step = Step::Next;
            switch (board::ParamId(param::idOf(w))) {
            case board::ParamId::Filler:
            case board::ParamId::Ignored85:
            case board::ParamId::Ignored90:
                break;
            case board::ParamId::KnobStep:
                step = knobStep(w, r);
                break;
            case board::ParamId::DeviceHello:
                consumed = 1;
                step = following.empty() ? Step::End : deviceHello(w, following[0]);
                break;
            case board::ParamId::FieldSelect:
                step = fieldSelect(w, r);
                break;
            case board::ParamId::ValueWord:
                step = valueWord(w, following, consumed, r);
                break;
            case board::ParamId::ShowFormWord:
                showForm(w);
                break;
            case board::ParamId::CloseFormWord:
                closeForm(w);
                break;
            default:
                step = Step::End; // an id not in the table: the rest of the block is ignored
                break;
            }
            // A failed step ends the walk like an unknown id: the rest of the block is ignored.
            if (step == Step::Failed || step == Step::End)
                break;
            pos += size_t(consumed);
            remaining -= int64_t(4 * consumed);
        }
    } catch (const std::exception&) {
        // A walk that throws ends there; its block is acknowledged all the same.
    }
    return r;
}

ParamWalk::Step ParamWalk::knobStep(uint32_t w, WalkResult& r) {
    const auto v = int8_t(param::itemOf(w));
    const float delta = float(v) * kPi / 40;
    m_state.KnobAngle += delta;
    m_state.KnobRefAngle += delta;
    m_view.markField(board::number(board::Field::S_Pitch), 1);
    r.repaint = true;
    return Step::Next;
}

// The board introduces itself: identification line, then (unless an update runs) the user
// interface starts afresh with every form closed and every control enabled.
ParamWalk::Step ParamWalk::deviceHello(uint32_t w, uint32_t x) {
    const QString version = programVersionText(m_sinks.startScriptFirstLine());
    m_view.setIdentification(identificationText(w, x, version));
    if (m_sinks.updateFormShown())
        return Step::Next;
    m_view.focusSelectedField(false);
    for (int k = 0; k < FormSlots::kSlots; ++k)
        if (SlotForm* form = m_slots.at(k))
            form->closeForm();
    m_view.enableMainControls();
    m_view.focusSelectedField(true);
    return Step::Next;
}

ParamWalk::Step ParamWalk::fieldSelect(uint32_t w, WalkResult& r) {
    const uint32_t f = param::upperHalfOf(w);
    const int item = param::itemOf(w);
    if (f == uint32_t(board::number(board::Form::Rotator))) {
        setRotatorSelected(item != 0);
        return Step::Next;
    }
    setRotatorSelected(false);
    if (f == uint32_t(board::number(board::Form::Main))) {
        selectTuneMode(item);
        r.repaint = m_view.selectMainField(item) || r.repaint;
        return Step::Next;
    }
    const int k = int(f & 15);
    if (k == board::number(board::Form::DAB)) {
        m_view.selectDabField();
    } else if (k != board::number(board::Form::Memory)) {
        if (SlotForm* form = m_slots.at(k))
            form->selectField(item);
    }
    return Step::Next;
}

ParamWalk::Step ParamWalk::valueWord(uint32_t w, std::span<const uint32_t> following,
                                     uint64_t& consumed, WalkResult& r) {
    const int item = param::itemOf(w);
    if (param::formOf(w) == board::number(board::Form::Main)) {
        consumed = mainItemWords(item, following);
        if (consumed > following.size())
            return Step::End;
        return mainItem(w, following.first(size_t(consumed)), r);
    }
    if (param::upperHalfOf(w) == uint32_t(board::number(board::Form::Rotator))) {
        consumed = 1;
        if (following.empty())
            return Step::End;
        m_sinks.sendRotatorValue(m_sinks.rotatorOn() ? uint8_t(following[0]) : 0);
        return Step::Next;
    }
    const int k = param::formOf(w) & 15;
    consumed = FormSlots::valueWords(k, following);
    if (consumed > following.size())
        return Step::End;
    return formValue(k, item, following.first(size_t(consumed)));
}

ParamWalk::Step ParamWalk::mainItem(uint32_t w, std::span<const uint32_t> values, WalkResult& r) {
    const ItemEffect effect = m_items.apply(m_state, param::itemOf(w), values, w);
    for (const FieldMark& m : effect.marks)
        m_view.markField(m.tag, m.mark);
    r.repaint = r.repaint || effect.repaint;
    // The session's part first: a modal message in the view's part may handle further frames.
    if (effect.playbackVolume && m_sinks.playbackOpen())
        m_sinks.setPlaybackVolume(*effect.playbackVolume);
    if (effect.rotator)
        m_sinks.rotatorReport(*effect.rotator);
    if (m_view.applyItemEffect(effect, m_state) == ApplyResult::Failed)
        return Step::Failed;
    return slide(effect);
}

// The slide show belongs to the DAB list: its progress bar follows the transfer. A complete
// picture that does not decode is dropped like a shown one, and the walk goes on: the board sends
// an unacknowledged block again and holds back everything behind it, so failing the walk here
// would stop every later report for as long as the board keeps trying.
ParamWalk::Step ParamWalk::slide(const ItemEffect& effect) {
    SlotForm* dab = m_slots.at(board::number(board::Form::DAB));
    if (dab && effect.slideProgress)
        dab->setSlideProgress(*effect.slideProgress);
    if (!effect.slideComplete)
        return Step::Next;
    if (dab)
        dab->showSlide(m_state.SlideStream);
    MainItems::finishSlide(m_state);
    if (dab)
        dab->setSlideProgress(0);
    return Step::Next;
}

ParamWalk::Step ParamWalk::formValue(int index, int item, std::span<const uint32_t> values) {
    SlotForm* form = m_slots.at(index);
    if (form == nullptr)
        return Step::Next;
    if (form->ApplyItem(item, values) == ApplyResult::Failed)
        return Step::Failed;
    if (index == board::number(board::Form::Setup) &&
        item == board::number(board::SetupItem::Loudspeaker))
        m_view.setLinkBarShowsPlayback(m_sinks.playbackOpen() && m_state.playsOnHost());
    return Step::Next;
}

void ParamWalk::showForm(uint32_t w) {
    setRotatorSelected(false);
    const int k = param::showFormIndexOf(w);
    SlotForm* form = m_slots.at(k);
    if (form == nullptr)
        return;
    form->showForm();
    m_view.disableMainControls(k == board::number(board::Form::DAB));
}

void ParamWalk::closeForm(uint32_t w) {
    m_view.focusSelectedField(false);
    if (SlotForm* form = m_slots.at(param::showFormIndexOf(w)))
        form->closeForm();
    m_view.enableMainControls();
    m_view.focusSelectedField(true);
}

void ParamWalk::selectTuneMode(int item) {
    if (item == board::number(board::Field::FrequencyEntry)) {
        m_state.TuneModeOffered = true;
        m_state.TuneMode = true;
    } else if (item != board::number(board::Field::EFreq2)) {
        m_state.TuneModeOffered = false;
        m_state.TuneMode = false;
    }
    m_view.showTuneMode(m_state.TuneModeOffered, m_state.TuneMode);
}

void ParamWalk::setRotatorSelected(bool selected) {
    RotatorSelected = selected;
    m_view.paintRotatorCircles(selected);
}

} // namespace talix::sync
