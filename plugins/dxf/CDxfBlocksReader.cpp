#include "plugins/dxf/CDxfBlocksReader.h"

#include "plugins/dxf/CDxfBlockList.h"
#include "plugins/dxf/CDxfEntityReader.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfProgress.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/DxfNumber.h"

#include <memory>

void CDxfBlocksReader::Read() {
    CDxfGroup group;
    while (m_progress.Poll(m_file.GetPosition()) && m_file.ReadGroup(group)) {
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
        if (group.value != "BLOCK") {
            continue;
        }
        auto block = std::make_unique<CPorStream>();
        DPOINT base{0.0, 0.0};
        ReadHeader(*block, base);
        const bool goOn = ReadEntities(*block, base);
        if (block->IsBlock() && (block->ByteCount() != 0 || !block->PendingInserts().empty())) {
            m_blocks.Add(std::move(block));
        }
        if (!goOn) {
            return;
        }
    }
}

void CDxfBlocksReader::ReadHeader(CPorStream& block, DPOINT& base) {
    CDxfGroup group;
    while (m_file.ReadGroup(group)) {
        switch (group.code) {
        case 0:
            m_file.UngetGroup();
            return;
        case 2:
            if (!block.IsBlock()) {
                block.SetName(m_decoder.Decode(group.value));
            }
            break;
        case 10:
            base.x = DxfToDouble(group.value);
            break;
        case 20:
            base.y = DxfToDouble(group.value);
            break;
        default:
            break;
        }
    }
}

bool CDxfBlocksReader::ReadEntities(CPorStream& block, const DPOINT& base) {
    CDxfGroup group;
    while (m_file.ReadGroup(group)) {
        if (!m_progress.Poll(m_file.GetPosition())) {
            return false;
        }
        if (group.code != 0) {
            continue;
        }
        if (group.value == "ENDBLK") {
            return true;
        }
        if (group.value == "BLOCK" || group.value == "ENDSEC" || group.value == "EOF") {
            // The block lost its end.
            m_file.UngetGroup();
            return true;
        }
        m_entities.Read(group.value, m_file, block, base);
    }
    return true;
}
