#include "app/CZumeoDoc.h"

#include "entities/CRukEntity.h"
#include "entities/CRukLayer.h"
#include "geometry/Geometry.h"

#include <unordered_set>
#include <vector>

IMPLEMENT_DYNCREATE(CZumeoDoc, CCommonDoc)

namespace {

// The logical span of a fitted view: the 16-bit coordinate limit, and a
// margin below it where the system's GDI works in 16 bits.
constexpr int kFitSpanNT = 32767;
constexpr int kFitSpan9x = 10000;

} // namespace

BOOL CZumeoDoc::MoveToLayer(CRukEntity* object, const CString& name) {
    if (!CCommonDoc::MoveToLayer(object, name))
        return FALSE;
    m_redlineModified = 1;
    return TRUE;
}

int CZumeoDoc::FindInDrawOrder(const CObject* object, CListCursor& cursor) const {
    return cursor.Find(m_drawOrder, object);
}

int CZumeoDoc::FindInTopObjects(const CObject* object, CListCursor& cursor) const {
    return cursor.Find(m_topObjects, object);
}

int CZumeoDoc::FindInLayer(const CObject* object, const CString& layerName) const {
    const CRukLayer* layer = FindLayer(layerName);
    if (!layer)
        return -1;
    int index = 0;
    for (POSITION position = layer->m_entities.GetHeadPosition(); position; ++index)
        if (layer->m_entities.GetNext(position) == object)
            return index;
    return -1;
}

void CZumeoDoc::GetSelectionInOrder(CObList& out, const CObList* selection) const {
    const CObList& source = selection ? *selection : m_selection;
    out.RemoveAll();
    std::unordered_set<const CObject*> members;
    std::vector<const CRukEntity*> markups;
    for (POSITION position = source.GetHeadPosition(); position;) {
        const auto* object = static_cast<const CRukEntity*>(source.GetNext(position));
        members.insert(object);
        if (IsMarkup(object))
            markups.push_back(object);
    }
    if (markups.empty()) {
        for (POSITION position = source.GetHeadPosition(); position;)
            out.AddTail(source.GetNext(position));
        return;
    }
    while (!markups.empty()) {
        const CRukEntity* markup = markups.back();
        markups.pop_back();
        for (POSITION position = markup->GetHeadPosition(); position;) {
            const CRukEntity* child = markup->GetNext(position);
            if (child && members.insert(child).second && IsMarkup(child))
                markups.push_back(child);
        }
    }
    std::unordered_set<const CObject*> redlines;
    for (POSITION position = m_drawOrder.GetHeadPosition(); position;) {
        CObject* object = m_drawOrder.GetNext(position);
        redlines.insert(object);
        if (members.count(object))
            out.AddTail(object);
    }
    for (POSITION position = source.GetHeadPosition(); position;) {
        CObject* object = source.GetNext(position);
        if (!redlines.count(object))
            out.AddTail(object);
    }
}

bool CZumeoDoc::IsFitView(SIZE windowExtent, POINT origin, BOOL windowsNT) const {
    bool anyHidden = false;
    for (POSITION position = m_layers.GetHeadPosition(); position && !anyHidden;)
        anyHidden = static_cast<const CRukLayer*>(m_layers.GetNext(position))->m_visible == 0;
    const CDocExtent box = anyHidden ? VisibleBox() : TopObjectsBox();
    LONG width = TruncInt(static_cast<double>(box.Width()));
    LONG height = TruncInt(static_cast<double>(box.Height()));
    if (!m_objects.IsEmpty() && box.LargerSide() != 0) {
        const double factor =
            (windowsNT ? kFitSpanNT : kFitSpan9x) / static_cast<double>(box.LargerSide());
        width = TruncInt(static_cast<double>(box.Width()) * factor);
        height = TruncInt(static_cast<double>(box.Height()) * factor);
    }
    return windowExtent.cx == width && windowExtent.cy == height && origin.x == 0 && origin.y == 0;
}
