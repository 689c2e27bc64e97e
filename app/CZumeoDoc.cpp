#include "app/CZumeoDoc.h"

#include "app/CControlFileReader.h"
#include "app/CControlFileWriter.h"
#include "app/CConvertOnCloseDlg.h"
#include "app/CDocViewHook.h"
#include "app/COwnDrawingFile.h"
#include "app/CPlugInReader.h"
#include "app/CPorBlockImport.h"
#include "entities/CEntityFactory.h"
#include "entities/CRukEntity.h"
#include "entities/CRukGroup.h"
#include "entities/CRukIFrame.h"
#include "entities/CRukLayer.h"
#include "entities/CRukMFrame.h"
#include "entities/CRukSaveGroup.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "platform/mfc/CArchive.h"
#include "platform/win/CDialogService.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/PathFunctions.h"
#include "por/PorRecord.h"
#include "settings/CDrawDefaults.h"

#include <QStatusBar>

#include <memory>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

IMPLEMENT_DYNCREATE(CZumeoDoc, CCommonDoc)

namespace {

// The logical span of a fitted view: the 16-bit coordinate limit, and a
// margin below it where the system's GDI works in 16 bits.
constexpr int kFitSpanNT = 32767;
constexpr int kFitSpan9x = 10000;

// CP932: "DLLのバージョンが不正です。[", "読み込みエラー", and "朱書きファイル
// を読み込めませんでした。ファイルはそのまま残します。".
constexpr const char* kVersionError =
    "\x44\x4C\x4C\x82\xCC\x83\x6F\x81\x5B\x83\x57\x83\x87"
    "\x83\x93\x82\xAA\x95\x73\x90\xB3\x82\xC5\x82\xB7\x81\x42\x5B";
constexpr const char* kReadError = "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";
constexpr const char* kControlUnread =
    "\x8E\xE9\x8F\x91\x82\xAB\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x93\xC7\x82\xDD\x8D\x9E"
    "\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42\x83\x74\x83\x40\x83\x43"
    "\x83\x8B\x82\xCD\x82\xBB\x82\xCC\x82\xDC\x82\xDC\x8E\x63\x82\xB5\x82\xDC\x82\xB7\x81\x42";

// Control files before this version stored redlines in thousandths of a
// unit, whatever the drawing's unit.
constexpr UINT kUnitScaledVersion = 0x10007;
constexpr UINT kCloudPartsVersion = 0x10010;
constexpr UINT kMarkupPartsVersion = 0x10011;
constexpr UINT kStoredUnit = 1000;

// Child flags of a cut-out's outline and hole: they belong to the cut-out
// and are never top objects.
constexpr int kOutlineOfPath = 3;
constexpr int kHoleOfPath = 4;

// The POR block, locked while the records are read from it, freed on
// every way out.
struct BlockRelease {
    void operator()(GlobalBlock* block) const {
        GlobalUnlock(block);
        GlobalFree(block);
    }
};
using BlockHolder = std::unique_ptr<GlobalBlock, BlockRelease>;

std::span<const BYTE> Bytes(GlobalBlock* block) {
    const auto* data = static_cast<const BYTE*>(GlobalLock(block));
    return data ? std::span<const BYTE>(data, GlobalSize(block)) : std::span<const BYTE>();
}

// Tells why the block of that drawing cannot be used.
void RefuseBlock(const CPorBlockImport& import, const CString& library, const CString& path) {
    if (import.StopReason() == PorStopReason::BadVersion)
        AfxMessageBox(kVersionError + library + "]");
    else
        AfxMessageBox(kReadError + ("\n" + PathForDisplay(path)));
}

// Before this version a group's saved attributes were keyed by its block name.
constexpr UINT kGroupNameKeyVersion = 0x10007;

// A read-only folder keeps the redlines only under another name.
bool AskToSaveElsewhere() {
    return AfxMessageBox(
               CString::FromUtf8("読み取り専用フォルダのため朱書きデータを保存できません。\n"
                                 "名前を付けて保存しますか？"),
               MB_YESNO) == IDYES;
}

bool IsPathPart(const CRukEntity* object) {
    return object->m_childFlag == kOutlineOfPath || object->m_childFlag == kHoleOfPath;
}

// The leader markups: their parts are listed since kMarkupPartsVersion,
// and they carry a label and a leader.
// The markups whose text follows a font face of this machine.
bool HasFontFace(int kind) {
    return (kind >= MarkupKind(0x00) && kind <= MarkupKind(0x02)) || kind == MarkupKind(0x04) ||
           kind == MarkupKind(0x05);
}

bool IsLeaderMarkup(int kind) {
    return kind >= MarkupKind(0x00) && kind <= MarkupKind(0x02);
}

} // namespace

