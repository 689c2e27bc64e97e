// The record-to-entity factory: which record types build which class, and
// how a built entity reaches the document.
#include "entities/CEntityFactory.h"

#include "entities/CRukArc.h"
#include "entities/CRukBezier.h"
#include "entities/CRukCBezier.h"
#include "entities/CRukCNurbs.h"
#include "entities/CRukCSpline.h"
#include "entities/CRukCircle.h"
#include "entities/CRukDot.h"
#include "entities/CRukEArc.h"
#include "entities/CRukEllipse.h"
#include "entities/CRukGroup.h"
#include "entities/CRukHatch.h"
#include "entities/CRukIFrame.h"
#include "entities/CRukInsert.h"
#include "entities/CRukLine.h"
#include "entities/CRukNurbs.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukSpline.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "tests/entities/ContainerRecords.h"
#include "tests/entities/FakeDocument.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

TEST(CEntityFactoryTest, RecordTypesBuildTheirClassesAndAllOthersNothing) {
    const std::map<LONG, const CRuntimeClass*> built = {
        {PorLine::Type, RUNTIME_CLASS(CRukLine)},
        {PorPolyline::Type, RUNTIME_CLASS(CRukPolyline)},
        {PorPolygon::Type, RUNTIME_CLASS(CRukPolygon)},
        {PorBezier::Type, RUNTIME_CLASS(CRukBezier)},
        {PorCircle::Type, RUNTIME_CLASS(CRukCircle)},
        {PorEllipse::Type, RUNTIME_CLASS(CRukEllipse)},
        {PorArc::Type, RUNTIME_CLASS(CRukArc)},
        {PorEArc::Type, RUNTIME_CLASS(CRukEArc)},
        {PorText::Type, RUNTIME_CLASS(CRukText)},
        {PorIFrame::Type, RUNTIME_CLASS(CRukIFrame)},
        {PorDot::Type, RUNTIME_CLASS(CRukDot)},
        {PorGroup::Type, RUNTIME_CLASS(CRukGroup)},
        {PorSpline::Type, RUNTIME_CLASS(CRukSpline)},
        {PorCSpline::Type, RUNTIME_CLASS(CRukCSpline)},
        {PorInsert::Type, RUNTIME_CLASS(CRukInsert)},
        {PorHatch::Type, RUNTIME_CLASS(CRukHatch)},
        {PorCBezier::Type, RUNTIME_CLASS(CRukCBezier)},
        {PorNurbs::Type, RUNTIME_CLASS(CRukNurbs)},
        {PorCNurbs::Type, RUNTIME_CLASS(CRukCNurbs)},
    };
    for (LONG type = -2; type <= 41; ++type) {
        SCOPED_TRACE(type);
        const std::unique_ptr<CRukEntity> entity = CEntityFactory::New(type);
        const auto row = built.find(type);
        if (row == built.end()) {
            EXPECT_EQ(entity, nullptr);
        } else {
            ASSERT_NE(entity, nullptr);
            EXPECT_EQ(entity->GetRuntimeClass(), row->second);
        }
    }
}

TEST(CEntityFactoryTest, BuiltEntityIsFilledAndFiledUnderItsLayer) {
    FakeDocument document;
    const RecordBytes bytes = LineRecord("L1", "WALL", {1, 2}, {3, 4});
    const PorRecord record = Framed(bytes);
    CRukEntity* line = CEntityFactory::CreateEntityFromRecord(&record, &document, 25);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetKind(), kKindLine);
    EXPECT_EQ(line->m_id, "L1");
    ASSERT_EQ(document.m_entities.size(), 1u);
    EXPECT_EQ(document.m_entities[0].get(), line);
    EXPECT_EQ(document.m_layerEntities["WALL"], std::vector<CRukEntity*>{line});
}

TEST(CEntityFactoryTest, RefusedRecordsAndTypesWithoutAClassFileNothing) {
    FakeDocument document;
    // A line record too short for its pen is refused by the line itself.
    RecordBytes shortLine = LineRecord("L1", "0", {0, 0}, {1, 1});
    shortLine.resize(36);
    shortLine[4] = 36;
    PorRecordBuilder layer(PorLayer::Type);
    const RecordBytes layerBytes(layer.Bytes().begin(), layer.Bytes().end());
    const RecordBytes* refused[] = {&shortLine, &layerBytes};
    for (const RecordBytes* bytes : refused) {
        const PorRecord record = Framed(*bytes);
        EXPECT_EQ(CEntityFactory::CreateEntityFromRecord(&record, &document, 25), nullptr);
    }
    EXPECT_EQ(CEntityFactory::CreateEntityFromRecord(nullptr, &document, 25), nullptr);
    EXPECT_TRUE(document.m_entities.empty());
    EXPECT_TRUE(document.m_layerEntities.empty());
}

} // namespace
