#pragma once
// The records of POR data, the block the import plug-ins hand to the program.
// Every record starts with [0] type and [1] size in bytes (head included);
// [n] is the n-th little-endian 32-bit word from the record start. Strings
// are NUL-terminated CP932 text after the fixed part, found by their
// (length, offset) pair. Each struct names its record's type, the size of its
// fixed part and the place of every field.

#include "platform/win/WinTypes.h"
#include "por/PorField.h"

#include <cstddef>

constexpr LONG PorMaxType = 39;
constexpr std::size_t PorHeadSize = 8;

// A colour taken from the enclosing block; read as the default white.
constexpr COLORREF PorByBlockColor = 0x80000000;
constexpr COLORREF PorByBlockReadColor = 0xFFFFFF;
// A colour taken from the layer that the DXF plug-in could not resolve.
constexpr COLORREF PorByLayerColor = 0x70000000;

// Every drawing object record starts with the id of its source object.
struct PorObjectRecord {
    static constexpr PorStringField Id{2};
};

struct PorHeader {
    static constexpr LONG Type = 1;
    static constexpr std::size_t FixedSize = 52;
    static constexpr DWORD MagicValue = 0x5752756B; // the bytes "kuRW"
    static constexpr LONG MinVersion = 3000;
    static constexpr LONG MaxVersion = 3999;

    static constexpr PorUnsignedField Magic{2};
    static constexpr PorIntField Version{3};
    static constexpr PorIntField Scale{4}; // POR units per source unit
    static constexpr PorIntField SheetWidth{5};
    static constexpr PorIntField SheetHeight{6};
    static constexpr PorIntField OriginX{7};
    static constexpr PorIntField OriginY{8};
    static constexpr PorIntField LeftOut{9}; // items of the drawing the plug-in could not read
    static constexpr PorIntField Reserved2{10};
    static constexpr PorIntField Factor{11}; // thousandths
    static constexpr PorIntField HeaderWord{12};
};

struct PorEnd {
    static constexpr LONG Type = 2;
    static constexpr std::size_t FixedSize = 8;
};

struct PorLine : PorObjectRecord {
    static constexpr LONG Type = 3;
    static constexpr std::size_t FixedSize = 56;

    static constexpr PorPointField Start{4};
    static constexpr PorPointField End{6};
    static constexpr PorPenField Pen{8};
    static constexpr PorStringField Layer{12};
};

// Open point lists: polyline, Bezier control polygon, spline fit points.
struct PorOpenHead : PorObjectRecord {
    static constexpr PorPenField Pen{4};
    static constexpr PorStringField Layer{8};
    static constexpr PorIntField StartArrow{10};
    static constexpr PorIntField EndArrow{11};
};

struct PorOpenList : PorOpenHead {
    static constexpr std::size_t FixedSize = 80;
    static constexpr PorPointListField Points{19};
};

struct PorPolyline : PorOpenList {
    static constexpr LONG Type = 5;
};

struct PorBezier : PorOpenList {
    static constexpr LONG Type = 8;
};

struct PorSpline : PorOpenList {
    static constexpr LONG Type = 29;
};

// Closed point lists; the edge from the last point back to the first is implied.
struct PorClosedHead : PorObjectRecord {
    static constexpr PorPenField Pen{4};
    static constexpr PorFillField Fill{8};
    static constexpr PorColorField SecondFillColor{10};
    static constexpr PorStringField Layer{11};
    static constexpr PorIntField Transparent{13};
};

struct PorClosedList : PorClosedHead {
    static constexpr std::size_t FixedSize = 80;
    static constexpr PorPointListField Points{19};
};

struct PorPolygon : PorClosedList {
    static constexpr LONG Type = 6;
};

struct PorCSpline : PorClosedList {
    static constexpr LONG Type = 30;
};

struct PorCBezier : PorClosedList {
    static constexpr LONG Type = 37;
};

// Circle and ellipse: the four corners of the (rotated) bounding box in
// cyclic order.
struct PorConic : PorObjectRecord {
    static constexpr std::size_t FixedSize = 88;

