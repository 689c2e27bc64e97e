#pragma once
// File names from the world, as the file system's UTF-8 bytes. All but those
// marked "no pair" end in a byte that a CP932 reader pairs with the "." after
// it, so a search for the dot that walks CP932 characters misses it.

#include <array>
#include <ostream>

struct FileNameCase {
    const char* label;
    const char* stem;
};

// Failures name the case, not its bytes.
inline void PrintTo(const FileNameCase& c, std::ostream* out) {
    *out << c.label;
}

inline constexpr std::array<FileNameCase, 10> kFileNames{{
    {"DenkiSetsubi", "\xE9\x9B\xBB\xE6\xB0\x97\xE8\xA8\xAD\xE5\x82\x99"}, // 電気設備
    {"Mitsumori", "\xE8\xA6\x8B\xE7\xA9\x8D"},                            // 見積
    {"Shoumei", "\xE7\x85\xA7\xE6\x98\x8E"},                              // 照明
    // 配管 図 第1版
    {"HaikanZuDai1Han", "\xE9\x85\x8D\xE7\xAE\xA1 \xE5\x9B\xB3 \xE7\xAC\xAC"
                        "1\xE7\x89\x88"},
    {"KoreanPyeongmyeondo", "\xED\x8F\x89\xEB\xA9\xB4\xEB\x8F\x84"}, // 평면도
    {"KoreanDomyeon", "\xEB\x8F\x84\xEB\xA9\xB4"},                   // 도면 (no pair)
    {"EmojiAfterKanji", "\xE8\xA8\xAD\xE8\xA8\x88\xF0\x9F\x93\x90"}, // 設計📐
    {"Emoji", "plan\xF0\x9F\x93\x90"},                               // plan📐 (no pair)
    {"Latin1PlanO", "Plan \xC3\x96"},                                // Plan Ö
    {"Latin1Cafe", "caf\xC3\xA9"},                                   // café (no pair)
}};
