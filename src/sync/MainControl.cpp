#include "sync/MainControl.h"

#include <array>
#include <cstddef>

namespace talix::sync {

namespace {
constexpr std::array kNames = {
#define TALIX_NAME_ENTRY(name) #name,
    TALIX_MAIN_CONTROLS(TALIX_NAME_ENTRY)
#undef TALIX_NAME_ENTRY
};
} // namespace

const char* controlName(MainControl control) {
    const auto i = std::size_t(control);
    return i < kNames.size() ? kNames[i] : "";
}

} // namespace talix::sync
