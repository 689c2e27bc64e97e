#include "ui/CPaletteStyle.h"

#include "entities/CRukEntity.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "platform/win/CNumberFormat.h"
#include "platform/win/CProfile.h"
#include "settings/CDrawDefaults.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kSection = "REDDLG";
constexpr char kAnyText[] = "任意文字列";
constexpr char kDefaultFace[] = "ＭＳ Ｐゴシック";
constexpr char kNoText[] = "";
constexpr const char* kDefaultPenWidth = "0.15";

// Redline kind and markup number, both ways.
struct KindCode {
    int kind;
    int number;
};
constexpr KindCode kKindCodes[] = {
    {0, 0x01}, {1, 0x02}, {2, 0x00},  {3, 0x03},  {4, 0x04},  {5, 0x05},  {6, 0x06},  {7, 0x07},
    {8, 0x08}, {9, 0x09}, {10, 0x0A}, {11, 0x0B}, {12, 0x13}, {13, 0x15}, {14, 0x14},
};

// Style group of each redline kind 0..14.
constexpr int kGroups[] = {
    CPaletteStyle::kGroupNone,     CPaletteStyle::kGroupNone,     CPaletteStyle::kGroupNone,
    CPaletteStyle::kGroupClosed,   CPaletteStyle::kGroupNone,     CPaletteStyle::kGroupNote,
    CPaletteStyle::kGroupClosed,   CPaletteStyle::kGroupOpenLine, CPaletteStyle::kGroupClosed,
    CPaletteStyle::kGroupClosed,   CPaletteStyle::kGroupClosed,   CPaletteStyle::kGroupOpenLine,
    CPaletteStyle::kGroupOpenLine, CPaletteStyle::kGroupImage,    CPaletteStyle::kGroupCutOut,
};

// ---- Readers of one key each.

using Reader = void (*)(CPaletteStyle&, const char* key, const CDrawDefaults&);
struct KeyRow {
    const char* key;
    Reader read;
};

template <int CPaletteStyle::*Field, int Default>
void ReadInt(CPaletteStyle& style, const char* key, const CDrawDefaults&) {
    style.*Field = static_cast<int>(CProfile::GetProfileInt(kSection, key, Default));
}

template <COLORREF CPaletteStyle::*Field, COLORREF Default>
void ReadColor(CPaletteStyle& style, const char* key, const CDrawDefaults&) {
    style.*Field = CProfile::GetProfileInt(kSection, key, static_cast<int>(Default));
}

template <COLORREF CPaletteStyle::*Field, COLORREF CDrawDefaults::*Default>
void ReadSettingsColor(CPaletteStyle& style, const char* key, const CDrawDefaults& settings) {
    style.*Field = CProfile::GetProfileInt(kSection, key, static_cast<int>(settings.*Default));
}

template <CString CPaletteStyle::*Field, CString CDrawDefaults::*Default>
void ReadSettingsText(CPaletteStyle& style, const char* key, const CDrawDefaults& settings) {
    style.*Field = CProfile::GetProfileString(kSection, key, (settings.*Default).c_str());
}

// UTF-8 default; with Convert, "¶" turns back into line breaks.
template <CString CPaletteStyle::*Field, const char* Default, bool Convert>
void ReadText(CPaletteStyle& style, const char* key, const CDrawDefaults&) {
    const CString text =
        CProfile::GetProfileString(kSection, key, CString::FromUtf8(Default).c_str());
    style.*Field = Convert ? PilcrowText::Decode(text) : text;
}

void ReadPenWidth(CPaletteStyle& style, const char* key, const CDrawDefaults&) {
    style.m_penWidth =
        CNumberFormat::Atof(CProfile::GetProfileString(kSection, key, kDefaultPenWidth).c_str());
}

void ReadTextPreset(CPaletteStyle& style, const char* key, const CDrawDefaults&) {
    style.m_textSize = style.m_textPresets[CPaletteStyle::PresetIndex(
        static_cast<int>(CProfile::GetProfileInt(kSection, key, 1)))];
}

void ReadArrowPreset(CPaletteStyle& style, const char* key, const CDrawDefaults&) {
    style.m_arrowSize = style.m_arrowPresets[CPaletteStyle::PresetIndex(
        static_cast<int>(CProfile::GetProfileInt(kSection, key, 1)))];
}

using S = CPaletteStyle;
using D = CDrawDefaults;