    static constexpr PorPointsField Corners{4, 4};
    static constexpr PorPenField Pen{12};
    static constexpr PorFillField Fill{16};
    static constexpr PorColorField SecondFillColor{18};
    static constexpr PorStringField Layer{19};
    static constexpr PorIntField Transparent{21};
};

struct PorCircle : PorConic {
    static constexpr LONG Type = 9;
};

struct PorEllipse : PorConic {
    static constexpr LONG Type = 10;
};

// Arcs: the box of the full circle or ellipse, then the two ends.
struct PorArcBase : PorObjectRecord {
    static constexpr std::size_t FixedSize = 88;

    static constexpr PorPointsField Corners{4, 4};
    static constexpr PorPointField Start{12};
    static constexpr PorPointField End{14};
    static constexpr PorPenField Pen{16};
    static constexpr PorStringField Layer{20};
};

struct PorArc : PorArcBase {
    static constexpr LONG Type = 11;
};

struct PorEArc : PorArcBase {
    static constexpr LONG Type = 12;
};

struct PorText : PorObjectRecord {
    static constexpr LONG Type = 14;
    static constexpr std::size_t FixedSize = 160;
    static constexpr LONG TextKindValue = 23; // any other kind builds nothing

    static constexpr PorPointField First{4};
    static constexpr PorPointField Second{6};
    static constexpr PorIntField Angle{8}; // tenths of a degree
    static constexpr PorIntField VerticalAlign{9};
    static constexpr PorIntField HorizontalAlign{10};
    static constexpr PorStringField Layer{16};
    static constexpr PorIntField TextKind{18};
    static constexpr PorIntField TextLengthPlus88{19};
    static constexpr PorFaceNameField FaceName{20};
    static constexpr PorIntField Height{22};
    static constexpr PorColorField Color{24};
    static constexpr PorIntField Underline{25};
    static constexpr PorIntField Overline{27};
    static constexpr PorIntField Style{32};       // bit 0 bold
    static constexpr PorIntField Slant{33};       // thousandths of a degree
    static constexpr PorIntField WidthFactor{34}; // thousandths
    static constexpr PorIntField Vertical{35};
    static constexpr PorIntField Spacing{36};
    static constexpr PorIntField FitWidth{37};
    static constexpr PorStringField Text{38};
};

struct PorIFrame : PorObjectRecord {
    static constexpr LONG Type = 19;
    static constexpr std::size_t FixedSize = 140;

    static constexpr PorStringField ImageName{4};
    static constexpr PorPointsField Frame{6, 8};
    static constexpr PorIntField LineType{22};
    static constexpr PorColorField Color{25};
    static constexpr PorStringField Layer{26};
    static constexpr PorBytesField Image{33}; // a packed device-independent bitmap
};

struct PorDot : PorObjectRecord {
    static constexpr LONG Type = 21;
    static constexpr std::size_t FixedSize = 44;

    static constexpr PorPointField Position{4};
    static constexpr PorIntField Mode{6};
    static constexpr PorIntField Size{7};
    static constexpr PorColorField Color{8};
    static constexpr PorStringField Layer{9};
};

// Member items: {item size, id length, id offset within the item, id, NUL}.
struct PorGroup : PorObjectRecord {
    static constexpr LONG Type = 22;
    static constexpr std::size_t FixedSize = 28;
    static constexpr std::size_t ItemHeadSize = 12;

    static constexpr PorStringField Name{4};
    static constexpr PorGroupItemsField Members{6};
};

struct PorLayer {
    static constexpr LONG Type = 31;
    static constexpr std::size_t FixedSize = 28;

    static constexpr PorColorField Color{2};
    static constexpr PorIntField LineType{3};
    static constexpr PorIntField Visible{4};
    static constexpr PorStringField Name{5};
};

// The children of a block reference, already placed in drawing coordinates.
struct PorInsert : PorObjectRecord {
    static constexpr LONG Type = 33;
    static constexpr std::size_t FixedSize = 28;

    static constexpr PorStringField Layer{4};
    static constexpr PorRecordListField Children{6};
};

struct PorLineTypeScale {
    static constexpr LONG Type = 34;
    static constexpr std::size_t FixedSize = 16;

