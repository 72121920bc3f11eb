#pragma once

#include "sync/ItemEffect.h"
#include "sync/MainControl.h"
#include "sync/ReceiverState.h"

#include <QLocale>
#include <cstdint>
#include <span>

namespace talix::sync {

// The largest slide-show picture the stream collects. DAB slides are small JPEG or PNG pictures
// (well under 100 kB); a board announcing more than this is not sending a slide, and the picture
// is dropped rather than held in memory.
constexpr qsizetype kSlideStreamCap = 1 << 20;

// The main-window items 0..59 of the parameter stream: each stores its values in ReceiverState
// and returns what the main window shows. Texts use `locale` for the decimal separator.
class MainItems {
public:
    explicit MainItems(const QLocale& locale = QLocale::system());

    // `values` are exactly the value words of the item (mainItemWords); w is the ValueWord.
    // An item without enough words, above 59, or one of 29-31, 37, 38 changes nothing.
    ItemEffect apply(ReceiverState& s, int item, std::span<const uint32_t> values,
                     uint32_t w) const;

    // A completed slide handed to the DAB list, shown or not: the stream is emptied and the picture
    // size cleared (bits 28-31 of the header stay).
    static void finishSlide(ReceiverState& s);

private:
    void frequencies(ReceiverState& s, std::span<const uint32_t> v, uint32_t w,
                     ItemEffect& e) const;
    void passband(ReceiverState& s, std::span<const uint32_t> v, ItemEffect& e) const;
    void levels(ReceiverState& s, std::span<const uint32_t> v, ItemEffect& e) const;
    void texts(int item, std::span<const uint32_t> v, ItemEffect& e) const;
    void rotator(int item, std::span<const uint32_t> v, ItemEffect& e) const;
    void slideData(ReceiverState& s, std::span<const uint32_t> v, ItemEffect& e) const;

    QLocale m_locale;
};

} // namespace talix::sync
