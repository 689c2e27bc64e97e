// Every archived class of the drawing model: its class record carries its
// current schema, and a record of a later schema is refused as a bad schema
// instead of being read as something it is not. A hatch boundary is left
// out: it is only ever read inside its hatch, which checks the schema.
#include "entities/CLineType.h"
#include "entities/CMetaFile.h"
#include "entities/CRukArc.h"
#include "entities/CRukBezier.h"
#include "entities/CRukCBezier.h"
#include "entities/CRukCNurbs.h"
#include "entities/CRukCSpline.h"
#include "entities/CRukCircle.h"
#include "entities/CRukCloud.h"
#include "entities/CRukDot.h"
#include "entities/CRukEArc.h"
#include "entities/CRukEllipse.h"
#include "entities/CRukGroup.h"
#include "entities/CRukHatch.h"
#include "entities/CRukHatchEdgeArc.h"
#include "entities/CRukHatchEdgeEllipse.h"
#include "entities/CRukHatchEdgeLine.h"
#include "entities/CRukHatchEdgeNurbs.h"
#include "entities/CRukHatchEdgePolyline.h"
#include "entities/CRukHatchEdgeSpline.h"
#include "entities/CRukHatchPattern.h"
#include "entities/CRukHatchTile.h"
#include "entities/CRukIFrame.h"
#include "entities/CRukInsert.h"
#include "entities/CRukLayer.h"
#include "entities/CRukLine.h"
#include "entities/CRukMFrame.h"
#include "entities/CRukMemo.h"
#include "entities/CRukNurbs.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukSaveGroup.h"
#include "entities/CRukSpline.h"
#include "entities/CRukText.h"
#include "tests/entities/SchemaTestSupport.h"

#include <gtest/gtest.h>

namespace {

class EntitySchema : public ::testing::TestWithParam<SchemaCase> {};

TEST_P(EntitySchema, IsStoredAndALaterOneIsRefused) {
    ExpectSchemaStoredAndALaterOneRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Classes, EntitySchema,
    ::testing::Values(
        SchemaCase{RUNTIME_CLASS(CLineType), 0}, SchemaCase{RUNTIME_CLASS(CMetaFile), 1},
        SchemaCase{RUNTIME_CLASS(CRukArc), 2}, SchemaCase{RUNTIME_CLASS(CRukBezier), 2},
        SchemaCase{RUNTIME_CLASS(CRukCBezier), 0}, SchemaCase{RUNTIME_CLASS(CRukCNurbs), 0},
        SchemaCase{RUNTIME_CLASS(CRukCSpline), 0}, SchemaCase{RUNTIME_CLASS(CRukCircle), 3},
        SchemaCase{RUNTIME_CLASS(CRukCloud), 1}, SchemaCase{RUNTIME_CLASS(CRukDot), 1},
        SchemaCase{RUNTIME_CLASS(CRukEArc), 2}, SchemaCase{RUNTIME_CLASS(CRukEllipse), 3},
        SchemaCase{RUNTIME_CLASS(CRukGroup), 0}, SchemaCase{RUNTIME_CLASS(CRukHatch), 0},
        SchemaCase{RUNTIME_CLASS(CRukHatchEdgeArc), 0},
        SchemaCase{RUNTIME_CLASS(CRukHatchEdgeEllipse), 0},
        SchemaCase{RUNTIME_CLASS(CRukHatchEdgeLine), 0},
        SchemaCase{RUNTIME_CLASS(CRukHatchEdgeNurbs), 0},
        SchemaCase{RUNTIME_CLASS(CRukHatchEdgePolyline), 0},
        SchemaCase{RUNTIME_CLASS(CRukHatchEdgeSpline), 0},
        SchemaCase{RUNTIME_CLASS(CRukHatchPattern), 0}, SchemaCase{RUNTIME_CLASS(CRukHatchTile), 0},
        SchemaCase{RUNTIME_CLASS(CRukIFrame), 2}, SchemaCase{RUNTIME_CLASS(CRukInsert), 0},
        SchemaCase{RUNTIME_CLASS(CRukLayer), 0}, SchemaCase{RUNTIME_CLASS(CRukLine), 2},
        SchemaCase{RUNTIME_CLASS(CRukMFrame), 0}, SchemaCase{RUNTIME_CLASS(CRukMemo), 1},
        SchemaCase{RUNTIME_CLASS(CRukNurbs), 0}, SchemaCase{RUNTIME_CLASS(CRukPolygon), 3},
        SchemaCase{RUNTIME_CLASS(CRukPolyline), 2}, SchemaCase{RUNTIME_CLASS(CRukSaveGroup), 1},
        SchemaCase{RUNTIME_CLASS(CRukSpline), 2}, SchemaCase{RUNTIME_CLASS(CRukText), 4}),
    SchemaCaseName);

} // namespace