void CZumeoDoc::ClearContents() {
    CCommonDoc::ClearContents();
    m_undo.RemoveAll();
    m_undo.UpdateMenu();
}

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

// ---- Import through a plug-in

int CZumeoDoc::ImportByPlugin(const CString& library, const CString& path) {
    return Import(library, path, path);
}

int CZumeoDoc::ImportByPluginAs(const CString& library, const CString& filePath,
                                const CString& documentPath) {
    return Import(library, filePath, documentPath);
}

int CZumeoDoc::ImportJwcDrawing(const CString& path) {
    return ImportByPlugin(kJwcLibrary, path);
}

int CZumeoDoc::ImportSxfDrawing(const CString& path) {
    return ImportByPlugin(kSxfLibrary, path);
}

int CZumeoDoc::Import(const CString& library, const CString& filePath,
                      const CString& documentPath) {
    HGLOBAL block = CPlugInReader(m_statusBar).GetPORData(library, filePath, documentPath);
    if (!block)
        return 0;
    return ImportBlock(block, library, filePath, documentPath);
}

int CZumeoDoc::ImportBlock(HGLOBAL porBlock, const CString& library, const CString& filePath,
                           const CString& documentPath) {
    const BlockHolder block(porBlock);
    const CPorBlockImport import(Bytes(block.get()));
    if (import.Refused()) {
        RefuseBlock(import, library, documentPath);
        return 0;
    }
    BeginLoad(documentPath);
    import.Run(*this, CPorBlockImport::Mode::Import, Settings(), m_statusBar, block.get());
    BuildLinePatterns();
    SetPathName(documentPath);
    FinishLoad(kOpenImported);
    m_leftOutUntold += import.LeftOut();
    return 1;
}

void CZumeoDoc::TellLeftOut(std::size_t count) {
    if (count == 0)
        return;
    const std::string text =
        "図面の " + std::to_string(count) + " 個の要素を読み込めませんでした。";
    AfxMessageBox(CString::FromUtf8(text.c_str()));
}

int CZumeoDoc::MergeByPlugin(const CString& library, const CString& path) {
    const BlockHolder block(CPlugInReader(m_statusBar).GetPORData(library, path));
    if (!block)
        return 0;
    const CPorBlockImport import(Bytes(block.get()));
    if (import.Refused()) {
        RefuseBlock(import, library, path);
        return 0;
    }
    // Each merge decides its own layer; a plain import never has one.
    m_importLayerName.Empty();
    import.Run(*this, CPorBlockImport::Mode::Merge, Settings(), m_statusBar, block.get());
    m_importLayerName.Empty();
    m_leftOutUntold += import.LeftOut();
    // The merged drawing's own line types draw with their dashes too.
    BuildLinePatterns();
    RefitExtent();
    View().ShowLoadedDrawing();
    View().RefreshLayerBar();
    RecalcMarkupSizes(Settings());
    return 1;
}

// ---- Raster images and metafiles

int CZumeoDoc::OpenRaster(const CString& path) {
    return OpenRasterAs(path, path);
}

int CZumeoDoc::OpenRasterAs(const CString& filePath, const CString& documentPath) {
    auto frame = std::make_unique<CRukIFrame>();
    CRukIFrame* image = frame.get();
    return OpenBaseFrame(std::move(frame), filePath, documentPath, [&] {
        return image->LoadImageFileEx(filePath.c_str(), POINT{0, 0}, 0, 0) != 0;
    });
}

int CZumeoDoc::OpenMetafile(const CString& path) {
    auto frame = std::make_unique<CRukMFrame>();
    CRukMFrame* metafile = frame.get();
    return OpenBaseFrame(std::move(frame), path, path,
                         [&] { return metafile->LoadMetaFile(path.c_str()) != 0; });
}

int CZumeoDoc::OpenBaseFrame(std::unique_ptr<CRukEntity> frame, const CString& filePath,
                             const CString& documentPath, const std::function<bool()>& load) {
    if (filePath.IsEmpty() || !FileExists(filePath))
        return 0;
    const CString layer = m_curLayerName;
    BeginLoad(documentPath);
    m_curLayerName = layer;
    frame->SetLayerName(layer);
    if (!load()) {
        AfxMessageBox(kReadError + ("\n" + PathForDisplay(documentPath)));
        return 0;
    }
    SetPathName(documentPath);
    CRukEntity* filed = frame.release();
    AddEntity(filed);
    AddToLayer(filed);
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    filed->GetExtents(&minX, &minY, &maxX, &maxY);
    ExtendExtent(minX, minY, maxX, maxY);
    m_paperSize = SIZE{maxX - minX, maxY - minY};
    FinishLoad(kOpenBaseImage);
    return 1;
}

