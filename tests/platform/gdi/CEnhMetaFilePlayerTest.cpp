#include "platform/gdi/CEnhMetaFilePlayer.h"

#include "EmfTestFiles.h"
#include "GdiTestImages.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CEnhMetaFileImage.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/CStockObjects.h"
#include "platform/gdi/EmfDefs.h"
#include "tests/support/ByteMutator.h"
#include "tests/support/CpuClock.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace EmfTestFiles;
using GdiTestImages::At;
using GdiTestImages::CountChanged;
using GdiTestImages::Filled;
using GdiTestImages::Row;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

using Mapping = std::function<void(CDC&)>;

// y upwards as the document draws into metafiles.
void DocumentMapping(CDC& dc) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(0, 150);
    dc.SetWindowExt(400, -300);
    dc.SetViewportExt(200, 150);
}

// A drawing that uses every kind of record the metafile context writes.
void DrawScene(CDC& dc, const Mapping& mapping = DocumentMapping) {
    mapping(dc);

    CPen thick;
    thick.CreatePen(PS_SOLID, 6, RGB(200, 0, 0));
    CBrush hatch;
    hatch.CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 255));
    CPen* oldPen = dc.SelectObject(&thick);
    CBrush* oldBrush = dc.SelectObject(&hatch);
    dc.Rectangle(20, 140, 120, 60);
    dc.Ellipse(140, 140, 240, 60);
    const POINT star[5] = {{300, 140}, {330, 60}, {260, 110}, {340, 110}, {270, 60}};
    dc.SetPolyFillMode(WINDING);
    dc.Polygon(star, 5);
    const POINT squares[8] = {{20, 40}, {80, 40}, {80, -20}, {20, -20},
                              {40, 20}, {60, 20}, {60, 0},   {40, 0}};
    const int counts[2] = {4, 4};
    dc.SetPolyFillMode(ALTERNATE);
    dc.SelectStockObject(GRAY_BRUSH);
    dc.PolyPolygon(squares, counts, 2);

    CPen dashed;
    const DWORD dashes[2] = {6, 3};
    dashed.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 2,
                        LOGBRUSH{BS_SOLID, RGB(0, 160, 0), 0}, 2, dashes);
    dc.SelectObject(&dashed);
    const POINT chain[4] = {{100, 40}, {180, -40}, {260, 40}, {380, -60}};
    dc.Polyline(chain, 4);
    dc.PolyBezier(chain, 4);
    dc.SelectStockObject(BLACK_PEN);
    dc.MoveTo(0, -140);
    dc.LineTo(390, -100);
    dc.SetPixel(390, 140, RGB(255, 0, 255));

    dc.SaveDC();
    dc.IntersectClipRect(0, 150, 200, 0);
    dc.SetROP2(R2_XORPEN);
    dc.SelectStockObject(WHITE_PEN);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(100, 100, 300, -100);
    dc.RestoreDC(-1);

    const RECT band{0, -130, 40, -150};
    dc.FillRect(&band, &hatch);
    const RECT solid{40, -130, 80, -150};
    dc.FillSolidRect(&solid, RGB(255, 200, 0));
    dc.PatBlt(80, -130, 40, -20, DSTINVERT);

    dc.SelectStockObject(LTGRAY_BRUSH);
    dc.BeginPath();
    dc.MoveTo(300, -20);
    dc.LineTo(380, -20);
    dc.LineTo(340, -100);
    dc.EndPath();
    dc.StrokeAndFillPath();

    // A figure drawn on from the current position and closed, under a
    // world transform that halves it and turns it a quarter about (200, 0).
    dc.SaveDC();
    dc.SetGraphicsMode(GM_ADVANCED);
    const XFORM turn{0, 0.5F, -0.5F, 0, 200, 0};
    dc.SetWorldTransform(&turn);
    dc.BeginPath();
    dc.MoveTo(-40, -40);
    const POINT edges[2] = {{40, -40}, {40, 40}};
    dc.PolylineTo(edges, 2);
    const POINT bulge[3] = {{0, 80}, {-40, 60}, {-40, 40}};
    dc.PolyBezierTo(bulge, 3);
    dc.CloseFigure();
    dc.EndPath();
    dc.StrokeAndFillPath();
    const XFORM shift{1, 0, 0, 1, 0, 100};
    dc.ModifyWorldTransform(&shift, MWT_LEFTMULTIPLY);
    dc.MoveTo(-40, 0);
    dc.PolylineTo(edges, 2);
    dc.Ellipse(-20, -10, 20, 10);
    dc.RestoreDC(-1);

    QFont face("DejaVu Sans");
    face.setPixelSize(24);
    face.setStyleStrategy(QFont::NoAntialias);
    CFont font;
    font.CreateFromQFont(face);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetTextColor(RGB(0, 0, 128));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    dc.TextOut(20, -120, "Ruk\x95\x5C", 5); // "Ruk表" in CP932

    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

