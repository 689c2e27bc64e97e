#include "plugins/sxf/CSxfReader.h"

#include "platform/sxf/SxfData.h"
#include "platform/win/PathFunctions.h"
#include "platform/win/PlatformWindow.h"
#include "plugins/sxf/CSxfCompositeCurve.h"
#include "plugins/sxf/CSxfLayer.h"
#include "plugins/sxf/CSxfLibraryCalls.h"
#include "plugins/sxf/CSxfLibraryReader.h"
#include "plugins/sxf/CSxfLineWidth.h"
#include "plugins/sxf/CSxfPreColour.h"
#include "plugins/sxf/CSxfPreLineType.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/CSxfSfigOrg.h"
#include "plugins/sxf/CSxfSheet.h"
#include "plugins/sxf/CSxfTextFont.h"
#include "plugins/sxf/CSxfUserColour.h"
#include "plugins/sxf/CSxfUserLineType.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorBlockWriter.h"
#include "por/PorCount.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace {

constexpr LONG SolidLineType = 1;

// A name from a fixed buffer of the library, never read past the buffer.
CString NameOf(const char* buffer, std::size_t size) {
    return CString(buffer, static_cast<int>(strnlen(buffer, size)));
}

template <typename T> T* FindCode(const std::vector<std::unique_ptr<T>>& list, int code) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [code](const auto& entry) { return entry->GetId() == code; });
    return found == list.end() ? nullptr : found->get();
}

} // namespace

CSxfReader::CSxfReader(HWND progress, const CSxfSettings& settings, std::size_t copyBudget)
    : m_progress(progress), m_settings(settings), m_copyBudget(copyBudget) {}

CSxfReader::~CSxfReader() = default;

HGLOBAL CSxfReader::MakePORData(const CString& path) {
    int read = 0;
    if (HasExtension(path, ".sfc")) {
        read = ReadSfc(path);
    } else if (HasExtension(path, ".p21")) {
        read = ReadP21(path);
    }
    // Without a sheet there is no drawing and no sheet size for the header.
    if (!read || !m_sheet) {
        return nullptr;
    }
    return WriteBlock();
}

int CSxfReader::ReadSfc(const CString& path) {
    return Read(path, CSxfLibraryCalls::Sfc());
}

int CSxfReader::ReadP21(const CString& path) {
    return Read(path, CSxfLibraryCalls::P21());
}

int CSxfReader::Read(const CString& path, const CSxfLibraryCalls& calls) {
    return CSxfLibraryReader(*this, calls).Read(path);
}

std::size_t CSxfReader::LeftOut() const {
    return m_unread + m_cutByExpansion + m_pictures.LeftOut();
}

HGLOBAL CSxfReader::WriteBlock() {
    // The pictures are placed while the drawing is written: the header, which
    // counts those left out, goes before the drawing afterwards.
    PorBlockWriter stream;
    for (const auto& layer : m_layers) {
        layer->WritePOR(stream);
    }
    m_lineTypes.WritePOR(stream, m_settings.dashPichRate);
    for (const auto& object : m_output) {
        object->WriteWithPictures(stream, m_pictures);
    }
    stream.Append(PorRecordBuilder(PorEnd::Type));
    PorRecordBuilder header(PorHeader::Type);
    header.Set(PorHeader::Magic, PorHeader::MagicValue);
    header.Set(PorHeader::Version, HeaderVersion);
    header.Set(PorHeader::Scale, m_unitScale);
    header.Set(PorHeader::SheetWidth, SxfToPor(m_sheet->Data().width, m_unitScale));
    header.Set(PorHeader::SheetHeight, SxfToPor(m_sheet->Data().height, m_unitScale));
    header.Set(PorHeader::LeftOut, PorCount(LeftOut()));
    header.Set(PorHeader::Factor, 1000);
    stream.Prepend(header.Bytes());
    return stream.ToGlobalBlock();
}

CString CSxfReader::LayerName(int code) const {
    const CSxfLayer* layer = FindCode(m_layers, code);
    return layer ? layer->m_name : CString(DefaultLayerName);
}

CString CSxfReader::FontName(int code) const {
    const CSxfTextFont* font = FindCode(m_textFonts, code);
    return font ? font->m_name : CString();
}

double CSxfReader::LineWidth(int code) const {
    const CSxfLineWidth* width = FindCode(m_lineWidths, code);
    return width ? width->m_width : 0.0;
}

