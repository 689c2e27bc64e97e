#include "ImportFixture.h"

#include "entities/CRukLine.h"
#include "platform/mfc/Cp932.h"

#include <typeinfo>

#include <gmock/gmock.h>

using ::testing::IsSupersetOf;

namespace {

using SxfImportTest = ImportFixture;

TEST_F(SxfImportTest, AnSfcDrawingOpensThroughTheSxfPlugIn) {
    const CString path = CopyFixture("sxf", "curves.sfc", "plan.sfc");
    ASSERT_EQ(m_document.ImportSxfDrawing(path), 1);

    EXPECT_TRUE(m_dialogs.Messages().empty());
    int lines = 0;
    // Polylines derive from lines: only the plain lines are counted.
    for (POSITION position = m_document.m_objects.GetHeadPosition(); position;) {
        const CObject* object = m_document.m_objects.GetNext(position);
        lines += typeid(*object) == typeid(CRukLine) ? 1 : 0;
    }
    EXPECT_EQ(lines, 3);
    const auto* first = dynamic_cast<const CRukLine*>(m_document.m_objects.GetHead());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_x1, 10500);
    EXPECT_EQ(first->m_y2, 20250);
    EXPECT_EQ(first->GetLayerName(), "base");
    EXPECT_THAT(LayerNames(m_document.m_drawingLayers),
                IsSupersetOf({std::string("base"), Cp932::FromUtf8("寸法表")}));
    EXPECT_EQ(m_document.m_unit, 1000u);
    EXPECT_EQ(m_document.m_controlPath, PathOf("plan.zcd"));
}

// Items the reader could not map are left out of the drawing and counted,
// whichever form the drawing has; the import itself shows nothing, so that
// whoever asked for it tells the user once or names the file in a report.
TEST_F(SxfImportTest, ADrawingWithItemsLeftOutOpensAndCountsThem) {
    for (const char* name : {"left_out.p21", "left_out.sfc"}) {
        SCOPED_TRACE(name);
        const CString path = CopyFixture("sxf", name, name);
        ASSERT_EQ(m_document.ImportSxfDrawing(path), 1);
        const auto* line = dynamic_cast<const CRukLine*>(m_document.m_objects.GetHead());
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->m_x2, 30000);
        EXPECT_EQ(m_document.TakeLeftOut(), 2u);
        EXPECT_EQ(m_document.TakeLeftOut(), 0u);
    }
    EXPECT_TRUE(m_dialogs.Messages().empty());
    CZumeoDoc::TellLeftOut(2);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text.ToQString(),
              QString::fromUtf8("図面の 2 個の要素を読み込めませんでした。"));
}

TEST_F(SxfImportTest, AnSfcFileWithoutASheetIsNotOpened) {
    const CString path = CopyFixture("sxf", "no_sheet.sfc", "empty.sfc");
    EXPECT_EQ(m_document.ImportSxfDrawing(path), 0);
}

} // namespace
