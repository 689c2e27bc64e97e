#pragma once
// The open drawing: its entities, the redline objects in their drawing
// order, the layers and line types, the extent and the scale that turn
// drawing units into the view space, the paths of the drawing and its side
// files, and the redline tool state the markups share.
//
// Ownership: the document owns every object of m_objects, m_drawOrder,
// m_layers, m_drawingLayers, m_lineTypes and m_saveGroups. m_topObjects,
// m_selection and the layers' entity lists only point to them. A drawing
// entity lives in m_objects, a redline object (a markup and each of its
// children) in m_drawOrder; both stand in the list of their layer.

#include "app/CDocExtent.h"
#include "app/CPrintHeader.h"
#include "app/CWorkFile.h"
#include "entities/CEntityIdIndex.h"
#include "markups/CMarkupDocument.h"
#include "platform/gdi/CEnhMetaFile.h"
#include "platform/mfc/CDocument.h"
#include "platform/mfc/CObList.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <optional>
#include <vector>

class CDC;
class CDrawDefaults;
class CDrawnEntitySink;
class CRukEntity;
class CRukGroup;
class CRukLayer;

class CCommonDoc : public CDocument, public CMarkupDocument {
    DECLARE_DYNCREATE(CCommonDoc)

public:
    CCommonDoc();
    ~CCommonDoc() override;

    // ---- Construction and reset.

    // Empties every list without deleting (ClearContents deletes first) and
    // sets every member to its reset value, the paths included.
    void ResetDocument();
    // Deletes every owned object and empties the lists, releases and
    // removes the work file and restores the standard dash patterns.
    void ClearContents();

    // ---- Kind tests.

    static bool IsMarkup(const CRukEntity* object);
    // The markups that enclose an area.
    static bool IsAreaMarkup(const CRukEntity* object);

    // ---- List maintenance.

    // A tool object's picks join the selection (kept in m_objects order);
    // any other object is appended to m_objects.
    void AddEntity(CRukEntity* object);
    // A drawing entity of an import: appended to m_objects and filed.
    void AddRecordEntity(CRukEntity* entity) override;
    CRukEntity* FindEntityById(const CString& id) const override;
    // Files the object on the layer its layer name names (case-sensitive),
    // creating a missing layer.
    void AddToLayer(CRukEntity* object) override;
    // The same at an index of the layer's list (0 the head).
    void InsertInLayer(CRukEntity* object, int index);
    // Appends a redline object to the drawing order and flags it.
    void AddMarkup(CRukEntity* object) override;
    // Files a markup whose gesture ended: in the drawing order and among the
    // top objects. A markup that built no children would be an invisible,
    // unpickable object saved with the file: it is refused (false) and stays
    // the caller's.
    bool AddFinishedMarkup(CRukEntity* markup);
    void RemoveFromLayer(CRukEntity* object);
    // Unlinks and deletes a redline object with its redline children; 0
    // (nothing changed) for any other object.
    BOOL DeleteEntity(CRukEntity* object);
    void ClearSelection();
    // True for an object of the drawing order: a markup or a markup's child.
    // Only these may be changed; the drawing's own entities stay as the
    // drawing gave them while it is open.
    bool IsRedlineObject(const CObject* object) const;
    int IndexOfObject(const CObject* object) const;

    // ---- Layers.

    int GetLayerState(const CString& layerName) const override;
    CRukLayer* FindLayer(const CString& name) const;
    // Moves the object, and its children that stand on its layer, to the
    // named layer (case-insensitive), creating a missing target; nothing
    // happens when the object's own layer does not exist. TRUE when moved.
    virtual BOOL MoveToLayer(CRukEntity* object, const CString& name);
    void RemoveEmptyLayers();
    // Each layer takes the stored state of the same name (case-insensitive),
    // 1 when none is stored.
    void UpdateLayerStates();

    // ---- Extent and conversions.

