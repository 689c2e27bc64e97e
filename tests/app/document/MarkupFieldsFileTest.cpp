// Every markup kind, drawn in a style other than the default, saved into a
// control file and read back: the markup and each of its children come back
// equal on every field a reviewer can see (colours, pen, fill, texts, font,
// points, flags), not only on their class and points.
#include "DocumentBuilder.h"
#include "MarkupGesture.h"

#include "app/CControlFileReader.h"
#include "app/CZumeoDoc.h"
#include "markups/CRukFreeCurve.h"
#include "markups/CRukMarkBalloon.h"
#include "markups/CRukMarkCircle.h"
#include "markups/CRukMarkCloud.h"
#include "markups/CRukMarkEllipse.h"
#include "markups/CRukMarkFinger.h"
#include "markups/CRukMarkFlag.h"
#include "markups/CRukMarkPartLine.h"
#include "markups/CRukMarkPolygon.h"
#include "markups/CRukMarkPomp.h"
#include "markups/CRukMarkSquare.h"
#include "markups/CRukMarkTBox.h"
#include "markups/CRukRedCircle.h"
#include "markups/CRukRedEllipse.h"
#include "markups/CRukRedLine.h"
#include "markups/CRukRedPolyline.h"
#include "markups/CRukRedSquare.h"
#include "platform/mfc/Cp932.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct MarkupCase {
    const char* name;
    std::function<CRukMark*()> make;
    std::vector<POINT> clicks;
    // The markup rebuilds its own points from its children when it is read
    // (the flag: its foot and the pole's end at the foot circle).
    bool pointsFromChildren = false;
};

