#include "app/CUndoRecord.h"

#include "app/CZumeoDoc.h"
#include "entities/CRukEntity.h"
#include "entities/CRukLayer.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CSharedFile.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace {

constexpr UINT kSnapshotFlags = GMEM_MOVEABLE | GMEM_SHARE;
constexpr UINT kSnapshotGrowth = 4096;
constexpr int kArchiveBuffer = 4096;

std::unordered_map<const CObject*, int> IndexesOf(const CObList& list) {
    std::unordered_map<const CObject*, int> indexes;
    int index = 0;
    for (POSITION position = list.GetHeadPosition(); position; ++index)
        indexes.emplace(list.GetNext(position), index);
    return indexes;
}

int IndexIn(const CObList& list, const CObject* object) {
    int index = 0;
    for (POSITION position = list.GetHeadPosition(); position; ++index)
        if (list.GetNext(position) == object)
            return index;
    return -1;
}

void InsertAt(CObList& list, int index, CObject* object) {
    const POSITION before = index > 0 ? list.FindIndex(index - 1) : nullptr;
    if (index == 0)
        list.AddHead(object);
    else if (before)
        list.InsertAfter(before, object);
    else
        list.AddTail(object);
}

void RemoveFrom(CObList& list, const CObject* object) {
    if (const POSITION position = list.Find(const_cast<CObject*>(object)))
        list.RemoveAt(position);
}

// The indexes of the places, in ascending order of a key, so that inserting
// in that order puts every object at its own position.
template <class Key>
std::vector<std::size_t> Ascending(const CUndoRecord::Places& places, Key key) {
    std::vector<std::size_t> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return key(places[a]) < key(places[b]); });
    return order;
}

} // namespace

CUndoRecord::CUndoRecord(CZumeoDoc* document, const CString& name)
    : m_name(name), m_doc(document) {}

CUndoRecord::~CUndoRecord() {
    if (m_snapshot)
        GlobalFree(m_snapshot);
}

int CUndoRecord::Undo() {
    return 1;
}

int CUndoRecord::Redo() {
    return 1;
}

std::vector<CRukEntity*> CUndoRecord::Widened(const CObList& objects) const {
    CObList ordered;
    m_doc->GetSelectionInOrder(ordered, &objects);
    std::vector<CRukEntity*> widened;
    for (POSITION position = ordered.GetHeadPosition(); position;)
        widened.push_back(static_cast<CRukEntity*>(ordered.GetNext(position)));
    return widened;
}

CUndoRecord::Places CUndoRecord::Capture(const CObList& objects, bool widen) const {
    if (widen)
        return Capture(Widened(objects));
    std::vector<CRukEntity*> listed;
    for (POSITION position = objects.GetHeadPosition(); position;)
        listed.push_back(static_cast<CRukEntity*>(objects.GetNext(position)));
    return Capture(listed);
}

CUndoRecord::Places CUndoRecord::CaptureWidened(std::initializer_list<CRukEntity*> objects) const {
    CObList list;
    for (CRukEntity* object : objects)
        list.AddTail(object);
    return Capture(list, true);
}

CUndoRecord::Places CUndoRecord::Capture(const std::vector<CRukEntity*>& objects) const {
    const auto order = IndexesOf(m_doc->m_drawOrder);
    const auto top = IndexesOf(m_doc->m_topObjects);
    Places places;
    for (const CRukEntity* object : objects) {
        const auto found = order.find(object);
        if (found == order.end())
            continue;
        Place place;
        place.order = found->second;
        if (const auto topFound = top.find(object); topFound != top.end())
            place.top = topFound->second;
        place.layer = object->GetLayerName();
        if (const CRukLayer* layer = m_doc->FindLayer(place.layer))
            place.layerIndex = IndexIn(layer->m_entities, object);
        places.push_back(place);
    }
    return places;
}

std::vector<CRukEntity*> CUndoRecord::ObjectsAt(const Places& places) const {
    std::vector<CRukEntity*> objects;
    for (const Place& place : places) {
        const POSITION position = m_doc->m_drawOrder.FindIndex(place.order);
        objects.push_back(position ? static_cast<CRukEntity*>(m_doc->m_drawOrder.GetAt(position))
                                   : nullptr);
    }
    return objects;
}

