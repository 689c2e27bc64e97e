// The paint skips an object whose outline falls on one device pixel in a
// one-pixel pen. Many tiny objects of every pen and fill, drawn through the
// drawer with the shortcut and by DrawA itself, must give the same bytes.
#include "entities/CEntityDrawer.h"
#include "entities/CRukArc.h"
#include "entities/CRukCircle.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolyline.h"
#include "platform/gdi/CImageDC.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

struct ShortcutCase {
    std::string name;
    int windowsNT = 1;
    double lineScale = 10.0;
    int showInvisible = 0;
    // Drawing units per pixel of the view.
    double scale = 0.1;
};

void PrintTo(const ShortcutCase& c, std::ostream* out) {
    *out << c.name;
}

// Objects of up to three pixels at any place within a pixel, in the pens,
// line types and fills a drawing uses.
std::vector<std::unique_ptr<CRukEntity>> TinyObjects(double scale) {
    std::mt19937 random(39);
    const auto pick = [&random](int below) {
        return std::uniform_int_distribution<int>(0, below - 1)(random);
    };
    const int pixel = static_cast<int>(1.0 / scale);
    const int lineTypes[] = {0, 1, 2, 5, 6, 100};
    const int widths[] = {0, 5, 12, 25, 60};
    const int fills[] = {0, 0, 0, 1, 3, 5};
    std::vector<std::unique_ptr<CRukEntity>> objects;
    for (int i = 0; i < 3000; ++i) {
        const int x = 20 * pixel + pick(60 * pixel);
        const int y = 20 * pixel + pick(40 * pixel);
        const int size = pick(i % 3 == 0 ? 3 * pixel : pixel);
        std::unique_ptr<CRukEntity> object;
        switch (i % 4) {
        case 0: {
            auto line = std::make_unique<CRukLine>();
            line->m_x1 = x;
            line->m_y1 = y;
            line->m_x2 = x + pick(size + 1) - size / 2;
            line->m_y2 = y + pick(size + 1);
            object = std::move(line);
            break;
        }
        case 1: {
            auto circle = std::make_unique<CRukCircle>();
            circle->SetFirstPoint(x, y);
            circle->AppendPoint(x + size / 2, y);
            object = std::move(circle);
            break;
        }
        case 2: {
            auto arc = std::make_unique<CRukArc>();
            const int r = size / 2;
            arc->m_points.Add(POINT{x - r, y - r});
            arc->m_points.Add(POINT{x + r, y - r});
            arc->m_points.Add(POINT{x + r, y + r});
            arc->m_points.Add(POINT{x - r, y + r});
            arc->m_x1 = x + r;
            arc->m_y1 = y;
            arc->m_x2 = x;
            arc->m_y2 = y + r;
            object = std::move(arc);
            break;
        }
        default: {
            auto polyline = std::make_unique<CRukPolyline>();
            polyline->m_points.Add(POINT{x, y});
            polyline->m_points.Add(POINT{x + size / 3, y + size / 2});
            polyline->m_points.Add(POINT{x + size / 2, y});
            object = std::move(polyline);
            break;
        }
        }
        object->m_lineType = lineTypes[pick(6)];
        object->m_lineWidth = widths[pick(5)];
        object->m_fillType = fills[pick(6)];
        object->m_color = static_cast<COLORREF>(pick(0x1000000));
        object->m_savedColor = object->m_color;
        object->m_fillColor = static_cast<COLORREF>(pick(0x1000000));
        object->RecalcExtents();
        objects.push_back(std::move(object));
    }
    return objects;
}

class OnePixelShortcutTest : public testing::TestWithParam<ShortcutCase> {};

TEST_P(OnePixelShortcutTest, SkippedObjectsWouldHaveSetNoPixel) {
    const ShortcutCase& c = GetParam();
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    settings.m_bWindowsNT = c.windowsNT;
    settings.m_lineScale = c.lineScale;
    settings.m_outlineInvisibleLines = c.showInvisible;
    FakeDocument document;
    document.m_viewScale = c.scale;
    const RECT clip{0, 0, 100, 80};
    const std::vector<std::unique_ptr<CRukEntity>> objects = TinyObjects(c.scale);

    QImage full(100, 80, QImage::Format_RGB32);
    full.fill(Qt::white);
    QImage skipping = full.copy();
    int skipped = 0;
    {
        CImageDC dc(full);
        for (const auto& object : objects)
            object->DrawA(&document, &dc, 0, 0, c.scale, 1.0, &settings, FALSE, clip);
    }
    {
        CImageDC dc(skipping);
        const CEntityDrawer drawer(&document, &dc, clip, 0, 0, c.scale, &settings);
        for (const auto& object : objects) {
            skipped += object->SetsNoPixelOnScreen(&dc, 0, 0, c.scale, &settings) ? 1 : 0;
            drawer.Draw(*object, 1.0, FALSE);
        }
    }
    EXPECT_TRUE(skipping == full);
    // Many of them are skipped, but not all.
    EXPECT_GT(skipped, 100);
    EXPECT_LT(skipped, 2500);
}

INSTANTIATE_TEST_SUITE_P(
    PensAndScales, OnePixelShortcutTest,
    testing::Values(ShortcutCase{"StyledPens"}, ShortcutCase{"EmulatedDashes", 0},
                    ShortcutCase{"InvisibleLinesShown", 1, 10.0, 1},
                    ShortcutCase{"WidePens", 1, 40.0}, ShortcutCase{"EmulatedWidePens", 0, 40.0},
                    ShortcutCase{"FinerView", 1, 10.0, 0, 0.05}),
    [](const testing::TestParamInfo<ShortcutCase>& info) { return info.param.name; });

TEST(OnePixelShortcutTest, OnlyTheScreenIsSkipped) {
    CDrawDefaults settings;
    CRukLine line;
    line.m_x1 = 3;
    line.m_x2 = 4;
    line.RecalcExtents();
    QImage image(10, 10, QImage::Format_RGB32);
    CImageDC dc(image);
    EXPECT_TRUE(line.SetsNoPixelOnScreen(&dc, 0, 0, 0.1, &settings));
    dc.BeginPath();
    EXPECT_FALSE(line.SetsNoPixelOnScreen(&dc, 0, 0, 0.1, &settings));
    dc.AbortPath();
    dc.m_bPrinting = TRUE;
    EXPECT_FALSE(line.SetsNoPixelOnScreen(&dc, 0, 0, 0.1, &settings));
    dc.m_bPrinting = FALSE;
    line.m_x2 = 30;
    line.RecalcExtents();
    EXPECT_FALSE(line.SetsNoPixelOnScreen(&dc, 0, 0, 0.1, &settings));
}

} // namespace
