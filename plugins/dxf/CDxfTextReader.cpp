#include "plugins/dxf/CDxfTextReader.h"

#include "plugins/dxf/CDxfEntityGroups.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfStyleTables.h"
#include "plugins/dxf/CDxfText.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/CDxfTextEmitter.h"
#include "plugins/dxf/CDxfToleranceEmitter.h"
#include "plugins/dxf/DxfFieldTable.h"
#include "plugins/dxf/DxfGeometry.h"
#include "plugins/dxf/DxfNumber.h"

#include <algorithm>
#include <string>

namespace {

// "ＭＳ Ｐゴシック": the face of the style named STANDARD.
const CString StandardFace("\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");

constexpr int UpsideDownAndBackwards = 6;
constexpr int Backwards = 2;
constexpr int AlignedHorizontally = 3;
constexpr int FitHorizontally = 5;

struct Alignment {
    int vertical;
    int horizontal;
};

// MTEXT attachment points 1..9: top, middle, bottom rows, left to right.
constexpr Alignment Attachments[] = {
    {3, 0}, {3, 1}, {3, 2}, {2, 0}, {2, 1}, {2, 2}, {1, 0}, {1, 1}, {1, 2},
};

// The groups of TEXT and MTEXT kept as they are; position, layer, colour and
// handle go to the entity's common groups, the others are read by hand.
constexpr DxfField<CDxfText> TextFields[] = {
    {41, &CDxfText::widthFactor},     {50, &CDxfText::rotation},      {51, &CDxfText::obliqueAngle},
    {72, &CDxfText::horizontalAlign}, {73, &CDxfText::verticalAlign},
};
constexpr DxfField<CDxfText> MTextFields[] = {
    {44, &CDxfText::lineSpacing},
    {73, &CDxfText::lineSpacingStyle},
};
// The common groups MTEXT reads; its others are ignored. Its rotation (50)
// counts only where no direction (11/21) is given.
constexpr int MTextCommonCodes[] = {5, 6, 8, 10, 11, 20, 21, 40, 50, 62};
// The common groups TOLERANCE reads.
constexpr int ToleranceCommonCodes[] = {5, 6, 8, 10, 11, 20, 21, 48, 62};

DPOINT Relative(const DPOINT& point, double z, const DxfVector& extrusion, const DPOINT& base) {
    const DxfVector world = OcsToWcs({point.x, point.y, z}, extrusion);
    return {world.x - base.x, world.y - base.y};
}

} // namespace

void CDxfTextReader::ApplyStyle(std::string_view name, CDxfText& text) const {
    const CDxfTextStyle* style = m_tables.FindTextStyle(name);
    if (!style) {
        return;
    }
    text.face = name == "STANDARD" ? StandardFace : style->fontFile;
    if (text.obliqueAngle == 0.0) {
        text.obliqueAngle = style->obliqueAngle;
    }
    if (text.widthFactor == 1.0) {
        text.widthFactor = style->widthFactor;
    }
    if (text.vertical == 0) {
        text.vertical = style->vertical;
    }
}

void CDxfTextReader::Text(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    CDxfText text;
    std::string raw;
    int generation = 0;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (TakeField<CDxfText>(TextFields, group, m_decoder, text)) {
            continue;
        }
        if (group.code == 1) {
            raw = group.value;
        } else if (group.code == 7) {
            ApplyStyle(m_decoder.Decode(group.value).view(), text);
        } else if (group.code == 71) {
            generation = DxfToInt(group.value);
            if (generation == UpsideDownAndBackwards) {
                text.rotation += 180.0;
                if (text.rotation >= 360.0) {
                    text.rotation -= 360.0;
                }
            }
        } else {
            groups.Take(group, m_decoder);
        }
    }
    if (generation == Backwards && text.widthFactor < 0) {
        text.widthFactor = -text.widthFactor;
    }
    const int h = text.horizontalAlign;
    const bool second =
        text.verticalAlign != 0 || (h != 0 && h != AlignedHorizontally && h != FitHorizontally);
    const DPOINT at = Relative(groups.points[second ? 1 : 0], groups.z, groups.extrusion, base);
    text.x = at.x;
    text.y = at.y;
    Emit(text, groups, raw, target);
}

void CDxfTextReader::MText(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    CDxfText text;
    ApplyStyle("STANDARD", text);
    std::string raw;
    bool hasDirection = false;
    int attachment = 0;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (TakeField<CDxfText>(MTextFields, group, m_decoder, text)) {
            continue;
        }
        if (group.code == 1 || group.code == 3) {
            // Chunks of a long text, in file order; decoded whole, as a
            // chunk may end inside a character.
            raw += group.value;
        } else if (group.code == 7) {
            ApplyStyle(m_decoder.Decode(group.value).view(), text);
        } else if (group.code == 71) {
            attachment = DxfToInt(group.value);
        } else if (std::ranges::find(MTextCommonCodes, group.code) != std::end(MTextCommonCodes)) {
            hasDirection = hasDirection || group.code == 21;
            groups.Take(group, m_decoder);
        }
    }
    text.rotation =
        hasDirection ? DirectionDegrees(groups.points[1].x, groups.points[1].y) : groups.angle50;
    if (attachment >= 1 && attachment <= 9) {
        const Alignment& alignment = Attachments[static_cast<std::size_t>(attachment - 1)];
        text.verticalAlign = alignment.vertical;
        text.horizontalAlign = alignment.horizontal;
    }
    text.x = groups.points[0].x - base.x;
    text.y = groups.points[0].y - base.y;
    Emit(text, groups, raw, target);
}

void CDxfTextReader::Emit(CDxfText& text, const CDxfEntityGroups& groups, const std::string& raw,
                          CPorStream& target) const {
    text.height = groups.real40;
    text.color = m_style.Color(groups);
    text.layer = groups.layer;
    text.id = groups.handle;
    text.text = m_decoder.DecodeText(raw);
    m_emitter.WriteText(text, target);
}

void CDxfTextReader::Tolerance(CDxfFile& file, CPorStream& target, const DPOINT& base) {
    CDxfEntityGroups groups;
    CDxfTolerance tolerance;
    std::string raw;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        if (group.code == 0) {
            file.UngetGroup();
            break;
        }
        if (group.code == 1) {
            raw = group.value;
        } else if (group.code == 3) {
            tolerance.dimStyle = m_decoder.Decode(group.value);
        } else if (std::ranges::find(ToleranceCommonCodes, group.code) !=
                   std::end(ToleranceCommonCodes)) {
            groups.Take(group, m_decoder);
        }
    }
    // Inside a BLOCK the frames are placed from the block's base like any
    // other entity.
    tolerance.insertion = {groups.points[0].x - base.x, groups.points[0].y - base.y};
    tolerance.rotation = DirectionDegrees(groups.points[1].x, groups.points[1].y);
    tolerance.text = m_decoder.DecodeText(raw);
    tolerance.pen = m_style.Pen(groups);
    tolerance.tag = {groups.handle, groups.layer};
    m_tolerances.WriteTolerance(tolerance, target);
}
