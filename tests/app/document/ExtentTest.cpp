#include "DocumentBuilder.h"

#include "settings/CDrawDefaults.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct ExtentCase {
    const char* name;
    std::function<void(CZumeoDoc&, DocumentBuilder&)> fill;
    CDocExtent extent;
    double scaleX;
    double scaleY;
    int deviceWidth;
    int deviceHeight;
};

TEST(ExtentTest, ExtentScaleAndDeviceSize) {
    const ExtentCase cases[] = {
        {"empty document", [](CZumeoDoc&, DocumentBuilder&) {}, {}, 1.0, 1.0, 10000, 10000},
        {"a single point",
         [](CZumeoDoc& doc, DocumentBuilder& build) {
             build.Drawing(kKindLine, "0", 500, 700, 500, 700);
             doc.RecomputeVisibleExtent(FALSE);
         },
         {500, 700, 500, 700},
         1.0,
         1.0,
         100,
         100},
        {"wide drawing",
         [](CZumeoDoc& doc, DocumentBuilder& build) {
             build.Drawing(kKindLine, "0", -1000, 0, 1000, 1000);
             doc.ComputeScale();
         },
         {-1000, 0, 1000, 1000},
         5.0,
         50.0,
         10000,
         5000},
        {"hidden layer, a dot and an invisible entity left out",
         [](CZumeoDoc& doc, DocumentBuilder& build) {
             build.Drawing(kKindLine, "0", 0, 0, 100, 50);
             build.Drawing(kKindLine, "off", 0, 0, 9000, 9000);
             build.Drawing(kKindDot, "0", -500, -500, -500, -500);
             build.Drawing(kKindLine, "0", 0, 0, 400, 400)->m_visible = 0;
             doc.FindLayer("off")->m_visible = 0;
             doc.RecomputeVisibleExtent(FALSE);
         },
         {0, 0, 100, 50},
         100.0,
         1000.0,
         10000,
         5000},
        {"the paper rectangle",
         [](CZumeoDoc& doc, DocumentBuilder& build) {
             build.Drawing(kKindLine, "0", 0, 0, 100, 50);
             doc.m_paperSize = {4200, 2970};
             doc.m_paperOrigin = {100, 50};
             doc.RecomputeVisibleExtent(TRUE);
         },
         {-100, -50, 4100, 2920},
         10000.0 / 4200,
         100000.0 / 4200,
         10000,
         7071},
        {"paper not asked for: the loaded extent widened by the top objects",
         [](CZumeoDoc& doc, DocumentBuilder& build) {
             build.Drawing(kKindLine, "0", 0, 0, 100, 50);
             doc.m_fullExtent = doc.m_extent;
             doc.m_paperSize = {4200, 2970};
             auto* group = build.Drawing(kKindGroup, "0", 50, -150, 60, 10);
             doc.m_topObjects.AddTail(group);
             doc.RecomputeExtent(FALSE);
         },
         {0, -150, 100, 50},
         50.0,
         500.0,
         5000,
         10000},
    };
    for (const ExtentCase& c : cases) {
        SCOPED_TRACE(c.name);
        CZumeoDoc doc;
        DocumentBuilder build(doc);
        c.fill(doc, build);
        EXPECT_EQ(doc.m_extent, c.extent);
        EXPECT_DOUBLE_EQ(doc.m_scaleX, c.scaleX);
        EXPECT_DOUBLE_EQ(doc.m_scaleY, c.scaleY);
        EXPECT_EQ(doc.GetDeviceWidth(), c.deviceWidth);
        EXPECT_EQ(doc.GetDeviceHeight(), c.deviceHeight);
    }
}

TEST(ExtentTest, AnEntityWithoutExtentsDoesNotWidenTheExtent) {
    CZumeoDoc doc;
    auto* unset = new TestEntity(kKindLine);
    doc.AddEntity(unset);
    doc.AddToLayer(unset);
    doc.RecomputeVisibleExtent(FALSE);
    EXPECT_TRUE(doc.m_extent.IsZero());
}

