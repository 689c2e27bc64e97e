#pragma once
// A single line of text placed in the drawing (kind 128): the string with
// its face, character set, height, angle, alignment, style, slant, width
// factor, character spacing and fit width. Before layout x1 is the left
// edge and y2 the reference line, x2 - x1 the text's width and y1 - y2 its
// height (y grows upwards); the point list holds the laid-out box's four
// corners (top-left, bottom-left, bottom-right, top-right), turned, slanted
// and aligned. Slanted or stretched texts are drawn as glyph outlines.

#include "entities/CRukEntity.h"

#include <functional>

class CFont;

class CRukText : public CRukEntity {
    DECLARE_SERIAL(CRukText)

public:
    CRukText();

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    void Scale(double factor) override;
    void Offset(int dx, int dy) override;
    // Leaves the text unchanged when sy is 0: its height would vanish and
    // its width factor divide by zero.
    void ScaleAbout(int cx, int cy, double sx, double sy) override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                   double patternFactor, const CDrawDefaults* settings, const RECT& clip) override;
    void DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                   const CDrawDefaults* settings) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    void SetText(const CString& text) override { m_text = text; }
    CString GetText() const override { return m_text; }
    void SetTextHeight(int height) override { m_height = height; }
    int GetTextHeight() const override { return m_height; }
    void UpdateLayout() override;
    void GetTextExtent(CDC* dc, int originX, int originY, double scale, double textScale) override;
    void SetVertAlign(int align) override { m_vertAlign = align; }
    void SetHorzAlign(int align) override { m_horzAlign = align; }
    void SetAngle(int angle) override { m_angle = angle; }
    void SetFaceName(const CString& face) override { m_faceName = face; }
    CString GetFaceName() const override { return m_faceName; }
    void SetCharSet(int charSet) override { m_charSet = charSet; }
    int GetCharSet() const override { return m_charSet; }

    // "ＭＳ Ｐゴシック"
    static constexpr const char* kDefaultFace =
        "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

    // Shared: a drawing's texts use a few faces.
    CSharedString m_faceName = DefaultFace();
    // 128 (Shift-JIS) is passed on to fonts; any other value becomes 0.
    int m_charSet = 128;
    CString m_text;
    // Tenths of a degree, counter-clockwise.
    int m_angle = 0;
    // Drawing units.
    int m_height = 0;
    int m_bold = 0;
    int m_italic = 0;
    int m_underline = 0;
    // 0 baseline, 1 bottom, 2 middle, 3 top.
    int m_vertAlign = 0;
    // 0 left, 1 centre, 2 right, 3 and 5 as left, 4 middle both ways.
    int m_horzAlign = 0;
    // Degrees; positive leans the tops to the right.
    double m_slant = 0.0;
    double m_widthFactor = 1.0;
    // Extra space between characters, drawing units.
    int m_spacing = 0;
    // Extra width spread over the gaps, tenths of a full-width character.
    int m_fitWidth = 0;

protected:
    // The archived fields both bodies start with: the defining points,
    // layer, face and height (16 bits in older bodies).
    void LoadHead(CArchive& ar, bool wideHeight);
    // The one font rule of the texts and memos.
    void CreateTextFont(CFont* font, int height, int escapement, BYTE underline) const;
    // The share of the fit width each gap gets, in the DC's logical units,
    // measured with the DC's font.
    int FitShare(CDC* dc) const;

private:
    // Where and how large one output draws the text: drawing units to the
    // DC's units, the sign of y (-1 in a metafile), the font height and
    // escapement, the spacing in the DC's units and whether a text of that
    // size is drawn at all.
    struct Output {
        std::function<POINT(double x, double y)> toDevice;
        int sign;
        int fontHeight;
        int escapement;
        int spacing;
        bool visible;
        double textScale;
    };
    void DrawText(CDC* dc, const Output& output, const CDrawDefaults* settings);
    void DrawOutline(CDC* dc, const Output& output, const CDrawDefaults* settings);
    // The alignment-shifted axis-parallel frame of the two defining points.
    void DrawFrame(CDC* dc, POINT first, POINT second) const;
    static const CSharedString& DefaultFace();
};
