#pragma once
// The program's document: the common document with the state of what is
// open, the undo-record look-ups and the fit test of the view.

#include "app/CCommonDoc.h"
#include "app/CListCursor.h"
#include "app/CUndoManager.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <span>
#include <utility>

class CDC;
class CDocViewHook;
class CDrawDefaults;
class PorRecord;
class QStatusBar;

class CZumeoDoc : public CCommonDoc {
    DECLARE_DYNCREATE(CZumeoDoc)

public:
    CZumeoDoc() = default;

    // As the common document's, and the undo history ends.
    void ClearContents();

    // ---- The own files beside the drawing.

    // Storing: the control file while m_saveAsControl is set, else the own
    // drawing file. Loading: the control file when the archive's file is
    // m_controlPath, else the own drawing file.
    void Serialize(CArchive& ar) override;
    // Opens an own drawing file with the redlines of its control file;
    // FALSE, the document emptied, when it cannot be read.
    BOOL OnOpenDocument(const char* pathName) override;
    void SetPathName(const CString& pathName) override;

    // The save groups: one per named top-level group, rebuilt before every
    // control-file save; put back onto the groups after a load.
    void DeleteSaveGroups();
    void BuildSaveGroups();
    void ApplySaveGroups();

    // ---- Saving. Each returns TRUE only when the file was written; the
    // document's state changes only then.

    // Ctrl+S: the control file, which ends the undo history. In a read-only
    // folder it offers to save under another name.
    BOOL OnFileSave();
    BOOL SaveControlFile(const CString& path);
    BOOL SaveRedlines();
    // Asks for a name and saves the control file there.
    BOOL SaveControlFileAs();
    BOOL SaveOwnDocument();
    // Stores the drawing as an own drawing file; an imported drawing then
    // becomes that file.
    BOOL ConvertToOwnDocument();
    // The conversion needs a writable folder, a drawing with entities, and
    // one that is not an image or a metafile.
    bool CanConvert() const;

    // ---- Closing: FALSE when the user cancels.

    // Offers to keep an imported drawing as an own drawing file; a ticked
    // box stops the offer (settings' SAVE/CONFIRM).
    BOOL OfferConversionOnClose(CDrawDefaults& settings);
    // Asks to save modified redlines.
    BOOL SaveModifiedRedlines();
    // Both, in that order, for a drawing with an own path.
    BOOL QueryCloseDrawing(CDrawDefaults& settings);

    void RefreshLayerBar();

    // As the common document's, and the redlines count as modified.
    BOOL MoveToLayer(CRukEntity* object, const CString& name) override;

    // The index of the object in the list, searching on from the cursor;
    // -1 when absent.
    int FindInDrawOrder(const CObject* object, CListCursor& cursor) const;
    int FindInTopObjects(const CObject* object, CListCursor& cursor) const;
    // The index of the object in the named layer's list; -1 when absent.
    int FindInLayer(const CObject* object, const CString& layerName) const;

    // The selection (or the given list) with every child of its markups,
    // in drawing order, followed by the objects outside the drawing order
    // in their own order. Without a markup it is the list itself.
    void GetSelectionInOrder(CObList& out, const CObList* selection = nullptr) const;

    // True when a view with that window extent and origin shows exactly the
    // fit of the drawing: the extent of the shown entities when a layer is
    // hidden, else the whole drawing, over the screen span.
    bool IsFitView(SIZE windowExtent, POINT origin, BOOL windowsNT) const;

    // ---- Import through a plug-in (a library name such as "RukDXF.DLL"
    // from the program's folder, or a path). 1 on success, 0 on failure;
    // a block the plug-in makes that cannot be used leaves the open
    // document as it was.

    // Replaces the document with the drawing, its control file's redlines
    // first, and takes the work file beside it.
    int ImportByPlugin(const CString& library, const CString& path);
    // The same, with the file read standing in for the document path, which
    // names the drawing and its side files (a drawing converted first).
    int ImportByPluginAs(const CString& library, const CString& filePath,
                         const CString& documentPath);
    // The same with the block a plug-in already made of the drawing at
    // filePath, which is taken and freed.
    int ImportBlock(HGLOBAL porBlock, const CString& library, const CString& filePath,
                    const CString& documentPath);
    // Adds the file's drawing to the open document.
    int MergeByPlugin(const CString& library, const CString& path);
    // The items the plug-ins left out of the drawings imported or merged
    // since the count was last taken. Whoever asked for the reading tells
    // the user, once, or names the file in its own report.
    std::size_t TakeLeftOut() { return std::exchange(m_leftOutUntold, 0); }
    // "図面の N 個の要素を読み込めませんでした。" when any were left out.
    static void TellLeftOut(std::size_t count);
    int ImportJwcDrawing(const CString& path);
    int ImportSxfDrawing(const CString& path);