void CUndoRecord::Unlink(const std::vector<CRukEntity*>& objects, const Places& places) const {
    for (std::size_t i = 0; i < objects.size(); ++i) {
        CRukEntity* object = objects[i];
        RemoveFrom(m_doc->m_drawOrder, object);
        RemoveFrom(m_doc->m_topObjects, object);
        RemoveFrom(m_doc->m_selection, object);
        if (CRukLayer* layer = m_doc->FindLayer(places[i].layer))
            RemoveFrom(layer->m_entities, object);
    }
}

void CUndoRecord::Insert(const std::vector<CRukEntity*>& objects, const Places& places) const {
    for (std::size_t i : Ascending(places, [](const Place& p) { return p.order; })) {
        objects[i]->m_redline = 1;
        InsertAt(m_doc->m_drawOrder, places[i].order, objects[i]);
    }
    for (std::size_t i : Ascending(places, [](const Place& p) { return p.top; })) {
        if (places[i].top < 0)
            continue;
        InsertAt(m_doc->m_topObjects, places[i].top, objects[i]);
        objects[i]->SetColor(objects[i]->GetColor());
    }
    for (std::size_t i : Ascending(places, [](const Place& p) { return p.layerIndex; })) {
        if (places[i].layerIndex < 0)
            continue;
        if (CRukLayer* layer = m_doc->FindLayer(places[i].layer))
            InsertAt(layer->m_entities, places[i].layerIndex, objects[i]);
        else
            m_doc->AddToLayer(objects[i]);
    }
}

void CUndoRecord::Delete(const std::vector<CRukEntity*>& objects) {
    for (CRukEntity* object : objects)
        delete object;
}

HGLOBAL CUndoRecord::MakeSnapshot(const std::vector<CRukEntity*>& objects) {
    CObList list;
    for (CRukEntity* object : objects)
        list.AddTail(object);
    CSharedFile file(kSnapshotFlags, kSnapshotGrowth);
    CArchive ar(&file, CArchive::store, kArchiveBuffer);
    list.Serialize(ar);
    ar.Close();
    HGLOBAL block = file.Detach();
    GlobalUnlock(block);
    return block;
}

std::vector<CRukEntity*> CUndoRecord::Rebuild() const {
    CSharedFile file(kSnapshotFlags, kSnapshotGrowth);
    file.SetHandle(m_snapshot, FALSE);
    CObList list;
    try {
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        ar.m_pDocument = m_doc;
        list.Serialize(ar);
        ar.Close();
    } catch (...) {
        GlobalUnlock(file.Detach());
        throw;
    }
    // The block goes back to the record, which keeps it.
    GlobalUnlock(file.Detach());
    std::vector<CRukEntity*> objects;
    for (POSITION position = list.GetHeadPosition(); position;)
        objects.push_back(static_cast<CRukEntity*>(list.GetNext(position)));
    return objects;
}

void CUndoRecord::TakeAway(const Places& places) {
    const std::vector<CRukEntity*> objects = ObjectsAt(places);
    if (!m_snapshot)
        m_snapshot = MakeSnapshot(objects);
    Unlink(objects, places);
    Delete(objects);
}

void CUndoRecord::BringBack(const Places& places) const {
    Insert(Rebuild(), places);
}

void CUndoRecord::Exchange(const Places& now, const Places& then) {
    const std::vector<CRukEntity*> current = ObjectsAt(now);
    HGLOBAL replaced = MakeSnapshot(current);
    Unlink(current, now);
    Delete(current);
    BringBack(then);
    GlobalFree(m_snapshot);
    m_snapshot = replaced;
}

void CUndoRecord::Finish(bool layersChanged) const {
    m_doc->ClearSelection();
    if (layersChanged) {
        m_doc->RemoveEmptyLayers();
        m_doc->RefreshLayerBar();
    }
    m_doc->m_redlineModified = 1;
}
