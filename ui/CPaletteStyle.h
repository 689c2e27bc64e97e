#pragma once
// The redline palette's style: the kind the next gesture draws and every
// attribute of it, what the "REDDLG" profile keys keep of it, and how it is
// read back from a markup. The view fills it when it opens the palette; the
// palette's pages edit it, and the view's document takes it as its current
// markup attributes.
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <array>

class CDrawDefaults;
class CRukEntity;

struct CPaletteStyle {
    // The two pages of the palette.
    enum Page { kTextPage = 0, kShapePage = 1 };
    // The style groups of the shape page.
    enum Group {
        kGroupNone = -1,
        kGroupOpenLine = 0,
        kGroupClosed = 1,
        kGroupNote = 2,
        kGroupImage = 3,
        kGroupCutOut = 4
    };
    // Redline kinds with a rule of their own.
    static constexpr int kNoKind = -1;
    static constexpr int kBalloon = 4;
    static constexpr int kNote = 5;
    static constexpr int kImage = 13;
    static constexpr int kCutOut = 14;
    // A paint colour that takes the view's background.
    static constexpr COLORREF kBackground = static_cast<COLORREF>(-2);
    static constexpr double kMaxPenWidth = 2.11;
    static constexpr int kArrowNone = 3;

    int m_kind = 0;
    CString m_layerName;
    COLORREF m_penColor = 0xFF0000;
    COLORREF m_paintColor = 0xFF0000;
    COLORREF m_notePaintColor = 0xFF0000;
    COLORREF m_notePenColor = 0xFF0000;
    COLORREF m_hatchColor = 0xFF0000;
    CString m_text;
    // Millimetres.
    double m_penWidth = 0.0;
    // Multiples of the drawing unit; presets large, standard, small.
    double m_textSize = 0.0;
    std::array<double, 3> m_textPresets{};
    double m_arrowSize = 0.0;
    std::array<double, 3> m_arrowPresets{};
    CString m_tooltip;
    // 0 no frame, 1 frame, 2 filled, 3 see-through.
    int m_noteFrameType = 2;
    // 0..9, the entries of the shape page's type list.
    int m_paintType = 0;
    // 0 none, 1 circle, 2 rectangle.
    int m_boxFrame = 0;
    int m_tipAtCentre = 1;
    int m_lineFlag = 1;
    int m_noteLineFlag = 0;
    int m_imageLineFlag = 0;
    int m_hatchTransparency = 0;
    CString m_faceName;

    CPaletteStyle();

    static int PageOfKind(int kind);
    static int GroupOfKind(int kind);
    // The markup kind code of a redline kind, and back; 0 and -1 for none.
    static int CodeOfKind(int kind);
    static int KindOfCode(int code);
    // Whether the palette shows a style for the markup: a markup of a
    // redline kind.
    static bool HasStyle(const CRukEntity* object);
    // The page a markup's style is shown on.
    static int PageOfCode(int code);

    // The size presets: the drawing's height in units over the settings'
    // text and arrow sizes, to three decimals.
    void ComputePresets(double extentRatio, const CDrawDefaults& settings);
    // 0..2 for a preset index in the profile; any other value the standard one.
    static int PresetIndex(int stored);
    // The preset entry equal to the size; -1 for none (for the arrow, 3
    // "なし" for 0).
    int TextSizeEntry() const;
    int ArrowSizeEntry() const;

    // ---- Profile keys.
    // What opening the palette for a tool reads: the keys both pages share
    // and the sizes.
    void ReadOpeningKeys(const CDrawDefaults& settings);
    // The keys of a page as opening the palette for a tool reads them.
    void ReadToolPageKeys(int page, const CDrawDefaults& settings);
    // The keys of a page as a change of tab reads them; the kind only when
    // asked.
    void ReadPageKeys(int page, bool readKind, const CDrawDefaults& settings);
    void SaveTextPageKeys() const;
    void SaveShapePageKeys() const;
    void SavePageKeys(int page) const;

    // ---- The markups.
    // The markup's style into the palette; its kind when it has one.
    void LoadFromObject(const CRukEntity& markup, UINT unit);
    // The fill type and see-through flag a paint type gives a markup.
    static void FillOfPaintType(int paintType, int hatchTransparency, int* fillType,
                                int* transparent);
    // The markup line width of a pen width in millimetres.
    static int PenWidthUnits(double penWidth);
    // The line type of a sticky note of the frame type.
    int NoteLineType() const;
};

// Texts kept on one profile line: each line break stands as "¶".
namespace PilcrowText {
CString Encode(const CString& text);
CString Decode(const CString& text);
} // namespace PilcrowText
