#include "app/CCommonDoc.h"

#include "entities/CLineType.h"
#include "entities/CRukEntity.h"
#include "entities/CRukGroup.h"
#include "entities/CRukLayer.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CRukMark.h"
#include "platform/mfc/CFile.h"
#include "platform/mfc/Cp932.h"
#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <unordered_set>

IMPLEMENT_DYNCREATE(CCommonDoc, CDocument)

namespace {

// "任意文字列" and "ＭＳ Ｐゴシック" in CP932.
constexpr const char* kDefaultNoteText = "\x94\x43\x88\xD3\x95\xB6\x8E\x9A\x97\xF1";
constexpr const char* kDefaultFontFace =
    "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

// The own files' headers carry a version above this; anything else is a
// file from before the header or a foreign one.
constexpr UINT kLegacyVersionMax = 0xFFFF;
constexpr int kFileHeaderSize = 16;

// Dash table units per line-type length: 260 to the inch, the lengths
// being millimetres in a metric drawing and inches otherwise.
constexpr double kDashFactorMetric = 260.0 / 25.4;
constexpr double kDashFactorInch = 260.0;
constexpr LONG kDotLength = 1;

int ClampInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

bool Contains(const CObList& list, const CObject* object) {
    return list.Find(const_cast<CObject*>(object)) != nullptr;
}

void RemoveFrom(CObList& list, CObject* object) {
    if (POSITION position = list.Find(object))
        list.RemoveAt(position);
}

void MoveToTail(CObList& list, CObject* object) {
    if (POSITION position = list.Find(object)) {
        list.RemoveAt(position);
        list.AddTail(object);
    }
}

void MoveToHead(CObList& list, CObject* object) {
    if (POSITION position = list.Find(object)) {
        list.RemoveAt(position);
        list.AddHead(object);
    }
}

// Puts the object in front of the list's first redline object, so the
// redlines keep drawing over the drawing's own entities.
void MoveBeforeRedlines(CObList& list, CObject* object) {
    POSITION position = list.Find(object);
    if (!position)
        return;
    list.RemoveAt(position);
    for (POSITION walk = list.GetHeadPosition(); walk;) {
        const POSITION here = walk;
        if (static_cast<const CRukEntity*>(list.GetNext(walk))->m_redline == 1) {
            list.InsertBefore(here, object);
            return;
        }
    }
    list.AddHead(object);
}

bool IsToolKind(int kind) {
    return kind == kKindClick || kind == kKindMove || kind == kKindPEdit;
}

UINT ReadUInt32(const unsigned char* bytes) {
    return static_cast<UINT>(bytes[0]) | static_cast<UINT>(bytes[1]) << 8 |
           static_cast<UINT>(bytes[2]) << 16 | static_cast<UINT>(bytes[3]) << 24;
}

} // namespace

CCommonDoc::CCommonDoc() {
    ResetDocument();
}

CCommonDoc::~CCommonDoc() {
    ClearContents();
}

void CCommonDoc::ResetDocument() {
    m_idIndex.Clear();
    m_printHeader = CPrintHeader{};
    m_objects.RemoveAll();
    m_drawOrder.RemoveAll();
    m_topObjects.RemoveAll();
    m_selection.RemoveAll();
    m_saveGroups.RemoveAll();
    m_layers.RemoveAll();
    m_drawingLayers.RemoveAll();
    m_lineTypes.RemoveAll();
    m_imageNames.clear();
    m_extent = {};
    m_fullExtent = {};
    m_scaleX = 1.0;
    m_scaleY = 1.0;
    m_drawingPath.Empty();
    m_ownDocPath.Empty();
    m_workPath.Empty();
    m_controlPath.Empty();
    m_unit = 1000;
    m_fileVersion = 0;
    m_deviceSpanX = 10000;
    m_deviceSpanY = 100000;
    m_scale = 1.0;
    m_scaleMode = 1;
    m_paperSize = {0, 0};
    m_paperOrigin = {0, 0};
    m_headerLeftOut = 0;
    m_headerReserved2 = 0;
    m_headerFactor = 1.0;
    m_headerWord = 0;
    m_importLayerName.Empty();
    m_scaleMarkups = 1;
    m_curLayerName = CString("0");
    m_noteText = kDefaultNoteText;
    m_textSize = 0.2;
    m_markupKind = 0;
    m_newMarkTag.Empty();
    m_newMarkName.Empty();
    m_cloudSize = 0.4;
    m_arrowSize = 1.0;
    m_fontFace = kDefaultFontFace;
    m_style = CRedlineStyle{};
    m_partialLayerPass = 0;
    m_redlineModified = 0;
    m_saveAsControl = 0;
    m_selectionCount = 0;
    m_selectionIndex = 0;
}