// Opening the palette for a tool: the keys both pages share, then the sizes.
constexpr KeyRow kOpeningKeys[] = {
    {"PAINTCOLOR3", ReadSettingsColor<&S::m_notePaintColor, &D::m_paint3Color>},
    {"PENCOLOR3", ReadSettingsColor<&S::m_notePenColor, &D::m_pen3Color>},
    {"PAINTTYPE", ReadInt<&S::m_paintType, 0>},
    {"TAGTYPE", ReadInt<&S::m_noteFrameType, 2>},
    {"PENSTYLE1", ReadInt<&S::m_lineFlag, 1>},
    {"PENSTYLE2", ReadInt<&S::m_noteLineFlag, 1>},
    {"PENSTYLE3", ReadInt<&S::m_imageLineFlag, 0>},
    {"TRANSPARENCY", ReadInt<&S::m_hatchTransparency, 0>},
    {"TEXTSIZE1", ReadTextPreset},
    {"ARROWSIZE1", ReadArrowPreset},
};

// Opening the palette for a tool: the keys of each page.
constexpr KeyRow kToolTextKeys[] = {
    {"PENWIDTH1", ReadPenWidth},
    {"LAYER1", ReadSettingsText<&S::m_layerName, &D::m_layer1Name>},
    {"PENCOLOR1", ReadSettingsColor<&S::m_penColor, &D::m_pen1Color>},
    {"TEXT1", ReadText<&S::m_text, kAnyText, false>},
    {"FONT1", ReadText<&S::m_faceName, kDefaultFace, false>},
    {"TOOLTIP1", ReadText<&S::m_tooltip, kNoText, true>},
    {"BOXFRAME", ReadInt<&S::m_boxFrame, 0>},
    {"TRANS", ReadInt<&S::m_tipAtCentre, 1>},
};
constexpr KeyRow kToolShapeKeys[] = {
    {"PENWIDTH2", ReadPenWidth},
    {"LAYER2", ReadSettingsText<&S::m_layerName, &D::m_layer2Name>},
    {"PENCOLOR2", ReadSettingsColor<&S::m_penColor, &D::m_pen2Color>},
    {"PAINTCOLOR2", ReadColor<&S::m_paintColor, 0xFF0000>},
    {"TEXT2", ReadText<&S::m_text, kAnyText, true>},
    {"FONT2", ReadText<&S::m_faceName, kDefaultFace, false>},
    {"TOOLTIP2", ReadText<&S::m_tooltip, kNoText, true>},
};

// A change of tab: the stored style of the page shown.
constexpr KeyRow kTabTextKeys[] = {
    {"LAYER1", ReadSettingsText<&S::m_layerName, &D::m_layer1Name>},
    {"PENCOLOR1", ReadColor<&S::m_penColor, 0xFF0000>},
    {"TEXT1", ReadText<&S::m_text, kAnyText, false>},
    {"TOOLTIP1", ReadText<&S::m_tooltip, kNoText, true>},
    {"PENWIDTH1", ReadPenWidth},
    {"TEXTSIZE1", ReadTextPreset},
    {"ARROWSIZE1", ReadArrowPreset},
    {"BOXFRAME", ReadInt<&S::m_boxFrame, 0>},
    {"TRANS", ReadInt<&S::m_tipAtCentre, 1>},
};
constexpr KeyRow kTabShapeKeys[] = {
    {"LAYER2", ReadSettingsText<&S::m_layerName, &D::m_layer2Name>},
    {"PENCOLOR2", ReadColor<&S::m_penColor, 0x0000FF>},
    {"PAINTCOLOR2", ReadColor<&S::m_paintColor, 0xFF0000>},
    {"HATCHCOLOR", ReadColor<&S::m_hatchColor, 0xFF0000>},
    {"TEXT2", ReadText<&S::m_text, kAnyText, true>},
    {"TOOLTIP2", ReadText<&S::m_tooltip, kNoText, true>},
    {"PENWIDTH2", ReadPenWidth},
    {"PENSTYLE1", ReadInt<&S::m_lineFlag, 1>},
    {"PENSTYLE2", ReadInt<&S::m_noteLineFlag, 0>},
    {"PENSTYLE3", ReadInt<&S::m_imageLineFlag, 0>},
};

template <std::size_t N>
void ReadKeys(CPaletteStyle& style, const KeyRow (&rows)[N], const CDrawDefaults& settings) {
    for (const KeyRow& row : rows)
        row.read(style, row.key, settings);
}

void WriteInt(const char* key, int value) {
    CProfile::WriteProfileInt(kSection, key, value);
}

void WriteColor(const char* key, COLORREF value) {
    CProfile::WriteProfileInt(kSection, key, static_cast<int>(value));
}

void WriteText(const char* key, const CString& value) {
    CProfile::WriteProfileString(kSection, key, value.c_str());
}

void WritePenWidth(const char* key, double value) {
    WriteText(key, CString(CNumberFormat::Fixed(value, 2)));
}

// The value formatted with the digits and read back.
double ThroughText(double value, int digits) {
    return CNumberFormat::Atof(CNumberFormat::Fixed(value, digits).c_str());
}

} // namespace

