#pragma once
// The common base of every drawing entity, redline markup and view tool:
// the attributes they share and the one table of virtual operations through
// which the document, the view, the undo records and the dialogs treat them
// alike, in a fixed order. The base behaviour is that of an object without
// geometry of its own; each class overrides what its kind needs.
//
// It also holds the drawing pipeline the classes build on: pens for line
// types, device line widths, the dash emulation, fill brushes, circle and
// ellipse polygons, hit bands and grips.
//
// The base has no class record and archives nothing; it is created only as
// part of a derived object.

#include "entities/CDashRules.h"
#include "entities/CSelectionLook.h"
#include "entities/CSharedString.h"
#include "entities/PointArray.h"
#include "geometry/Geometry.h"
#include "platform/mfc/CObject.h"
#include "platform/mfc/CSmallBlockArena.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

class CArchive;
class CBrush;
class CDC;
class CDrawDefaults;
class CEntityDocument;
class CObList;
class CPen;
class CRgn;
class PorRecord;

class CRukEntity : public CObject {
public:
    ~CRukEntity() override;

    // A drawing holds entities by the million.
    static void* operator new(std::size_t size) { return CSmallBlockArena::AllocateShared(size); }
    static void operator delete(void* memory, std::size_t size) {
        CSmallBlockArena::FreeShared(memory, size);
    }

    // ---- The virtual operations, in their fixed order.