// 200 x 150 pixels at 96 dpi: 53 x 40 mm.
const CDeviceCaps kReference(200, 150, 96, 96);
const RECT kFrame{0, 0, 5300, 4000};

Bytes SceneFile(const Mapping& mapping = DocumentMapping) {
    CMetaFileDC dc(kReference);
    dc.CreateEnhanced(nullptr, nullptr, &kFrame, "Ruk");
    DrawScene(dc, mapping);
    return Close(dc);
}

// A small file whose records a test can damage.
Bytes SmallFile() {
    CMetaFileDC dc(CDeviceCaps(40, 30, 96, 96));
    const RECT frame{0, 0, 1100, 800};
    dc.CreateEnhanced(nullptr, nullptr, &frame, "Ruk");
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(40, -30);
    dc.SetViewportExt(40, 30);
    CPen pen;
    const DWORD dashes[2] = {2, 1};
    pen.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, LOGBRUSH{BS_SOLID, RGB(255, 0, 0), 0}, 2,
                     dashes);
    CBrush brush;
    brush.CreateHatchBrush(HS_CROSS, RGB(0, 0, 255));
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.SaveDC();
    const POINT points[4] = {{1, -1}, {30, -5}, {20, -25}, {2, -20}};
    const int counts[2] = {2, 2};
    dc.Polygon(points, 4);
    dc.PolyPolygon(points, counts, 2);
    dc.PolyBezier(points, 4);
    CRgn region;
    region.CreateRectRgn(0, 0, 30, 20);
    dc.SelectClipRgn(&region);
    dc.RestoreDC(-1);
    QFont face("DejaVu Sans");
    face.setPixelSize(10);
    CFont font;
    font.CreateFromQFont(face);
    dc.SelectObject(&font);
    dc.TextOut(2, -2, "Ab", 2);
    const RECT rect{20, -12, 28, -20};
    dc.FillRect(&rect, &brush);
    dc.FillSolidRect(&rect, RGB(0, 255, 0));
    dc.PatBlt(20, -12, 4, -4, PATINVERT);
    dc.SelectStockObject(BLACK_PEN);
    return Close(dc);
}

bool PlayInto(QImage& image, const Bytes& file, const RECT& target) {
    CImageDC dc(image);
    CEnhMetaFilePlayer player(file.data(), file.size());
    return player.Play(dc, target);
}

// The file with one more record before the end-of-file record.
Bytes WithRecordBeforeTheEnd(Bytes file, const Bytes& record) {
    file.insert(file.end() - 20, record.begin(), record.end());
    PutDword(file, 48, static_cast<DWORD>(file.size()));
    PutDword(file, 52, Dword(file, 52) + 1);
    return file;
}

struct MappingCase {
    const char* name;
    Mapping mapping;
};

std::ostream& operator<<(std::ostream& out, const MappingCase& c) {
    return out << c.name;
}

class PlayedPixels : public testing::TestWithParam<MappingCase> {};

TEST_P(PlayedPixels, AreThoseOfDrawingDirectly) {
    QImage direct = Filled(200, 150, kWhite);
    {
        CImageDC dc(direct);
        DrawScene(dc, GetParam().mapping);
    }
    const CEnhMetaFile metafile(SceneFile(GetParam().mapping));
    const QImage played = CEnhMetaFileImage::Render(metafile);

    ASSERT_EQ(played.size(), direct.size());
    EXPECT_GT(CountChanged(direct, kWhite), 2000);
    EXPECT_TRUE(played == direct);
}

