#include "plugins/dxf/CDxfTablesReader.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfStyleTables.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/DxfColor.h"
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
        switch (group.code) {
        case 2:
            layer.name = m_decoder.Decode(group.value);
            break;
        case 6:
            layer.lineType = m_lineTypes.GetLineTypeNo(m_decoder.Decode(group.value).view());
            break;
        case 62:
            layer.color = AciToColor(DxfToInt(group.value), &layer.visible);
            break;
        case 370:
            layer.lineWeight = DxfToInt(group.value);
            break;
        default:
            break;
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
        switch (group.code) {
        case 2:
            lineType.name = m_decoder.Decode(group.value);
            break;
        case 73:
            announced = static_cast<std::size_t>(std::max(0, DxfToInt(group.value)));
            break;
        case 49:
            // Only lengths announced before them are kept; the count is never
            // taken on trust beyond the lengths that follow.
            if (lineType.elements.size() < announced) {
                lineType.elements.push_back(DxfToDouble(group.value));
            }
            break;
        default:
            break;
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
        switch (group.code) {
        case 2:
            style.name = m_decoder.Decode(group.value);
            break;
        case 3:
            style.fontFile = FontFileStem(m_decoder.Decode(group.value));
            break;
        case 41:
            style.widthFactor = DxfToDouble(group.value);
            break;
        case 50:
            style.obliqueAngle = DxfToDouble(group.value);
            break;
        case 70:
            style.vertical = (DxfToInt(group.value) & VerticalStyleFlag) != 0 ? 1 : 0;
            break;
        default:
            break;
        }
    });
    if (!style.name.IsEmpty()) {
        m_styles.Add(std::move(style));
    }
}

void CDxfTablesReader::ReadDimStyle() {
    CDxfDimStyle style;
    ReadEntry([&](const CDxfGroup& group) {
        switch (group.code) {
        case 2:
            style.name = m_decoder.Decode(group.value);
            break;
        case 140:
            style.textHeight = DxfToDouble(group.value);
            break;
        case 41:
            style.arrowSize = DxfToDouble(group.value);
            break;
        case 40:
            style.overallScale = DxfToDouble(group.value);
            break;
        case 176:
            style.lineColor = AciToColor(DxfToInt(group.value));
            break;
        case 341:
            style.leaderArrowBlock = CString(group.value);
            break;
        default:
            break;
        }
    });
    if (!style.name.IsEmpty()) {
        m_styles.Add(std::move(style));
    }
}

void CDxfTablesReader::ReadBlockRecord() {
    CDxfBlockRecord record;
    ReadEntry([&](const CDxfGroup& group) {
        if (group.code == 2) {
            record.name = m_decoder.Decode(group.value);
        } else if (group.code == 5) {
            record.handle = CString(group.value);
        }
    });
    if (!record.name.IsEmpty()) {
        m_styles.Add(std::move(record));
    }
}