    // The base archives nothing; every archived class writes its whole body.
    void Serialize(CArchive& ar) override;
    virtual int GetKind() const;
    virtual void SetLineType(int lineType);
    virtual int GetLineType() const;
    virtual void SetColor(COLORREF color);
    virtual COLORREF GetColor() const;
    // The colour back from a temporary colouring.
    virtual void RestoreColor();
    virtual void SetFillColor(COLORREF color);
    virtual void RestoreFillColor();
    virtual COLORREF GetFillColor() const;
    virtual void SetFillType(int fillType);
    virtual int GetFillType() const;
    virtual void SetLineWidth(int width);
    virtual int GetLineWidth() const;
    virtual void SetName(const CString& name);
    virtual CString GetName() const;
    virtual void SetLayerName(const CString& name);
    virtual CString GetLayerName() const;
    virtual void SetLineTypeScale(int scale);
    virtual int GetLineTypeScale() const;
    virtual void SetTransparent(int transparent);
    virtual int GetTransparent() const;
    virtual void SetVisible(int visible);
    virtual int IsVisible() const;
    virtual void SetThirdColor(COLORREF color);
    virtual COLORREF GetThirdColor() const;
    // |x2 - x1| and |y2 - y1|, saturating.
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    // The middle of the two defining points (integer division).
    virtual POINT GetCenter() const;
    // The base: the box of the two defining points.
    virtual void RecalcExtents();
    virtual void GetExtents(int* minX, int* minY, int* maxX, int* maxY) const;
    // The extents in the document's view space, normalised and grown by 2
    // on every side.
    virtual void GetDeviceRect(CEntityDocument* document, RECT* rect) const;
    // The same through the given view transform.
    virtual void GetDeviceRectEx(RECT* rect, int originX, int originY, double scale) const;
    // Widens four min/max accumulators by the extents.
    virtual void UnionExtents(int* minX, int* minY, int* maxX, int* maxY) const;
    // Mouse construction: the first press, then AddPoint per click (1 when
    // the figure is complete; mode 1 asks to finish).
    virtual void OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                              const CDrawDefaults* settings, UINT flags);
    virtual void SetFirstPoint(int x, int y);
    virtual void SetOrigin(int x, int y);
    virtual int AddPoint(int x, int y, int mode);
    virtual int AppendPoint(int x, int y);
    virtual void SetCorner2(int x, int y);
    // 1 when the point lies outside the extents.
    virtual int IsOutside(int x, int y) const;
    // The 30-unit hit band around the segment P1-P2 (device units); an empty
    // region when the points coincide, so that nothing hits it.
    virtual void MakeSegmentRegion(CRgn* region, POINT p1, POINT p2) const;
    // Draws every child in one colour (selection blink, palette preview).
    virtual void Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                      COLORREF color, const CDrawDefaults* settings, const RECT& clip);
    // The look Draw takes in a selection mode: by the entity's own fill
    // type, its area never shown.
    virtual CSelectionLook::Look SelectionLook(int selectMode) const;
    // Export and styled output: the styled recipe of closed shapes.
    virtual void DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY,
                            double scale, double patternFactor, const CDrawDefaults* settings,
                            BOOL drawBlack, const RECT& clip);
    // Both defining points and every listed point times the factor.
    virtual void Scale(double factor);
    // Drags vertex `index` by (dx, dy); (x, y) is the previous cursor position.
    virtual void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags);
    virtual void Offset(int dx, int dy);
    virtual void ScaleFromCorner(int corner, double sx, double sy);
    // Every listed point scaled about the centre; the defining points stay.
    virtual void ScaleAbout(int cx, int cy, double sx, double sy);
    // Creates the entity's pen for its line type, selects it and returns
    // the pen selected before.
    virtual CPen* SelectPen(CEntityDocument* document, CDC* dc, CPen* pen, double scale,
                            int deviceWidth, COLORREF color, const CDrawDefaults* settings);
    // 1 when the first point lies in the 20 x 20 view-space square centred
    // on the point (left and top edges inside).
    virtual int HitTestPoint(CEntityDocument* document, int x, int y) const;
    // 1 when both corners of the extents lie in the view-space rectangle.
    virtual int IsInsideRect(CEntityDocument* document, const RECT& rect) const;
    // The bare geometry with the pen and brush selected (TraceA).
    virtual void DrawForward(CDC* dc, int originX, int originY, double scale,
                             const CDrawDefaults* settings, const RECT& clip, BOOL boxOnly);
    // Fills the entity from a POR record; 0 for a record of another kind.
    virtual int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                                 int defaultWidth);
    // Printing in printer units.
    virtual void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                       double patternFactor, const CDrawDefaults* settings, BOOL drawBlack);
    // Screen and metafile drawing at the view's origin and scale.
    virtual void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                       double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                       const RECT& clip);
    // Mouse-move feedback from the old to the new cursor position.
    virtual void Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
                       const CDrawDefaults* settings, UINT flags);
    // The bare geometry with the selected pen and brush: printer units (B)
    // and view units (A; boxOnly asks a text for its frame).
    virtual void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings);
    virtual void TraceA(CDC* dc, int originX, int originY, double scale,
                        const CDrawDefaults* settings, const RECT& clip, BOOL boxOnly);
    // The geometry dashed by the emulation, where a dashed pen is not used.
    virtual void LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                           double patternFactor, const CDrawDefaults* settings);
    virtual void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                           double scale, double patternFactor, const CDrawDefaults* settings,
                           const RECT& clip);
    virtual void DrawGrips(CDC* dc, int originX, int originY, double scale,
                           const CDrawDefaults* settings);
    virtual void TrackPending(CEntityDocument* document, CDC* dc, int x, int y,
                              const CDrawDefaults* settings);
    virtual void TrackAt(CEntityDocument* document, CDC* dc, int x, int y,
                         const CDrawDefaults* settings);
    // The drag outline displaced by (dx, dy) drawing units.
    virtual void DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                           const CDrawDefaults* settings);
    // 1 when the point (drawing units) lies on the shape.
    virtual int HitTest(CDC* dc, CEntityDocument* document, int x, int y);
    // 1 and the grip's index when a grip lies under the point.
    virtual int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip);
    virtual void SetGripCursor(int grip);
    // The objects a tool works on; null for anything else.
    virtual CObList* GetPickList();
    // Builds a markup's children once its points are complete.
    virtual void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings);
    virtual void SetText(const CString& text);
    virtual CString GetText() const;
    virtual void SetTextHeight(int height);
    virtual int GetTextHeight() const;
    virtual int GetArrowLength() const;
    virtual void SetArrowLength(double length);
    virtual double GetHandSize() const;
    virtual void SetHandSize(double size);
    virtual void UpdateLayout();
    virtual CString GetLabelText() const;
    virtual void RefreshLabels(CEntityDocument* document);
    virtual void SetLabelText(CEntityDocument* document, CDC* dc, const CString& text,
                              const CDrawDefaults* settings);
    virtual void SetStartPoint(int x, int y);
    virtual void SetEndPoint(int x, int y);
    // Takes back the last point; the points left (0 when nothing was taken).
    virtual int EraseTracking(CEntityDocument* document, CDC* dc, int x, int y,
                              const CDrawDefaults* settings);
    virtual void SetPolyMode(int mode);
    // The children of groups, inserts and markups; null without children.
    virtual POSITION GetHeadPosition() const;
    virtual CRukEntity* GetNext(POSITION& position) const;
    virtual POSITION GetTailPosition() const;
    virtual CRukEntity* GetPrev(POSITION& position) const;
    // Measures the texts of a group and takes the union of its children.
    virtual void ComputeGroupExtents(CDC* dc, int originX, int originY, double scale,
                                     double textScale);
    // Measures a text and sets its second point.
    virtual void GetTextExtent(CDC* dc, int originX, int originY, double scale, double textScale);
    // Stores the text and fits the text height to the box.
    virtual void FitTextToBox(CEntityDocument* document, CDC* dc, const CString& text,
                              const CDrawDefaults* settings);
    virtual int HasPolylineChild() const;
    virtual int GetNoteFrameType() const;
    virtual void SetNoteFrameType(int type);
    virtual void SetEndMarkFlag(int flag);
    // The point at the markup's fixed distance toward (x, y), in view space.
    virtual POINT FixedLengthPoint(CDC* dc, CEntityDocument* document, int x, int y);
    // The anchor of the rubber band in window pixels; (x, y) by default.
    virtual POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y);
    virtual void SetVertAlign(int align);
    virtual void SetHorzAlign(int align);
    virtual void SetAngle(int angle);
    virtual void SetArcSize(double size);
    virtual void SetArcRatio(double ratio);
    virtual int GetPointCount() const;
    // 1 and the point when the index is below the count.
    virtual int GetPoint(int* x, int* y, int index) const;
    // 1 when a point of that index was set.
    virtual int SetPoint(int x, int y, int index);
    // The measured segment in units: its points, length and direction in degrees.
    virtual void GetSegment(CEntityDocument* document, DPOINT* first, DPOINT* second,
                            double* length, double* angle) const;
    // Widens the accumulators by the children on shown layers.
    virtual void CollectShownExtents(CEntityDocument* document, CObList* list, int* minX, int* minY,
                                     int* maxX, int* maxY, const CDrawDefaults* settings);
    // 0 none, 1 circle, 2 rectangle around a label.
    virtual int GetLabelMode() const;
    virtual void RefitLabel(CEntityDocument* document, CDC* dc, int mode,
                            const CDrawDefaults* settings);
    virtual void SetLeaderAttached(int attached);
    virtual int GetLeaderAttached() const;
    virtual void UpdateLeader(CEntityDocument* document);
    virtual int GetShapeSize(int* width, int* height) const;
    virtual int GetCount() const;
    virtual int GetHitChild() const;
    virtual void SetFaceName(const CString& face);
    virtual CString GetFaceName() const;
    virtual void SetCharSet(int charSet);
    virtual int GetCharSet() const;
    virtual void SetImagePath(const CString& path);

    // ---- The drawing pipeline.

    // The pen width in device units of a width in 0.01 mm: by resolution on
    // a printer; by the line scale, at most 15, on screen.
    static int GetDeviceLineWidth(CDC* dc, int width, const CDrawDefaults* settings);
    // Whether DrawA on that context would set no pixel: the entity draws an
    // outline only, in a one-pixel pen, and all of it falls on one device
    // pixel. A fitted drawing has many such objects, which the paint skips
    // before making their pens.
    bool SetsNoPixelOnScreen(CDC* dc, int originX, int originY, double scale,
                             const CDrawDefaults* settings) const;
    // The box, in drawing units, of every point DrawA hands to the context,
    // for an entity whose screen drawing is an outline in its line width and
    // nothing else; none for any other.
    virtual std::optional<RECT> ThinOutlineBox() const;
    // Pen, fill and third colour for the entity on that background: the
    // background is white on a printer; draw-black gives black and grey.
    void ResolveColors(CDC* dc, COLORREF* penColor, COLORREF* fillColor, COLORREF* thirdColor,
                       COLORREF background, BOOL drawBlack) const;
    // A screen pen for the line type: none for type 0, dashed when the type
    // has a pattern at this scale, solid otherwise.
    void CreateLinePen(CEntityDocument* document, CPen* pen, int lineType, int width,
                       COLORREF color, double scale, double patternFactor,
                       const CDrawDefaults* settings, int widthBase);
    // The same in printer units for drawing in document coordinates.
    void CreateLinePenPrinter(CEntityDocument* document, CPen* pen, int lineType, int width,
                              COLORREF color, int unitDivisor, double scale, double patternFactor,
                              const CDrawDefaults* settings);
    // Fills m_dashes by the screen rules; 1 when the line type draws dashed.
    int ComputeDashes(CEntityDocument* document, int lineType, double scale, double patternFactor,
                      const CDrawDefaults* settings, int widthBase);
    // The same in printer units for the dash emulation.
    int ComputeDashesPrinter(CEntityDocument* document, int lineType, int unitDivisor, double scale,
                             double patternFactor);
    // The dash emulation over m_dashes: dash pieces of a straight chain, or
    // unit steps of a curve, into m_dashPoints; and their drawing (y negated
    // in a metafile).
    void BuildDashSegments(const DPOINT* chain, int count);
    void DrawDashSegments(CDC* dc) const;
    void BuildUnitSteps(const DPOINT* chain, int count);
    void DrawDashedSteps(CDC* dc) const;
    // 360-vertex polygons with the DC's current pen and brush.
    static void DrawCirclePolygon(CDC* dc, int cx, int cy, int radius);
    static void DrawEllipsePolygon(CDC* dc, int left, int top, int right, int bottom);
    // Types 4..9 the hatch brushes, any other type a solid brush.
    static void CreateFillBrush(CBrush* brush, int fillType, COLORREF color);
    // Red boxes 5 device units to each side of every point (logical units).
    static void DrawGripBoxes(CDC* dc, const POINT* points, int count);
    // 1 when the test point hits the grip at that logical point: the band of
    // the grip box's diagonal.
    int HitGripBox(CDC* dc, POINT grip, POINT test) const;

    // The curve samplers over m_points.
    std::vector<DPOINT> FlattenBezier() const;
    std::vector<DPOINT> SampleSpline() const;
    std::vector<DPOINT> SampleClosedSpline() const;
    double GetPolygonArea(int divisor) const;

    // ---- Attributes (drawing units unless said otherwise).

    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
    // The empty box until RecalcExtents runs.
    int m_maxX = std::numeric_limits<int>::min();
    int m_maxY = std::numeric_limits<int>::min();
    int m_minX = std::numeric_limits<int>::max();
    int m_minY = std::numeric_limits<int>::max();
    int m_kind = 0;
    // The texts a drawing repeats over its entities are shared.
    CSharedString m_tag;
    CSharedString m_layerName = DefaultLayerName();
    CSharedString m_name;
    CPointArray m_points;
    // 0 none, 1 solid, 2..25 and 200 standard patterns, 100 wide line,
    // 1000 and up the document's own line types.
    int m_lineType = 1;
    int m_lineTypeScale = 1000;
    // 0.01 mm; 0 the thinnest.
    int m_lineWidth = 0;
    // m_color is what is drawn; m_savedColor is the colour proper.
    COLORREF m_color = 0xFFFFFF;
    COLORREF m_savedColor = 0xFFFFFF;
    CSharedString m_sourceLayer = DefaultLayerName();
    // 0 none, 1 translucent, 3 opaque, 4..9 hatches, 99 markup special.
    int m_fillType = 0;
    // kNoFillColor takes the background.
    COLORREF m_fillColor = 0xFFFFFF;
    COLORREF m_savedFillColor = 0xFFFFFF;
    // 1: a hatch's background is left unpainted.
    int m_transparent = 1;
    // Hatch lines and pattern text.
    COLORREF m_thirdColor = 0xFFFFFF;
    // 0 free, 1 child of an insert, 2 of a group or markup, 3 outline and 4
    // hole of a cut-out.
    int m_childFlag = 0;
    CString m_id;
    // 1 on the document's redline objects.
    int m_redline = 0;
    int m_visible = 1;
    // The current pen's dash and gap lengths in device units, and the dash
    // pieces being drawn: scratch of one drawing step, shared by the
    // entities a thread draws, as a drawing holds entities by the million.
    static thread_local CDashArray m_dashes;
    static thread_local int m_dashCount;
    static thread_local CPointArray m_dashPoints;
    // Scratch of the box markups' grip drags: a corner in view space and
    // the aspect ratio taken at the drag's start.
    POINT m_trackCorner{0, 0};
    double m_aspectRatio = 0.0;
    int m_aspectTaken = 0;

    static constexpr COLORREF kNoFillColor = 0xFFFFFFFE;

protected:
    // "0", shared by every new entity.
    static const CSharedString& DefaultLayerName();

    // The child loop of Draw: every child on a shown layer (only those of
    // onlyKind when it is not 0) with its own pen in the colour.
    void DrawChildren(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                      COLORREF color, int deviceWidth, const CDrawDefaults* settings,
                      const RECT& clip, bool markEachChild, int onlyKind = 0);

    CRukEntity() = default;
    CRukEntity(const CRukEntity&) = default;
    CRukEntity& operator=(const CRukEntity&) = default;

private:
    void SetDashPoints(const std::vector<POINT>& points);
    // A geometric pen with flat ends dashed by m_dashes.
    void CreateDashedPen(CPen* pen, int width, COLORREF color) const;
};
