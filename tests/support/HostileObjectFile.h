#pragma once
// A drawing file ".zmd" or control file ".zcd" built byte by byte, as a
// damaged or hostile one may be: the header and what stands before the
// last object list (no line types, layers or save groups), then that list's
// entries as a test writes them: groups whose child lists follow, and
// references back to objects by index (the group's class record is index 1).

#include "platform/win/WinTypes.h"

#include <vector>

class HostileObjectFile {
public:
    enum class Kind { Drawing, Control };

    HostileObjectFile(Kind kind, DWORD count) {
        const bool drawing = kind == Kind::Drawing;
        Raw({'R', 'u', 'k', static_cast<BYTE>(drawing ? 'D' : 'C')});
        Dword(drawing ? 0x10010 : 0x10014).Dword(0).Dword(0);
        if (drawing) {
            Dword(1000).Dword(1).Dword(1000); // scale, measure mode, unit
            Count(0).Count(0);                // line types, layers
        } else {
            Dword(1000).Dword(0).Dword(0); // unit, two reserved words
            Raw({0, 0});                   // two empty texts
            Count(0);                      // save groups
        }
        Count(count);
    }

    // A group whose child list follows (its count first): the class record
    // the first time, a reference to it after.
    HostileObjectFile& GroupHead(DWORD childCount) {
        if (m_groupClassWritten) {
            Word(0x8001);
        } else {
            Word(0xFFFF).Word(0).Word(9);
            Raw({'C', 'R', 'u', 'k', 'G', 'r', 'o', 'u', 'p'});
            m_groupClassWritten = true;
        }
        Raw(std::vector<BYTE>(16, 0)); // the box
        Raw({0});                      // layer
        Dword(0xFFFFFFFF);             // colour
        Raw({0, 0, 0, 0});             // name, child flag, tag, name
        Dword(childCount);
        return Count(childCount);
    }
    // A reference back to the object of that index.
    HostileObjectFile& Reference(DWORD index) {
        if (index < 0x7FFF)
            return Word(static_cast<WORD>(index));
        return Word(0x7FFF).Dword(index);
    }
    // A list's count: a WORD, or 0xFFFF and a DWORD.
    HostileObjectFile& Count(DWORD count) {
        if (count < 0xFFFF)
            return Word(static_cast<WORD>(count));
        return Word(0xFFFF).Dword(count);
    }
    HostileObjectFile& Word(WORD value) {
        return Raw({static_cast<BYTE>(value), static_cast<BYTE>(value >> 8)});
    }
    HostileObjectFile& Dword(DWORD value) {
        return Raw({static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                    static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)});
    }
    HostileObjectFile& Raw(const std::vector<BYTE>& bytes) {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

    // Groups in the list, each holding the one before.
    static HostileObjectFile Chain(Kind kind, DWORD length) {
        HostileObjectFile file(kind, length);
        file.GroupHead(0);
        for (DWORD i = 1; i < length; ++i)
            file.GroupHead(1).Reference(i + 1);
        return file;
    }

private:
    std::vector<BYTE> m_bytes;
    bool m_groupClassWritten = false;
};
