// Every markup class: its class record carries its current schema, and a
// record of a later schema is refused as a bad schema.
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
#include "markups/CRukPath.h"
#include "markups/CRukRedCircle.h"
#include "markups/CRukRedEllipse.h"
#include "markups/CRukRedImage.h"
#include "markups/CRukRedLine.h"
#include "markups/CRukRedPolyline.h"
#include "markups/CRukRedSquare.h"
#include "tests/entities/SchemaTestSupport.h"

#include <gtest/gtest.h>

namespace {

class MarkupSchema : public ::testing::TestWithParam<SchemaCase> {};

TEST_P(MarkupSchema, IsStoredAndALaterOneIsRefused) {
    ExpectSchemaStoredAndALaterOneRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Classes, MarkupSchema,
    ::testing::Values(
        SchemaCase{RUNTIME_CLASS(CRukFreeCurve), 0}, SchemaCase{RUNTIME_CLASS(CRukMarkBalloon), 2},
        SchemaCase{RUNTIME_CLASS(CRukMarkCircle), 2}, SchemaCase{RUNTIME_CLASS(CRukMarkCloud), 2},
        SchemaCase{RUNTIME_CLASS(CRukMarkEllipse), 2}, SchemaCase{RUNTIME_CLASS(CRukMarkFinger), 0},
        SchemaCase{RUNTIME_CLASS(CRukMarkFlag), 0}, SchemaCase{RUNTIME_CLASS(CRukMarkPartLine), 0},
        SchemaCase{RUNTIME_CLASS(CRukMarkPolygon), 1}, SchemaCase{RUNTIME_CLASS(CRukMarkPomp), 0},
        SchemaCase{RUNTIME_CLASS(CRukMarkSquare), 2}, SchemaCase{RUNTIME_CLASS(CRukMarkTBox), 1},
        SchemaCase{RUNTIME_CLASS(CRukPath), 0}, SchemaCase{RUNTIME_CLASS(CRukRedCircle), 0},
        SchemaCase{RUNTIME_CLASS(CRukRedEllipse), 0}, SchemaCase{RUNTIME_CLASS(CRukRedImage), 0},
        SchemaCase{RUNTIME_CLASS(CRukRedLine), 0}, SchemaCase{RUNTIME_CLASS(CRukRedPolyline), 0},
        SchemaCase{RUNTIME_CLASS(CRukRedSquare), 0}),
    SchemaCaseName);

} // namespace