void CCommonDoc::ClearContents() {
    // The pointer lists first: nothing may point to a deleted object.
    m_topObjects.RemoveAll();
    m_selection.RemoveAll();
    m_idIndex.Clear();
    const std::vector<CRukEntity*> strays = StrayChildren();
    DeleteAll(m_objects);
    DeleteAll(m_drawOrder);
    DeleteAll(m_layers);
    DeleteAll(m_drawingLayers);
    DeleteAll(m_lineTypes);
    DeleteAll(m_saveGroups);
    for (CRukEntity* stray : strays)
        delete stray;
    m_linePatterns.clear();
    RemoveWorkFile();
    ResetLinePatterns();
}

std::vector<CRukEntity*> CCommonDoc::StrayChildren() const {
    const std::initializer_list<const CObList*> owners = {&m_objects, &m_drawOrder, &m_saveGroups};
    // Sized once: a large drawing would otherwise rehash the set many times over.
    std::size_t ownedCount = 0;
    for (const CObList* list : owners)
        ownedCount += static_cast<std::size_t>(list->GetCount());
    std::unordered_set<const CObject*> listed;
    listed.reserve(ownedCount);
    for (const CObList* list : owners)
        for (POSITION position = list->GetHeadPosition(); position;)
            listed.insert(list->GetNext(position));
    std::vector<CRukEntity*> strays;
    std::unordered_set<const CRukEntity*> seen;
    std::vector<const CRukEntity*> pending;
    for (const CObList* list : {&m_objects, &m_drawOrder})
        for (POSITION position = list->GetHeadPosition(); position;)
            pending.push_back(static_cast<const CRukEntity*>(list->GetNext(position)));
    while (!pending.empty()) {
        const CRukEntity* object = pending.back();
        pending.pop_back();
        for (CRukEntity* child : ChildrenOf(object)) {
            if (!seen.insert(child).second)
                continue;
            if (!listed.count(child))
                strays.push_back(child);
            pending.push_back(child);
        }
    }
    return strays;
}

