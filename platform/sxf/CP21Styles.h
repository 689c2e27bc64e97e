#pragma once
// The SXF tables of a ".p21" file and the codes its features refer to them
// by. Layers are presentation layer assignments (hidden when an
// INVISIBILITY names them), but for the one that gathers sub-figure
// placements; colours DRAUGHTING_PRE_DEFINED_COLOUR and
// COLOUR_RGB (parts 0..1); line types DRAUGHTING_PRE_DEFINED_CURVE_FONT and
// CURVE_STYLE_FONT (visible and invisible lengths of its patterns); widths
// the distinct widths of the shared length measures and the CURVE_STYLEs; text fonts
// DRAUGHTING_PRE_DEFINED_TEXT_FONT and EXTERNALLY_DEFINED_TEXT_FONT. Each
// table is taken in file order and numbered by the ".sfc" rules.

#include "platform/sxf/CP21Model.h"
#include "platform/sxf/CSfcStatement.h"
#include "platform/sxf/CSfcTables.h"
#include "platform/sxf/SxfData.h"

#include <map>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CP21Styles {
public:
    explicit CP21Styles(const CP21Model& model);

    // The table features, to stand before every other feature.
    const std::vector<CSfcStatement>& Statements() const { return m_statements; }

    // The styled item (annotation occurrence) that presents an item, or 0.
    long long StyledItemOf(long long item) const;
    // The presentation styles and the item of a styled item; throws
    // CSfcError when the instance is none.
    static bool IsStyledItem(const CP21Instance& instance);
    static CP21Attributes StyledItem(const CP21Instance& instance, std::size_t& styles,
                                     std::size_t& item);
    // The style of that entity that the styled item's style assignments hold,
    // or 0.
    long long StyleOf(long long styledItem, std::string_view entity) const;

    bool IsInvisible(long long id) const { return m_invisible.contains(id); }
    // The layer code of a styled item or, failing that, of its item; 0 when
    // no layer holds either.
    int Layer(long long styledItem, long long item) const;
    // Colour, line-type and width codes of a CURVE_STYLE.
    SxfStyleCodes CurveCodes(long long curveStyle) const;
    int Colour(long long colour) const { return Code(m_colours, colour); }
    int TextFont(long long font) const { return Code(m_textFonts, font); }

private:
    static int Code(const std::unordered_map<long long, int>& codes, long long id);
    double Width(const CP21Attributes& curveStyle) const;
    // Hands the table feature to the tables; answers the code it got, 0
    // when it was left out.
    int Take(CSfcStatement statement, int kind);
    void TakeInstance(const CP21Instance& instance);
    void TakeWidth(long long id, double width);
    bool TakeNamed(const CP21Instance& instance);

    const CP21Model& m_model;
    CSfcTables m_tables;
    std::vector<CSfcStatement> m_statements;
    std::unordered_map<long long, long long> m_styledItems;
    std::unordered_set<long long> m_invisible;
    std::unordered_map<long long, int> m_layers;
    std::unordered_map<long long, int> m_colours;
    std::unordered_map<long long, int> m_lineTypes;
    std::map<double, int> m_widths;
    std::unordered_map<long long, int> m_textFonts;
};
