#include "plugins/dxf/CDxfTablesReader.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfStyleTables.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/DxfColor.h"
#include "plugins/dxf/DxfFieldTable.h"
#include "plugins/dxf/DxfNumber.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr int VerticalStyleFlag = 4;

// The file name of an SHX or TrueType font without folder and extension.
CString FontFileStem(const CString& file) {
    std::string_view name = file.view();
    const auto dot = name.find('.');
    return CString(name.substr(0, dot));
}

// The groups each entry keeps as they are; the others are read by hand.
constexpr DxfField<CDxfLayer> LayerFields[] = {
    {2, &CDxfLayer::name},
    {370, &CDxfLayer::lineWeight},
};
constexpr DxfField<CDxfLineType> LineTypeFields[] = {
    {2, &CDxfLineType::name},
};
constexpr DxfField<CDxfTextStyle> TextStyleFields[] = {
    {2, &CDxfTextStyle::name},
    {41, &CDxfTextStyle::widthFactor},
    {50, &CDxfTextStyle::obliqueAngle},
};
constexpr DxfField<CDxfDimStyle> DimStyleFields[] = {
    {2, &CDxfDimStyle::name},
    {140, &CDxfDimStyle::textHeight},
    {41, &CDxfDimStyle::arrowSize},
    {40, &CDxfDimStyle::overallScale},
    {341, DxfRawText<CDxfDimStyle>{&CDxfDimStyle::leaderArrowBlock}},
};
constexpr DxfField<CDxfBlockRecord> BlockRecordFields[] = {
    {2, &CDxfBlockRecord::name},
    {5, DxfRawText<CDxfBlockRecord>{&CDxfBlockRecord::handle}},
};

} // namespace

void CDxfTablesReader::Read() {
    struct Table {
        std::string_view name;
        void (CDxfTablesReader::*read)();
    };
    static constexpr Table Tables[] = {
        {"LAYER", &CDxfTablesReader::ReadLayer},
        {"LTYPE", &CDxfTablesReader::ReadLineType},
        {"STYLE", &CDxfTablesReader::ReadTextStyle},
        {"DIMSTYLE", &CDxfTablesReader::ReadDimStyle},
        {"BLOCK_RECORD", &CDxfTablesReader::ReadBlockRecord},
    };
    CDxfGroup group;
    while (m_file.ReadGroup(group)) {
        if (group.code != 0) {
            continue;
        }
        if (group.value == "ENDSEC") {
            return;
        }
        if (group.value == "SECTION" || group.value == "EOF") {
            // The section lost its end: what follows belongs to the caller.
            m_file.UngetGroup();
            return;
        }
        const auto table = std::ranges::find(Tables, group.value, &Table::name);
        if (table != std::end(Tables)) {
            (this->*table->read)();
        }
    }
}

template <typename Take> void CDxfTablesReader::ReadEntry(Take take) {
    CDxfGroup group;
    while (m_file.ReadGroup(group)) {
        if (group.code == 0) {
            m_file.UngetGroup();
            return;
        }
        take(group);
    }
}

void CDxfTablesReader::ReadLayer() {
    CDxfLayer layer;
    ReadEntry([&](const CDxfGroup& group) {
        if (TakeField<CDxfLayer>(LayerFields, group, m_decoder, layer)) {
            return;
        }
        if (group.code == 6) {
            layer.lineType = m_lineTypes.GetLineTypeNo(m_decoder.Decode(group.value).view());
        } else if (group.code == 62) {
            layer.color = AciToColor(DxfToInt(group.value), &layer.visible);
        }
    });
    if (!layer.name.IsEmpty()) {
        m_layers.Add(std::move(layer));
    }
}

void CDxfTablesReader::ReadLineType() {
    CDxfLineType lineType;
    std::size_t announced = 0;
    ReadEntry([&](const CDxfGroup& group) {
        if (TakeField<CDxfLineType>(LineTypeFields, group, m_decoder, lineType)) {
            return;
        }
        if (group.code == 73) {
            announced = static_cast<std::size_t>(std::max(0, DxfToInt(group.value)));
        } else if (group.code == 49 && lineType.elements.size() < announced) {
            // Only lengths announced before them are kept; the count is never
            // taken on trust beyond the lengths that follow.
            lineType.elements.push_back(DxfToDouble(group.value));
        }
    });
    if (!lineType.name.IsEmpty()) {
        lineType.number = m_lineTypes.GetLineTypeNo(lineType.name.view());
        m_lineTypes.Add(std::move(lineType));
    }
}

void CDxfTablesReader::ReadTextStyle() {
    CDxfTextStyle style;
    ReadEntry([&](const CDxfGroup& group) {
        if (TakeField<CDxfTextStyle>(TextStyleFields, group, m_decoder, style)) {
            return;
        }
        if (group.code == 3) {
            style.fontFile = FontFileStem(m_decoder.Decode(group.value));
        } else if (group.code == 70) {
            style.vertical = (DxfToInt(group.value) & VerticalStyleFlag) != 0 ? 1 : 0;
        }
    });
    if (!style.name.IsEmpty()) {
        m_styles.Add(std::move(style));
    }
}

void CDxfTablesReader::ReadDimStyle() {
    CDxfDimStyle style;
    ReadEntry([&](const CDxfGroup& group) {
        if (!TakeField<CDxfDimStyle>(DimStyleFields, group, m_decoder, style) &&
            group.code == 176) {
            style.lineColor = AciToColor(DxfToInt(group.value));
        }
    });
    if (!style.name.IsEmpty()) {
        m_styles.Add(std::move(style));
    }
}

void CDxfTablesReader::ReadBlockRecord() {
    CDxfBlockRecord record;
    ReadEntry([&](const CDxfGroup& group) {
        TakeField<CDxfBlockRecord>(BlockRecordFields, group, m_decoder, record);
    });
    if (!record.name.IsEmpty()) {
        m_styles.Add(std::move(record));
    }
}