INSTANTIATE_TEST_SUITE_P(CEnhMetaFilePlayerTest, PlayedPixels,
                         testing::Values(MappingCase{"document", DocumentMapping},
                                         MappingCase{"text with origins",
                                                     [](CDC& dc) {
                                                         dc.SetWindowOrg(-10, -80);
                                                         dc.SetViewportOrg(5, 5);
                                                     }},
                                         MappingCase{"isotropic",
                                                     [](CDC& dc) {
                                                         dc.SetMapMode(MM_ISOTROPIC);
                                                         dc.SetWindowOrg(0, 150);
                                                         dc.SetWindowExt(400, -300);
                                                         dc.SetViewportExt(200, 100);
                                                     }},
                                         MappingCase{"metric",
                                                     [](CDC& dc) {
                                                         dc.SetMapMode(MM_LOMETRIC);
                                                         dc.SetViewportOrg(0, 75);
                                                     }}),
                         [](const testing::TestParamInfo<MappingCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(CEnhMetaFilePlayerTest, StretchesTheFrameOntoTheTarget) {
    CMetaFileDC dc(CDeviceCaps(100, 100, 96, 96)); // 26 mm
    const RECT frame{0, 0, 2600, 2600};
    dc.CreateEnhanced(nullptr, nullptr, &frame, "Ruk");
    dc.SelectStockObject(NULL_PEN);
    dc.SelectStockObject(BLACK_BRUSH);
    // Without a pen, GDI leaves out the right and bottom edges once more.
    dc.Rectangle(10, 10, 20, 20);
    const Bytes file = Close(dc);

    QImage image = Filled(300, 300, kWhite);
    ASSERT_TRUE(PlayInto(image, file, RECT{100, 100, 300, 300}));
    EXPECT_EQ(Row(image, 130, kWhite, 115, 145), ".....###################......");
    EXPECT_EQ(GdiTestImages::Column(image, 130, kWhite).substr(115, 30),
              ".....###################......");
    EXPECT_EQ(CountChanged(image, kWhite), 19 * 19);
}

TEST(CEnhMetaFilePlayerTest, LeavesTheContextAsItWas) {
    QImage image = Filled(50, 50, kWhite);
    CImageDC dc(image);
    dc.SetMapMode(MM_LOMETRIC);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    dc.SelectObject(&pen);
    dc.SaveDC();
    // A restore past the file's own saves must not reach the caller's.
    const Bytes file = WithRecordBeforeTheEnd(SceneFile(), Words({EMR_RESTOREDC, 12, -1}));
    CEnhMetaFilePlayer player(file.data(), file.size());
    EXPECT_TRUE(player.Play(dc, RECT{0, 0, 50, 50}));
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    EXPECT_EQ(dc.GetCurrentPen(), &pen);
    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(CEnhMetaFilePlayerTest, ReadsTheHeader) {
    const Bytes file = SceneFile();
    CEnhMetaFilePlayer player(file.data(), file.size());
    ASSERT_TRUE(player.Header());
    EXPECT_EQ(player.Header()->description, (std::u16string{u'R', u'u', u'k', 0, 0}));
    EXPECT_EQ(player.Header()->fileSize, file.size());
    const RECT pixels = player.FramePixels();
    EXPECT_EQ(Words({pixels.left, pixels.top, pixels.right, pixels.bottom}),
              Words({0, 0, 200, 150}));
}

TEST(CEnhMetaFilePlayerTest, PlaysAHeaderWithoutExtensionsOrDescription) {
    const Bytes file = SmallFile();
    Bytes bare(file.begin(), file.begin() + 88);
    bare.insert(bare.end(), file.begin() + Dword(file, 4), file.end());
    PutDword(bare, 4, 88);
    PutDword(bare, 48, static_cast<DWORD>(bare.size()));
    PutDword(bare, 60, 0);
    PutDword(bare, 64, 0);
    CEnhMetaFilePlayer player(bare.data(), bare.size());
    ASSERT_TRUE(player.Header());
    EXPECT_FALSE(player.Header()->micrometres);
    EXPECT_TRUE(player.Header()->description.empty());

    QImage original = Filled(40, 30, kWhite);
    QImage image = Filled(40, 30, kWhite);
    EXPECT_TRUE(PlayInto(original, file, RECT{0, 0, 40, 30}));
    EXPECT_TRUE(PlayInto(image, bare, RECT{0, 0, 40, 30}));
    EXPECT_GT(CountChanged(image, kWhite), 0);
    EXPECT_TRUE(image == original);
}

TEST(CEnhMetaFilePlayerTest, SkipsRecordsOfUnknownKinds) {
    const Bytes comment = Words({70, 16, 4, 0x12345678});
    const Bytes file = WithRecordBeforeTheEnd(SceneFile(), comment);
    const CEnhMetaFile metafile(file);
    const CEnhMetaFile plain(SceneFile());
    EXPECT_TRUE(CEnhMetaFileImage::Render(metafile) == CEnhMetaFileImage::Render(plain));
}

TEST(CEnhMetaFilePlayerTest, StopsAtAHandleOutsideTheTableButKeepsWhatItDrew) {
    // Device pixels 32..39 across and 22..29 down, clear of the small drawing.
    const Bytes rectangle = Words({EMR_RECTANGLE, 24, 32, -22, 40, -30});
    QImage sound = Filled(40, 30, kWhite);
    EXPECT_TRUE(PlayInto(sound, WithRecordBeforeTheEnd(SmallFile(), rectangle), {0, 0, 40, 30}));
    EXPECT_EQ(At(sound, 32, 25), kBlack);

    const Bytes select = Words({EMR_SELECTOBJECT, 12, 99});
    const Bytes file =
        WithRecordBeforeTheEnd(WithRecordBeforeTheEnd(SmallFile(), select), rectangle);
    QImage image = Filled(40, 30, kWhite);
    EXPECT_FALSE(PlayInto(image, file, RECT{0, 0, 40, 30}));
    EXPECT_GT(CountChanged(image, kWhite), 0);
    EXPECT_EQ(At(image, 32, 25), kWhite);
}

TEST(CEnhMetaFilePlayerTest, RefusesAFileWithoutASoundHeader) {
    Bytes file = SmallFile();
    file[0] = 2;
    QImage image = Filled(40, 30, kWhite);
    EXPECT_FALSE(PlayInto(image, file, RECT{0, 0, 40, 30}));
    EXPECT_EQ(CountChanged(image, kWhite), 0);
    EXPECT_TRUE(CEnhMetaFileImage::Render(CEnhMetaFile(file)).isNull());
}

TEST(CEnhMetaFilePlayerTest, EveryTruncationPlaysWithoutHarm) {
    const Bytes file = SmallFile();
    const std::size_t headerSize = Dword(file, 4);
    for (std::size_t length = 0; length <= file.size(); ++length) {
        Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
        // The header claims the prefix, so the records themselves end early.
        if (length >= headerSize)
            PutDword(prefix, 48, static_cast<DWORD>(length));
        QImage image = Filled(40, 30, kWhite);
        EXPECT_EQ(PlayInto(image, prefix, RECT{0, 0, 40, 30}), length == file.size())
            << "length " << length;
    }
}

// Whatever a damaged record says, the play stays inside its target, and a
// byte "damaged" to its own value plays as the sound file.
TEST(CEnhMetaFilePlayerTest, EveryDamagedByteInTheRecordsPlaysWithoutHarm) {
    const Bytes file = SmallFile();
    const RECT target{10, 10, 50, 40};
    QImage sound = Filled(60, 50, kWhite);
    ASSERT_TRUE(PlayInto(sound, file, target));
    for (std::size_t offset = Dword(file, 4); offset < file.size(); ++offset) {
        for (const BYTE value : {BYTE{0x00}, BYTE{0x7F}, BYTE{0x80}, BYTE{0xFF}}) {
            Bytes damaged = file;
            damaged[offset] = value;
            QImage image = Filled(60, 50, kWhite);
            const bool played = PlayInto(image, damaged, target);
            EXPECT_EQ(CountChanged(image.copy(10, 10, 40, 30), kWhite), CountChanged(image, kWhite))
                << "ink outside the target, offset " << offset << " value " << int{value};
            if (value == file[offset]) {
                EXPECT_TRUE(played) << "offset " << offset;
                EXPECT_TRUE(image == sound) << "offset " << offset;
            }
        }
    }
}

// An empty 40 x 30 file whose frame fills a 40 x 30 target pixel for pixel.
Bytes EmptyFile() {
    CMetaFileDC dc(CDeviceCaps(40, 30, 96, 96));
    const RECT frame{0, 0, 1100, 800};
    dc.CreateEnhanced(nullptr, nullptr, &frame, "Ruk");
    return Close(dc);
}

// A point of the 16-bit record forms as one word.
LONG Point16(int x, int y) {
    return static_cast<LONG>((static_cast<DWORD>(static_cast<WORD>(y)) << 16) |
                             static_cast<WORD>(x));
}

LONG FloatWord(float value) {
    return std::bit_cast<LONG>(value);
}

Bytes Joined(std::initializer_list<Bytes> records) {
    Bytes joined;
    for (const Bytes& record : records)
        joined.insert(joined.end(), record.begin(), record.end());
    return joined;
}

const Bytes kMoveTo5 = Words({EMR_MOVETOEX, 16, 5, 5});

struct HandMadeCase {
    const char* name;
    Bytes records;
    // Pixels the records must draw and pixels they must leave.
    std::vector<POINT> drawn;
    std::vector<POINT> left;
};

void PrintTo(const HandMadeCase& c, std::ostream* out) {
    *out << c.name;
}

class HandMadeRecords : public testing::TestWithParam<HandMadeCase> {};

TEST_P(HandMadeRecords, DrawWhatTheyDescribe) {
    const HandMadeCase& c = GetParam();
    QImage image = Filled(40, 30, kWhite);
    ASSERT_TRUE(PlayInto(image, WithRecordBeforeTheEnd(EmptyFile(), c.records), {0, 0, 40, 30}));
    for (const POINT& p : c.drawn)
        EXPECT_EQ(At(image, p.x, p.y), kBlack) << p.x << "," << p.y;
    for (const POINT& p : c.left)
        EXPECT_EQ(At(image, p.x, p.y), kWhite) << p.x << "," << p.y;
}

const std::vector<HandMadeCase> kHandMadeCases{
    HandMadeCase{"LinesToIn16Bits",
                 Joined({kMoveTo5, Words({EMR_POLYLINETO16, 36, 5, 5, 35, 25, 2, Point16(35, 5),
                                          Point16(35, 25)})}),
                 {{20, 5}, {35, 15}},
                 {{20, 15}}},
    HandMadeCase{"LinesToIn32Bits",
                 Joined({kMoveTo5, Words({EMR_POLYLINETO, 44, 5, 5, 35, 25, 2, 35, 5, 35, 25})}),
                 {{20, 5}, {35, 15}},
                 {{20, 15}}},
    // Control points on the line: the curve is the line itself.
    HandMadeCase{"CurveToIn16Bits",
                 Joined({kMoveTo5, Words({EMR_POLYBEZIERTO16, 40, 5, 5, 35, 5, 3, Point16(15, 5),
                                          Point16(25, 5), Point16(35, 5)})}),
                 {{10, 5}, {30, 5}},
                 {{10, 10}}},
    HandMadeCase{
        "CurveToIn32Bits",
        Joined({kMoveTo5, Words({EMR_POLYBEZIERTO, 52, 5, 5, 35, 5, 3, 15, 5, 25, 5, 35, 5})}),
        {{10, 5}, {30, 5}},
        {{10, 10}}},
    HandMadeCase{"CurveShortOfAPointDrawsNothing",
                 Joined({kMoveTo5, Words({EMR_POLYBEZIERTO16, 36, 5, 5, 35, 5, 2, Point16(15, 5),
                                          Point16(35, 5)})}),
                 {},
                 {{10, 5}, {30, 5}}},
    // The closing edge runs back along the diagonal.
    HandMadeCase{
        "ClosedFigureInAPath",
        Joined({Words({EMR_BEGINPATH, 8}), kMoveTo5,
                Words({EMR_POLYLINETO16, 36, 5, 5, 35, 25, 2, Point16(35, 5), Point16(35, 25)}),
                Words({EMR_CLOSEFIGURE, 8}), Words({EMR_ENDPATH, 8}),
                Words({EMR_STROKEPATH, 24, 5, 5, 35, 25})}),
        {{20, 5}, {35, 15}, {20, 15}},
        {{10, 20}}},
    HandMadeCase{
        "OpenFigureInAPath",
        Joined({Words({EMR_BEGINPATH, 8}), kMoveTo5,
                Words({EMR_POLYLINETO16, 36, 5, 5, 35, 25, 2, Point16(35, 5), Point16(35, 25)}),
                Words({EMR_ENDPATH, 8}), Words({EMR_STROKEPATH, 24, 5, 5, 35, 25})}),
        {{20, 5}, {35, 15}},
        {{20, 15}}},
    HandMadeCase{"WorldTransformDoubles",
                 Joined({Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(2), 0, 0, FloatWord(2), 0, 0}),
                         Words({EMR_MOVETOEX, 16, 2, 2}), Words({EMR_LINETO, 16, 10, 2})}),
                 {{5, 4}, {18, 4}},
                 {{5, 2}, {22, 4}}},
    // The shift acts first, then the doubling: 2 (x + 10).
    HandMadeCase{"WorldTransformLeftMultiplied",
                 Joined({Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(2), 0, 0, FloatWord(2), 0, 0}),
                         Words({EMR_MODIFYWORLDTRANSFORM, 36, FloatWord(1), 0, 0, FloatWord(1),
                                FloatWord(5), 0, MWT_LEFTMULTIPLY}),
                         Words({EMR_MOVETOEX, 16, 2, 2}), Words({EMR_LINETO, 16, 5, 2})}),
                 {{15, 4}, {19, 4}},
                 {{5, 4}, {9, 4}}},
    // The doubling acts first, then the shift: 2 x + 5.
    HandMadeCase{"WorldTransformRightMultiplied",
                 Joined({Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(2), 0, 0, FloatWord(2), 0, 0}),
                         Words({EMR_MODIFYWORLDTRANSFORM, 36, FloatWord(1), 0, 0, FloatWord(1),
                                FloatWord(5), 0, MWT_RIGHTMULTIPLY}),
                         Words({EMR_MOVETOEX, 16, 2, 2}), Words({EMR_LINETO, 16, 5, 2})}),
                 {{10, 4}, {14, 4}},
                 {{5, 4}, {16, 4}}},
    // A flat transform is refused and the one before stays.
    HandMadeCase{"FlatWorldTransformIsPassedOver",
                 Joined({Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(2), 0, 0, FloatWord(2), 0, 0}),
                         Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(1), FloatWord(2), FloatWord(2),
                                FloatWord(4), 0, 0}),
                         Words({EMR_MOVETOEX, 16, 2, 2}), Words({EMR_LINETO, 16, 10, 2})}),
                 {{5, 4}, {18, 4}},
                 {{5, 2}}},
    // A block transfer names its source from the top row: the lower
    // row of a bitmap kept bottom row first, black.
    HandMadeCase{"StretchBltSourceFromTheTop",
                 Joined({Words({EMR_STRETCHBLT, 156, 10, 10, 19, 19, 10, 10, 10, 10}),
                         Words({SRCCOPY, 0, 1, FloatWord(1), 0, 0, FloatWord(1), 0, 0, 0}),
                         Words({DIB_RGB_COLORS, 108, 40, 148, 8, 1, 1}),
                         Words({40, 1, 2, 1 | (24 << 16), BI_RGB, 8, 0, 0, 0, 0}),
                         Words({0x000000, 0xFFFFFF})}),
                 {{14, 14}},
                 {{25, 25}}},
    // A saved state keeps the transform it had.
    HandMadeCase{"WorldTransformRestored",
                 Joined({Words({EMR_SAVEDC, 8}),
                         Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(2), 0, 0, FloatWord(2), 0, 0}),
                         Words({EMR_RESTOREDC, 12, -1}), Words({EMR_MOVETOEX, 16, 2, 2}),
                         Words({EMR_LINETO, 16, 10, 2})}),
                 {{5, 2}},
                 {{5, 4}}}};

