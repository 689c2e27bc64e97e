#include "plugins/dxf/CDxfTablesReader.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/DxfColor.h"
#include "plugins/dxf/DxfNumber.h"

#include <algorithm>

void CDxfTablesReader::Read() {
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
        if (group.value == "LAYER") {
            ReadLayer();
        } else if (group.value == "LTYPE") {
            ReadLineType();
        }
    }
}

void CDxfTablesReader::ReadLayer() {
    CDxfLayer layer;
    CDxfGroup group;
    while (m_file.ReadGroup(group)) {
        if (group.code == 0) {
            m_file.UngetGroup();
            break;
        }
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
    }
    if (!layer.name.IsEmpty()) {
        m_layers.Add(std::move(layer));
    }
}

void CDxfTablesReader::ReadLineType() {
    CDxfLineType lineType;
    std::size_t announced = 0;
    CDxfGroup group;
    while (m_file.ReadGroup(group)) {
        if (group.code == 0) {
            m_file.UngetGroup();
            break;
        }
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
    }
    if (!lineType.name.IsEmpty()) {
        lineType.number = m_lineTypes.GetLineTypeNo(lineType.name.view());
        m_lineTypes.Add(std::move(lineType));
    }
}