// ---- The own files

void CZumeoDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        if (m_saveAsControl) {
            BuildSaveGroups();
            CControlFileWriter::Write(ar, *this);
        } else {
            COwnDrawingFile::Write(ar, *this);
        }
        return;
    }
    const CString path = ar.GetFile()->GetFilePath();
    if (path != m_controlPath) {
        COwnDrawingFile::Read(ar, *this);
        return;
    }
    // The control file reader reads all or nothing, from the file itself.
    if (CControlFileReader::Read(path, *this) == CControlFileReader::Result::Failed)
        AfxThrowArchiveException(CArchiveException::genericException, path.c_str());
}

BOOL CZumeoDoc::OnOpenDocument(const char* pathName) {
    const CString path(pathName);
    if (!FileExists(path))
        return FALSE;
    if (GetFileKind(path) != 1) {
        AfxMessageBox(kReadError + ("\n" + PathForDisplay(path)));
        return FALSE;
    }
    BeginLoad(path);
    m_openState = kOpenNew;
    m_ownDocPath = path;
    if (!CDocument::OnOpenDocument(pathName)) {
        ClearContents();
        ResetDocument();
        return FALSE;
    }
    SetPathName(path);
    FinishLoad(kOpenOwnFile);
    return TRUE;
}

void CZumeoDoc::SetPathName(const CString& pathName) {
    CDocument::SetPathName(pathName);
    SetTitle(GetFileTitleExt(pathName));
}

void CZumeoDoc::DeleteSaveGroups() {
    for (POSITION position = m_saveGroups.GetHeadPosition(); position;)
        delete m_saveGroups.GetNext(position);
    m_saveGroups.RemoveAll();
}

void CZumeoDoc::BuildSaveGroups() {
    DeleteSaveGroups();
    for (POSITION position = m_topObjects.GetHeadPosition(); position;) {
        const auto* group = dynamic_cast<const CRukGroup*>(m_topObjects.GetNext(position));
        if (!group || group->GetKind() != kKindGroup || group->m_groupName.IsEmpty())
            continue;
        auto* saved = new CRukSaveGroup;
        saved->m_groupName = group->m_groupName;
        saved->m_tag = group->m_tag;
        saved->m_name = group->m_name;
        saved->m_color = group->m_color;
        saved->m_layerName = group->m_layerName;
        saved->m_fillColor = group->m_fillColor;
        m_saveGroups.AddTail(saved);
    }
}

void CZumeoDoc::ApplySaveGroups() {
    for (POSITION position = m_topObjects.GetHeadPosition(); position;) {
        auto* group = dynamic_cast<CRukGroup*>(m_topObjects.GetNext(position));
        if (!group || group->GetKind() != kKindGroup)
            continue;
        const CString& key =
            m_fileVersion < kGroupNameKeyVersion ? group->m_blockName : group->m_groupName;
        for (POSITION saved = m_saveGroups.GetHeadPosition(); saved;) {
            const auto* attributes = static_cast<const CRukSaveGroup*>(m_saveGroups.GetNext(saved));
            if (attributes->m_groupName == key) {
                group->m_tag = attributes->m_tag;
                group->m_name = attributes->m_name;
                break;
            }
        }
    }
}

// ---- Saving

