// The view's rubber-band frame.
#include "entities/CRukRubberBand.h"

#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"
#include "tests/platform/gdi/GradientImage.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstring>

namespace {

bool SameBytes(const QImage& a, const QImage& b) {
    return a.size() == b.size() && std::memcmp(a.constBits(), b.constBits(),
                                               static_cast<std::size_t>(a.sizeInBytes())) == 0;
}

TEST(RubberBand, RecordsTheErasingAndTheNewFrame) {
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    CRukRubberBand band;
    band.SetFirstPoint(5, 6);
    CRecordingDC dc;
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(WHITE_BRUSH);
    dc.ClearCalls();
    band.Track(&document, &dc, 30, 20, 40, 30, &settings, 0);
    EXPECT_EQ(dc.Calls(),
              (std::vector<std::string>{
                  "SelectObject(pen PS_SOLID 0 0xC0C0C0)", "SetROP2(R2_XORPEN)",
                  "SelectStockObject(NULL_BRUSH)", "Rectangle(5,6,30,20)", "Rectangle(5,6,40,30)",
                  "SelectObject(WHITE_BRUSH)", "SelectObject(BLACK_PEN)", "SetROP2(R2_COPYPEN)"}));

    // On a grey background the frame turns black.
    settings.m_bkColor = 0xC0C0C0;
    dc.ClearCalls();
    band.Track(&document, &dc, 30, 20, 40, 30, &settings, 0);
    EXPECT_EQ(dc.Calls().front(), "SelectObject(pen PS_SOLID 0 0x000000)");
}

TEST(RubberBand, DrawingTwiceRestoresEveryByte) {
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    CRukRubberBand band;
    band.SetFirstPoint(5, 5);
    const QImage original = GradientImage(50, 40);
    QImage image = original.copy();
    {
        CImageDC dc(image);
        band.Track(&document, &dc, 30, 20, 40, 30, &settings, 0);
        const QImage once = image.copy();
        EXPECT_FALSE(SameBytes(once, original));
        // The right edge of the new frame only: XORed once with the grey.
        const QRgb before = original.pixel(39, 15);
        EXPECT_EQ(once.pixel(39, 15) & 0xFFFFFF, (before ^ 0xC0C0C0) & 0xFFFFFF);
        // The shared corner is drawn by both frames and stays.
        EXPECT_EQ(once.pixel(5, 5), original.pixel(5, 5));
        band.Track(&document, &dc, 30, 20, 40, 30, &settings, 0);
    }
    EXPECT_TRUE(SameBytes(image, original));
}

} // namespace
