#pragma once
// Where each character of a line of CP932 text goes on the device: the
// characters follow one another by their advances plus the character
// extra, the line is placed on its reference point by the text alignment
// and turned about it. A vertical face turns every full-width (two-byte)
// character back by a quarter turn within its cell, so that the line run
// downwards shows them upright, as the "@" faces write.

#include "platform/gdi/GdiDefs.h"

#include <QFont>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <string_view>
#include <vector>

class CTextMetrics;
class QPaintDevice;

class CTextLayout {
public:
    struct Placement {
        QPointF origin;      // the reference point, device pixels
        double rotation = 0; // degrees, clockwise on the device
        double extra = 0;    // added to every character's advance
        bool vertical = false;
        UINT align = TA_LEFT | TA_TOP;
    };
    // One character, drawn with its baseline start at (0, 0) under the transform.
    struct Glyph {
        QString text;
        QTransform transform;
    };

    // font: sized in device pixels; device: what the font is measured on
    // (null for the screen).
    CTextLayout(std::string_view text, const QFont& font, const Placement& placement,
                const CTextMetrics& metrics, const QPaintDevice* device);

    const QFont& Font() const { return m_font; }
    const std::vector<Glyph>& Glyphs() const { return m_glyphs; }
    // The sum of the advances and extras, and the cell height.
    double Width() const { return m_width; }
    double Height() const { return m_ascent + m_descent; }
    // The line's background box, turned with the line.
    QPolygonF Cell() const;
    // The characters' outlines as closed figures.
    QPainterPath Outline() const;

private:
    QFont m_font;
    std::vector<Glyph> m_glyphs;
    QTransform m_line;
    double m_width = 0;
    double m_ascent = 0;
    double m_descent = 0;
    double m_left = 0;
    double m_baseline = 0;
};
