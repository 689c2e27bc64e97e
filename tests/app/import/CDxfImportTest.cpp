#include "ImportFixture.h"

#include "entities/CLineType.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolygon.h"

#include <gmock/gmock.h>

using ::testing::UnorderedElementsAre;

namespace {

class DxfImportTest : public ImportFixture {
protected:
    CString CopyFixture(const char* fixture, const char* name) const {
        return ImportFixture::CopyFixture("dxf", fixture, name);
    }

    template <class T> int Count() const {
        int count = 0;
        for (POSITION position = m_document.m_objects.GetHeadPosition(); position;)
            count += dynamic_cast<const T*>(m_document.m_objects.GetNext(position)) ? 1 : 0;
        return count;
    }
};

TEST_F(DxfImportTest, DrawingOfTheDxfPlugIn) {
    const CString path = CopyFixture("simple_entities.dxf", "plan.dxf");
    ASSERT_EQ(m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary, path), 1);

    EXPECT_TRUE(m_dialogs.Messages().empty());
    // Lines and polygons are the classes there are so far; the circles,
    // arcs and the dot build nothing yet.
    EXPECT_EQ(Count<CRukLine>(), 5);
    EXPECT_EQ(Count<CRukPolygon>(), 2);
    EXPECT_EQ(m_document.m_objects.GetCount(), 7);
    const auto* first = dynamic_cast<const CRukLine*>(m_document.m_objects.GetHead());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_x1, 10000);
    EXPECT_EQ(first->m_y1, 20000);
    EXPECT_EQ(first->m_x2, 110000);
    EXPECT_EQ(first->m_y2, 70000);
    EXPECT_EQ(first->GetLayerName(), "Walls");

    EXPECT_THAT(LayerNames(m_document.m_drawingLayers), UnorderedElementsAre("0", "Walls", "Off"));
    // The XLINE and the RAY stay on their layers: no layer without a name.
    EXPECT_THAT(LayerNames(m_document.m_layers), UnorderedElementsAre("0", "Walls"));
    EXPECT_EQ(m_document.m_unit, 1000u);
    EXPECT_DOUBLE_EQ(m_document.m_scale, 2.0);
    EXPECT_EQ(m_document.m_scaleMode, 1);
    EXPECT_EQ(m_document.m_lineTypes.GetCount(), 2);

    EXPECT_EQ(m_document.m_controlPath, PathOf("plan.zcd"));
    EXPECT_EQ(m_document.m_ownDocPath, PathOf("plan.zmd"));
    EXPECT_EQ(m_document.m_workPath, PathOf("plan.$$$"));
    EXPECT_TRUE(FileExists(PathOf("plan.$$$")));
}

TEST_F(DxfImportTest, ExtentIsTheDrawingsWithoutASheet) {
    const CString path = CopyFixture("minimal_line.dxf", "line.dxf");
    ASSERT_EQ(m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary, path), 1);
    ASSERT_EQ(m_document.m_objects.GetCount(), 1);
    EXPECT_EQ(m_document.m_extent, (CDocExtent{0, -2000, 1500, 0}));
    EXPECT_DOUBLE_EQ(m_document.m_scaleX, 10000.0 / 2000.0);
    // Sizes of new markups follow the drawing's height in units.
    EXPECT_DOUBLE_EQ(m_document.m_textSize, 2.0 / 76.0);
}

TEST_F(DxfImportTest, SecondImportReplacesTheFirst) {
    ASSERT_EQ(m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary,
                                        CopyFixture("simple_entities.dxf", "plan.dxf")),
              1);
    ASSERT_EQ(m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary,
                                        CopyFixture("minimal_line.dxf", "line.dxf")),
              1);
    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
    EXPECT_THAT(LayerNames(m_document.m_layers), UnorderedElementsAre("0"));
    // The first drawing's work file went with it.
    EXPECT_FALSE(FileExists(PathOf("plan.$$$")));
    EXPECT_TRUE(FileExists(PathOf("line.$$$")));
}

} // namespace
