#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFileDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/CStockObjects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

TEST(CRecordingDCTest, LogsARubberBandFrame) {
    CRecordingDC dc;
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, RGB(0xC0, 0xC0, 0xC0));
    CPen* oldPen = dc.SelectObject(&pen);
    dc.SetROP2(R2_XORPEN);
    CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(0, 0, 10, 20);
    dc.Rectangle(0, 0, 30, 40);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SetROP2(R2_COPYPEN);
    pen.DeleteObject();

    EXPECT_EQ(oldPen, CStockObjects::Get(BLACK_PEN));
    EXPECT_EQ(oldBrush, CStockObjects::Get(WHITE_BRUSH));
    EXPECT_EQ(dc.Calls(),
              (Calls{"SelectObject(pen PS_SOLID 0 0xC0C0C0)", "SetROP2(R2_XORPEN)",
                     "SelectStockObject(NULL_BRUSH)", "SetBkMode(TRANSPARENT)",
                     "Rectangle(0,0,10,20)", "Rectangle(0,0,30,40)", "SelectObject(BLACK_PEN)",
                     "SelectObject(WHITE_BRUSH)", "SetROP2(R2_COPYPEN)"}));
}

TEST(CRecordingDCTest, DescribesStyledPensAndHatchBrushes) {
    CRecordingDC dc;
    CPen dashed;
    const DWORD lengths[2] = {10, 5};
    dashed.ExtCreatePen(0x10207, 5, LOGBRUSH{BS_SOLID, RGB(0, 0, 255), 0}, 2, lengths);
    CBrush hatch;
    hatch.CreateHatchBrush(HS_BDIAGONAL, RGB(0, 255, 0));
    CPen empty;
    dc.SelectObject(&dashed);
    dc.SelectObject(&hatch);
    dc.SelectObject(&empty);
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    dc.SetPolyFillMode(WINDING);
    dc.SetBkColor(RGB(1, 2, 3));
    EXPECT_EQ(dc.Calls(),
              (Calls{"SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 5 "
                     "0xFF0000 {10,5})",
                     "SelectObject(brush BS_HATCHED HS_BDIAGONAL 0x00FF00)",
                     "SelectObject(pen (empty))", "SetTextAlign(TA_CENTER|TA_BOTTOM)",
                     "SetPolyFillMode(WINDING)", "SetBkColor(0x030201)"}));
    EXPECT_EQ(dc.GetCurrentPen(), &dashed);
}

TEST(CRecordingDCTest, EachCallIsLoggedOnceWithItsArguments) {
    QImage image(4, 4, QImage::Format_RGB32);
    CImageDC source(image);
    CRecordingDC dc;
    const POINT triangle[3] = {{0, 0}, {10, 0}, {10, 10}};
    const POINT squares[8] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {1, 1}, {2, 1}, {2, 2}, {1, 2}};
    const int counts[2] = {4, 4};
    const CRect frame(1, 2, 3, 4);
    dc.Polygon(triangle, 3);
    dc.PolyPolygon(squares, counts, 2);
    dc.Rectangle(frame);
    dc.FillSolidRect(1, 2, 4, 6, RGB(255, 0, 0));
    dc.BitBlt(0, 0, 4, 4, &source, 0, 0, SRCCOPY);
    dc.PatBlt(0, 0, 2, 2, DSTINVERT);
    dc.SetPixel(CPoint(3, 4), RGB(0, 0, 255));
    dc.IntersectClipRect(frame);
    EXPECT_EQ(dc.Calls(),
              (Calls{"Polygon(0,0 10,0 10,10)", "PolyPolygon(0,0 4,0 4,4 0,4 | 1,1 2,1 2,2 1,2)",
                     "Rectangle(1,2,3,4)", "FillSolidRect(1,2,5,8,0x0000FF)",
                     "BitBlt(0,0,4,4,0,0,SRCCOPY)", "PatBlt(0,0,2,2,DSTINVERT)",
                     "SetPixel(3,4,0xFF0000)", "IntersectClipRect(1,2,3,4)"}));
}

