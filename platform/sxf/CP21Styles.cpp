#include "platform/sxf/CP21Styles.h"

#include "platform/sxf/CP21Statement.h"
#include "platform/sxf/CSfcParameters.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

namespace {

// The styled items of a drawing: presented geometry, texts, symbols, fills
// and the curves of dimensions.
constexpr std::string_view StyledEntities[] = {"STYLED_ITEM",
                                               "ANNOTATION_OCCURRENCE",
                                               "ANNOTATION_CURVE_OCCURRENCE",
                                               "ANNOTATION_TEXT_OCCURRENCE",
                                               "ANNOTATION_SYMBOL_OCCURRENCE",
                                               "ANNOTATION_FILL_AREA_OCCURRENCE",
                                               "DRAUGHTING_ANNOTATION_OCCURRENCE",
                                               "DIMENSION_CURVE",
                                               "PROJECTION_CURVE",
                                               "LEADER_CURVE",
                                               "TERMINATOR_SYMBOL",
                                               "DIMENSION_CURVE_TERMINATOR",
                                               "LEADER_TERMINATOR"};

constexpr std::string_view SubfigureLayer = "$$SXF_dummy_layer_for_subfigure";

int ColourPart(const CP21Attributes& colour, std::size_t index) {
    return static_cast<int>(std::lround(std::clamp(colour.Real(index), 0.0, 1.0) * 255));
}

} // namespace

CP21Styles::CP21Styles(const CP21Model& model) : m_model(model) {
    for (const CP21Instance& instance : model.Instances()) {
        if (CP21Model::Is(instance, "INVISIBILITY")) {
            for (long long id : CP21Model::Attributes(instance, "INVISIBILITY").RefList(0)) {
                m_invisible.insert(id);
            }
        } else if (IsStyledItem(instance)) {
            std::size_t styles = 0;
            std::size_t item = 0;
            const CP21Attributes attributes = StyledItem(instance, styles, item);
            if (attributes.At(item).kind == CP21Value::Reference) {
                m_styledItems.emplace(attributes.Ref(item), instance.id);
            }
        }
    }
    for (const CP21Instance& instance : model.Instances()) {
        try {
            TakeInstance(instance);
        } catch (const CSfcError&) {
            // A table entry that cannot be read is left out; what refers to
            // it gets code 0.
        }
    }
}

int CP21Styles::Take(CSfcStatement statement, int kind) {
    const std::size_t before = m_tables.Entries(kind).size();
    try {
        m_tables.Take(statement);
    } catch (const CSfcError&) {
        return 0;
    }
    m_statements.push_back(std::move(statement));
    const auto& entries = m_tables.Entries(kind);
    return entries.size() > before ? entries.back().code : 0;
}

void CP21Styles::TakeInstance(const CP21Instance& instance) {
    const long long id = instance.id;
    if (TakeNamed(instance)) {
        return;
    }
    if (const CP21Record* record = CP21Model::Find(instance, "PRESENTATION_LAYER_ASSIGNMENT")) {
        const CP21Attributes layer(instance, *record);
        // The writer gathers sub-figure placements on a layer of its own
        // that the drawing does not have: they stand on no layer.
        if (layer.Text(0) == SubfigureLayer) {
            return;
        }
        const int code = Take(CP21Statement(id, "layer_feature")
                                  .Text(layer.Text(0))
                                  .Int(IsInvisible(id) ? 0 : 1)
                                  .Take(),
                              SxfTableLayer);
        for (long long item : layer.RefList(2)) {
            m_layers.emplace(item, code);
        }
    } else if (CP21Model::Is(instance, "COLOUR_RGB")) {
        const CP21Attributes colour = CP21Model::Attributes(instance, "COLOUR_RGB");
        m_colours[id] = Take(CP21Statement(id, "user_defined_colour_feature")
                                 .Int(ColourPart(colour, 1))
                                 .Int(ColourPart(colour, 2))
                                 .Int(ColourPart(colour, 3))
                                 .Take(),
                             SxfTableUserColour);
    } else if (CP21Model::Is(instance, "CURVE_STYLE_FONT")) {
        const CP21Attributes font = CP21Model::Attributes(instance, "CURVE_STYLE_FONT");
        std::vector<double> pitches;
        for (long long pattern : font.RefList(1)) {
            const CP21Attributes lengths = m_model.Attributes(pattern, "CURVE_STYLE_FONT_PATTERN");
            pitches.push_back(lengths.Real(0));
            pitches.push_back(lengths.Real(1));
        }
        m_lineTypes[id] = Take(CP21Statement(id, "user_defined_font_feature")
                                   .Text(font.Text(0))
                                   .Int(static_cast<long long>(pitches.size()))
                                   .Numbers(pitches)
                                   .Take(),
                               SxfTableUserLineType);
    } else if (CP21Model::Is(instance, "CURVE_STYLE")) {
        TakeWidth(id, Width(CP21Model::Attributes(instance, "CURVE_STYLE")));
    } else if (CP21Model::Is(instance, "LENGTH_MEASURE_WITH_UNIT")) {
        // The widths curve styles share, in the order the table has them.
        const CP21Attributes measure = CP21Model::Attributes(instance, "LENGTH_MEASURE_WITH_UNIT");
        if (measure.At(0).kind == CP21Value::Typed &&
            measure.At(0).text == "POSITIVE_LENGTH_MEASURE") {
            TakeWidth(id, measure.Real(0));
        }
    }
}

