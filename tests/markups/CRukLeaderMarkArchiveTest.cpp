#include "MarkupTestSupport.h"

#include "entities/CRukEllipse.h"
#include "entities/CRukLine.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "markups/CRukMarkEllipse.h"
#include "markups/CRukMarkSquare.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/markups/OldLeaderMark.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

using LoadedMark = LoadedMarkup<CRukLeaderMark>;

// ---- Schema 2

class LeaderArchive : public ::testing::Test {
protected:
    LeaderArchive() {
        m_document.m_viewScale = 0.1;
        m_document.m_curLayerName = "RED";
        m_document.m_newMarkTag = "tag";
        m_document.m_newMarkName = "tip";
        m_document.m_style.m_redPenColor = 0x0000FF;
    }

    // A finished ellipse mark, box (0, 2000)-(2000, 0), label "ABCD" at (5000, 1000).
    CRukMarkEllipse& Finished() {
        m_mark.SetText("ABCD");
        m_mark.OnButtonDown(nullptr, nullptr, 0, 2000, nullptr, 0);
        m_mark.AddPoint(2000, 0, 0);
        m_mark.AddPoint(5000, 1000, 0);
        CRecordingDC dc;
        m_mark.Finish(&m_document, &dc, &m_settings);
        return m_mark;
    }

    FixedTextMetrics m_metrics;
    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
    CRukMarkEllipse m_mark;
};

// The own fields of the finished mark, as the file holds them.
Bytes OwnFields() {
    Bytes own;
    own.Word(2).Long(1000).Long(1000).Long(5000).Long(1000);
    own.Text("RED").Long(0x0000FF).Text("").Byte(0).Text("tag").Text("tip");
    return own;
}

TEST_F(LeaderArchive, SchemaTwoBodyReadsAndWritesBackByteForByte) {
    const std::vector<BYTE> stored = StoreObject(Finished());
    const Bytes head = ClassRecord(2, kEllipseName);
    const std::vector<BYTE> own = OwnFields().Get();
    ASSERT_GT(stored.size(), head.Get().size() + own.size());
    EXPECT_EQ(Slice(stored, 0, head.Get().size()), head.Get());
    EXPECT_EQ(Slice(stored, head.Get().size(), head.Get().size() + own.size()), own);
    // The child list: five children.
    EXPECT_EQ(stored[head.Get().size() + own.size()], 5);

    const LoadedMark loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(loaded.mark->m_childCount, 5);
    EXPECT_EQ(loaded.mark->m_leaderAttached, 1);
    EXPECT_EQ(VerticesOf(*loaded.mark), (std::vector<POINT>{{1000, 1000}, {5000, 1000}}));
    EXPECT_EQ(loaded.mark->m_layerName, "RED");
    EXPECT_EQ(loaded.mark->GetLabelText(), "ABCD");
}

TEST_F(LeaderArchive, LeaderAttachedIsRecomputedFromTheLeader) {
    m_document.m_style.m_leaderTipAtCentre = 0;
    const LoadedMark loaded(LoadObject(StoreObject(Finished())));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(loaded.mark->m_leaderAttached, 0);
}

// ---- Older schemas

TEST(LeaderArchiveOld, SchemaOneLineLeaderGetsTheFiveChildLayout) {
    OldMark old(true, 20);
    const LoadedMark loaded(LoadObject(old.Body(1)));
    ASSERT_NE(loaded.mark, nullptr);
    const std::vector<CRukEntity*> children = ChildrenOf(*loaded.mark);
    ASSERT_EQ(children.size(), 8u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(children[i]->m_tag, "DELETE") << i;
    std::vector<int> kinds;
    for (std::size_t i = 3; i < children.size(); ++i) {
        kinds.push_back(children[i]->GetKind());
        EXPECT_TRUE(children[i]->m_tag.IsEmpty());
        EXPECT_EQ(children[i]->m_childFlag, 2);
    }
    EXPECT_EQ(kinds, (std::vector<int>{kKindEllipse, kKindPolyline, kKindCircle, kKindPolygon,
                                       kKindText}));
    EXPECT_EQ(VerticesOf(*children[4]), (std::vector<POINT>{{1000, 1000}, {5000, 1000}}));
    EXPECT_EQ(children[4]->GetLayerName(), "LEAD");
    EXPECT_EQ(children[4]->GetLineWidth(), 20);
    EXPECT_EQ(children[3]->m_points[0], (POINT{0, 2000}));
    EXPECT_EQ(children[3]->m_points[2], (POINT{2000, 0}));
    EXPECT_EQ(children[5]->m_points[0], children[5]->m_points[2]);
    EXPECT_EQ(children[7]->GetText(), "Hi");
    EXPECT_EQ(children[7]->GetTextHeight(), 100);
    EXPECT_EQ(children[7]->GetLineWidth(), 0);
    EXPECT_EQ(VerticesOf(*loaded.mark), (std::vector<POINT>{{1000, 1000}, {5000, 1000}}));
    // The child count stays as read until the document's pass.
    EXPECT_EQ(loaded.mark->m_childCount, 3);
    // The first child on another layer than the markup's gives its layer.
    EXPECT_EQ(loaded.mark->m_layerName, "LEAD");
}

TEST(LeaderArchiveOld, SchemaZeroGivesUnsetWidthsFifteen) {
    OldMark old(true, 0);
    const LoadedMark loaded(LoadObject(old.Body(0)));
    ASSERT_NE(loaded.mark, nullptr);
    for (const CRukEntity* child : ChildrenOf(*loaded.mark))
        if (child->GetKind() != kKindText) {
            EXPECT_EQ(child->GetLineWidth(), 15) << child->GetKind();
        }
}

TEST(LeaderArchiveOld, WithoutATextNoTextIsMade) {
    OldMark old(false, 20);
    const LoadedMark loaded(LoadObject(old.Body(1)));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(ChildrenOf(*loaded.mark).size(), 6u);
    EXPECT_EQ(loaded.mark->GetLabelText(), "");
}

// ---- Refused bodies

TEST(LeaderArchiveOld, TruncatedBodyEndsTheFile) {
    OldMark old(true, 20);
    const std::vector<BYTE> bytes = old.Body(1);
    for (std::size_t length : {std::size_t{30}, std::size_t{70}, bytes.size() - 3}) {
        SCOPED_TRACE(length);
        EXPECT_EQ(LoadCause(Slice(bytes, 0, length)), CArchiveException::endOfFile);
    }
}

} // namespace
