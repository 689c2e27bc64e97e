// The sample drawing imported through the document: every record the DXF
// plug-in converts it to becomes an entity.
#include "ImportFixture.h"

#include "app/CPlugInReader.h"
#include "entities/CEntityFactory.h"
#include "entities/CRukEntity.h"
#include "platform/win/GlobalMemory.h"
#include "por/PorBlockReader.h"
#include "por/PorRecords.h"

#include <map>
#include <set>

namespace {

// Record types that describe the drawing rather than draw in it.
const std::set<LONG> kStructuralTypes = {PorHeader::Type, PorEnd::Type, PorLayer::Type,
                                         PorLineTypeScale::Type, PorLineType::Type};

class SampleDrawingTest : public ImportFixture {
protected:
    // How many records of each drawing type the plug-in gives.
    std::map<LONG, int> RecordCounts(const CString& path) {
        std::map<LONG, int> counts;
        HGLOBAL block = CPlugInReader(nullptr).GetPORData(CZumeoDoc::kDxfLibrary, path);
        EXPECT_NE(block, nullptr);
        if (!block)
            return counts;
        const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
        PorBlockReader reader(std::span<const BYTE>(bytes, GlobalSize(block)));
        while (const auto record = reader.Next())
            if (!kStructuralTypes.contains(record->Type()))
                ++counts[record->Type()];
        GlobalUnlock(block);
        GlobalFree(block);
        return counts;
    }
};

TEST_F(SampleDrawingTest, EveryKindOfRecordBecomesAnEntity) {
    const CString path = PathOf("sample.dxf");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/../../samples/sample.dxf"),
                            path.ToFilePath()));
    const std::map<LONG, int> counts = RecordCounts(path);
    ASSERT_FALSE(counts.empty());

    // The sample has circles and arcs besides its lines.
    EXPECT_GT(counts.count(PorCircle::Type), 0u);
    EXPECT_GT(counts.count(PorArc::Type), 0u);
    for (const auto& [type, count] : counts)
        EXPECT_NE(CEntityFactory::New(type), nullptr) << "record type " << type << " has no entity";

    ASSERT_EQ(m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary, path), 1);
    int total = 0;
    for (const auto& [type, count] : counts)
        total += count;
    EXPECT_EQ(m_document.m_objects.GetCount(), total);
}

} // namespace
