#include "platform/gdi/CTextLayout.h"

#include "platform/gdi/CTextMetrics.h"
#include "platform/mfc/Cp932.h"

CTextLayout::CTextLayout(std::string_view text, const QFont& font, const Placement& placement,
                         const CTextMetrics& metrics, const QPaintDevice* device)
    : m_font(font), m_ascent(metrics.Ascent(font, device)),
      m_descent(metrics.Descent(font, device)) {
    struct Character {
        QString text;
        double x;
        double advance;
        bool fullWidth;
    };
    std::vector<Character> characters;
    for (std::size_t i = 0; i < text.size();) {
        const auto length = static_cast<std::size_t>(Cp932::CharLength(text, i));
        const QString character = Cp932::ToQString(text.substr(i, length));
        const double advance = metrics.Advance(font, character, device);
        characters.push_back({character, m_width, advance, length == 2});
        m_width += advance + placement.extra;
        i += length;
    }
    if ((placement.align & TA_CENTER) == TA_CENTER)
        m_left = -m_width / 2;
    else if (placement.align & TA_RIGHT)
        m_left = -m_width;
    const UINT vertical = placement.align & TA_BASELINE;
    if (vertical == TA_TOP)
        m_baseline = m_ascent;
    else if (vertical == TA_BOTTOM)
        m_baseline = -m_descent;
    m_line.translate(placement.origin.x(), placement.origin.y());
    m_line.rotate(placement.rotation);
    for (const Character& character : characters) {
        QTransform glyph = m_line;
        glyph.translate(m_left + character.x, m_baseline);
        if (placement.vertical && character.fullWidth) {
            const QPointF centre(character.advance / 2, (m_descent - m_ascent) / 2);
            glyph.translate(centre.x(), centre.y());
            glyph.rotate(-90);
            glyph.translate(-centre.x(), -centre.y());
        }
        m_glyphs.push_back({character.text, glyph});
    }
}

QPolygonF CTextLayout::Cell() const {
    return m_line.map(QPolygonF(QRectF(m_left, m_baseline - m_ascent, m_width, Height())));
}

QPainterPath CTextLayout::Outline() const {
    QPainterPath outline;
    for (const Glyph& glyph : m_glyphs) {
        QPainterPath character;
        character.addText(QPointF(0, 0), m_font, glyph.text);
        outline.addPath(glyph.transform.map(character));
    }
    return outline;
}