void CCommonDoc::DeleteAll(CObList& list) {
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

// ---- Kind tests

bool CCommonDoc::IsMarkup(const CRukEntity* object) {
    return object && IsMarkupKind(object->GetKind());
}

bool CCommonDoc::IsAreaMarkup(const CRukEntity* object) {
    if (!object)
        return false;
    const int kind = object->GetKind();
    return kind == MarkupKind(0x03) || kind == MarkupKind(0x06) ||
           (kind >= MarkupKind(0x08) && kind <= MarkupKind(0x0A)) || kind == kKindPath;
}

// ---- List maintenance

void CCommonDoc::AddEntity(CRukEntity* object) {
    if (!IsToolKind(object->GetKind())) {
        m_objects.AddTail(object);
        m_idIndex.Add(object);
        return;
    }
    const CObList* picks = object->GetPickList();
    if (!picks)
        return;
    for (POSITION pick = picks->GetHeadPosition(); pick;) {
        CObject* picked = picks->GetNext(pick);
        if (Contains(m_selection, picked))
            continue;
        const int index = IndexOfObject(picked);
        bool placed = false;
        for (POSITION walk = m_selection.GetTailPosition(); walk && !placed;) {
            const POSITION here = walk;
            if (IndexOfObject(m_selection.GetPrev(walk)) < index) {
                m_selection.InsertAfter(here, picked);
                placed = true;
            }
        }
        if (!placed)
            m_selection.AddHead(picked);
    }
}

void CCommonDoc::AddRecordEntity(CRukEntity* entity) {
    AddEntity(entity);
    AddToLayer(entity);
}

CRukEntity* CCommonDoc::FindEntityById(const CString& id) const {
    return m_idIndex.Find(id);
}

void CCommonDoc::AddToLayer(CRukEntity* object) {
    InsertInLayer(object, -1);
}

void CCommonDoc::InsertInLayer(CRukEntity* object, int index) {
    const CString name = object->GetLayerName();
    CRukLayer* layer = FindLayer(name);
    if (!layer) {
        layer = new CRukLayer;
        layer->m_name = name;
        m_layers.AddTail(layer);
    }
    CObList& entities = layer->m_entities;
    if (index == 0) {
        entities.AddHead(object);
        return;
    }
    // A negative index, or one past the end, appends.
    const POSITION before = index > 0 ? entities.FindIndex(index - 1) : nullptr;
    if (before)
        entities.InsertAfter(before, object);
    else
        entities.AddTail(object);
}

void CCommonDoc::AddMarkup(CRukEntity* object) {
    m_drawOrder.AddTail(object);
    object->m_redline = 1;
    m_redlineModified = 1;
}

bool CCommonDoc::AddFinishedMarkup(CRukEntity* markup) {
    if (!markup->GetHeadPosition())
        return false;
    AddMarkup(markup);
    m_topObjects.AddTail(markup);
    return true;
}

void CCommonDoc::RemoveFromLayer(CRukEntity* object) {
    if (CRukLayer* layer = FindLayer(object->GetLayerName()))
        RemoveFrom(layer->m_entities, object);
}

BOOL CCommonDoc::DeleteEntity(CRukEntity* object) {
    if (!IsRedlineObject(object))
        return FALSE;
    // Unlinked while its children live: a group finds its layer through them.
    Unlink(object);
    if (object->GetKind() == kKindPath)
        DeletePathChildren(object);
    else if (IsMarkup(object) || object->GetKind() == kKindGroup)
        DeleteChildren(object);
    delete object;
    m_redlineModified = 1;
    return TRUE;
}

void CCommonDoc::DeleteChildren(CRukEntity* object) {
    for (CRukEntity* child : ChildrenOf(object)) {
        // A child outside the drawing order belongs to the drawing, which
        // still lists it; one that no list holds (a part an old control file
        // kept only in its markup) goes with its owner.
        if (!IsRedlineObject(child) && m_objects.Find(child))
            continue;
        if (IsMarkup(child)) {
            DeleteEntity(child);
        } else {
            Unlink(child);
            delete child;
        }
    }
}

void CCommonDoc::DeletePathChildren(CRukEntity* path) {
    for (CRukEntity* child : ChildrenOf(path))
        DeleteEntity(child);
}

void CCommonDoc::Unlink(CRukEntity* object) {
    RemoveFrom(m_drawOrder, object);
    RemoveFrom(m_topObjects, object);
    RemoveFrom(m_selection, object);
    RemoveFromLayer(object);
}

void CCommonDoc::ExpandCloudParts(CRukGroup* markup, POSITION position) {
    for (CRukEntity* child : ChildrenOf(markup)) {
        if (child->GetKind() == kKindArc)
            DropPart(markup, child);
        else if (child->GetKind() == kKindCloud)
            ListPart(child, position);
    }
}

void CCommonDoc::ExpandMarkupParts(CRukGroup* markup, POSITION position) {
    for (CRukEntity* child : ChildrenOf(markup)) {
        if (child->m_tag == CRukMark::kDeleteTag)
            DropPart(markup, child);
        else
            ListPart(child, position);
    }
    markup->SetChildCount(static_cast<int>(ChildrenOf(markup).size()));
}

void CCommonDoc::DropPart(CRukGroup* markup, CRukEntity* part) {
    markup->RemoveChild(part);
    Unlink(part);
    delete part;
}

void CCommonDoc::ListPart(CRukEntity* part, POSITION position) {
    // A part listed already (a control file that names it twice) stays once.
    if (m_drawOrder.Find(part))
        return;
    if (position)
        m_drawOrder.InsertBefore(position, part);
    else
        m_drawOrder.AddTail(part);
    part->m_redline = 1;
    AddToLayer(part);
}

std::vector<CRukEntity*> CCommonDoc::ChildrenOf(const CRukEntity* object) {
    std::vector<CRukEntity*> children;
    for (POSITION position = object->GetHeadPosition(); position;)
        if (CRukEntity* child = object->GetNext(position))
            children.push_back(child);
    return children;
}

void CCommonDoc::ClearSelection() {
    m_selection.RemoveAll();
    m_selectionCount = 0;
    m_selectionIndex = 0;
}

bool CCommonDoc::IsRedlineObject(const CObject* object) const {
    return object && Contains(m_drawOrder, object);
}

int CCommonDoc::IndexOfObject(const CObject* object) const {
    int index = 0;
    for (POSITION position = m_objects.GetHeadPosition(); position; ++index)
        if (m_objects.GetNext(position) == object)
            return index;
    return -1;
}

// ---- Layers

int CCommonDoc::GetLayerState(const CString& layerName) const {
    const CRukLayer* layer = FindLayer(layerName);
    return layer ? layer->m_visible : 0;
}

CRukLayer* CCommonDoc::FindLayer(const CString& name) const {
    for (POSITION position = m_layers.GetHeadPosition(); position;) {
        auto* layer = static_cast<CRukLayer*>(m_layers.GetNext(position));
        if (layer->m_name.Compare(name) == 0)
            return layer;
    }
    return nullptr;
}

CRukLayer* CCommonDoc::FindLayerNoCase(const CString& name) const {
    for (POSITION position = m_layers.GetHeadPosition(); position;) {
        auto* layer = static_cast<CRukLayer*>(m_layers.GetNext(position));
        if (layer->m_name.CompareNoCase(name) == 0)
            return layer;
    }
    return nullptr;
}

BOOL CCommonDoc::MoveToLayer(CRukEntity* object, const CString& name) {
    const CString oldName = object->GetLayerName();
    if (oldName.CompareNoCase(name) == 0)
        return FALSE;
    // The layer the object was filed on, found as it was filed.
    CRukLayer* oldLayer = FindLayer(oldName);
    if (!oldLayer)
        return FALSE;
    CRukLayer* target = FindLayerNoCase(name);
    if (!target) {
        target = new CRukLayer;
        target->m_name = name;
        m_layers.AddTail(target);
    }
    // Everything moved takes the target's own spelling, so that the
    // case-sensitive look-ups find it there later.
    const auto move = [&](CRukEntity* entity) {
        if (POSITION position = oldLayer->m_entities.Find(entity)) {
            oldLayer->m_entities.RemoveAt(position);
            target->m_entities.AddTail(entity);
            entity->SetLayerName(target->m_name);
        }
    };
    move(object);
    for (CRukEntity* child : ChildrenOf(object))
        move(child);
    object->SetLayerName(target->m_name);
    return TRUE;
}

void CCommonDoc::RemoveEmptyLayers() {
    for (POSITION position = m_layers.GetHeadPosition(); position;) {
        const POSITION here = position;
        auto* layer = static_cast<CRukLayer*>(m_layers.GetNext(position));
        if (layer->m_entities.IsEmpty()) {
            m_layers.RemoveAt(here);
            delete layer;
        }
    }
}

void CCommonDoc::UpdateLayerStates() {
    for (POSITION position = m_layers.GetHeadPosition(); position;) {
        auto* layer = static_cast<CRukLayer*>(m_layers.GetNext(position));
        layer->m_visible = 1;
        for (POSITION stored = m_drawingLayers.GetHeadPosition(); stored;) {
            const auto* state = static_cast<const CRukLayer*>(m_drawingLayers.GetNext(stored));
            if (state->m_name.CompareNoCase(layer->m_name) == 0) {
                layer->m_visible = state->m_visible;
                break;
            }
        }
    }
}

// ---- Extent and conversions

void CCommonDoc::ExtendExtent(int x0, int y0, int x1, int y1) {
    m_extent.Extend(x0, y0, x1, y1);
}

void CCommonDoc::ComputeScale() {
    const std::int64_t side = m_extent.LargerSide();
    if (side == 0) {
        m_scaleX = 1.0;
        m_scaleY = 1.0;
        return;
    }
    m_scaleX = static_cast<UINT>(m_deviceSpanX) / static_cast<double>(side);
    m_scaleY = static_cast<UINT>(m_deviceSpanY) / static_cast<double>(side);
}

bool CCommonDoc::HasPaper() const {
    return m_paperSize.cx != 0 || m_paperSize.cy != 0;
}

CDocExtent CCommonDoc::PaperExtent() const {
    return CDocExtent{ClampInt(-std::int64_t{m_paperOrigin.x}),
                      ClampInt(-std::int64_t{m_paperOrigin.y}),
                      ClampInt(std::int64_t{m_paperSize.cx} - m_paperOrigin.x),
                      ClampInt(std::int64_t{m_paperSize.cy} - m_paperOrigin.y)};
}

CDocExtent CCommonDoc::TopObjectsBox() const {
    CDocExtent box = m_fullExtent;
    for (POSITION position = m_topObjects.GetHeadPosition(); position;) {
        const auto* object = static_cast<const CRukEntity*>(m_topObjects.GetNext(position));
        int minX = 0, minY = 0, maxX = 0, maxY = 0;
        object->GetExtents(&minX, &minY, &maxX, &maxY);
        box.Extend(minX, minY, maxX, maxY);
    }
    return box;
}

CDocExtent CCommonDoc::VisibleBox() const {
    CDocExtent box;
    for (POSITION position = m_layers.GetHeadPosition(); position;) {
        const auto* layer = static_cast<const CRukLayer*>(m_layers.GetNext(position));
        if (layer->m_visible != 1)
            continue;
        for (POSITION walk = layer->m_entities.GetHeadPosition(); walk;) {
            const auto* entity = static_cast<const CRukEntity*>(layer->m_entities.GetNext(walk));
            if (entity->GetKind() == kKindDot || !entity->IsVisible())
                continue;
            int minX = 0, minY = 0, maxX = 0, maxY = 0;
            entity->GetExtents(&minX, &minY, &maxX, &maxY);
            box.Extend(minX, minY, maxX, maxY);
        }
    }
    return box;
}

void CCommonDoc::RecomputeExtent(BOOL usePaper) {
    m_extent = usePaper && HasPaper() ? PaperExtent() : TopObjectsBox();
    ComputeScale();
}

void CCommonDoc::RecomputeVisibleExtent(BOOL usePaper) {
    m_extent = usePaper && HasPaper() ? PaperExtent() : VisibleBox();
    ComputeScale();
}

POINT CCommonDoc::GetPaperCenter(BOOL usePaper) const {
    if (usePaper && HasPaper())
        return {ClampInt((std::int64_t{m_paperSize.cx} - 2 * std::int64_t{m_paperOrigin.x}) / 2),
                ClampInt((std::int64_t{m_paperSize.cy} - 2 * std::int64_t{m_paperOrigin.y}) / 2)};
    const CDocExtent box = VisibleBox();
    return {ClampInt((std::int64_t{box.m_minX} + box.m_maxX) / 2),
            ClampInt((std::int64_t{box.m_minY} + box.m_maxY) / 2)};
}

int CCommonDoc::GetDeviceWidth() const {
    if (m_objects.IsEmpty())
        return m_deviceSpanX;
    const int width = TruncInt(static_cast<double>(m_extent.Width()) * m_scaleX);
    return width == 0 ? 100 : width;
}

int CCommonDoc::GetDeviceHeight() const {
    if (m_objects.IsEmpty())
        return m_deviceSpanX;
    // The view space is isotropic: the height scales by m_scaleX too.
    const int height = TruncInt(static_cast<double>(m_extent.Height()) * m_scaleX);
    return height == 0 ? 100 : height;
}

int CCommonDoc::LogicalToDevice(int value) const {
    return RndInt(value * m_scaleX);
}

int CCommonDoc::DeviceToLogical(int value) const {
    return RndInt(value / m_scaleX);
}

POINT CCommonDoc::LogicalToDevicePoint(LONG x, LONG y) const {
    return ToViewPoint(x, y, m_extent.m_minX, m_extent.m_minY, m_scaleX);
}

POINT CCommonDoc::DeviceToLogicalPoint(LONG x, LONG y) const {
    return FromViewPoint(x, y, m_extent.m_minX, m_extent.m_minY, m_scaleX);
}

double CCommonDoc::UnitDivisor() const {
    return m_unit == 0 ? 1000.0 : static_cast<double>(m_unit);
}

double CCommonDoc::GetExtentRatio() const {
    return static_cast<double>(m_extent.Height()) / UnitDivisor();
}

// ---- Drawing order

void CCommonDoc::BringToFront(CRukEntity* object) {
    if (!IsMarkup(object) || !IsRedlineObject(object))
        return;
    const std::vector<CRukEntity*> children = ChildrenOf(object);
    if (object->GetKind() == kKindPath) {
        for (CRukEntity* markup : children)
            for (CRukEntity* part : ChildrenOf(markup))
                MoveToTail(m_drawOrder, part);
        for (CRukEntity* markup : children)
            MoveToTail(m_drawOrder, markup);
        MoveToTail(m_drawOrder, object);
        MoveToTail(m_topObjects, object);
        if (CRukLayer* layer = FindLayer(object->GetLayerName()))
            MoveToTail(layer->m_entities, object);
    } else {
        for (CRukEntity* child : children)
            MoveToTail(m_drawOrder, child);
        MoveToTail(m_drawOrder, object);
        MoveToTail(m_topObjects, object);
        for (CRukEntity* child : children)
            if (CRukLayer* layer = FindLayer(child->GetLayerName()))
                MoveToTail(layer->m_entities, child);
    }
    m_redlineModified = 1;
}

void CCommonDoc::SendToBack(CRukEntity* object) {
    if (!IsMarkup(object) || !IsRedlineObject(object))
        return;
    const bool isPath = object->GetKind() == kKindPath;
    const std::vector<CRukEntity*> children = ChildrenOf(object);
    // Each object moved to the head goes in front of those moved before it:
    // the children end up first, every markup after its own children.
    MoveToHead(m_drawOrder, object);
    for (CRukEntity* child : children) {
        MoveToHead(m_drawOrder, child);
        if (isPath)
            for (CRukEntity* part : ChildrenOf(child))
                MoveToHead(m_drawOrder, part);
    }
    if (isPath) {
        MoveToHead(m_topObjects, object);
        if (CRukLayer* layer = FindLayer(object->GetLayerName()))
            MoveToHead(layer->m_entities, object);
    } else {
        MoveBeforeRedlines(m_topObjects, object);
        for (CRukEntity* child : children)
            if (CRukLayer* layer = FindLayer(child->GetLayerName()))
                MoveBeforeRedlines(layer->m_entities, child);
    }
    m_redlineModified = 1;
}

// ---- Files and sizes

// Own drawing files from before the header are only their entity list; they
// are known by their extension.
bool CCommonDoc::IsOwnDrawingName(const CString& path) {
    return HasExtension(path, ".zmd");
}

int CCommonDoc::GetFileKind(const CString& path) {
    if (!FileExists(path))
        return 0;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return -1;
    unsigned char header[kFileHeaderSize] = {};
    UINT read = 0;
    try {
        read = file.Read(header, sizeof header);
    } catch (const CFileException&) {
        return -1;
    }
    if (read == sizeof header && ReadUInt32(header + 4) > kLegacyVersionMax) {
        if (std::memcmp(header, "RukD", 4) == 0)
            return 1;
        if (std::memcmp(header, "RukC", 4) == 0)
            return 2;
    }
    return IsOwnDrawingName(path) ? 1 : -1;
}

BOOL CCommonDoc::CreateWorkFile() {
    if (m_workFile.Create(m_workPath))
        return TRUE;
    if (m_workFile.IsNameTaken())
        AfxMessageBox(CString(Cp932::FromUtf8("作業ファイルの名前は別のファイルが使っています。"
                                              "図面は読み取り専用で開きます。\n")) +
                      PathForDisplay(m_workPath));
    return FALSE;
}

void CCommonDoc::RemoveWorkFile() {
    m_workFile.Remove();
}

void CCommonDoc::RecalcMarkupSizes(const CDrawDefaults& settings) {
    const double height = GetExtentRatio();
    m_textSize = height / settings.m_markupTextSize[1];
    m_arrowSize = height / settings.m_markupArrowSize[1];
    m_cloudSize = height / settings.m_cloudSpace;
}

void CCommonDoc::BuildLinePatterns() {
    const double factor = m_scaleMode != 0 ? kDashFactorMetric : kDashFactorInch;
    const auto scaled = [factor](double length) { return TruncInt(std::fabs(factor * length)); };
    for (POSITION position = m_lineTypes.GetHeadPosition(); position;) {
        const auto* lineType = static_cast<const CLineType*>(m_lineTypes.GetNext(position));
        const std::vector<LONG>* standard = lineType->m_id >= 2 && lineType->m_id <= 25
                                                ? CDashTable::Standard().Find(lineType->m_id)
                                                : nullptr;
        if (standard) {
            // The standard entry keeps its length and its dots; a line type
            // with more lengths than the entry has places for gives only as
            // many.
            std::vector<LONG> lengths = *standard;
            const std::size_t count = std::min(lengths.size(), lineType->m_dashes.size());
            for (std::size_t i = 0; i < count; ++i)
                if (lengths[i] != kDotLength)
                    lengths[i] = scaled(lineType->m_dashes[i]);
            m_dashTable.Set(lineType->m_id, std::move(lengths));
        } else if (!FindLinePattern(lineType->m_id)) {
            std::vector<LONG> lengths;
            lengths.reserve(lineType->m_dashes.size());
            for (double length : lineType->m_dashes)
                lengths.push_back(scaled(length));
            m_linePatterns.emplace_back(lineType->m_id, std::move(lengths));
        }
    }
}

void CCommonDoc::ResetLinePatterns() {
    m_dashTable.Reset();
}