BOOL CZumeoDoc::WriteControlFile(const CString& path) {
    if (m_controlFileUnread && path == m_controlPath &&
        AfxMessageBox(
            CString::FromUtf8("開いたときに読み込めなかった朱書きファイルがあります。\n") +
                PathForDisplay(path) + CString::FromUtf8("\n上書きしますか？"),
            MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    m_saveAsControl = 1;
    const BOOL written = CDocument::OnSaveDocument(path.c_str());
    m_saveAsControl = 0;
    if (!written)
        return FALSE;
    if (path == m_controlPath)
        m_controlFileUnread = 0;
    m_redlineModified = 0;
    return TRUE;
}

BOOL CZumeoDoc::OnFileSave() {
    if (IsReadOnly()) {
        if (!AskToSaveElsewhere())
            return FALSE;
        return SaveControlFileAs();
    }
    if (!WriteControlFile(m_controlPath))
        return FALSE;
    m_undo.RemoveAll();
    m_undo.UpdateMenu();
    return TRUE;
}

BOOL CZumeoDoc::SaveControlFile(const CString& path) {
    return WriteControlFile(path);
}

BOOL CZumeoDoc::SaveRedlines() {
    return WriteControlFile(m_controlPath);
}

BOOL CZumeoDoc::SaveControlFileAs() {
    const QString chosen = CDialogService::Current().GetSaveFileName(
        m_controlPath.ToFilePath(),
        QStringLiteral("Zumeo コントロールファイル (*.zcd);;すべてのファイル (*)"));
    if (chosen.isEmpty())
        return FALSE;
    return SaveControlFile(CString::FromFilePath(chosen));
}

BOOL CZumeoDoc::SaveOwnDocument() {
    m_saveAsControl = 0;
    return CDocument::OnSaveDocument(m_ownDocPath.c_str());
}

void CZumeoDoc::BecomeOwnDocument() {
    SetPathName(m_ownDocPath);
    m_openState = kOpenOwnFile;
}

BOOL CZumeoDoc::ConvertToOwnDocument() {
    if (!SaveOwnDocument())
        return FALSE;
    if (m_openState == kOpenImported)
        BecomeOwnDocument();
    return TRUE;
}

bool CZumeoDoc::CanConvert() const {
    return !IsReadOnly() && m_openState != kOpenBaseImage && !m_objects.IsEmpty();
}

// ---- Closing

BOOL CZumeoDoc::OfferConversionOnClose(CDrawDefaults& settings) {
    if (m_openState != kOpenImported || settings.m_saveConfirm == 0 || IsReadOnly())
        return TRUE;
    CConvertOnCloseDlg dialog(GetFileTitleExt(m_ownDocPath));
    const int answer = dialog.DoModal();
    if (answer == IDCANCEL)
        return FALSE;
    if (dialog.m_dontAskAgain)
        settings.m_saveConfirm = 0;
    // A conversion that failed was reported; the drawing still closes.
    if (answer == IDYES && SaveOwnDocument())
        BecomeOwnDocument();
    return TRUE;
}

BOOL CZumeoDoc::SaveModifiedRedlines() {
    if (!m_redlineModified)
        return TRUE;
    switch (AfxMessageBox(CString::FromUtf8("朱書きは変更されています。保存しますか？"),
                          MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        break;
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
    if (IsReadOnly()) {
        if (!AskToSaveElsewhere())
            return TRUE;
        return SaveControlFileAs();
    }
    // Redlines that could not be written are not given up silently: the
    // drawing stays open.
    return SaveRedlines();
}

BOOL CZumeoDoc::QueryCloseDrawing(CDrawDefaults& settings) {
    if (m_ownDocPath.IsEmpty())
        return TRUE;
    return OfferConversionOnClose(settings) && SaveModifiedRedlines();
}

void CZumeoDoc::RefreshLayerBar() {
    View().RefreshLayerBar();
}

void CZumeoDoc::DerivePaths(const CString& documentPath) {
    m_controlPath = ReplaceExtension(documentPath, ".zcd");
    m_ownDocPath = ReplaceExtension(documentPath, ".zmd");
    m_workPath = ReplaceExtension(documentPath, ".$$$");
}

void CZumeoDoc::TakeWorkFile() {
    if (m_createWorkFile)
        CreateWorkFile();
    else
        m_createWorkFile = 1;
}

void CZumeoDoc::BeginLoad(const CString& documentPath) {
    ClearContents();
    ResetDocument();
    m_drawingPath = documentPath;
    DerivePaths(documentPath);
    TakeWorkFile();
    // The redlines are in before the drawing.
    ReadControlFile();
}

void CZumeoDoc::FinishLoad(int openState) {
    RefitExtent();
    ApplySaveGroups();
    FileLoadedRedlines();
    // A picture has one layer of its own; stored layer states are for
    // drawings.
    if (openState != kOpenBaseImage)
        UpdateLayerStates();
    View().ShowLoadedDrawing();
    View().RefreshLayerBar();
    m_openState = openState;
    RecalcMarkupSizes(Settings());
    m_redlineModified = 0;
}

void CZumeoDoc::ReadControlFile() {
    m_controlFileUnread = 0;
    if (CControlFileReader::Read(m_controlPath, *this) != CControlFileReader::Result::Failed)
        return;
    m_controlFileUnread = 1;
    AfxMessageBox(kControlUnread + ("\n" + PathForDisplay(m_controlPath)));
}

void CZumeoDoc::RefitExtent() {
    ComputeScale();
    View().RefreshMapping();
    RecomputeVisibleExtent(Settings().m_useSheetExtent == 1);
    m_fullExtent = m_extent;
}

void CZumeoDoc::CreateEntityFromRecord(const PorRecord& record, int penWidth) {
    std::unique_ptr<CRukEntity> entity = CEntityFactory::Make(record, this, penWidth);
    if (!entity)
        return;
    if (entity->GetKind() == kKindGroup) {
        // A group none of whose members was found groups nothing.
        if (entity->GetCount() == 0)
            return;
        m_topObjects.AddTail(entity.get());
    }
    AddRecordEntity(entity.release());
}

void CZumeoDoc::AddRecordEntity(CRukEntity* entity) {
    if (!m_importLayerName.IsEmpty())
        entity->SetLayerName(m_importLayerName);
    CCommonDoc::AddRecordEntity(entity);
    if (const auto* frame = dynamic_cast<const CRukIFrame*>(entity);
        frame && !frame->GetImagePath().IsEmpty())
        m_imageNames.push_back(frame->GetImagePath());
    if (entity->GetKind() == kKindDot || !entity->IsVisible())
        return;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    entity->GetExtents(&minX, &minY, &maxX, &maxY);
    ExtendExtent(minX, minY, maxX, maxY);
}

void CZumeoDoc::FileLoadedRedlines() {
    // Old files stored thousandths of a unit; a unit below 1000 gives a
    // factor below 1, which must not be cut to 0.
    // A unit of 0 (a broken header) counts as 1000.
    const bool rescale = m_fileVersion < kUnitScaledVersion && m_unit != 0 && m_unit != kStoredUnit;
    const double factor = static_cast<double>(m_unit) / kStoredUnit;
    for (POSITION position = m_drawOrder.GetHeadPosition(); position;) {
        // The parts of an old markup join the list before it, behind the walk.
        const POSITION here = position;
        auto* object = static_cast<CRukEntity*>(m_drawOrder.GetNext(position));
        object->m_redline = 1;
        if (rescale)
            object->Scale(factor);
        const int kind = object->GetKind();
        if (IsMarkup(object) && kind != kKindPath) {
            if (!IsPathPart(object))
                m_topObjects.AddTail(object);
            object->SetColor(object->GetColor());
            if (auto* markup = dynamic_cast<CRukGroup*>(object)) {
                if (m_fileVersion < kCloudPartsVersion && kind == MarkupKind(0x03))
                    ExpandCloudParts(markup, here);
                if (m_fileVersion < kMarkupPartsVersion &&
                    (IsLeaderMarkup(kind) || kind == MarkupKind(0x04)))
                    ExpandMarkupParts(markup, here);
            }
            if (HasFontFace(kind) && m_fontCharSet)
                object->SetCharSet(static_cast<int>(m_fontCharSet(object->GetFaceName())));
            if (IsLeaderMarkup(kind)) {
                View().AddLabelText(object->GetLabelText());
                object->UpdateLeader(this);
            }
            View().RegisterMarkup(object);
        } else if (kind == kKindGroup || kind == kKindPath) {
            m_topObjects.AddTail(object);
            object->SetColor(object->GetColor());
            AddToLayer(object);
        } else if (!IsPathPart(object)) {
            AddToLayer(object);
        }
    }
}

// ---- Surroundings

void CZumeoDoc::SetStatusBar(QStatusBar* statusBar) {
    m_statusBar = statusBar;
}

void CZumeoDoc::PaintNames(CDC* dc) {
    constexpr int kChildOfInsert = 1;
    const double textScale = Settings().m_textScale;
    for (POSITION position = m_objects.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(m_objects.GetNext(position));
        if (object->m_childFlag == kChildOfInsert)
            continue;
        if (object->GetKind() == kKindGroup)
            object->ComputeGroupExtents(dc, m_extent.m_minX, m_extent.m_minY, m_scaleX, textScale);
        else if (object->GetKind() == kKindText)
            object->GetTextExtent(dc, m_extent.m_minX, m_extent.m_minY, m_scaleX, textScale);
    }
}

const CDrawDefaults& CZumeoDoc::Settings() const {
    static const CDrawDefaults defaults;
    return m_settings ? *m_settings : defaults;
}

CDocViewHook& CZumeoDoc::View() const {
    static CDocViewHook none;
    return m_view ? *m_view : none;
}

void CZumeoDoc::ShowCursorPosition(LONG x, LONG y) {
    const POINT point = DeviceToLogicalPoint(x, y);
    const double unit = UnitDivisor();
    const QString text = QString::number(point.x / unit, 'f', 3) + QLatin1Char(' ') +
                         QString::number(point.y / unit, 'f', 3);
    View().SetStatusText(1, CString::FromQString(text));
}
