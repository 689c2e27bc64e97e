#include "DocumentBuilder.h"

#include "app/CZumeoDoc.h"
#include "entities/CRukLayer.h"
#include "entities/EntityKinds.h"

#include <gtest/gtest.h>

namespace {

// An old control file: the markup stands in the drawing order, its parts
// only in its child list.
struct OldMarkup {
    CRukGroup* markup;
    std::vector<TestEntity*> parts;
};

OldMarkup LoadOld(CZumeoDoc& document, int kind, const std::vector<int>& partKinds,
                  const std::vector<const char*>& tags) {
    auto* markup = new TestMarkup(kind);
    std::vector<TestEntity*> parts;
    for (std::size_t i = 0; i < partKinds.size(); ++i) {
        auto* part = new TestEntity(partKinds[i], "R");
        part->m_tag = tags.empty() ? "" : tags[i];
        markup->AddChild(part);
        parts.push_back(part);
    }
    markup->SetChildCount(static_cast<int>(parts.size()));
    document.AddMarkup(markup);
    return {markup, parts};
}

TEST(OldMarkupTest, CloudArcsAreDroppedAndOutlinesListedBeforeTheMarkup) {
    CZumeoDoc document;
    OldMarkup old = LoadOld(document, MarkupKind(3), {kKindArc, kKindCloud, kKindArc}, {});
    document.ExpandCloudParts(old.markup, document.m_drawOrder.Find(old.markup));

    EXPECT_EQ(Listed(document.m_drawOrder), (std::vector<CObject*>{old.parts[1], old.markup}));
    EXPECT_EQ(old.parts[1]->m_redline, 1);
    CRukLayer* layer = document.FindLayer("R");
    ASSERT_NE(layer, nullptr);
    EXPECT_NE(layer->m_entities.Find(old.parts[1]), nullptr);
    std::vector<CRukEntity*> children;
    for (POSITION p = old.markup->GetHeadPosition(); p;)
        children.push_back(old.markup->GetNext(p));
    EXPECT_EQ(children, (std::vector<CRukEntity*>{old.parts[1]}));
}

TEST(OldMarkupTest, LeaderPartsAreListedAndDeletedPartsDropped) {
    CZumeoDoc document;
    OldMarkup old = LoadOld(document, MarkupKind(0), {kKindEllipse, kKindPolyline, kKindText},
                            {"", "DELETE", ""});
    document.ExpandMarkupParts(old.markup, nullptr);

    EXPECT_EQ(Listed(document.m_drawOrder),
              (std::vector<CObject*>{old.markup, old.parts[0], old.parts[2]}));
    EXPECT_EQ(old.markup->m_childCount, 2);
    EXPECT_EQ(old.parts[2]->m_redline, 1);
    // Expanding again (a part named twice) lists nothing twice.
    document.ExpandMarkupParts(old.markup, nullptr);
    EXPECT_EQ(Listed(document.m_drawOrder).size(), 3u);
}

} // namespace
