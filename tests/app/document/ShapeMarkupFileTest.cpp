// The shape markups kept in the control file: each kind drawn on a
// document, saved and read back into another document comes back with its
// children filed as before.
#include "DocumentBuilder.h"
#include "MarkupGesture.h"

#include "app/CControlFileReader.h"
#include "app/CZumeoDoc.h"
#include "entities/CRukCloud.h"
#include "entities/EntityKinds.h"
#include "markups/CRukFreeCurve.h"
#include "markups/CRukMarkCloud.h"
#include "markups/CRukMarkPartLine.h"
#include "markups/CRukMarkPolygon.h"
#include "markups/CRukRedCircle.h"
#include "markups/CRukRedEllipse.h"
#include "markups/CRukRedLine.h"
#include "markups/CRukRedPolyline.h"
#include "markups/CRukRedSquare.h"
#include "platform/gdi/CRecordingDC.h"
#include "settings/CDrawDefaults.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

struct KindCase {
    const char* name;
    std::function<CRukMark*()> make;
    std::vector<POINT> clicks;
    int childKind;
};

void PrintTo(const KindCase& c, std::ostream* out) {
    *out << c.name;
}

class ShapeMarkupFile : public ::testing::TestWithParam<KindCase> {};

std::vector<CRukEntity*> ChildrenOf(const CRukEntity& markup) {
    std::vector<CRukEntity*> children;
    for (POSITION position = markup.GetHeadPosition(); position;)
        children.push_back(markup.GetNext(position));
    return children;
}

TEST_P(ShapeMarkupFile, IsSavedAndReadBackWithItsChild) {
    const KindCase& c = GetParam();
    QTemporaryDir folder;
    const CString path = CString::FromFilePath(folder.filePath(QStringLiteral("plan.zcd")));
    std::vector<POINT> points;
    {
        CZumeoDoc document;
        document.m_curLayerName = "RED";
        CRukMark* mark = c.make();
        ASSERT_TRUE(DrawWithClicks(document, mark, c.clicks));
        for (int i = 0; i < mark->GetPointCount(); ++i) {
            POINT point{};
            ASSERT_EQ(mark->GetPoint(&point.x, &point.y, i), 1);
            points.push_back(point);
        }
        ASSERT_TRUE(document.SaveControlFile(path));
    }
    CZumeoDoc document;
    ASSERT_EQ(CControlFileReader::Read(path, document), CControlFileReader::Result::Read);
    document.FileLoadedRedlines();
    const std::vector<CObject*> listed = Listed(document.m_drawOrder);
    ASSERT_EQ(listed.size(), 2u) << "the child, then the markup";
    auto* mark = dynamic_cast<CRukMark*>(listed.back());
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(std::string(mark->GetRuntimeClass()->m_lpszClassName), c.name);
    const std::vector<CRukEntity*> children = ChildrenOf(*mark);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0], listed.front());
    EXPECT_EQ(children[0]->GetKind(), c.childKind);
    EXPECT_EQ(mark->GetLayerName(), "RED");
    std::vector<POINT> loaded;
    for (int i = 0; i < mark->GetPointCount(); ++i) {
        POINT point{};
        ASSERT_EQ(mark->GetPoint(&point.x, &point.y, i), 1);
        loaded.push_back(point);
    }
    ASSERT_EQ(loaded.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(loaded[i].x, points[i].x) << i;
        EXPECT_EQ(loaded[i].y, points[i].y) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ShapeMarkupFile,
    ::testing::Values(
        KindCase{"CRukRedLine", [] { return new CRukRedLine(); }, {{0, 0}, {500, 900}}, kKindLine},
        KindCase{
            "CRukRedCircle", [] { return new CRukRedCircle(); }, {{0, 0}, {0, 400}}, kKindCircle},
        KindCase{"CRukRedEllipse",
                 [] { return new CRukRedEllipse(); },
                 {{0, 0}, {600, 300}},
                 kKindEllipse},
        KindCase{"CRukRedSquare",
                 [] { return new CRukRedSquare(); },
                 {{0, 0}, {600, 300}},
                 kKindPolygon},
        KindCase{"CRukMarkPolygon",
                 [] { return new CRukMarkPolygon(); },
                 {{0, 0}, {600, 0}, {300, 500}},
                 kKindPolygon},
        KindCase{"CRukMarkCloud",
                 [] { return new CRukMarkCloud(); },
                 {{0, 0}, {600, 0}, {300, 500}},
                 kKindCloud},
        KindCase{"CRukRedPolyline",
                 [] { return new CRukRedPolyline(); },
                 {{0, 0}, {600, 0}, {300, 500}},
                 kKindPolyline},
        KindCase{"CRukFreeCurve",
                 [] { return new CRukFreeCurve(); },
                 {{0, 0}, {6000, 0}, {6000, 6000}},
                 kKindSpline},
        KindCase{"CRukMarkPartLine",
                 [] { return new CRukMarkPartLine(); },
                 {{0, 0}, {600, 0}, {600, 600}},
                 kKindPolyline}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return info.param.name; });

TEST(CloudFactor, FollowsTheDrawingsHeightUnitAndCloudSpace) {
    CZumeoDoc document;
    document.m_unit = 1000;
    document.m_extent.m_maxY = 40000;
    CDrawDefaults settings;
    settings.m_cloudSpace = 40;
    document.RecalcMarkupSizes(settings);
    CRukMarkCloud cloud;
    cloud.OnButtonDown(nullptr, &document, 0, 0, nullptr, 0);
    cloud.AddPoint(6000, 0, 0);
    cloud.AddPoint(3000, 5000, 0);
    CRecordingDC dc;
    cloud.Finish(&document, &dc, &settings);
    const std::vector<CRukEntity*> children = ChildrenOf(cloud);
    ASSERT_EQ(children.size(), 1u);
    const auto* child = dynamic_cast<const CRukCloud*>(children[0]);
    ASSERT_NE(child, nullptr);
    EXPECT_DOUBLE_EQ(child->m_arcSize, 1000.0);
}

} // namespace