    static constexpr PorUnsignedField Scale{2}; // line-type scale x header scale
    static constexpr PorIntField Measurement{3};
};

struct PorLineType {
    static constexpr LONG Type = 35;
    static constexpr std::size_t FixedSize = 16;

    static constexpr PorIntField LineTypeId{2};
    static constexpr PorValueListField Dashes{3}; // ten-thousandths of a millimetre
};

// Boundary loops follow the fixed part; pattern lines or the tile start at
// the fill-data offset. Both are read word by word with a PorCursor.
struct PorHatch : PorObjectRecord {
    static constexpr LONG Type = 36;
    static constexpr std::size_t FixedSize = 48;
    static constexpr LONG PatternKind = 0;
    static constexpr LONG SolidKind = 1;
    static constexpr LONG TileKind = 2;

    static constexpr PorStringField Layer{4};
    static constexpr PorColorField Color{6};
    static constexpr PorIntField Kind{7};
    static constexpr PorIntField FillSize{8};
    static constexpr PorIntField FillOffset{9};
    static constexpr PorIntField PatternCount{10};
    static constexpr PorIntField LoopCount{11};
};

// The parts of a hatch record behind its fixed part. Each is read from its
// own offset, so [n] counts words from the part's start.

// A boundary loop: a head of four words, then its edges one after the other.
struct PorHatchLoop {
    static constexpr std::size_t HeadSize = 16;

    static constexpr PorIntField Flags{0};
    static constexpr PorIntField EdgeCount{3};
};

// A boundary edge: type and flag, then what the type needs. Arcs carry the
// four corners of their box, the NURBS edge its control points followed by
// a count and that many weights, then a count and that many knots (each
// the value times the header scale).
struct PorHatchEdge {
    static constexpr LONG LineType = 1;
    static constexpr LONG ArcType = 2;
    static constexpr LONG EllipseType = 3;
    static constexpr LONG NurbsType = 4;
    static constexpr LONG PolylineType = 5;
    static constexpr LONG SplineType = 6;
    static constexpr std::size_t LineSize = 40;

    static constexpr PorIntField EdgeType{0};
    static constexpr PorIntField Flag{1};
    static constexpr PorPointField Start{2};
    static constexpr PorPointField End{4};
    static constexpr PorIntField Degree{6};
    static constexpr PorPointListField Points{7};
};

// A pattern line: a family of parallel lines; the next one follows its dashes.
struct PorHatchLine {
    static constexpr PorIntField Angle{0}; // hundredths of a degree
    static constexpr PorPointField Base{1};
    static constexpr PorPointField Offset{3}; // from one line to the next
    static constexpr PorIntField Width{5};
    static constexpr PorColorField Color{6};
    static constexpr PorValueListField Dashes{7};
};

// The tile of a tile hatch: lattice, motif transform and the motif's
// segments (a count, then two points per segment).
struct PorHatchTile {
    static constexpr PorPointField Origin{0};
    static constexpr PorIntField RowStep{2};
    static constexpr PorIntField RowAngle{3}; // x header scale
    static constexpr PorIntField OffsetLength{4};
    static constexpr PorIntField OffsetAngle{5}; // this and the next three x header scale
    static constexpr PorIntField ScaleX{6};
    static constexpr PorIntField ScaleY{7};
    static constexpr PorIntField MotifAngle{8};
    static constexpr PorIntField SegmentCount{9};
    static constexpr int MotifWord = 10;
};

// NURBS curves: after the control points come a count and that many weights,
// then a count and that many knots, each a signed word: the value times the
// header scale, truncated toward zero (a negative knot stays negative).
struct PorNurbs : PorOpenHead {
    static constexpr LONG Type = 38;
    static constexpr std::size_t FixedSize = 84;

    static constexpr PorIntField Degree{19};
    static constexpr PorPointListField ControlPoints{20};
};

struct PorCNurbs : PorClosedHead {
    static constexpr LONG Type = 39;
    static constexpr std::size_t FixedSize = 84;

    static constexpr PorIntField Degree{19};
    static constexpr PorPointListField ControlPoints{20};
};