    // ---- A raster image or a metafile as the drawing: one frame at the
    // picture's pixel size x 1000. 1 on success; 0 for a missing file, and
    // after "読み込みエラー" for one that cannot be read, the document emptied.

    int OpenRaster(const CString& path);
    // The same, with the file read standing in for the document path (an
    // image rendered from the drawing first).
    int OpenRasterAs(const CString& filePath, const CString& documentPath);
    int OpenMetafile(const CString& path);

    // Builds the entity of the record's type and files it: a group with
    // members also as a top object. Nothing for a type without a class.
    void CreateEntityFromRecord(const PorRecord& record, int penWidth);
    // Files an entity built from a record on the merge layer, when one is
    // set, and widens the extent by it unless it is a dot or invisible.
    void AddRecordEntity(CRukEntity* entity) override;

    // Flags, files and adapts the redline objects a control file gave, as
    // every load does once the drawing is in.
    void FileLoadedRedlines();
    // Measures every free text and group on the DC again, so that their
    // boxes follow the fonts this output draws them with.
    void PaintNames(CDC* dc);
    // Shows a view-space point in drawing units in the second status pane.
    void ShowCursorPosition(LONG x, LONG y);

    // ---- What the document needs of the program around it; without them
    // it uses the default settings, shows no progress and has no view.

    void SetSettings(const CDrawDefaults* settings) { m_settings = settings; }
    void SetStatusBar(QStatusBar* statusBar);
    void SetViewHook(CDocViewHook* view) { m_view = view; }
    // The character set of an installed font face; without it, markups
    // read from a control file keep the character set they were stored with.
    void SetFontCharSetSource(std::function<UINT(const CString&)> source) {
        m_fontCharSet = std::move(source);
    }
    // The character set of a face by that source; Shift-JIS without one.
    UINT FontCharSet(const CString& face) const {
        return m_fontCharSet ? m_fontCharSet(face) : kShiftJisCharSet;
    }
    static constexpr UINT kShiftJisCharSet = 128;

    enum OpenState { kOpenNew = 0, kOpenOwnFile = 1, kOpenImported = 2, kOpenBaseImage = 3 };
    int m_openState = kOpenNew;
    // 1 when the control file beside the drawing exists but could not be
    // read: the file is kept as it is, and saving must ask before it writes
    // over it.
    int m_controlFileUnread = 0;
    CUndoManager m_undo;

    static constexpr const char* kDxfLibrary = "RukDXF.DLL";
    static constexpr const char* kJwcLibrary = "RukJWC.DLL";
    static constexpr const char* kSxfLibrary = "RukSXF.DLL";

private:
    int Import(const CString& library, const CString& filePath, const CString& documentPath);
    // The base image routes: the document is emptied for the drawing, load
    // fills the frame from the file, and the frame's box becomes the paper.
    int OpenBaseFrame(std::unique_ptr<CRukEntity> frame, const CString& filePath,
                      const CString& documentPath, const std::function<bool()>& load);
    void ReadControlFile();
    // Empties the document for the drawing, takes the work file beside it
    // and reads its control file.
    void BeginLoad(const CString& documentPath);
    // The steps every load of a drawing ends with, once the control file
    // and the drawing are in.
    void FinishLoad(int openState);
    // The side paths of a drawing.
    void DerivePaths(const CString& documentPath);
    // Takes the work file, or makes the next opener take it.
    void TakeWorkFile();
    // The save of the control file to the path; FALSE when it was not written.
    BOOL WriteControlFile(const CString& path);
    // The own file becomes the document's file.
    void BecomeOwnDocument();
    // The view's share of the end of a load: mapping, extent, fit.
    void RefitExtent();
    const CDrawDefaults& Settings() const;
    CDocViewHook& View() const;

    const CDrawDefaults* m_settings = nullptr;
    QPointer<QStatusBar> m_statusBar;
    CDocViewHook* m_view = nullptr;
    std::function<UINT(const CString&)> m_fontCharSet;
    std::size_t m_leftOutUntold = 0;
};