void CP21Styles::TakeWidth(long long id, double width) {
    if (!m_widths.contains(width)) {
        m_widths[width] =
            Take(CP21Statement(id, "width_feature").Number(width).Take(), SxfTableLineWidth);
    }
}

bool CP21Styles::TakeNamed(const CP21Instance& instance) {
    // Table entries known by the name they carry first.
    struct Named {
        std::string_view entity;
        const char* feature;
        int kind;
        std::unordered_map<long long, int> CP21Styles::*codes;
    };
    static const Named Entries[] = {
        {"DRAUGHTING_PRE_DEFINED_COLOUR", "pre_defined_colour_feature", SxfTablePreColour,
         &CP21Styles::m_colours},
        {"DRAUGHTING_PRE_DEFINED_CURVE_FONT", "pre_defined_font_feature", SxfTablePreLineType,
         &CP21Styles::m_lineTypes},
        {"DRAUGHTING_PRE_DEFINED_TEXT_FONT", "text_font_feature", SxfTableTextFont,
         &CP21Styles::m_textFonts},
        {"EXTERNALLY_DEFINED_TEXT_FONT", "text_font_feature", SxfTableTextFont,
         &CP21Styles::m_textFonts},
    };
    for (const Named& named : Entries) {
        if (const CP21Record* record = CP21Model::Find(instance, named.entity)) {
            const CP21Attributes entry(instance, *record);
            (this->*named.codes)[instance.id] = Take(
                CP21Statement(instance.id, named.feature).Text(entry.Text(0)).Take(), named.kind);
            return true;
        }
    }
    return false;
}

// A width written as a measure, or as an instance that holds one.
double CP21Styles::Width(const CP21Attributes& curveStyle) const {
    if (curveStyle.At(2).kind == CP21Value::Reference) {
        const CP21Instance& measure = m_model.At(curveStyle.Ref(2));
        return CP21Attributes(measure, measure.records[0]).Real(0);
    }
    return curveStyle.Real(2);
}

bool CP21Styles::IsStyledItem(const CP21Instance& instance) {
    return std::any_of(instance.records.begin(), instance.records.end(),
                       [](const CP21Record& record) {
                           return std::find(std::begin(StyledEntities), std::end(StyledEntities),
                                            record.name) != std::end(StyledEntities);
                       });
}

CP21Attributes CP21Styles::StyledItem(const CP21Instance& instance, std::size_t& styles,
                                      std::size_t& item) {
    // A complex instance keeps the styles and the item in its STYLED_ITEM
    // part; a simple one has the name before them.
    if (instance.records.size() > 1) {
        styles = 0;
        item = 1;
        return CP21Model::Attributes(instance, "STYLED_ITEM");
    }
    if (!IsStyledItem(instance)) {
        throw CSfcError("#" + std::to_string(instance.id) + " presents nothing");
    }
    styles = 1;
    item = 2;
    return CP21Attributes(instance, instance.records[0]);
}

long long CP21Styles::StyledItemOf(long long item) const {
    const auto found = m_styledItems.find(item);
    return found == m_styledItems.end() ? 0 : found->second;
}

long long CP21Styles::StyleOf(long long styledItem, std::string_view entity) const {
    std::size_t styles = 0;
    std::size_t item = 0;
    const CP21Attributes attributes = StyledItem(m_model.At(styledItem), styles, item);
    // A style given by value, such as NULL_STYLE(.NULL.), styles nothing.
    for (const CP21Value& assignment : attributes.List(styles)) {
        if (assignment.kind != CP21Value::Reference) {
            continue;
        }
        const CP21Instance& psa = m_model.At(assignment.id);
        for (const CP21Value& style : CP21Attributes(psa, psa.records[0]).List(0)) {
            if (style.kind == CP21Value::Reference && CP21Model::Is(m_model.At(style.id), entity)) {
                return style.id;
            }
        }
    }
    return 0;
}

int CP21Styles::Layer(long long styledItem, long long item) const {
    const int code = Code(m_layers, styledItem);
    return code ? code : Code(m_layers, item);
}

SxfStyleCodes CP21Styles::CurveCodes(long long curveStyle) const {
    if (!curveStyle) {
        return {};
    }
    const CP21Attributes style = m_model.Attributes(curveStyle, "CURVE_STYLE");
    const auto width = m_widths.find(Width(style));
    return {0, style.At(3).kind == CP21Value::Reference ? Colour(style.Ref(3)) : 0,
            style.At(1).kind == CP21Value::Reference ? Code(m_lineTypes, style.Ref(1)) : 0,
            width == m_widths.end() ? 0 : width->second};
}

int CP21Styles::Code(const std::unordered_map<long long, int>& codes, long long id) {
    const auto found = codes.find(id);
    return found == codes.end() ? 0 : found->second;
}
