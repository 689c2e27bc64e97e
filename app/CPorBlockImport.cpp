#include "app/CPorBlockImport.h"

#include "app/CStatusProgress.h"
#include "app/CZumeoDoc.h"
#include "entities/CLineType.h"
#include "entities/CRukLayer.h"
#include "platform/win/GlobalMemory.h"
#include "por/PorBlockReader.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>

namespace {

// CP932 "解析中・・・".
constexpr const char* kParsing = "\x89\xF0\x90\xCD\x92\x86\x81\x45\x81\x45\x81\x45";

// Line-type dashes are stored in ten-thousandths.
constexpr double kDashUnit = 0.0001;
constexpr double kHeaderFactorUnit = 0.001;
constexpr int kProgressSteps = 100;
// Given back in steps, as each costs a call into the system.
constexpr std::size_t kDiscardStep = std::size_t{4} << 20;

} // namespace

CPorBlockImport::CPorBlockImport(std::span<const BYTE> block) : m_block(block) {
    PorBlockReader reader(block);
    while (const auto record = reader.Next()) {
        // As the import, a later header counts instead of an earlier one.
        if (record->Type() == PorHeader::Type)
            m_leftOut = static_cast<std::size_t>(std::max(*record->Get(PorHeader::LeftOut), 0));
    }
    m_stop = reader.StopReason();
}

void CPorBlockImport::Run(CZumeoDoc& document, Mode mode, const CDrawDefaults& settings,
                          QStatusBar* statusBar, HGLOBAL spentBlock) const {
    if (Refused())
        return;
    // Global blocks stay below 2 GB: the length fits the bar's int range.
    const std::size_t length = m_block.size();
    const std::size_t step = length / kProgressSteps;
    std::size_t nextMark = 0;
    std::size_t discarded = 0;
    CStatusProgress progress(statusBar);
    progress.ShowInPane(0, kParsing, static_cast<int>(length));
    PorBlockReader reader(m_block);
    while (const auto next = reader.Next()) {
        const PorRecord& record = *next;
        const auto position = static_cast<std::size_t>(record.Bytes().data() - m_block.data());
        if (progress.GetSafeHwnd() && position > nextMark) {
            nextMark += step;
            SendMessage(progress.GetSafeHwnd(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
        }
        // A record never looks back at the ones before it.
        if (spentBlock && position >= discarded + kDiscardStep) {
            GlobalDiscardHead(spentBlock, position);
            discarded = position;
        }
        switch (record.Type()) {
        case PorHeader::Type:
            if (mode == Mode::Import)
                TakeHeader(document, record);
            break;
        case PorLayer::Type:
            if (mode == Mode::Import)
                TakeLayer(document, record);
            else
                TakeMergeLayer(document, record, settings);
            break;
        case PorLineTypeScale::Type:
            if (mode == Mode::Import)
                TakeLineTypeScale(document, record);
            break;
        case PorLineType::Type:
            TakeLineType(document, record);
            break;
        default:
            document.CreateEntityFromRecord(record, settings.m_dxfPenWidth);
            break;
        }
    }
    progress.SetPaneText(0, "");
    progress.DestroyWindow();
}

void CPorBlockImport::TakeHeader(CZumeoDoc& document, const PorRecord& record) {
    // The reader yields a header only with its whole fixed part.
    document.m_unit = static_cast<UINT>(*record.Get(PorHeader::Scale));
    document.m_paperSize =
        SIZE{*record.Get(PorHeader::SheetWidth), *record.Get(PorHeader::SheetHeight)};
    document.m_paperOrigin =
        POINT{*record.Get(PorHeader::OriginX), *record.Get(PorHeader::OriginY)};
    document.m_headerLeftOut = *record.Get(PorHeader::LeftOut);
    document.m_headerReserved2 = *record.Get(PorHeader::Reserved2);
    document.m_headerFactor = *record.Get(PorHeader::Factor) * kHeaderFactorUnit;
    document.m_headerWord = *record.Get(PorHeader::HeaderWord);
}

void CPorBlockImport::TakeLayer(CZumeoDoc& document, const PorRecord& record) {
    if (!record.HasFixedPart())
        return;
    auto* layer = new CRukLayer;
    // A name that does not lie inside the record is read as empty.
    layer->m_name = record.Get(PorLayer::Name);
    layer->m_visible = *record.Get(PorLayer::Visible);
    document.m_drawingLayers.AddTail(layer);
}

void CPorBlockImport::TakeMergeLayer(CZumeoDoc& document, const PorRecord& record,
                                     const CDrawDefaults& settings) {
    if (settings.m_insertLayerFlag == 0)
        document.m_importLayerName.Empty();
    else if (settings.m_insertLayerFlag == 1 && !settings.m_insertLayerName.IsEmpty())
        document.m_importLayerName = settings.m_insertLayerName;
    else if (document.m_importLayerName.IsEmpty() && record.HasFixedPart())
        document.m_importLayerName = record.Get(PorLayer::Name);
}

void CPorBlockImport::TakeLineTypeScale(CZumeoDoc& document, const PorRecord& record) {
    if (!record.HasFixedPart())
        return;
    // The header refuses a zero unit.
    document.m_scale = static_cast<double>(*record.Get(PorLineTypeScale::Scale)) /
                       static_cast<double>(document.m_unit);
    document.m_scaleMode = *record.Get(PorLineTypeScale::Measurement);
}

void CPorBlockImport::TakeLineType(CZumeoDoc& document, const PorRecord& record) {
    const auto id = record.Get(PorLineType::LineTypeId);
    // A count of more dashes than the record holds gives nothing.
    const auto dashes = record.Get(PorLineType::Dashes);
    if (!id || !dashes || dashes->empty())
        return;
    auto* lineType = new CLineType;
    lineType->m_id = *id;
    for (LONG dash : *dashes)
        lineType->m_dashes.push_back(dash * kDashUnit);
    document.m_lineTypes.AddTail(lineType);
}
