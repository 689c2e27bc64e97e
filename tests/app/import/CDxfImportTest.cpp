#include "ImportFixture.h"

#include "entities/CLineType.h"
#include "entities/CRukArc.h"
#include "entities/CRukDot.h"
#include "entities/CRukEArc.h"
#include "entities/CRukHatch.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolygon.h"
#include "tests/support/CpuClock.h"

#include <gmock/gmock.h>

#include <chrono>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

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
    EXPECT_EQ(Count<CRukLine>(), 5);
    EXPECT_EQ(Count<CRukPolygon>(), 2);
    EXPECT_EQ(Count<CRukDot>(), 1);
    // Circle and arc, ellipse and elliptical arc.
    EXPECT_EQ(Count<CRukCircle>(), 2);
    EXPECT_EQ(Count<CRukArc>(), 1);
    EXPECT_EQ(Count<CRukEllipse>(), 2);
    EXPECT_EQ(Count<CRukEArc>(), 1);
    EXPECT_EQ(Count<CRukHatch>(), 1);
    EXPECT_EQ(m_document.m_objects.GetCount(), 13);
    const auto* first = dynamic_cast<const CRukLine*>(m_document.m_objects.GetHead());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_x1, 10000);
    EXPECT_EQ(first->m_y1, 20000);
    EXPECT_EQ(first->m_x2, 110000);
    EXPECT_EQ(first->m_y2, 70000);
    EXPECT_EQ(first->GetLayerName(), "Walls");

    EXPECT_THAT(LayerNames(m_document.m_drawingLayers), UnorderedElementsAre("0", "Walls", "Off"));
    // The XLINE and the RAY stay on their layers: no layer without a name.
    // The circle lies on the hidden layer.
    EXPECT_THAT(LayerNames(m_document.m_layers), UnorderedElementsAre("0", "Walls", "Off"));
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

struct SpecialCase {
    const char* name;
    bool drawing; // else the control file is the special one
    bool fifo;    // else a link to /dev/zero
};

// Failures name the case.
void PrintTo(const SpecialCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class SpecialFileTest : public DxfImportTest, public ::testing::WithParamInterface<SpecialCase> {};

// Neither waits for a writer nor reads without end: refused at once with a
// message that names the file.
TEST_P(SpecialFileTest, IsRefusedAtOnceAndNamed_Mended) {
    const CString drawing =
        GetParam().drawing ? PathOf("plan.dxf") : CopyFixture("simple_entities.dxf", "plan.dxf");
    const CString special = GetParam().drawing ? drawing : PathOf("plan.zcd");
    if (GetParam().fifo)
        ASSERT_EQ(::mkfifo(special.c_str(), 0600), 0);
    else
        ASSERT_EQ(::symlink("/dev/zero", special.c_str()), 0);
    const auto start = CpuClock::now();
    const int opened = m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary, drawing);
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(opened, GetParam().drawing ? 0 : 1);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_TRUE(m_dialogs.Messages()[0].text.str().ends_with("\n" + special.str()));
}

INSTANTIATE_TEST_SUITE_P(
    Files, SpecialFileTest,
    ::testing::Values(SpecialCase{"DrawingIsAPipe", true, true},
                      SpecialCase{"DrawingIsALinkToDevZero", true, false},
                      SpecialCase{"ControlFileIsAPipe", false, true},
                      SpecialCase{"ControlFileIsALinkToDevZero", false, false}),
    [](const ::testing::TestParamInfo<SpecialCase>& info) { return std::string(info.param.name); });

} // namespace
