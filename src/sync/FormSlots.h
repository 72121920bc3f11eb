#pragma once

#include "base/BoardWords.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <span>

namespace talix::sync {

enum class ApplyResult { Applied, Failed };

// A form that takes values from the board. The board alone shows and closes it and selects its
// fields; the form reports touches as commands.
class SlotForm {
public:
    virtual ~SlotForm() = default;

    // One value for item `item`. `words` holds exactly what the value layout gives the form: one
    // value word; for the memory form the five words; for the DAB list the count word N and its
    // N words. Failed ends the walk of the block (which is acknowledged all the same).
    virtual ApplyResult ApplyItem(int item, std::span<const uint32_t> words) = 0;
    // Highlights the form's edit whose Tag is `tag` and makes it the current field (TagObject):
    // the previous one gets the normal look. Nothing when the form has no such edit.
    virtual void selectField(int tag) = 0;
    virtual void showForm() = 0; // not modal
    virtual void closeForm() = 0;
    // The DAB list's entry field shares its look with some main-window fields: the selected look
    // (Edit1Style1) or the normal one (Edit1Style2). Other forms have no such field.
    virtual void setEntryFieldSelected(bool selected) { (void)selected; }
    // The DAB list's slide show, fed by main-window items 58 and 59: the progress of a transfer
    // (PB_SL, 0-100) and a complete picture file for RMOT, which keeps the picture it shows when
    // the file does not decode. Other forms show no slides.
    virtual void setSlideProgress(int percent) { (void)percent; }
    virtual void showSlide(const QByteArray& picture) { (void)picture; }
};

// FormSlots: the forms that take values from the board, by form index. The composition root enters
// each form once it is built and clears the slots before the forms are destroyed.
class FormSlots { // TFormSlots
public:
    static constexpr int kSlots = board::kFormSlots;

    // Words of a ValueWord's value for the form at `index` (given the words that follow it): five
    // for the memory form, the count word and N words for the DAB list, otherwise one. This is the
    // layout of the stream, the same whether the slot holds a form or not.
    static uint64_t valueWords(int index, std::span<const uint32_t> following);

    // An index outside 0..15 holds nothing.
    SlotForm* at(int index) const;
    void set(int index, SlotForm* form);
    void clear(int index) { set(index, nullptr); }

private:
    std::array<SlotForm*, kSlots> m_forms{};
};

} // namespace talix::sync
