#pragma once
// Hatch boundary edges are handed over as the bytes of their words.

#include "platform/win/WinTypes.h"
#include "por/PorWord.h"

#include <span>
#include <vector>

inline std::vector<BYTE> SxfEdgeWords(std::span<const LONG> words) {
    std::vector<BYTE> bytes(words.size() * PorWordSize);
    for (std::size_t i = 0; i < words.size(); ++i) {
        StorePorWord(bytes.data() + i * PorWordSize, words[i]);
    }
    return bytes;
}
