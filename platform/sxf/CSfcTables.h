#pragma once
// The seven SXF tables of one file with their codes. Predefined colours,
// line types and widths keep their fixed codes wherever they stand; user
// entries are numbered after them, layers and text fonts from 1, all in file
// order. Entries beyond a table's limit, and predefined names the standard
// does not know, are left out.

#include "platform/sxf/CSfcStatement.h"
#include "platform/sxf/SxfData.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

struct CSfcTableEntry {
    int code;
    SxfTableEntry entry;
};

class CSfcTables {
public:
    static constexpr int MaxLayers = 256;
    static constexpr int MaxColourCode = 256;
    static constexpr int FirstUserColour = 17;
    static constexpr int MaxLineTypeCode = 32;
    static constexpr int FirstUserLineType = 16;
    static constexpr int FirstUserWidth = 10;
    static constexpr int MaxWidthCode = 256;

    // True when the statement is a table feature; it is then taken into its
    // table or, when it is wrong or beyond the limit, left out. Throws
    // CSfcError for a table feature whose parameters are wrong.
    bool Take(const CSfcStatement& statement);

    // The entries of a table kind 1..7 in code-assignment order; none for
    // any other kind.
    const std::vector<CSfcTableEntry>& Entries(int kind) const;

private:
    void TakeLayer(const CSfcStatement& statement);
    // A predefined entry whose name is one of `names` takes the name's place
    // in that list as its code.
    void TakePreDefined(const CSfcStatement& statement, int kind,
                        std::span<const std::string_view> names);
    void TakePreColour(const CSfcStatement& statement);
    void TakeUserColour(const CSfcStatement& statement);
    void TakePreLineType(const CSfcStatement& statement);
    void TakeUserLineType(const CSfcStatement& statement);
    void TakeWidth(const CSfcStatement& statement);
    void TakeTextFont(const CSfcStatement& statement);
    void Add(int kind, int code, const SxfTableEntry& entry);

    std::array<std::vector<CSfcTableEntry>, 7> m_tables;
    int m_nextUserColour = FirstUserColour;
    int m_nextUserLineType = FirstUserLineType;
    int m_nextUserWidth = FirstUserWidth;
};