TEST(CRecordingDCTest, LogsPathsAndClipsButNotQueries) {
    CRecordingDC dc;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(5000, 5000);
    dc.SetViewportExt(780, -580);
    dc.SaveDC();
    dc.BeginPath();
    dc.MoveTo(0, 0);
    dc.LineTo(100, 0);
    dc.EndPath();
    EXPECT_EQ(dc.GetPath(nullptr, nullptr, 0), 2);
    CSize width(15, 15);
    dc.DPtoLP(&width);
    EXPECT_EQ(width.cy, 129);
    RECT box;
    dc.GetClipBox(&box);
    dc.SelectClipPath(RGN_AND);
    CRgn region;
    region.CreateRectRgn(0, 0, 10, 10);
    dc.SelectClipRgn(&region, RGN_DIFF);
    dc.SelectClipRgn(nullptr);
    dc.RestoreDC(-1);
    EXPECT_EQ(
        dc.Calls(),
        (Calls{"SetMapMode(MM_ISOTROPIC)", "SetWindowExt(5000,5000)", "SetViewportExt(780,-580)",
               "SaveDC()", "BeginPath()", "MoveTo(0,0)", "LineTo(100,0)", "EndPath()",
               "SelectClipPath(RGN_AND)", "SelectClipRgn(region 0,0,10,10,RGN_DIFF)",
               "SelectClipRgn(NULL,RGN_COPY)", "RestoreDC(-1)"}));
    dc.ClearCalls();
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(CRecordingDCTest, TextIsLoggedAsUtf8) {
    CRecordingDC dc;
    QFont face("DejaVu Sans");
    face.setPixelSize(12);
    CFont font;
    font.CreateFromQFont(face);
    dc.SelectObject(&font);
    dc.TextOut(1, 2,
               CString("\x95\x5C"
                       "A")); // "表A" in CP932
    EXPECT_EQ(dc.Calls(),
              (Calls{"SelectObject(font \"DejaVu Sans\" 12px)", "TextOut(1,2,\"\xE8\xA1\xA8"
                                                                "A\")"}));
    EXPECT_GT(dc.GetTextExtent("A", 1).cx, 0);
}

TEST(CMetaFileDCTest, IsRecognisedAsAMetafile) {
    CMetaFileDC metafile;
    CRecordingDC recorder;
    EXPECT_TRUE(metafile.IsMetafile());
    EXPECT_TRUE(metafile.IsKindOf(RUNTIME_CLASS(CMetaFileDC)));
    EXPECT_TRUE(metafile.IsKindOf(RUNTIME_CLASS(CDC)));
    EXPECT_FALSE(recorder.IsMetafile());
    EXPECT_FALSE(recorder.IsKindOf(RUNTIME_CLASS(CMetaFileDC)));
    metafile.MoveTo(0, -5);
    metafile.LineTo(10, -5);
    EXPECT_EQ(metafile.Calls(), (Calls{"MoveTo(0,-5)", "LineTo(10,-5)"}));
}

TEST(CMetaFileDCTest, TheAttributeContextAnswersConversionsAndQueries) {
    QImage screen(780, 580, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    CImageDC view(screen);
    view.SetMapMode(MM_ISOTROPIC);
    view.SetWindowExt(5000, 5000);
    view.SetViewportExt(780, -580);

    CMetaFileDC metafile(CDeviceCaps(1000, 1000, 300, 300));
    metafile.SetMapMode(MM_ANISOTROPIC);
    metafile.SetWindowExt(2, 2);
    EXPECT_EQ(metafile.GetDeviceCaps(LOGPIXELSX), 300);
    metafile.SetAttribDC(&view);
    EXPECT_EQ(metafile.GetAttribDC(), &view);
    EXPECT_EQ(metafile.GetDeviceCaps(LOGPIXELSX), 96);
    CSize width(15, 15);
    metafile.DPtoLP(&width);
    EXPECT_EQ(width, CSize(129, 129));
    // Drawing still goes through the metafile's own mapping.
    metafile.BeginPath();
    metafile.MoveTo(4, 4);
    metafile.LineTo(8, 4);
    metafile.EndPath();
    POINT points[2];
    BYTE types[2];
    ASSERT_EQ(metafile.GetPath(points, types, 2), 2);
    EXPECT_EQ(points[1].x, 8);
    metafile.SetAttribDC(nullptr);
    width = CSize(15, 15);
    metafile.DPtoLP(&width);
    EXPECT_EQ(width, CSize(30, 30));
}

} // namespace