CPaletteStyle::CPaletteStyle()
    : m_text(CString::FromUtf8(kAnyText)), m_faceName(CString::FromUtf8(kDefaultFace)) {}

int CPaletteStyle::PageOfKind(int kind) {
    return kind == 0 || kind == 1 || kind == 2 || kind == kBalloon ? kTextPage : kShapePage;
}

int CPaletteStyle::GroupOfKind(int kind) {
    return kind >= 0 && kind < static_cast<int>(std::size(kGroups)) ? kGroups[kind] : kGroupNone;
}

int CPaletteStyle::CodeOfKind(int kind) {
    for (const KindCode& row : kKindCodes)
        if (row.kind == kind)
            return MarkupKind(row.number);
    return 0;
}

int CPaletteStyle::KindOfCode(int code) {
    for (const KindCode& row : kKindCodes)
        if (MarkupKind(row.number) == code)
            return row.kind;
    return kNoKind;
}

bool CPaletteStyle::HasStyle(const CRukEntity* object) {
    return object && KindOfCode(object->GetKind()) != kNoKind;
}

int CPaletteStyle::PageOfCode(int code) {
    return PageOfKind(KindOfCode(code));
}

void CPaletteStyle::ComputePresets(double extentRatio, const CDrawDefaults& settings) {
    for (std::size_t i = 0; i < 3; ++i) {
        m_textPresets[i] = RoundDecimal(extentRatio / settings.m_markupTextSize[i], 3);
        m_arrowPresets[i] = RoundDecimal(extentRatio / settings.m_markupArrowSize[i], 3);
    }
}

int CPaletteStyle::PresetIndex(int stored) {
    return stored == 0 || stored == 2 ? stored : 1;
}

int CPaletteStyle::TextSizeEntry() const {
    const auto found = std::find(m_textPresets.begin(), m_textPresets.end(), m_textSize);
    return found == m_textPresets.end() ? -1 : static_cast<int>(found - m_textPresets.begin());
}

int CPaletteStyle::ArrowSizeEntry() const {
    if (m_arrowSize == 0.0)
        return kArrowNone;
    const auto found = std::find(m_arrowPresets.begin(), m_arrowPresets.end(), m_arrowSize);
    return found == m_arrowPresets.end() ? -1 : static_cast<int>(found - m_arrowPresets.begin());
}

void CPaletteStyle::ReadOpeningKeys(const CDrawDefaults& settings) {
    ReadKeys(*this, kOpeningKeys, settings);
}

void CPaletteStyle::ReadToolPageKeys(int page, const CDrawDefaults& settings) {
    if (page == kTextPage)
        ReadKeys(*this, kToolTextKeys, settings);
    else
        ReadKeys(*this, kToolShapeKeys, settings);
}

void CPaletteStyle::ReadPageKeys(int page, bool readKind, const CDrawDefaults& settings) {
    if (page == kTextPage) {
        if (readKind)
            m_kind = static_cast<int>(CProfile::GetProfileInt(kSection, "KIND1", 0));
        ReadKeys(*this, kTabTextKeys, settings);
    } else {
        if (readKind)
            m_kind = static_cast<int>(CProfile::GetProfileInt(kSection, "KIND2", 7));
        ReadKeys(*this, kTabShapeKeys, settings);
    }
}

void CPaletteStyle::SaveTextPageKeys() const {
    WriteInt("KIND1", m_kind);
    WriteText("LAYER1", m_layerName);
    WriteText("TEXT1", m_text);
    WriteText("FONT1", m_faceName);
    WriteColor("PENCOLOR1", m_penColor);
    WritePenWidth("PENWIDTH1", m_penWidth);
    if (TextSizeEntry() >= 0)
        WriteInt("TEXTSIZE1", TextSizeEntry());
    if (ArrowSizeEntry() >= 0)
        WriteInt("ARROWSIZE1", ArrowSizeEntry());
    WriteText("TOOLTIP1", PilcrowText::Encode(m_tooltip));
    WriteInt("BOXFRAME", m_boxFrame);
    WriteInt("TRANS", m_tipAtCentre);
}

void CPaletteStyle::SaveShapePageKeys() const {
    const int group = GroupOfKind(m_kind);
    if (group != kGroupCutOut)
        WriteInt("KIND2", m_kind);
    WriteText("LAYER2", m_layerName);
    WriteText("TEXT2", PilcrowText::Encode(m_text));
    WriteText("FONT2", m_faceName);
    if (group == kGroupNote) {
        WriteColor("PENCOLOR3", m_notePenColor);
        if (m_notePaintColor != kBackground)
            WriteColor("PAINTCOLOR3", m_notePaintColor);
        WriteInt("TAGTYPE", m_noteFrameType);
    } else if (group == kGroupImage) {
        WriteColor("PENCOLOR2", m_penColor);
    } else {
        WriteColor("PENCOLOR2", m_penColor);
        if (group == kGroupClosed) {
            if (m_paintColor != kBackground)
                WriteColor("PAINTCOLOR2", m_paintColor);
            WriteColor("HATCHCOLOR", m_hatchColor);
            WriteInt("TRANSPARENCY", m_hatchTransparency);
        }
        WriteInt("PAINTTYPE", m_paintType);
    }
    WritePenWidth("PENWIDTH2", m_penWidth);
    WriteInt("PENSTYLE1", m_lineFlag);
    WriteInt("PENSTYLE2", m_noteLineFlag);
    WriteInt("PENSTYLE3", m_imageLineFlag);
    WriteText("TOOLTIP2", PilcrowText::Encode(m_tooltip));
}

