#include "platform/gdi/CMetaFileDC.h"

#include "EmfTestFiles.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/EmfDefs.h"

#include <gtest/gtest.h>

#include <bit>

#include <functional>
#include <string>

namespace {

using namespace EmfTestFiles;
using Outlined = std::vector<std::pair<DWORD, DWORD>>;

// 1000 x 800 pixels at 96 dpi: 265 x 212 mm.
const CDeviceCaps kReference(1000, 800, 96, 96);

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

TEST(CMetaFileDCTest, TheHeaderDescribesTheWholeFile) {
    CRecordingDC reference(kReference);
    CMetaFileDC dc;
    const RECT frame{0, 0, 2000, 1500};
    ASSERT_TRUE(dc.CreateEnhanced(&reference, nullptr, &frame, "Ruk"));
    dc.Rectangle(10, 20, 30, 40);
    const Bytes file = Close(dc);

    EXPECT_EQ(Dword(file, 0), EMR_HEADER);
    EXPECT_EQ(Dword(file, 4), 120u); // 108 + "Ruk\0\0" padded to 12 bytes
    EXPECT_EQ(Slice(file, 8, 16), Words({10, 20, 29, 39}));
    EXPECT_EQ(Slice(file, 24, 16), Words({0, 0, 2000, 1500}));
    EXPECT_EQ(Dword(file, 40), 0x464D4520u);
    EXPECT_EQ(Dword(file, 44), 0x10000u);
    EXPECT_EQ(Dword(file, 48), file.size());
    EXPECT_EQ(Dword(file, 52), 3u); // header, rectangle, end of file
    EXPECT_EQ(Word(file, 56), 1u);
    EXPECT_EQ(Word(file, 58), 0u);
    EXPECT_EQ(Dword(file, 60), 5u);
    EXPECT_EQ(Dword(file, 64), 108u);
    EXPECT_EQ(Dword(file, 68), 0u);
    EXPECT_EQ(Slice(file, 72, 16), Words({1000, 800, 265, 212}));
    EXPECT_EQ(Slice(file, 88, 12), Words({0, 0, 0}));
    EXPECT_EQ(Slice(file, 100, 8), Words({264583, 211667}));
    EXPECT_EQ(Slice(file, 108, 12), (Bytes{'R', 0, 'u', 0, 'k', 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(file, 120, 24), Words({EMR_RECTANGLE, 24, 10, 20, 30, 40}));
}

TEST(CMetaFileDCTest, EndsWithTheEndOfFileRecord) {
    CMetaFileDC dc(kReference);
    dc.MoveTo(1, 1);
    const Bytes file = Close(dc);
    ASSERT_GE(file.size(), 20u);
    EXPECT_EQ(Slice(file, file.size() - 20, 20), Words({EMR_EOF, 20, 0, 16, 20}));
}

TEST(CMetaFileDCTest, WithoutFrameOrDrawingTheBoundsAreEmpty) {
    CMetaFileDC dc(kReference);
    const Bytes file = Close(dc);
    EXPECT_EQ(Dword(file, 4), 108u);
    EXPECT_EQ(Slice(file, 8, 32), Words({0, 0, -1, -1, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(file, 60, 8), Words({0, 0}));
    EXPECT_EQ(Dword(file, 52), 2u);
    EXPECT_EQ(file.size(), 128u);
}

TEST(CMetaFileDCTest, WithoutFrameTheFrameCoversTheBoundsInHundredthsOfAMillimetre) {
    CMetaFileDC dc(CDeviceCaps(1000, 1000, 254, 254)); // 100 mm: 10 pixels a millimetre
    dc.SelectStockObject(NULL_PEN);
    dc.Rectangle(100, 50, 201, 151);
    const Bytes file = Close(dc);
    EXPECT_EQ(Slice(file, 8, 32), Words({100, 50, 199, 149, 1000, 500, 1990, 1490}));
}

TEST(CMetaFileDCTest, BoundsAreDevicePixelsOfTheMappedDrawingWithinTheClip) {
    CMetaFileDC dc(kReference);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(10, -10);
    dc.SetViewportExt(20, 20);
    dc.SetViewportOrg(100, 100);
    dc.SetPixel(5, 5, RGB(0, 0, 0));   // device (110, 90)
    dc.SetPixel(-5, -5, RGB(0, 0, 0)); // device (90, 110)
    dc.IntersectClipRect(0, 0, 100, 100);
    dc.SetPixel(-20, -20, RGB(0, 0, 0)); // outside the clip
    const Bytes file = Close(dc);
    EXPECT_EQ(Slice(file, 8, 16), Words({90, 90, 110, 110}));
}

TEST(CMetaFileDCTest, ASmallDrawingRecordByRecord) {
    CMetaFileDC dc(kReference);
    CPen pen;
    pen.CreatePen(PS_DASH, 2, RGB(1, 2, 3));
    CPen* old = dc.SelectObject(&pen);
    dc.SetROP2(R2_XORPEN);
    dc.MoveTo(1, 2);
    dc.LineTo(-3, 4);
    dc.SelectObject(old);
    const Bytes file = Close(dc);

    const std::vector<Bytes> expected = {
        Words({EMR_CREATEPEN, 28, 1, PS_DASH, 2, 0, 0x030201}),
        Words({EMR_SELECTOBJECT, 12, 1}),
        Words({EMR_SETROP2, 12, R2_XORPEN}),
        Words({EMR_MOVETOEX, 16, 1, 2}),
        Words({EMR_LINETO, 16, -3, 4}),
        Words({EMR_SELECTOBJECT, 12, static_cast<LONG>(0x80000000u | BLACK_PEN)}),
        Words({EMR_DELETEOBJECT, 12, 1}),
        Words({EMR_EOF, 20, 0, 16, 20}),
    };
    EXPECT_EQ(Records(file), expected);
    EXPECT_EQ(Dword(file, 52), 9u);
    EXPECT_EQ(Word(file, 56), 2u);
}

TEST(CMetaFileDCTest, ADeletedHandleIsTheNextOneGivenOut) {
    CMetaFileDC dc(kReference);
    CBrush first;
    CBrush second;
    CPen pen;
    CPen other;
    first.CreateSolidBrush(RGB(255, 0, 0));
    second.CreateHatchBrush(HS_CROSS, RGB(0, 255, 0));
    pen.CreatePen(PS_SOLID, 0, RGB(0, 0, 255));
    other.CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
    dc.SelectObject(&first);
    dc.SelectObject(&pen);
    dc.SelectObject(&second);
    dc.SelectObject(&other);
    const Bytes file = Close(dc);

    EXPECT_EQ(Outline(file), (Outlined{{EMR_CREATEBRUSHINDIRECT, 1},
                                       {EMR_SELECTOBJECT, 1},
                                       {EMR_CREATEPEN, 2},
                                       {EMR_SELECTOBJECT, 2},
                                       {EMR_CREATEBRUSHINDIRECT, 3},
                                       {EMR_SELECTOBJECT, 3},
                                       {EMR_DELETEOBJECT, 1},
                                       {EMR_CREATEPEN, 1},
                                       {EMR_SELECTOBJECT, 1},
                                       {EMR_DELETEOBJECT, 2}}));
    EXPECT_EQ(Word(file, 56), 4u);
}

TEST(CMetaFileDCTest, AHandleInASavedStateLivesUntilTheStateIsRestored) {
    CMetaFileDC dc(kReference);
    CPen first;
    CPen second;
    first.CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
    second.CreatePen(PS_SOLID, 1, RGB(2, 2, 2));
    dc.SelectObject(&first);
    dc.SaveDC();
    dc.SaveDC();
    dc.SelectObject(&second);
    dc.RestoreDC(1);
    dc.SelectStockObject(WHITE_PEN);
    const Bytes file = Close(dc);

    EXPECT_EQ(Outline(file), (Outlined{{EMR_CREATEPEN, 1},
                                       {EMR_SELECTOBJECT, 1},
                                       {EMR_SAVEDC, 0},
                                       {EMR_SAVEDC, 0},
                                       {EMR_CREATEPEN, 2},
                                       {EMR_SELECTOBJECT, 2},
                                       {EMR_RESTOREDC, static_cast<DWORD>(-2)},
                                       {EMR_DELETEOBJECT, 2},
                                       {EMR_SELECTOBJECT, 0x80000000u | WHITE_PEN},
                                       {EMR_DELETEOBJECT, 1}}));
}

TEST(CMetaFileDCTest, ObjectRecordsCarryTheirDescriptions) {
    CMetaFileDC dc(kReference);
    CPen styled;
    const DWORD lengths[3] = {10, 5, 2};
    styled.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 7,
                        LOGBRUSH{BS_SOLID, RGB(0, 0, 255), 0}, 3, lengths);
    CBrush hatch;
    hatch.CreateHatchBrush(HS_DIAGCROSS, RGB(0, 255, 0));
    dc.SelectObject(&styled);
    dc.SelectObject(&hatch);
    const std::vector<Bytes> records = Records(Close(dc));

    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0], Words({EMR_EXTCREATEPEN, 64, 1, 0, 0, 0, 0, 0x10207, 7, BS_SOLID,
                                 0xFF0000, 0, 3, 10, 5, 2}));
    EXPECT_EQ(records[2],
              Words({EMR_CREATEBRUSHINDIRECT, 24, 2, BS_HATCHED, 0x00FF00, HS_DIAGCROSS}));
}

TEST(CMetaFileDCTest, ASelectedFontBecomesALogicalFont) {
    CMetaFileDC dc(kReference);
    QFont face("DejaVu Sans");
    face.setPixelSize(12);
    face.setBold(true);
    face.setItalic(true);
    face.setStyleStrategy(QFont::NoAntialias);
    CFont font;
    font.CreateFromQFont(face);
    dc.SelectObject(&font);
    const std::vector<Bytes> records = Records(Close(dc));

    ASSERT_EQ(records.size(), 3u);
    const Bytes& record = records[0];
    ASSERT_EQ(record.size(), 104u);
    EXPECT_EQ(Slice(record, 0, 32), Words({EMR_EXTCREATEFONTINDIRECTW, 104, 1, -12, 0, 0, 0, 700}));
    EXPECT_EQ(Slice(record, 32, 8), (Bytes{1, 0, 0, DEFAULT_CHARSET, 0, 0, 3, 0}));
    EXPECT_EQ(Word(record, 40), u'D');
    EXPECT_EQ(Word(record, 40 + 2 * 10), u's');
    EXPECT_EQ(Word(record, 40 + 2 * 11), 0u);
    EXPECT_EQ(Dword(records[1], 8), 1u);
}

TEST(CMetaFileDCTest, TextIsWrittenAsUtf16WithItsAdvances) {
    CMetaFileDC dc(kReference);
    dc.TextOut(5, -6,
               "\x95\x5C"
               "A",
               3); // "表A" in CP932
    const std::vector<Bytes> records = Records(Close(dc));

    ASSERT_EQ(records.size(), 2u);
    const Bytes& text = records[0];
    ASSERT_EQ(text.size(), 88u);
    EXPECT_EQ(Slice(text, 0, 8), Words({EMR_EXTTEXTOUTW, 88}));
    EXPECT_EQ(Dword(text, 24), GM_COMPATIBLE);
    EXPECT_EQ(Slice(text, 36, 40), Words({5, -6, 2, 76, 0, 0, 0, -1, -1, 80}));
    EXPECT_EQ(Word(text, 76), 0x8868u); // 表
    EXPECT_EQ(Word(text, 78), u'A');
    EXPECT_GT(static_cast<LONG>(Dword(text, 80)), 0);
    EXPECT_GT(static_cast<LONG>(Dword(text, 84)), 0);
    // The drawn text cell, in device pixels.
    EXPECT_LE(static_cast<LONG>(Dword(text, 8)), 5);
    EXPECT_GT(static_cast<LONG>(Dword(text, 16)), 5);
}

struct PointsCase {
    const char* name;
    std::function<BOOL(CDC&, const POINT*, int)> draw;
    std::vector<POINT> points;
    DWORD type;
    DWORD size;
};

std::ostream& operator<<(std::ostream& out, const PointsCase& c) {
    return out << c.name;
}

class PointRecords : public testing::TestWithParam<PointsCase> {};

TEST_P(PointRecords, TakeTheNarrowFormWhenEveryCoordinateFits) {
    const PointsCase& c = GetParam();
    CMetaFileDC dc(kReference);
    ASSERT_TRUE(c.draw(dc, c.points.data(), static_cast<int>(c.points.size())));
    const std::vector<Bytes> records = Records(Close(dc));

    ASSERT_EQ(records.size(), 2u);
    const Bytes& record = records[0];
    EXPECT_EQ(Dword(record, 0), c.type);
    EXPECT_EQ(Dword(record, 4), c.size);
    ASSERT_EQ(record.size(), c.size);
    LONG left = c.points[0].x, top = c.points[0].y, right = left, bottom = top;
    for (const POINT& p : c.points) {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    EXPECT_EQ(Slice(record, 8, 16), Words({left, top, right, bottom}));
    EXPECT_EQ(Dword(record, 24), c.points.size());
    const bool narrow = c.size == 28 + 4 * c.points.size();
    const POINT last = c.points.back();
    if (narrow) {
        EXPECT_EQ(static_cast<std::int16_t>(Word(record, c.size - 4)), last.x);
        EXPECT_EQ(static_cast<std::int16_t>(Word(record, c.size - 2)), last.y);
    } else {
        EXPECT_EQ(Slice(record, c.size - 8, 8), Words({last.x, last.y}));
    }
}

const auto kPolyline = [](CDC& dc, const POINT* p, int n) { return dc.Polyline(p, n); };
const auto kPolygon = [](CDC& dc, const POINT* p, int n) { return dc.Polygon(p, n); };
const auto kBezier = [](CDC& dc, const POINT* p, int n) { return dc.PolyBezier(p, n); };
// From the current position (0, 0), which the bounds take in.
const auto kPolylineTo = [](CDC& dc, const POINT* p, int n) { return dc.PolylineTo(p, n); };
const auto kBezierTo = [](CDC& dc, const POINT* p, int n) { return dc.PolyBezierTo(p, n); };

INSTANTIATE_TEST_SUITE_P(
    CMetaFileDCTest, PointRecords,
    testing::Values(
        PointsCase{"polyline", kPolyline, {{0, 0}, {10, -20}, {30, 5}}, EMR_POLYLINE16, 40},
        PointsCase{"polyline at the 16-bit limits",
                   kPolyline,
                   {{-32768, 32767}, {32767, -32768}},
                   EMR_POLYLINE16,
                   36},
        PointsCase{"polyline past them", kPolyline, {{0, 0}, {32768, 1}}, EMR_POLYLINE, 44},
        PointsCase{"polyline below them", kPolyline, {{0, -32769}, {1, 1}}, EMR_POLYLINE, 44},
        PointsCase{"polygon", kPolygon, {{0, 0}, {10, 0}, {10, 10}}, EMR_POLYGON16, 40},
        PointsCase{
            "polygon past them", kPolygon, {{0, 0}, {100000, 0}, {0, 100000}}, EMR_POLYGON, 52},
        PointsCase{"bezier", kBezier, {{0, 0}, {1, 5}, {5, 5}, {6, 0}}, EMR_POLYBEZIER16, 44},
        PointsCase{
            "bezier past them", kBezier, {{0, 0}, {1, 5}, {5, 5}, {-40000, 0}}, EMR_POLYBEZIER, 60},
        PointsCase{"polyline to", kPolylineTo, {{0, 5}, {10, -20}, {30, 0}}, EMR_POLYLINETO16, 40},
        PointsCase{"polyline to past them", kPolylineTo, {{0, 0}, {40000, 1}}, EMR_POLYLINETO, 44},
        PointsCase{"bezier to", kBezierTo, {{1, 5}, {5, 5}, {0, 0}}, EMR_POLYBEZIERTO16, 40},
        PointsCase{
            "bezier to past them", kBezierTo, {{1, 5}, {5, 5}, {-40000, 0}}, EMR_POLYBEZIERTO, 52}),
    [](const testing::TestParamInfo<PointsCase>& info) {
        return "case" + std::to_string(info.index);
    });

TEST(CMetaFileDCTest, PolyPolygonsListTheirCountsBeforeThePoints) {
    CMetaFileDC dc(kReference);
    const POINT points[5] = {{0, 0}, {4, 0}, {4, 4}, {10, 10}, {12, 10}};
    const int counts[2] = {3, 2};
    dc.PolyPolygon(points, counts, 2);
    const POINT wide[2] = {{0, 0}, {70000, 0}};
    const int one[1] = {2};
    dc.PolyPolygon(wide, one, 1);
    const std::vector<Bytes> records = Records(Close(dc));

    ASSERT_EQ(records.size(), 3u);
    Bytes narrow = Words({EMR_POLYPOLYGON16, 60, 0, 0, 12, 10, 2, 5, 3, 2});
    for (const POINT& p : points) {
        for (const LONG v : {p.x, p.y}) {
            narrow.push_back(static_cast<BYTE>(v));
            narrow.push_back(static_cast<BYTE>(v >> 8));
        }
    }
    EXPECT_EQ(records[0], narrow);
    EXPECT_EQ(records[1], Words({EMR_POLYPOLYGON, 52, 0, 0, 70000, 0, 1, 2, 2, 0, 0, 70000, 0}));
}

struct StateCase {
    const char* name;
    std::function<void(CMetaFileDC&)> call;
    Bytes expected;
};

std::ostream& operator<<(std::ostream& out, const StateCase& c) {
    return out << c.name;
}

class StateRecords : public testing::TestWithParam<StateCase> {};

LONG FloatWord(float value) {
    return std::bit_cast<LONG>(value);
}

// A closed path in an anisotropic mapping, so that every call below applies.
std::vector<Bytes> RecordsAfter(const std::function<void(CMetaFileDC&)>& call) {
    CMetaFileDC dc(kReference);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.BeginPath();
    dc.MoveTo(0, 0);
    dc.LineTo(10, 10);
    dc.LineTo(0, 10);
    dc.EndPath();
    call(dc);
    return Records(Close(dc));
}

TEST_P(StateRecords, OneRecordPerCall) {
    const std::size_t before = RecordsAfter([](CMetaFileDC&) {}).size();
    const std::vector<Bytes> records = RecordsAfter(GetParam().call);
    if (GetParam().expected.empty()) {
        EXPECT_EQ(records.size(), before);
    } else {
        ASSERT_EQ(records.size(), before + 1);
        EXPECT_EQ(records[records.size() - 2], GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CMetaFileDCTest, StateRecords,
    testing::Values(
        StateCase{"map mode", [](CMetaFileDC& dc) { dc.SetMapMode(MM_LOMETRIC); },
                  Words({EMR_SETMAPMODE, 12, MM_LOMETRIC})},
        StateCase{"window extent", [](CMetaFileDC& dc) { dc.SetWindowExt(300, -200); },
                  Words({EMR_SETWINDOWEXTEX, 16, 300, -200})},
        StateCase{"window extent 0 is refused", [](CMetaFileDC& dc) { dc.SetWindowExt(0, 5); },
                  {}},
        StateCase{"window origin", [](CMetaFileDC& dc) { dc.SetWindowOrg(-7, 8); },
                  Words({EMR_SETWINDOWORGEX, 16, -7, 8})},
        StateCase{"viewport extent", [](CMetaFileDC& dc) { dc.SetViewportExt(640, 480); },
                  Words({EMR_SETVIEWPORTEXTEX, 16, 640, 480})},
        StateCase{"viewport origin", [](CMetaFileDC& dc) { dc.SetViewportOrg(3, 4); },
                  Words({EMR_SETVIEWPORTORGEX, 16, 3, 4})},
        StateCase{"save", [](CMetaFileDC& dc) { dc.SaveDC(); }, Words({EMR_SAVEDC, 8})},
        StateCase{"restore without a save", [](CMetaFileDC& dc) { dc.RestoreDC(-1); }, {}},
        StateCase{"raster operation", [](CMetaFileDC& dc) { dc.SetROP2(R2_NOTXORPEN); },
                  Words({EMR_SETROP2, 12, R2_NOTXORPEN})},
        StateCase{"unknown raster operation", [](CMetaFileDC& dc) { dc.SetROP2(99); }, {}},
        StateCase{"background mode", [](CMetaFileDC& dc) { dc.SetBkMode(TRANSPARENT); },
                  Words({EMR_SETBKMODE, 12, TRANSPARENT})},
        StateCase{"background colour", [](CMetaFileDC& dc) { dc.SetBkColor(RGB(1, 2, 3)); },
                  Words({EMR_SETBKCOLOR, 12, 0x030201})},
        StateCase{"text colour", [](CMetaFileDC& dc) { dc.SetTextColor(RGB(4, 5, 6)); },
                  Words({EMR_SETTEXTCOLOR, 12, 0x060504})},
        StateCase{"fill mode", [](CMetaFileDC& dc) { dc.SetPolyFillMode(WINDING); },
                  Words({EMR_SETPOLYFILLMODE, 12, WINDING})},
        StateCase{"text alignment",
                  [](CMetaFileDC& dc) { dc.SetTextAlign(TA_CENTER | TA_BASELINE); },
                  Words({EMR_SETTEXTALIGN, 12, TA_CENTER | TA_BASELINE})},
        StateCase{"stretching mode", [](CMetaFileDC& dc) { dc.SetStretchBltMode(HALFTONE); },
                  Words({EMR_SETSTRETCHBLTMODE, 12, HALFTONE})},
        StateCase{"rectangle", [](CMetaFileDC& dc) { dc.Rectangle(1, 2, 3, 4); },
                  Words({EMR_RECTANGLE, 24, 1, 2, 3, 4})},
        StateCase{"ellipse", [](CMetaFileDC& dc) { dc.Ellipse(-1, -2, 3, 4); },
                  Words({EMR_ELLIPSE, 24, -1, -2, 3, 4})},
        StateCase{"pixel", [](CMetaFileDC& dc) { dc.SetPixel(9, 8, RGB(7, 0, 0)); },
                  Words({EMR_SETPIXELV, 20, 9, 8, 7})},
        StateCase{"polyline of one point",
                  [](CMetaFileDC& dc) {
                      const POINT p{1, 1};
                      dc.Polyline(&p, 1);
                  },
                  {}},
        StateCase{"stroke path", [](CMetaFileDC& dc) { dc.StrokePath(); },
                  Words({EMR_STROKEPATH, 24, 0, 0, -1, -1})},
        StateCase{"fill path", [](CMetaFileDC& dc) { dc.FillPath(); },
                  Words({EMR_FILLPATH, 24, 0, 0, -1, -1})},
        StateCase{"stroke and fill path", [](CMetaFileDC& dc) { dc.StrokeAndFillPath(); },
                  Words({EMR_STROKEANDFILLPATH, 24, 0, 0, -1, -1})},
        StateCase{"flatten path", [](CMetaFileDC& dc) { dc.FlattenPath(); },
                  Words({EMR_FLATTENPATH, 8})},
        StateCase{"abort path", [](CMetaFileDC& dc) { dc.AbortPath(); },
                  Words({EMR_ABORTPATH, 8})},
        StateCase{"end path twice", [](CMetaFileDC& dc) { dc.EndPath(); }, {}},
        StateCase{"clip to the path", [](CMetaFileDC& dc) { dc.SelectClipPath(RGN_AND); },
                  Words({EMR_SELECTCLIPPATH, 12, RGN_AND})},
        StateCase{"clip to a bad mode", [](CMetaFileDC& dc) { dc.SelectClipPath(0); }, {}},
        StateCase{"intersect the clip",
                  [](CMetaFileDC& dc) { dc.IntersectClipRect(1, 2, 30, 40); },
                  Words({EMR_INTERSECTCLIPRECT, 24, 1, 2, 30, 40})},
        StateCase{"exclude from the clip",
                  [](CMetaFileDC& dc) { dc.ExcludeClipRect(1, 2, 30, 40); },
                  Words({EMR_EXCLUDECLIPRECT, 24, 1, 2, 30, 40})},
        StateCase{"no clip region",
                  [](CMetaFileDC& dc) { dc.SelectClipRgn(nullptr); },
                  Words({EMR_EXTSELECTCLIPRGN, 16, 0, RGN_COPY})},
        StateCase{"clip region",
                  [](CMetaFileDC& dc) {
                      CRgn region;
                      region.CreateRectRgn(10, 20, 30, 40);
                      dc.SelectClipRgn(&region, RGN_AND);
                  },
                  Words({EMR_EXTSELECTCLIPRGN, 64, 48, RGN_AND, 32, 1, 1, 16, 10, 20, 30, 40,
                         10, 20, 30, 40})},
        StateCase{"close figure outside an open path", [](CMetaFileDC& dc) { dc.CloseFigure(); },
                  {}},
        StateCase{"world transform in the compatible mode",
                  [](CMetaFileDC& dc) {
                      const XFORM twice{2, 0, 0, 2, 0, 0};
                      dc.SetWorldTransform(&twice);
                  },
                  {}},
        StateCase{"world transform",
                  [](CMetaFileDC& dc) {
                      dc.SetGraphicsMode(GM_ADVANCED);
                      const XFORM turned{0, 1, -1, 0, 2.5F, -4};
                      dc.SetWorldTransform(&turned);
                  },
                  Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(0), FloatWord(1), FloatWord(-1),
                         FloatWord(0), FloatWord(2.5F), FloatWord(-4)})},
        StateCase{"world transform modified",
                  [](CMetaFileDC& dc) {
                      dc.SetGraphicsMode(GM_ADVANCED);
                      const XFORM shift{1, 0, 0, 1, 10, 0};
                      dc.ModifyWorldTransform(&shift, MWT_RIGHTMULTIPLY);
                  },
                  Words({EMR_MODIFYWORLDTRANSFORM, 36, FloatWord(1), 0, 0, FloatWord(1),
                         FloatWord(10), 0, MWT_RIGHTMULTIPLY})},
        StateCase{"leaving the advanced mode",
                  [](CMetaFileDC& dc) {
                      dc.SetGraphicsMode(GM_ADVANCED);
                      dc.SetGraphicsMode(GM_COMPATIBLE);
                  },
                  Words({EMR_MODIFYWORLDTRANSFORM, 36, FloatWord(1), 0, 0, FloatWord(1), 0, 0,
                         MWT_IDENTITY})},
        StateCase{"stock brush",
                  [](CMetaFileDC& dc) { dc.SelectStockObject(NULL_BRUSH); },
                  Words({EMR_SELECTOBJECT, 12, static_cast<LONG>(0x80000000u | NULL_BRUSH)})}),
    [](const testing::TestParamInfo<StateCase>& info) { return "case" + std::to_string(info.index); });

TEST(CMetaFileDCTest, ClosingAFigureIsARecordInsideThePath) {
    CMetaFileDC dc(kReference);
    dc.BeginPath();
    dc.MoveTo(1, 1);
    const POINT lines[2] = {{9, 1}, {9, 9}};
    dc.PolylineTo(lines, 2);
    EXPECT_TRUE(dc.CloseFigure());
    dc.EndPath();
    const std::vector<Bytes> records = Records(Close(dc));
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(Dword(records[2], 0), EMR_POLYLINETO16);
    EXPECT_EQ(records[3], Words({EMR_CLOSEFIGURE, 8}));
    EXPECT_EQ(Dword(records[4], 0), EMR_ENDPATH);
}

TEST(CMetaFileDCTest, FillsArePatternTransfersAndOpaqueEmptyText) {
    CMetaFileDC dc(kReference);
    CBrush brush;
    brush.CreateSolidBrush(RGB(9, 8, 7));
    const RECT rect{10, 20, 30, 25};
    dc.FillRect(&rect, &brush);
    const RECT upsideDown{10, 25, 30, 20};
    dc.FillSolidRect(&upsideDown, RGB(1, 2, 3));
    dc.PatBlt(1, 2, 3, 4, DSTINVERT);
    const std::vector<Bytes> records = Records(Close(dc));

    const Bytes patternOnly = Words({0, 0, 0x3F800000, 0, 0, 0x3F800000, 0, 0, 0, 0, 0, 0, 0, 0});
    Bytes fill = Words({EMR_BITBLT, 100, 10, 20, 29, 24, 10, 20, 20, 5, PATCOPY});
    fill.insert(fill.end(), patternOnly.begin(), patternOnly.end());
    Bytes invert = Words({EMR_BITBLT, 100, 1, 2, 3, 5, 1, 2, 3, 4, DSTINVERT});
    invert.insert(invert.end(), patternOnly.begin(), patternOnly.end());
    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records[0], Words({EMR_CREATEBRUSHINDIRECT, 24, 1, BS_SOLID, 0x070809, 0}));
    EXPECT_EQ(records[1], Words({EMR_SELECTOBJECT, 12, 1}));
    EXPECT_EQ(records[2], fill);
    EXPECT_EQ(records[3],
              Words({EMR_SELECTOBJECT, 12, static_cast<LONG>(0x80000000u | WHITE_BRUSH)}));
    EXPECT_EQ(records[4], Words({EMR_DELETEOBJECT, 12, 1}));
    EXPECT_EQ(records[5], Words({EMR_SETBKCOLOR, 12, 0x030201}));
    ASSERT_EQ(records[6].size(), 76u);
    EXPECT_EQ(Slice(records[6], 0, 24), Words({EMR_EXTTEXTOUTW, 76, 10, 20, 29, 24}));
    EXPECT_EQ(Slice(records[6], 36, 40), Words({10, 25, 0, 76, ETO_OPAQUE, 10, 25, 30, 20, 76}));
    EXPECT_EQ(records[7], invert);
}

TEST(CMetaFileDCTest, CreatingStartsAfreshOnTheReferenceDevice) {
    CMetaFileDC dc;
    dc.SetMapMode(MM_LOMETRIC);
    dc.Rectangle(0, 0, 5, 5);
    CRecordingDC reference(CDeviceCaps(500, 400, 120, 120));
    const RECT frame{100, 200, 0, 0};
    ASSERT_TRUE(dc.CreateEnhanced(&reference, nullptr, &frame, nullptr));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 500);
    const Bytes file = Close(dc);
    EXPECT_EQ(Dword(file, 52), 2u);
    EXPECT_EQ(Slice(file, 24, 16), Words({0, 0, 100, 200}));
    EXPECT_EQ(Slice(file, 60, 8), Words({0, 0}));
    EXPECT_EQ(Slice(file, 72, 8), Words({500, 400}));
}

TEST(CMetaFileDCTest, FilesAreNotWrittenByTheContext) {
    CMetaFileDC dc;
    EXPECT_FALSE(dc.CreateEnhanced(nullptr, "picture.emf", nullptr, "Ruk"));
}

TEST(CMetaFileDCTest, AClosedContextGivesNoSecondFileAndStillLogs) {
    CMetaFileDC dc;
    HENHMETAFILE metafile = dc.CloseEnhanced();
    ASSERT_NE(metafile, nullptr);
    dc.MoveTo(1, 2);
    EXPECT_EQ(dc.CloseEnhanced(), nullptr);
    EXPECT_EQ(dc.Calls(), (std::vector<std::string>{"MoveTo(1,2)"}));
    EXPECT_TRUE(DeleteEnhMetaFile(metafile));
}

TEST(CEnhMetaFileTest, BitsAreCopiedOnlyIntoABufferLargeEnough) {
    CMetaFileDC dc;
    HENHMETAFILE metafile = dc.CloseEnhanced();
    const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    ASSERT_EQ(size, 128u);
    Bytes small(size - 1);
    EXPECT_EQ(GetEnhMetaFileBits(metafile, size - 1, small.data()), 0u);
    Bytes bytes(size);
    EXPECT_EQ(GetEnhMetaFileBits(metafile, size, bytes.data()), size);
    EXPECT_EQ(GetEnhMetaFileBits(nullptr, 0, nullptr), 0u);

    HENHMETAFILE copy = SetEnhMetaFileBits(size, bytes.data());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Bytes(), bytes);
    bytes[40] ^= 1; // the signature
    EXPECT_EQ(SetEnhMetaFileBits(size, bytes.data()), nullptr);
    EXPECT_EQ(SetEnhMetaFileBits(87, copy->Bytes().data()), nullptr);
    EXPECT_TRUE(DeleteEnhMetaFile(copy));
    EXPECT_TRUE(DeleteEnhMetaFile(metafile));
    EXPECT_FALSE(DeleteEnhMetaFile(nullptr));
}

} // namespace
