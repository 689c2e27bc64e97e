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

TEST_F(SxfImportTest, AnSfcFileWithoutASheetIsNotOpened) {
    const CString path = CopyFixture("sxf", "no_sheet.sfc", "empty.sfc");
    EXPECT_EQ(m_document.ImportSxfDrawing(path), 0);
}

} // namespace