TEST(ExtentTest, ExtentOfTheWholeIntRangeKeepsItsSize) {
    CZumeoDoc doc;
    DocumentBuilder(doc).Drawing(kKindLine, "0", INT32_MIN, INT32_MIN, INT32_MAX, 0);
    doc.ComputeScale();
    EXPECT_DOUBLE_EQ(doc.m_scaleX, 10000.0 / 4294967295.0);
    EXPECT_EQ(doc.GetDeviceWidth(), 10000);
    EXPECT_EQ(doc.GetDeviceHeight(), 5000);
}

TEST(ExtentTest, ConversionsUseTheExtentMinimumAndScale) {
    CZumeoDoc doc;
    doc.ExtendExtent(1000, 2000, 3000, 3000);
    doc.ComputeScale();
    ASSERT_DOUBLE_EQ(doc.m_scaleX, 5.0);
    const POINT device = doc.LogicalToDevicePoint(1101, 2100);
    EXPECT_EQ(device.x, 505);
    EXPECT_EQ(device.y, 500);
    const POINT back = doc.DeviceToLogicalPoint(device.x, device.y);
    EXPECT_EQ(back.x, 1101);
    EXPECT_EQ(back.y, 2100);
    EXPECT_EQ(doc.LogicalToDevice(3), 15);
    EXPECT_EQ(doc.DeviceToLogical(12), 2);
}

TEST(ExtentTest, PaperCentreAndVisibleCentre) {
    CZumeoDoc doc;
    DocumentBuilder(doc).Drawing(kKindLine, "0", -7, 10, 100, 31);
    doc.m_paperSize = {4200, 2970};
    doc.m_paperOrigin = {100, 50};
    const POINT paper = doc.GetPaperCenter(TRUE);
    EXPECT_EQ(paper.x, 2000);
    EXPECT_EQ(paper.y, 1435);
    const POINT visible = doc.GetPaperCenter(FALSE);
    EXPECT_EQ(visible.x, 46);
    EXPECT_EQ(visible.y, 20);
}

struct SizeCase {
    UINT unit;
    double expectedHeight;
};

TEST(ExtentTest, MarkupSizesFromTheHeightInUnits) {
    // A broken header's unit of 0 counts as the default 1000.
    const SizeCase cases[] = {{1000, 76.0}, {0, 76.0}, {10, 7600.0}};
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.unit);
        CZumeoDoc doc;
        doc.ExtendExtent(0, 0, 10, 76000);
        doc.m_unit = c.unit;
        CDrawDefaults settings;
        doc.RecalcMarkupSizes(settings);
        EXPECT_DOUBLE_EQ(doc.GetExtentRatio(), c.expectedHeight);
        EXPECT_DOUBLE_EQ(doc.m_textSize, c.expectedHeight / 76.0);
        EXPECT_DOUBLE_EQ(doc.m_arrowSize, c.expectedHeight / 76.0);
        EXPECT_DOUBLE_EQ(doc.m_cloudSize, c.expectedHeight / 40.0);
    }
}

TEST(ExtentTest, FitViewComparesWithTheFitOfTheDrawing) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    build.Drawing(kKindLine, "0", 0, 0, 2000, 1000);
    build.Drawing(kKindLine, "off", 0, 0, 4000, 4000);
    doc.m_fullExtent = doc.m_extent;
    EXPECT_TRUE(doc.IsFitView({32767, 32767}, {0, 0}, TRUE));
    EXPECT_TRUE(doc.IsFitView({10000, 10000}, {0, 0}, FALSE));
    EXPECT_FALSE(doc.IsFitView({32767, 32767}, {5, 0}, TRUE));
    doc.FindLayer("off")->m_visible = 0;
    EXPECT_TRUE(doc.IsFitView({32767, 16383}, {0, 0}, TRUE));
}

} // namespace
