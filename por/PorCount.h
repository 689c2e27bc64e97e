#pragma once
// A count stored in a POR word: one beyond the word's range is held at the
// largest the word can say.

#include "platform/win/WinTypes.h"

#include <algorithm>
#include <cstddef>
#include <limits>

inline LONG PorCount(std::size_t count) {
    return static_cast<LONG>(
        std::min<std::size_t>(count, static_cast<std::size_t>(std::numeric_limits<LONG>::max())));
}