INSTANTIATE_TEST_SUITE_P(Table, HandMadeRecords, testing::ValuesIn(kHandMadeCases),
                         [](const testing::TestParamInfo<HandMadeCase>& info) {
                             return std::string(info.param.name);
                         });

// Damaged and hostile files: mutated copies of a file of every record the
// metafile context writes and of files of each record played by hand.
TEST(CEnhMetaFilePlayerTest, MutatedFilesPlayOrStopWithoutHarm) {
    const Mapping turned = [](CDC& dc) {
        DocumentMapping(dc);
        dc.SetGraphicsMode(GM_ADVANCED);
        const XFORM turn{0.8F, 0.6F, -0.6F, 0.8F, 3, 4};
        dc.SetWorldTransform(&turn);
    };
    std::vector<Bytes> seeds{SceneFile(), SceneFile(turned)};
    for (const HandMadeCase& c : kHandMadeCases)
        seeds.push_back(WithRecordBeforeTheEnd(EmptyFile(), c.records));
    ByteMutator mutator(20261215);
    const int fed =
        mutator.FeedFor(seeds, std::chrono::milliseconds(2000), 3000, [](const Bytes& bytes) {
            QImage image = Filled(40, 30, kWhite);
            PlayInto(image, bytes, RECT{0, 0, 40, 30});
        });
    EXPECT_GT(fed, 0);
}

