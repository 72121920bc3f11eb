#pragma once

#include "sync/FormSlots.h"
#include "sync/FrameSinks.h"
#include "sync/MainItems.h"
#include "sync/MainView.h"
#include "sync/ParamBlock.h"
#include "sync/ReceiverState.h"

#include <cstdint>
#include <span>

namespace talix::sync {

struct WalkResult {
    bool repaint = false; // some word asked for PaintEvent
};

// Walks the TParamWords of one completed block and applies each: main-window items, form values,
// field selections, showing and closing forms, the board's identification, knob steps and the
// rotator relay. A word whose value words would lie beyond the block, or an id not in the table,
// ends the walk. All walk state is local to walk(), so a walk suspended in a modal message survives
// nested walks of later blocks.
class ParamWalk {
public:
    ParamWalk(MainView& view, FrameSinks& sinks, FormSlots& formSlots, ReceiverState& state,
              const MainItems& items)
        : m_view(view), m_sinks(sinks), m_slots(formSlots), m_state(state), m_items(items) {}

    WalkResult walk(const ParamBlock& block);

    // Set by the board's selection of the rotator dial, cleared by every other selection and by
    // every form shown.
    bool RotatorSelected = false;

private:
    enum class Step { Next, End, Failed };

    Step knobStep(uint32_t w, WalkResult& r);
    Step deviceHello(uint32_t w, uint32_t x);
    Step fieldSelect(uint32_t w, WalkResult& r);
    Step valueWord(uint32_t w, std::span<const uint32_t> following, uint64_t& consumed,
                   WalkResult& r);
    Step mainItem(uint32_t w, std::span<const uint32_t> values, WalkResult& r);
    Step slide(const ItemEffect& effect);
    Step formValue(int index, int item, std::span<const uint32_t> values);
    void showForm(uint32_t w);
    void closeForm(uint32_t w);
    void setRotatorSelected(bool selected);
    // The board's selection of a main-window field decides tune mode.
    void selectTuneMode(int item);

    MainView& m_view;
    FrameSinks& m_sinks;
    FormSlots& m_slots;
    ReceiverState& m_state;
    const MainItems& m_items;
};

} // namespace talix::sync
