#include "plugins/sxf/CSxfText.h"

#include "platform/mfc/Cp932.h"
#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int VerticalDirection = 2;
constexpr std::size_t TextAt = 160;
constexpr std::size_t MaxTextBytes = SxfShortNameSize - 1;
constexpr double MinSpacing = 0.01;
constexpr LONG NormalWidth = 1000;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// The CP932 bytes of one UTF-16 code; empty when CP932 has no such
// character (or for code 0, which would end the text).
std::string Cp932Of(char16_t code) {
    if (code == 0) {
        return {};
    }
    const std::string bytes = Cp932::FromUtf16(std::u16string(1, code));
    return bytes == "?" && code != u'?' ? std::string() : bytes;
}

// Tenths of a degree, rounded half away from zero, brought into 0..3599.
LONG TenthsOfDegree(double angle) {
    const double tenths = std::fmod(std::round(angle * 10), 3600.0);
    if (std::isnan(tenths)) {
        return 0;
    }
    return static_cast<LONG>(tenths < 0 ? tenths + 3600 : tenths);
}

} // namespace

CSxfText::CSxfText(int id, const CSxfReader* owner, const SxfTextData& data)
    : CSxfFeature(id, owner, {data.layer, data.colour, 0, 0}), m_block(data.block) {
    const std::string resolved =
        ResolveUnicodeEscapes(std::string_view(m_block.text, strnlen(m_block.text, MaxTextBytes)));
    const std::size_t length = std::min(resolved.size(), MaxTextBytes);
    std::memcpy(m_block.text, resolved.data(), length);
    m_block.text[length] = '\0';
    ComputeBox();
}

std::string CSxfText::ResolveUnicodeEscapes(std::string_view text) {
    std::string result;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.substr(i, 3) == "\\U+" && i + 7 <= text.size()) {
            int code = 0;
            bool hex = true;
            for (std::size_t k = i + 3; k < i + 7 && hex; ++k) {
                const int digit = HexDigit(text[k]);
                hex = digit >= 0;
                code = code * 16 + digit;
            }
            if (hex) {
                result += Cp932Of(static_cast<char16_t>(code));
                i += 7;
                continue;
            }
        }
        // Whole characters, so a second byte 0x5C never starts an escape.
        const auto length = static_cast<std::size_t>(Cp932::CharLength(text, i));
        result.append(text.substr(i, length));
        i += length;
    }
    return result;
}

void CSxfText::ComputeBox() {
    const SxfTextBlock& b = m_block;
    const int column = (b.anchor - 1) % 3;
    const int row = (b.anchor - 1) / 3;
    // Codes outside 1..9 fall back to the lower left corner.
    const bool known = b.anchor >= 1 && b.anchor <= 9;
    const double x0 = b.x - (known ? column * 0.5 * b.width : 0);
    const double y0 = b.y - (known ? row * 0.5 * b.height : 0);
    const double xs[] = {x0, x0 + b.width, x0 + b.width, x0};
    const double ys[] = {y0, y0, y0 + b.height, y0 + b.height};
    const double t = b.angle * SxfRadiansPerDegree;
    const double c = std::cos(t);
    const double s = std::sin(t);
    for (std::size_t i = 0; i < 4; ++i) {
        const double dx = xs[i] - b.x;
        const double dy = ys[i] - b.y;
        m_cornersX[i] = b.x + dx * c - dy * s;
        m_cornersY[i] = b.y + dy * c + dx * s;
    }
}

std::unique_ptr<CSxfObject> CSxfText::Clone() const {
    return std::make_unique<CSxfText>(*this);
}

void CSxfText::Transform(const CSxfSfigLocate& placement) {
    placement.TurnPoint(m_block.x, m_block.y);
    placement.TurnAngle(m_block.angle);
    placement.ScalePair(m_block.x, m_block.y);
    placement.ScalePair(m_block.width, m_block.height);
    placement.ScalePair(m_block.spacing);
    placement.Translate(m_block.x, m_block.y);
    for (std::size_t i = 0; i < 4; ++i) {
        placement.PlacePoint(m_cornersX[i], m_cornersY[i]);
    }
}