    void ExtendExtent(int x0, int y0, int x1, int y1);
    // Device units per drawing unit from the device spans and the larger
    // side of the extent; 1.0 for an empty or point extent.
    void ComputeScale();
    // The paper when asked and known; else the loaded extent widened by the
    // top objects. Then ComputeScale.
    void RecomputeExtent(BOOL usePaper);
    // The paper when asked and known; else the box of the shown entities.
    // Then ComputeScale.
    void RecomputeVisibleExtent(BOOL usePaper);
    POINT GetPaperCenter(BOOL usePaper) const;
    int GetDeviceWidth() const;
    int GetDeviceHeight() const;
    int LogicalToDevice(int value) const override;
    int DeviceToLogical(int value) const override;
    POINT LogicalToDevicePoint(LONG x, LONG y) const override;
    UINT GetUnit() const override { return m_unit; }
    double ViewScale() const override { return m_scaleX; }
    POINT DeviceToLogicalPoint(LONG x, LONG y) const;
    // The drawing's height in units.
    double GetExtentRatio() const;
    POINT ViewOrigin() const override { return POINT{m_extent.m_minX, m_extent.m_minY}; }
    double ExtentHeight() const override { return static_cast<double>(m_extent.Height()); }

    // ---- Drawing order of the redline objects.

    // The markup and its children go to the end of the drawing order, the
    // markup to the end of the top objects, the children to the end of
    // their layer.
    void BringToFront(CRukEntity* object);
    // The markup and its children go before every other redline object.
    void SendToBack(CRukEntity* object);

    // ---- Painting: the passes over the entities and the redline objects
    // that meet the clip rectangle (view space), in the VIEW/ORDER order.

    // A hidden layer makes the fit and the copy cover the shown entities only.
    bool HasHiddenLayer() const;
    void PaintEntities(CDC* dc, const RECT& clip, const CDrawDefaults& settings);
    // The objects PaintEntities draws, in its order, handed to the sink; a
    // partial pass as m_partialLayerPass asks, which it leaves as it is.
    void CollectEntities(const RECT& clip, const CDrawDefaults& settings, bool partialLayerPass,
                         CDrawnEntitySink& sink);
    // The layers that pass walks in its order, when the settings ask for
    // the layer order; the dash factor of their entities.
    std::optional<std::vector<CRukLayer*>> LayersOfPass(const CDrawDefaults& settings,
                                                        bool partialLayerPass);
    double EntityPatternFactor() const;
    // The selected objects again in the selection colour.
    void PaintSelection(CDC* dc, const RECT& clip, const CDrawDefaults& settings);
    void PaintGrips(CDC* dc, const RECT& clip, const CDrawDefaults& settings);
    // Printing in printer units (DrawB) of every shown object, at the
    // document's unit and the given print scale.
    void PaintEntitiesForOutput(CDC* dc, const RECT& clip, const CDrawDefaults& settings,
                                double printScale);
    // Styled output (DrawStyled) of the objects that meet the clip
    // rectangle, at the document's origin and the given scale.
    void PaintEntitiesForOutput(CDC* dc, const RECT& clip, const CDrawDefaults& settings,
                                int originX, int originY, double scale);
    // A view-space rectangle as an enhanced metafile on the background
    // colour; null without a source context.
    HENHMETAFILE RenderToMetafile(CDC* source, const RECT& rect, const CDrawDefaults& settings);
    // The entities of the shown layers as an enhanced metafile, with a
    // margin around them; rendered receives its view-space rectangle. The
    // extent and the scales stay as they were. Null without a source.
    HENHMETAFILE RenderShownDrawing(CDC* source, const CDrawDefaults& settings,
                                    RECT* rendered = nullptr);
    // Puts the entities of the shown layers on the clipboard as "image/emf"
    // and as a picture; false when nothing could be made. The extent and
    // the scales stay as they were.
    bool CopyToClipboard(CDC* source, const CDrawDefaults& settings);
    // Puts a view-space rectangle on the clipboard in the same two forms.
    bool CopyAreaToClipboard(CDC* source, const RECT& rect, const CDrawDefaults& settings);

    // ---- Markups of old control files, whose parts stood only in their
    // child list: the parts join the drawing order before position (the
    // tail when null).

    // A cloud markup's arcs are dropped; its cloud outlines are listed.
    void ExpandCloudParts(CRukGroup* markup, POSITION position);
    // A leader markup's parts are listed, those tagged "DELETE" dropped.
    void ExpandMarkupParts(CRukGroup* markup, POSITION position);

    // ---- Files and sizes.

