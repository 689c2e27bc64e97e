#pragma once
// Small builders for POR test blocks: raw words for hand-laid and broken
// records, and well-formed records from the writer.

#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

inline std::vector<BYTE> Words(std::initializer_list<LONG> words) {
    std::vector<BYTE> bytes(words.size() * PorWordSize);
    BYTE* at = bytes.data();
    for (LONG word : words) {
        StorePorWord(at, word);
        at += PorWordSize;
    }
    return bytes;
}

inline void Add(std::vector<BYTE>& to, std::span<const BYTE> bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

inline void Add(std::vector<BYTE>& to, std::string_view text) {
    to.insert(to.end(), text.begin(), text.end());
}

inline std::vector<BYTE> Join(std::initializer_list<std::span<const BYTE>> parts) {
    std::vector<BYTE> bytes;
    for (auto part : parts) {
        Add(bytes, part);
    }
    return bytes;
}

inline PorRecordBuilder MakeHeader(LONG version = 3003, LONG scale = 1000) {
    PorRecordBuilder header(PorHeader::Type);
    header.Set(PorHeader::Magic, PorHeader::MagicValue);
    header.Set(PorHeader::Version, version);
    header.Set(PorHeader::Scale, scale);
    header.Set(PorHeader::Factor, 1000);
    return header;
}

inline PorRecordBuilder MakeLine(POINT start, POINT end, const char* layer = "0") {
    PorRecordBuilder line(PorLine::Type);
    line.Set(PorLine::Start, start);
    line.Set(PorLine::End, end);
    line.Set(PorLine::Pen, PorPen{1, 1000, 25, RGB(255, 0, 0)});
    line.Set(PorLine::Layer, layer);
    return line;
}

inline PorRecordBuilder MakeEnd() {
    return PorRecordBuilder(PorEnd::Type);
}