LONG CSxfReader::LineTypeId(int code) const {
    // Code 0, a feature that names no line type, draws solid like code 1.
    if (code == 0 || code == 1) {
        return SolidLineType;
    }
    return CSxfLineTypeTable::FirstPorId + code;
}

const CSxfSfigOrg* CSxfReader::FindSfigOrg(const char* name) const {
    const auto found = m_sfigOrgsByName.find(name);
    return found == m_sfigOrgsByName.end() ? nullptr : found->second;
}

const CSxfCompositeCurve* CSxfReader::FindCompositeCurve(int code) const {
    return FindCode(m_compositeCurves, code);
}

void CSxfReader::AddTableEntry(int kind, int code, const SxfTableEntry& entry) {
    switch (kind) {
    case SxfTableLayer: {
        auto layer = std::make_unique<CSxfLayer>();
        layer->SetId(code);
        layer->m_name = NameOf(entry.layer.name, sizeof entry.layer.name);
        layer->m_flag = entry.layer.shown;
        m_layers.push_back(std::move(layer));
        break;
    }
    case SxfTablePreColour: {
        auto colour = std::make_unique<CSxfPreColour>();
        colour->SetId(code);
        colour->m_name = NameOf(entry.named.name, sizeof entry.named.name);
        m_preColours.push_back(std::move(colour));
        break;
    }
    case SxfTableUserColour: {
        auto colour = std::make_unique<CSxfUserColour>();
        colour->SetId(code);
        colour->m_red = entry.userColour.red;
        colour->m_green = entry.userColour.green;
        colour->m_blue = entry.userColour.blue;
        m_colours.SetUserColour(code, colour->m_red, colour->m_green, colour->m_blue);
        m_userColours.push_back(std::move(colour));
        break;
    }
    case SxfTablePreLineType: {
        auto lineType = std::make_unique<CSxfPreLineType>();
        lineType->SetId(code);
        lineType->m_name = NameOf(entry.named.name, sizeof entry.named.name);
        m_lineTypes.SetPreDefined(lineType->m_name);
        m_preLineTypes.push_back(std::move(lineType));
        break;
    }
    case SxfTableUserLineType: {
        const SxfUserLineTypeEntry& source = entry.userLineType;
        auto lineType = std::make_unique<CSxfUserLineType>();
        lineType->SetId(code);
        lineType->m_name = NameOf(source.name, sizeof source.name);
        // The entry holds eight values whatever count it claims.
        lineType->m_count = std::clamp(source.count, 0, SxfUserLineTypeValues);
        std::copy_n(source.values, lineType->m_count, lineType->m_values.begin());
        m_lineTypes.SetUser(
            code, lineType->m_name,
            std::span(lineType->m_values).first(static_cast<std::size_t>(lineType->m_count)));
        m_userLineTypes.push_back(std::move(lineType));
        break;
    }
    case SxfTableLineWidth: {
        auto width = std::make_unique<CSxfLineWidth>();
        width->SetId(code);
        width->m_width = entry.lineWidth.width;
        m_lineWidths.push_back(std::move(width));
        break;
    }
    case SxfTableTextFont: {
        auto font = std::make_unique<CSxfTextFont>();
        font->SetId(code);
        font->m_name = NameOf(entry.named.name, sizeof entry.named.name);
        m_textFonts.push_back(std::move(font));
        break;
    }
    default:
        break;
    }
}

void CSxfReader::AddCompositeCurve(std::unique_ptr<CSxfCompositeCurve> curve) {
    m_compositeCurves.push_back(std::move(curve));
}

void CSxfReader::AddSfigOrg(std::unique_ptr<CSxfSfigOrg> definition) {
    const char* name = definition->Data().name;
    m_sfigOrgsByName.try_emplace(std::string(name, strnlen(name, sizeof definition->Data().name)),
                                 definition.get());
    m_sfigOrgs.push_back(std::move(definition));
}

void CSxfReader::SetSheet(std::unique_ptr<CSxfSheet> sheet) {
    m_sheet = std::move(sheet);
}

void CSxfReader::CopySheetToOutput() {
    if (!m_sheet) {
        return;
    }
    WPARAM copied = 0;
    CSxfSfigExpansion expansion(m_copyBudget);
    for (const auto& member : m_sheet->Members()) {
        const auto* placement = dynamic_cast<const CSxfSfigLocate*>(member.get());
        m_output.push_back(placement ? expansion.Expand(*placement) : member->Clone());
        SendMessage(m_progress, PBM_SETPOS, copied++, 0);
    }
    m_cutByExpansion = expansion.LeftOut();
}
