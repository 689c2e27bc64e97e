// The dot: construction from its record, its one-point extents, its archive
// bodies and the pixel it puts on an image.
#include "entities/CRukDot.h"

#include "entities/EntityKinds.h"
#include "platform/mfc/CArchiveException.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/DrawnImage.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace {

PorRecordBuilder DotRecord(COLORREF color) {
    PorRecordBuilder record(PorDot::Type);
    record.Set(PorDot::Position, POINT{-40, 75});
    record.Set(PorDot::Mode, 3);
    record.Set(PorDot::Size, 250);
    record.Set(PorDot::Color, color);
    record.Set(PorDot::Id, "9F");
    record.Set(PorDot::Layer, "PTS");
    return record;
}

int Create(CRukDot& dot, const PorRecordBuilder& record) {
    const auto framed = PorRecord::Frame(record.Bytes());
    EXPECT_TRUE(framed.has_value());
    return dot.CreateFromRecord(&*framed, nullptr, 25);
}

TEST(CRukDotTest, RecordGivesPositionModeSizeAndColour) {
    CRukDot dot;
    ASSERT_EQ(Create(dot, DotRecord(0x00FF00)), 1);
    EXPECT_EQ(dot.GetKind(), kKindDot);
    EXPECT_EQ(dot.m_x1, -40);
    EXPECT_EQ(dot.m_y1, 75);
    EXPECT_EQ(dot.m_pointMode, 3);
    EXPECT_EQ(dot.m_pointSize, 250);
    EXPECT_EQ(dot.m_savedColor, 0x00FF00u);
    EXPECT_EQ(dot.m_id, "9F");
    EXPECT_EQ(dot.m_layerName, "PTS");
    EXPECT_EQ(dot.m_sourceLayer, "PTS");
    // The extents are the point itself.
    EXPECT_EQ(dot.m_minX, -40);
    EXPECT_EQ(dot.m_maxX, -40);
    EXPECT_EQ(dot.m_minY, 75);
    EXPECT_EQ(dot.m_maxY, 75);
}

TEST(CRukDotTest, ByBlockColourIsWhite) {
    CRukDot dot;
    ASSERT_EQ(Create(dot, DotRecord(PorByBlockColor)), 1);
    EXPECT_EQ(dot.m_color, 0xFFFFFFu);
    EXPECT_EQ(dot.m_savedColor, 0xFFFFFFu);
    CRukDot other;
    EXPECT_EQ(Create(other, PorRecordBuilder(PorLine::Type)), 0);
}

Bytes DotBody() {
    Bytes body;
    body.Long(-40).Long(75).Text("PTS").Long(0x00FF00).Byte(2).Text("t");
    return body;
}

TEST(CRukDotTest, SchemaOneBodyRoundTripsAndLosesModeAndSize) {
    CRukDot dot;
    ASSERT_EQ(Create(dot, DotRecord(0x00FF00)), 1);
    dot.m_childFlag = 2;
    dot.m_tag = "t";
    EXPECT_EQ(StoreBody(dot), DotBody().Get());
    CRukDot back;
    LoadBody(back, DotBody().Get(), 1);
    EXPECT_EQ(back.m_x1, -40);
    EXPECT_EQ(back.m_maxY, 75);
    EXPECT_EQ(back.m_savedColor, 0x00FF00u);
    EXPECT_EQ(back.m_childFlag, 2);
    EXPECT_EQ(back.m_pointMode, 0);
    EXPECT_EQ(back.m_pointSize, 0);
}

TEST(CRukDotTest, SchemaZeroReadsNoBytesAndNewerIsRefused) {
    CMemFile file;
    const std::vector<BYTE> bytes = DotBody().Get();
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        ar.SetObjectSchema(0);
        CRukDot dot;
        dot.Serialize(ar);
        BYTE first = 0;
        ar >> first;
        // The first byte of what follows is still there to read.
        EXPECT_EQ(first, 0xD8);
    }
    try {
        const std::unique_ptr<CObject> loaded(
            LoadObject(ClassRecord(2, "CRukDot").Append(bytes).Get()));
        FAIL() << "schema 2 was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
}

TEST(CRukDotTest, DrawsOnePixelInItsColour) {
    CRukDot dot;
    dot.m_x1 = 7;
    dot.m_y1 = 9;
    dot.m_color = 0x0000FF;
    const QImage image = DrawnImage(20, 20, {&dot});
    int marked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            marked += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(image.pixel(7, 9), qRgb(255, 0, 0));
}

} // namespace