    // 0 missing, 1 own drawing file, 2 control file, -1 anything else. A
    // ".zmd" file without the header is an own drawing file of version 0.
    static int GetFileKind(const CString& path);
    static bool IsOwnDrawingName(const CString& path);
    // Takes the work file; without it the drawing is read-only.
    BOOL CreateWorkFile();
    void RemoveWorkFile();
    bool IsReadOnly() const { return !m_workFile.IsOpen(); }
    // Text, arrow and cloud sizes from the drawing's height in units.
    void RecalcMarkupSizes(const CDrawDefaults& settings);
    // The drawing's line types onto the dash table (types 2..25) and into
    // the own line patterns (other numbers).
    void BuildLinePatterns();
    void ResetLinePatterns();

    // ---- Accessors.

    const CString& GetCurLayerName() const { return m_curLayerName; }
    const CString& GetNewMarkTag() const { return m_newMarkTag; }
    void SetNewMarkTag(const CString& tag) { m_newMarkTag = tag; }
    const CString& GetNewMarkName() const { return m_newMarkName; }
    void SetNewMarkName(const CString& name) { m_newMarkName = name; }

    static constexpr int kKindPath = 0x10000014;

    // ---- Data.

    CObList m_objects{10};
    CObList m_drawOrder;
    CObList m_topObjects;
    CObList m_selection;
    CObList m_saveGroups;
    CObList m_lineTypes;
    // File names of the raster images the drawing's image frames use.
    std::vector<CString> m_imageNames;
    CDocExtent m_extent;
    CDocExtent m_fullExtent;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    CString m_drawingPath;
    CString m_ownDocPath;
    CString m_workPath;
    CString m_controlPath;
    CWorkFile m_workFile;
    // Drawing units per unit; 0 (a broken header) counts as 1000.
    UINT m_unit = 1000;
    UINT m_fileVersion = 0;
    // The print span.
    int m_deviceSpanY = 100000;
    SIZE m_paperSize{0, 0};
    POINT m_paperOrigin{0, 0};
    // The last values of the POR header record as read.
    // How many items of the drawing the plug-in left out.
    int m_headerLeftOut = 0;
    int m_headerReserved2 = 0;
    // The header's factor (thousandths) as a double.
    double m_headerFactor = 1.0;
    int m_headerWord = 0;
    CString m_importLayerName;
    CString m_noteText;
    int m_markupKind = 0;
    CString m_fontFace;
    int m_createWorkFile = 1;
    CObList m_layers;
    int m_partialLayerPass = 0;
    int m_redlineModified = 0;
    CObList m_drawingLayers;
    int m_saveAsControl = 0;
    // The texts printed above and below the drawing.
    CPrintHeader m_printHeader;
    // The selection's two counters, zeroed with the selection.
    int m_selectionCount = 0;
    int m_selectionIndex = 0;

    // The drawing units per shown unit; a unit of 0 counts as 1000.
    double UnitDivisor() const;

protected:
    CRukLayer* FindLayerNoCase(const CString& name) const;
    // The box of the entities of shown layers, dots and invisible ones left out.
    CDocExtent VisibleBox() const;
    // The loaded extent widened by the top objects.
    CDocExtent TopObjectsBox() const;

private:
    // The drawing entities of m_objects by id.
    CEntityIdIndex m_idIndex;

    // Deletes the children of a markup or group that are redline objects.
    void DeleteChildren(CRukEntity* object);
    void DeletePathChildren(CRukEntity* path);
    // Takes a deleted object out of every list that points to it.
    void Unlink(CRukEntity* object);
    void DropPart(CRukGroup* markup, CRukEntity* part);
    void ListPart(CRukEntity* part, POSITION position);
    CDocExtent PaperExtent() const;
    bool HasPaper() const;
    // The children of an object in list order.
    static std::vector<CRukEntity*> ChildrenOf(const CRukEntity* object);
    // Children at any depth below the drawing's entities and the redline
    // objects that no list of the document holds, each once: the document
    // owns them through their owner.
    std::vector<CRukEntity*> StrayChildren() const;
    // Hands the metafile to the clipboard and deletes it; false for none.
    static bool PutOnClipboard(HENHMETAFILE metafile);
    static void DeleteAll(CObList& list);
};
