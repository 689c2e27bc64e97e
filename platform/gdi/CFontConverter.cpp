#include "platform/gdi/CFontConverter.h"

#include "platform/gdi/FontSubstitutions.h"
#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <mutex>

namespace {

// Qt takes weights 1 to 1000 on the scale GDI uses.
constexpr LONG kMaxWeight = 1000;
// GDI's default height of 0 is a readable size of the device; larger than
// GDI's coordinate space nothing is drawn sensibly.
constexpr LONG kDefaultHeight = 12;
constexpr LONG kMaxHeight = 32767;

} // namespace

std::string_view CFontConverter::FaceName(const LOGFONT& logFont) {
    const char* begin = logFont.lfFaceName;
    const char* end = std::find(begin, begin + sizeof logFont.lfFaceName, '\0');
    return std::string_view(begin, static_cast<std::size_t>(end - begin));
}

bool CFontConverter::IsVertical(const LOGFONT& logFont) {
    return FaceName(logFont).starts_with('@');
}

QFont CFontConverter::ToQFont(const LOGFONT& logFont) {
    static std::once_flag substitutions;
    std::call_once(substitutions, InstallFontSubstitutions);
    std::string_view face = FaceName(logFont);
    if (face.starts_with('@'))
        face.remove_prefix(1);
    QFont font;
    if (!face.empty())
        font.setFamily(Cp932::ToQString(face));
    const LONG height = logFont.lfHeight == std::numeric_limits<LONG>::min()
                            ? std::numeric_limits<LONG>::max()
                            : std::abs(logFont.lfHeight);
    font.setPixelSize(std::clamp<LONG>(height == 0 ? kDefaultHeight : height, 1, kMaxHeight));
    if (logFont.lfWeight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::min(logFont.lfWeight, kMaxWeight)));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    if (logFont.lfQuality != ANTIALIASED_QUALITY && logFont.lfQuality != CLEARTYPE_QUALITY)
        font.setStyleStrategy(QFont::NoAntialias);
    if ((logFont.lfPitchAndFamily & 3) == FIXED_PITCH)
        font.setFixedPitch(true);
    return font;
}
