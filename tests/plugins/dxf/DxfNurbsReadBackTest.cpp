// The NURBS records the plug-in writes, read back by the program's curve
// classes: weights and knots are signed words on both sides, so negative
// knots come back negative.
#include "plugins/dxf/CDxfPrimitiveEmitter.h"

#include "DxfTestSupport.h"
#include "entities/CRukCNurbs.h"
#include "entities/CRukNurbs.h"
#include "plugins/dxf/CPorStream.h"
#include "tests/entities/FakeDocument.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Doubles = std::vector<double>;

TEST(DxfNurbsReadBack, KnotsAndWeightsComeBackAsWritten) {
    CDxfHeader header;
    header.scale = 1000;
    const CDxfPrimitiveEmitter emitter{header};
    const CDxfPen pen{3, 0.5, 25, 0x123456};
    const CDxfEntityTag tag{"1F", "Curves"};
    const DPOINT points[] = {{0, 0}, {1, 1}, {2, 0}};
    const double knots[] = {-1.5, -1.5, -1.5, 0.25, 0.25, 0.25};
    const double weights[] = {1, 0.5, 2};
    CPorStream stream;
    emitter.WriteNurbs(points, knots, weights, 2, 0, pen, tag, stream, 0);
    emitter.WriteNurbs(points, knots, weights, 2, 1, pen, tag, stream, 0);
    const auto records = DxfTest::Records(stream);
    ASSERT_EQ(records.size(), 2u);

    FakeDocument document;
    document.m_unit = 1000;
    CRukNurbs open;
    ASSERT_EQ(open.CreateFromRecord(&records[0], &document, 25), 1);
    EXPECT_EQ(open.m_knots, (Doubles{-1.5, -1.5, -1.5, 0.25, 0.25, 0.25}));
    EXPECT_EQ(open.m_weights, (Doubles{1, 0.5, 2}));
    EXPECT_EQ(open.m_degree, 2);
    EXPECT_EQ(open.m_layerName, "Curves");
    CRukCNurbs closed;
    ASSERT_EQ(closed.CreateFromRecord(&records[1], &document, 25), 1);
    EXPECT_EQ(closed.m_knots, open.m_knots);
    EXPECT_EQ(closed.m_weights, open.m_weights);
}

} // namespace