void CPaletteStyle::SavePageKeys(int page) const {
    if (page == kTextPage)
        SaveTextPageKeys();
    else
        SaveShapePageKeys();
}

void CPaletteStyle::FillOfPaintType(int paintType, int hatchTransparency, int* fillType,
                                    int* transparent) {
    switch (paintType) {
    case 0:
        *fillType = 0;
        *transparent = 1;
        break;
    case 1:
        *fillType = 3;
        *transparent = 0;
        break;
    case 2:
        *fillType = 99;
        *transparent = 0;
        break;
    case 3:
        *fillType = 1;
        *transparent = 0;
        break;
    default:
        *fillType = paintType;
        *transparent = hatchTransparency;
        break;
    }
}

// Rounded, so that a width such as 0.29 mm stays 29 and does not become 28.
int CPaletteStyle::PenWidthUnits(double penWidth) {
    return static_cast<int>(std::lround(penWidth * 100.0));
}

int CPaletteStyle::NoteLineType() const {
    if (m_noteFrameType == 2)
        return m_noteLineFlag;
    return m_noteFrameType == 1 ? 1 : 0;
}

void CPaletteStyle::LoadFromObject(const CRukEntity& markup, UINT unit) {
    const double units = unit == 0 ? 1000.0 : static_cast<double>(unit);
    m_layerName = markup.GetLayerName();
    m_text = markup.GetLabelText();
    m_faceName = markup.GetFaceName();
    m_textSize = ThroughText(markup.GetTextHeight() / units, 3);
    // An arrow within half a step of a preset is that preset.
    const double arrow = ThroughText(markup.GetArrowLength() / units, 3);
    const double large = m_arrowPresets[0], standard = m_arrowPresets[1], small = m_arrowPresets[2];
    const double h1 = (large - standard) / 2.0, h2 = (standard - small) / 2.0;
    if (arrow > small - h2 && arrow < small + h2)
        m_arrowSize = small;
    else if (arrow > standard - h2 && arrow < standard + h1)
        m_arrowSize = standard;
    else if (arrow > large - h1 && arrow < large + h1)
        m_arrowSize = large;
    else
        m_arrowSize = arrow;
    m_penWidth = ThroughText(markup.GetLineWidth() * 0.01, 2);
    const int code = markup.GetKind();
    if (code == CodeOfKind(kNote)) {
        m_notePenColor = markup.GetColor();
        m_notePaintColor = markup.GetFillColor();
        m_noteFrameType = markup.GetNoteFrameType();
        m_noteLineFlag = markup.GetLineType();
    } else {
        m_penColor = markup.GetColor();
        m_paintColor = markup.GetFillColor();
        m_hatchColor = markup.GetThirdColor();
        const int fill = markup.GetFillType();
        if (fill == 1)
            m_paintType = 3;
        else if (fill == 3)
            m_paintType = 1;
        else if (fill == 99)
            m_paintType = 2;
        else if (fill >= 4 && fill <= 9)
            m_paintType = fill;
        else if (fill == 0)
            m_paintType = 0;
        if (code == CodeOfKind(kImage))
            m_imageLineFlag = markup.GetLineType();
        else
            m_lineFlag = markup.GetLineType();
        m_hatchTransparency = markup.GetTransparent();
    }
    m_tooltip = markup.GetName();
    m_boxFrame = markup.GetLabelMode();
    m_tipAtCentre = markup.GetLeaderAttached();
    if (KindOfCode(code) != kNoKind)
        m_kind = KindOfCode(code);
}

namespace PilcrowText {

namespace {
const QString kPilcrow = QStringLiteral("¶");
} // namespace

CString Encode(const CString& text) {
    QString value = text.ToQString();
    value.replace(QStringLiteral("\r\n"), kPilcrow);
    value.replace(QLatin1Char('\n'), kPilcrow);
    value.replace(QLatin1Char('\r'), kPilcrow);
    return CString::FromQString(value);
}

CString Decode(const CString& text) {
    return CString::FromQString(text.ToQString().replace(kPilcrow, QStringLiteral("\r\n")));
}

} // namespace PilcrowText
