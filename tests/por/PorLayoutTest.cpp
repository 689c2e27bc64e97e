#include "por/PorLayout.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

bool IsList(PorFieldKind kind) {
    return kind == PorFieldKind::PointList || kind == PorFieldKind::ValueList ||
           kind == PorFieldKind::RecordList || kind == PorFieldKind::GroupItems;
}

TEST(PorLayoutTest, EveryTypeUpTo39IsEitherLaidOutOrSkipped) {
    const std::set<LONG> skipped{4, 7, 13, 15, 16, 17, 18, 20, 23, 24, 25, 26, 27, 28, 32};
    for (LONG type = 1; type <= PorMaxType; ++type) {
        SCOPED_TRACE(type);
        EXPECT_EQ(IsPorSkippedType(type), skipped.contains(type));
        EXPECT_EQ(FindPorLayout(type) != nullptr, !skipped.contains(type));
    }
    for (LONG type : {0, -1, 40, 0x7FFFFFFF}) {
        EXPECT_FALSE(IsPorSkippedType(type));
        EXPECT_EQ(FindPorLayout(type), nullptr);
    }
}

TEST(PorLayoutTest, FieldsLieInTheFixedPartBehindTheHeadWithoutOverlapping) {
    for (const PorLayout& layout : PorLayouts()) {
        SCOPED_TRACE(layout.name);
        EXPECT_EQ(FindPorLayout(layout.type), &layout);
        std::vector<bool> used(layout.fixedSize / 4, false);
        for (const PorFieldInfo& field : layout.fields) {
            SCOPED_TRACE(field.name);
            const int words = PorFieldWords(field.kind, field.count);
            ASSERT_GE(field.word, 2);
            ASSERT_LE(static_cast<std::size_t>(field.word + words) * 4, layout.fixedSize);
            for (int w = field.word; w < field.word + words; ++w) {
                EXPECT_FALSE(used[static_cast<std::size_t>(w)]) << "word " << w;
                used[static_cast<std::size_t>(w)] = true;
            }
            // A list's items follow its count word directly, at the end of the fixed part.
            if (IsList(field.kind)) {
                EXPECT_EQ(static_cast<std::size_t>(field.word + 1) * 4, layout.fixedSize);
            }
        }
    }
}

TEST(PorLayoutTest, DrawingObjectsStartWithTheirIdAndTheRestDoNot) {
    const std::set<LONG> notObjects{PorHeader::Type, PorEnd::Type, PorLayer::Type,
                                    PorLineTypeScale::Type, PorLineType::Type};
    for (const PorLayout& layout : PorLayouts()) {
        SCOPED_TRACE(layout.name);
        const bool startsWithId = !layout.fields.empty() &&
                                  layout.fields[0].kind == PorFieldKind::String &&
                                  layout.fields[0].word == 2;
        EXPECT_EQ(startsWithId, !notObjects.contains(layout.type));
    }
}

} // namespace