void PrintTo(const MarkupCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr bool IsHatch(int fillType) {
    return fillType >= 4 && fillType <= 9;
}

// One line per object, its children indented below it: every field that
// changes what is drawn or shown. The fill colour is drawn only with a fill,
// the hatch colour and the transparent flag only with a hatch.
void Describe(const CRukEntity& object, bool ownPoints, const std::string& indent,
              std::ostringstream& out) {
    const int fill = object.GetFillType();
    out << indent << object.GetRuntimeClass()->m_lpszClassName << " kind " << object.GetKind()
        << " layer '" << object.GetLayerName().str() << "' name '" << object.GetName().str()
        << "' tag '" << object.m_tag.str() << "' colour " << object.GetColor() << " line type "
        << object.GetLineType() << " x " << object.GetLineTypeScale() << " width "
        << object.GetLineWidth() << " fill " << fill;
    if (fill != 0)
        out << " " << object.GetFillColor();
    if (IsHatch(fill))
        out << " transparent " << object.GetTransparent() << " hatch " << object.GetThirdColor();
    out << " text '" << object.GetText().str() << "' height " << object.GetTextHeight()
        << " label '" << object.GetLabelText().str() << "' frame " << object.GetNoteFrameType()
        << " label mode " << object.GetLabelMode() << " attached " << object.GetLeaderAttached()
        << " arrow " << object.GetArrowLength() << " hand " << object.GetHandSize() << " face '"
        << object.GetFaceName().str() << "' char set " << object.GetCharSet() << " extents "
        << object.m_minX << "," << object.m_minY << " " << object.m_maxX << "," << object.m_maxY;
    // A child's geometry is its vertex list; a markup's are its defining points.
    if (!indent.empty()) {
        out << " vertices";
        for (int i = 0; i < object.m_points.GetSize(); ++i)
            out << " (" << object.m_points[i].x << "," << object.m_points[i].y << ")";
    } else if (ownPoints) {
        out << " points";
        for (int i = 0; i < object.GetPointCount(); ++i) {
            int x = 0;
            int y = 0;
            object.GetPoint(&x, &y, i);
            out << " (" << x << "," << y << ")";
        }
    }
    out << "\n";
    for (POSITION position = object.GetHeadPosition(); position;)
        Describe(*object.GetNext(position), true, indent + "  ", out);
}

std::string Described(const CRukEntity& object, bool ownPoints) {
    std::ostringstream out;
    Describe(object, ownPoints, "", out);
    return out.str();
}

// A style no field keeps by default.
void UseUnusualStyle(CZumeoDoc& document) {
    CRedlineStyle& style = document.m_style;
    style.m_redPenColor = RGB(12, 34, 56);
    style.m_redPenWidth = 37;
    style.m_redLineType = 3;
    style.m_redLineTypeScale = 1500;
    style.m_redFillType = 1;
    style.m_redFillColor = RGB(1, 2, 3);
    style.m_redHatchColor = RGB(4, 5, 6);
    style.m_redTransparent = 1;
    style.m_redFaceName = CString(Cp932::FromUtf8("ＭＳ ゴシック"));
    style.m_labelFrame = 3;
    document.m_curLayerName = "RED";
}

class MarkupFieldsFile : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(MarkupFieldsFile, ComesBackEqualOnEveryField) {
    const MarkupCase& c = GetParam();
    QTemporaryDir folder;
    const CString path = CString::FromFilePath(folder.filePath(QStringLiteral("plan.zcd")));
    std::string saved;
    {
        CZumeoDoc document;
        UseUnusualStyle(document);
        CRukMark* mark = c.make();
        mark->SetText(CString(Cp932::FromUtf8("指摘１")));
        ASSERT_TRUE(DrawWithClicks(document, mark, c.clicks));
        mark->SetName("N7");
        saved = Described(*mark, !c.pointsFromChildren);
        ASSERT_TRUE(document.SaveControlFile(path));
    }
    CZumeoDoc document;
    ASSERT_EQ(CControlFileReader::Read(path, document), CControlFileReader::Result::Read);
    document.FileLoadedRedlines();
    const std::vector<CObject*> listed = Listed(document.m_drawOrder);
    ASSERT_FALSE(listed.empty());
    auto* mark = dynamic_cast<CRukMark*>(listed.back());
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(Described(*mark, !c.pointsFromChildren), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MarkupFieldsFile,
    ::testing::Values(
        MarkupCase{"CRukRedLine", [] { return new CRukRedLine(); }, {{0, 0}, {500, 900}}},
        MarkupCase{"CRukRedCircle", [] { return new CRukRedCircle(); }, {{0, 0}, {0, 400}}},
        MarkupCase{"CRukRedEllipse", [] { return new CRukRedEllipse(); }, {{0, 0}, {600, 300}}},
        MarkupCase{"CRukRedSquare", [] { return new CRukRedSquare(); }, {{0, 0}, {600, 300}}},
        MarkupCase{"CRukRedPolyline",
                   [] { return new CRukRedPolyline(); },
                   {{0, 0}, {600, 0}, {300, 500}}},
        MarkupCase{"CRukMarkPolygon",
                   [] { return new CRukMarkPolygon(); },
                   {{0, 0}, {600, 0}, {300, 500}}},
        MarkupCase{
            "CRukMarkCloud", [] { return new CRukMarkCloud(); }, {{0, 0}, {600, 0}, {300, 500}}},
        MarkupCase{
            "CRukFreeCurve", [] { return new CRukFreeCurve(); }, {{0, 0}, {6000, 0}, {6000, 6000}}},
        MarkupCase{"CRukMarkPartLine",
                   [] { return new CRukMarkPartLine(); },
                   {{0, 0}, {600, 0}, {600, 600}}},
        MarkupCase{"CRukMarkCircle",
                   [] { return new CRukMarkCircle(); },
                   {{0, 0}, {400, 0}, {3000, 2000}}},
        MarkupCase{"CRukMarkEllipse",
                   [] { return new CRukMarkEllipse(); },
                   {{0, 0}, {600, 300}, {3000, 2000}}},
        MarkupCase{"CRukMarkSquare",
                   [] { return new CRukMarkSquare(); },
                   {{0, 0}, {600, 300}, {3000, 2000}}},
        MarkupCase{"CRukMarkBalloon",
                   [] { return new CRukMarkBalloon(); },
                   {{0, 0}, {1000, 1000}, {3000, 1000}}},
        MarkupCase{"CRukMarkTBox", [] { return new CRukMarkTBox(); }, {{0, 0}, {4000, 2000}}},
        MarkupCase{"CRukMarkFlag", [] { return new CRukMarkFlag(); }, {{0, 0}, {0, 3000}}, true},
        MarkupCase{"CRukMarkFinger", [] { return new CRukMarkFinger(); }, {{0, 0}, {3000, 0}}},
        MarkupCase{"CRukMarkPomp",
                   [] { return new CRukMarkPomp(); },
                   {{0, 0}, {1000, 1000}, {3000, 1000}}}),
    [](const ::testing::TestParamInfo<MarkupCase>& info) { return info.param.name; });

} // namespace