// Transforms at the edges of what a float holds, under every shape.
TEST(CEnhMetaFilePlayerTest, ExtremeWorldTransformsPlayWithoutHarm) {
    const float huge = 3e38F;
    const float tiny = 1e-38F;
    const Bytes shapes = Joined({Words({EMR_RECTANGLE, 24, -30000, -30000, 30000, 30000}),
                                 Words({EMR_ELLIPSE, 24, -30000, -30000, 30000, 30000}), kMoveTo5,
                                 Words({EMR_POLYBEZIERTO16, 40, 0, 0, 0, 0, 3, Point16(-32768, 5),
                                        Point16(32767, 5), Point16(35, -32768)}),
                                 Words({EMR_INTERSECTCLIPRECT, 24, -30000, -30000, 30000, 30000}),
                                 Words({EMR_SETPIXELV, 20, 30000, 30000, 0})});
    for (const XFORM& world :
         {XFORM{huge, huge, -huge, huge, huge, -huge}, XFORM{tiny, 0, 0, tiny, 0, 0},
          XFORM{tiny, huge, -huge, tiny, 0, 0}, XFORM{huge, 0, 0, tiny, 0, 0}}) {
        const Bytes transform =
            Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(world.eM11), FloatWord(world.eM12),
                   FloatWord(world.eM21), FloatWord(world.eM22), FloatWord(world.eDx),
                   FloatWord(world.eDy)});
        QImage image = Filled(40, 30, kWhite);
        EXPECT_TRUE(PlayInto(image,
                             WithRecordBeforeTheEnd(EmptyFile(), Joined({transform, shapes})),
                             RECT{0, 0, 40, 30}));
    }
}

