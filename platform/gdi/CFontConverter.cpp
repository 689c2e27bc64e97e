#include "platform/gdi/CFontConverter.h"

#include "platform/gdi/FontSubstitutions.h"
#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
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

namespace {

// Compared byte for byte: the structure has no padding.
static_assert(sizeof(LOGFONT) == 5 * sizeof(LONG) + 8 + sizeof(LOGFONT::lfFaceName));

// The last fonts converted: a drawing's texts share a few fonts, and making
// a QFont costs more than finding it here.
class RecentFonts {
public:
    const QFont* Find(const LOGFONT& logFont) const {
        for (const Entry& entry : m_entries)
            if (entry.used && std::memcmp(&entry.key, &logFont, sizeof logFont) == 0)
                return &entry.font;
        return nullptr;
    }
    void Add(const LOGFONT& logFont, const QFont& font) {
        Entry& entry = m_entries[m_next];
        entry = Entry{logFont, font, true};
        m_next = (m_next + 1) % m_entries.size();
    }

private:
    struct Entry {
        LOGFONT key{};
        QFont font;
        bool used = false;
    };
    std::array<Entry, 16> m_entries;
    std::size_t m_next = 0;
};

} // namespace

QFont CFontConverter::ToQFont(const LOGFONT& logFont) {
    static thread_local RecentFonts recent;
    if (const QFont* font = recent.Find(logFont))
        return *font;
    QFont font = Convert(logFont);
    recent.Add(logFont, font);
    return font;
}

QFont CFontConverter::Convert(const LOGFONT& logFont) {
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
