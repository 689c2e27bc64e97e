#pragma once
// Fills a document the way loading and the redline tools do, for the tests.

#include "TestEntity.h"
#include "TestMarkup.h"
#include "app/CZumeoDoc.h"
#include "entities/CRukLayer.h"
#include "entities/EntityKinds.h"

#include <string>
#include <vector>

// The objects of a list in order.
inline std::vector<CObject*> Listed(const CObList& list) {
    std::vector<CObject*> out;
    for (POSITION p = list.GetHeadPosition(); p;)
        out.push_back(list.GetNext(p));
    return out;
}

class DocumentBuilder {
public:
    explicit DocumentBuilder(CZumeoDoc& document) : m_document(document) {}

    // A drawing entity: listed, filed on its layer, widening the extent.
    TestEntity* Drawing(int kind, const char* layer, int x1, int y1, int x2, int y2) {
        auto* entity = new TestEntity(kind, layer);
        entity->SetBox(x1, y1, x2, y2);
        m_document.AddEntity(entity);
        m_document.AddToLayer(entity);
        m_document.ExtendExtent(entity->m_minX, entity->m_minY, entity->m_maxX, entity->m_maxY);
        return entity;
    }

    // A finished markup as the tools file it: its children first, each in
    // the drawing order and on the layer, then the markup as a top object.
    CRukGroup* Markup(int number, const char* layer, int children) {
        auto* markup = new TestMarkup(MarkupKind(number));
        markup->m_layerName = layer;
        for (int i = 0; i < children; ++i) {
            auto* child = new TestEntity(kKindLine, layer);
            m_document.AddMarkup(child);
            m_document.AddToLayer(child);
            markup->AddChild(child);
        }
        m_document.AddMarkup(markup);
        m_document.m_topObjects.AddTail(markup);
        return markup;
    }

    // A cut-out of two markups, which leave the top objects for it; it
    // stands on the layer of its outline's first child.
    CRukGroup* Path(CRukGroup* outline, CRukGroup* hole) {
        auto* path = new TestMarkup(CCommonDoc::kKindPath);
        for (CRukGroup* member : {outline, hole}) {
            path->AddChild(member);
            m_document.m_topObjects.RemoveAt(m_document.m_topObjects.Find(member));
        }
        m_document.AddMarkup(path);
        m_document.AddToLayer(path);
        m_document.m_topObjects.AddTail(path);
        return path;
    }

private:
    CZumeoDoc& m_document;
};

// The list as the objects' indexes in `all`, -1 for an object not in it.
inline std::vector<int> Order(const CObList& list, const std::vector<const CObject*>& all) {
    std::vector<int> order;
    for (POSITION position = list.GetHeadPosition(); position;) {
        const CObject* object = list.GetNext(position);
        int index = -1;
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i] == object)
                index = static_cast<int>(i);
        order.push_back(index);
    }
    return order;
}