// A clip box turned under a large world transform became a region of one
// rectangle per scan line of its whole turned height, far beyond the
// picture: tens of seconds for a box 30,000 pixels high, and a clip that
// lost the picture for one beyond what a region's scan lines hold. The
// frame maps the file into the target at twice its size.
TEST(CEnhMetaFilePlayerTest, MendedAHugeTurnedClipBoxPlaysAtOnce) {
    const float turn = 0.5235988F;
    const float scale = 10;
    for (const LONG half : {1500, 300000}) {
        const Bytes records =
            Joined({Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(scale * std::cos(turn)),
                           FloatWord(scale * std::sin(turn)), FloatWord(-scale * std::sin(turn)),
                           FloatWord(scale * std::cos(turn)), FloatWord(20), FloatWord(15)}),
                    Words({EMR_INTERSECTCLIPRECT, 24, -half, -half, half, half}),
                    Words({EMR_SELECTOBJECT, 12, static_cast<LONG>(0x80000000u | BLACK_BRUSH)}),
                    Words({EMR_RECTANGLE, 24, -1, -1, 1, 1})});
        QImage image = Filled(80, 60, kWhite);
        const auto start = CpuClock::now();
        EXPECT_TRUE(
            PlayInto(image, WithRecordBeforeTheEnd(EmptyFile(), records), RECT{0, 0, 80, 60}));
        EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(2)) << half;
        EXPECT_EQ(At(image, 40, 30), kBlack) << half;
        EXPECT_EQ(At(image, 2, 2), kWhite) << half;
    }
}