int CSxfText::WritePOR(PorBlockWriter& stream) const {
    const int scale = UnitScale();
    const std::string text(m_block.text, strnlen(m_block.text, MaxTextBytes));
    std::string face = GetOwner() ? GetOwner()->FontName(m_block.font).str() : std::string();
    double height = m_block.height;
    double width = m_block.width;
    double angle = m_block.angle;
    std::size_t reference = 0;
    // Vertical writing: the vertical face, the box turned a quarter, and the
    // text starting at the box's top left.
    if (m_block.direction == VerticalDirection) {
        if (!face.starts_with('@')) {
            face.insert(face.begin(), '@');
        }
        std::swap(height, width);
        angle -= 90;
        reference = 3;
    }

    // The width factor, from the width the string is given and the width of
    // its characters at the height (a single-byte character is half wide).
    const auto bytes = static_cast<double>(text.size());
    const auto chars = static_cast<double>(Cp932::CharCount(text));
    const double doubles = bytes - chars;
    const double singles = bytes - 2 * doubles;
    const double gaps = chars >= 2 ? chars - 1 : 0;
    const double units = 0.5 * singles + doubles;
    double factor = units * height == 0 ? 1.0 : (width - gaps * m_block.spacing) / (units * height);
    LONG factorWord = NormalWidth;
    if (factor < 0) {
        factor = 1.0;
    } else if ((factor > 0 && factor < 0.3) || factor > 1.3) {
        factorWord = SxfToPor(factor, 1000);
    }

    const POINT at = SxfToPor(m_cornersX[reference], m_cornersY[reference], scale);
    const double rate = GetOwner() ? GetOwner()->TextRate() : CSxfSettings().textRate;
    PorRecordBuilder record(PorText::Type);
    record.Set(PorText::First, at);
    record.Set(PorText::Second, at);
    record.Set(PorText::Angle, TenthsOfDegree(angle));
    record.Set(PorText::VerticalAlign, 1);
    record.Set(PorText::TextKind, PorText::TextKindValue);
    record.Set(PorText::TextLengthPlus88, static_cast<LONG>(text.size()) + 88);
    record.Set(PorText::Height, SxfToPor(scale * rate * height, 1));
    record.Set(PorText::Color, GetOwner() ? GetOwner()->Colour(GetColour()) : COLORREF{0});
    record.Set(PorText::Slant, SxfToPor(m_block.slant, 1000));
    record.Set(PorText::WidthFactor, factorWord);
    record.Set(PorText::Text, CString(text));
    record.Set(PorText::Layer, LayerName());
    record.Set(PorText::FaceName, CString(face));
    record.PadTo(SxfPadded(record.Size()));

    if (m_block.spacing <= MinSpacing) {
        stream.Append(record);
        return 1;
    }
    // One record per character, each moved on by the width of the characters
    // before it and the spacing.
    std::vector<BYTE> bytesOut(record.Bytes().begin(), record.Bytes().end());
    const double t = angle * SxfRadiansPerDegree;
    const double stepX = factor * height * std::cos(t);
    const double stepY = factor * height * std::sin(t);
    const double spaceX = m_block.spacing * std::cos(t);
    const double spaceY = m_block.spacing * std::sin(t);
    LONG x = at.x;
    LONG y = at.y;
    for (std::size_t i = 0; i < text.size();) {
        const auto length = static_cast<std::size_t>(Cp932::CharLength(text, i));
        BYTE* word = bytesOut.data();
        std::memcpy(word + TextAt, text.data() + i, length);
        word[TextAt + length] = 0;
        // The record holds this one character: its own length.
        StorePorWord(word + PorWordSize * PorText::Text.word, static_cast<LONG>(length));
        StorePorWord(word + PorWordSize * PorText::TextLengthPlus88.word,
                     static_cast<LONG>(length) + 88);
        StorePorWord(word + PorWordSize * PorText::First.word, x);
        StorePorWord(word + PorWordSize * (PorText::First.word + 1), y);
        StorePorWord(word + PorWordSize * PorText::Second.word, x);
        StorePorWord(word + PorWordSize * (PorText::Second.word + 1), y);
        stream.Append(bytesOut);
        const double f = length == 2 ? 1.0 : 0.5;
        x += SxfToPor(f * stepX + spaceX, scale);
        y += SxfToPor(f * stepY + spaceY, scale);
        i += length;
    }
    return 1;
}