TEST(CEnhMetaFilePlayerTest, ShortWorldTransformRecordStopsPlaying) {
    const Bytes file = WithRecordBeforeTheEnd(
        EmptyFile(), Words({EMR_MODIFYWORLDTRANSFORM, 32, FloatWord(1), 0, 0, FloatWord(1), 0, 0}));
    QImage image = Filled(40, 30, kWhite);
    EXPECT_FALSE(PlayInto(image, file, RECT{0, 0, 40, 30}));
}

TEST(CEnhMetaFilePlayerTest, WorldTransformOfTheFileStaysInTheFile) {
    QImage image = Filled(40, 30, kWhite);
    CImageDC dc(image);
    const Bytes file = WithRecordBeforeTheEnd(
        EmptyFile(), Words({EMR_SETWORLDTRANSFORM, 32, FloatWord(3), 0, 0, FloatWord(3), 0, 0}));
    CEnhMetaFilePlayer player(file.data(), file.size());
    EXPECT_TRUE(player.Play(dc, RECT{0, 0, 40, 30}));
    EXPECT_EQ(dc.GetGraphicsMode(), GM_COMPATIBLE);
    POINT point{4, 4};
    dc.LPtoDP(&point);
    EXPECT_EQ(point.x, 4);
}

} // namespace
