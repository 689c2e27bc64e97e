#pragma once
// The data the SXF library hands out: one table entry per table read, the
// fields of an assembly, and the fields of a feature, in the order the
// plug-in copies them. Names and texts are CP932 and NUL-terminated.

#include <vector>

constexpr int SxfNameSize = 260;
constexpr int SxfShortNameSize = 257;
constexpr int SxfUserLineTypeValues = 8;

// Table kinds, in the order they are read.
enum SxfTableKind {
    SxfTableLayer = 1,
    SxfTablePreColour = 2,
    SxfTableUserColour = 3,
    SxfTablePreLineType = 4,
    SxfTableUserLineType = 5,
    SxfTableLineWidth = 6,
    SxfTableTextFont = 7,
};

// Assembly kinds.
enum SxfAssemblyKind {
    SxfAssemblySheet = 1,
    SxfAssemblySfigOrg = 2,
    SxfAssemblyCompositeCurve = 3,
};

struct SxfLayerEntry {
    char name[SxfNameSize];
    int shown;
};

struct SxfNameEntry {
    char name[SxfNameSize];
};

struct SxfUserColourEntry {
    int red;
    int green;
    int blue;
};

struct SxfUserLineTypeEntry {
    char name[SxfNameSize];
    int count;
    double values[SxfUserLineTypeValues];
};

struct SxfLineWidthEntry {
    double width;
};

// One entry of any table: the buffer a table read fills.
union SxfTableEntry {
    SxfLayerEntry layer;
    SxfNameEntry named;
    SxfUserColourEntry userColour;
    SxfUserLineTypeEntry userLineType;
    SxfLineWidthEntry lineWidth;
};

struct SxfSheetData {
    char name[SxfShortNameSize];
    int sizeType;
    int orientation;
    int width;
    int height;
};

struct SxfSfigOrgData {
    char name[SxfShortNameSize];
    int flag;
};

struct SxfCompositeCurveData {
    int colour;
    int lineType;
    int width;
    int invisible;
};

// Layer, colour, line-type and width codes: the head of most features.
struct SxfStyleCodes {
    int layer;
    int colour;
    int lineType;
    int width;
};

struct SxfLineData {
    SxfStyleCodes codes;
    double startX, startY, endX, endY;
};

struct SxfEllipseData {
    SxfStyleCodes codes;
    double centreX, centreY, radiusX, radiusY, rotation;
};

struct SxfEllipseArcData {
    SxfStyleCodes codes;
    double centreX, centreY, radiusX, radiusY;
    int direction;
    double rotation, startAngle, endAngle;
};

struct SxfPolylineData {
    SxfStyleCodes codes;
    int count;
    std::vector<double> x;
    std::vector<double> y;
};

struct SxfSplineData {
    SxfStyleCodes codes;
    int open;
    int count;
    std::vector<double> x;
    std::vector<double> y;
};

struct SxfSfigLocateData {
    int layer;
    char name[SxfShortNameSize];
    double x, y, angle, ratioX, ratioY;
};

struct SxfExternalSymbolData {
    int layer;
    int colourFlag;
    int colour;
    char name[SxfShortNameSize];
    double x, y, angle, scale;
};

struct SxfPointMarkerData {
    int layer;
    int colour;
    double x, y;
    int code;
    double angle, scale;
};

struct SxfCircleData {
    SxfStyleCodes codes;
    double centreX, centreY, radius;
};

struct SxfArcData {
    SxfStyleCodes codes;
    double centreX, centreY, radius;
    int direction;
    double startAngle, endAngle;
};

struct SxfClothoidData {
    SxfStyleCodes codes;
    double baseX, baseY, parameter;
    int direction;
    double angle, startLength, endLength;
};

// The text of a text feature, a dimension, a label or a balloon.
struct SxfTextBlock {
    int font;
    char text[SxfShortNameSize];
    double x, y, height, width, spacing, angle, slant;
    int anchor;
    int direction;
};

struct SxfTextData {
    int layer;
    int colour;
    SxfTextBlock block;
};

// An arrowhead of a dimension: its marker code, its placement (0 none, 1 and
// 2 its direction), where it points and its size.
struct SxfArrowData {
    int code;
    int placement;
    double x, y, size;
};

// A projection line of a dimension: shown flag, base, start and end point.
struct SxfProjectionData {
    int shown;
    double baseX, baseY, startX, startY, endX, endY;
};

struct SxfLinearDimData {
    SxfStyleCodes codes;
    double startX, startY, endX, endY;
    SxfProjectionData projection1, projection2;
    SxfArrowData arrow1, arrow2;
    int textFlag;
    SxfTextBlock text;
};

// An angular dimension; a curve dimension has the same fields.
struct SxfAngularDimData {
    SxfStyleCodes codes;
    double centreX, centreY, radius, startAngle, endAngle;
    SxfProjectionData projection1, projection2;
    SxfArrowData arrow1, arrow2;
    int textFlag;
    SxfTextBlock text;
};

struct SxfRadiusDimData {
    SxfStyleCodes codes;
    double startX, startY, endX, endY;
    SxfArrowData arrow;
    int textFlag;
    SxfTextBlock text;
};

struct SxfDiameterDimData {
    SxfStyleCodes codes;
    double startX, startY, endX, endY;
    SxfArrowData arrow1, arrow2;
    int textFlag;
    SxfTextBlock text;
};

struct SxfLabelData {
    SxfStyleCodes codes;
    int count;
    std::vector<double> x;
    std::vector<double> y;
    int arrowCode;
    double arrowSize;
    int textFlag;
    SxfTextBlock text;
};

struct SxfBalloonData {
    SxfStyleCodes codes;
    int count;
    std::vector<double> x;
    std::vector<double> y;
    double centreX, centreY, radius;
    int arrowCode;
    double arrowSize;
    int textFlag;
    SxfTextBlock text;
};

// The outline and the holes of a hatch or fill: numbers of composite curves.
struct SxfBoundaryIds {
    int outer;
    int holeCount;
    std::vector<int> holes;
};

struct SxfExternalHatchData {
    int layer;
    char name[SxfShortNameSize];
    SxfBoundaryIds boundaries;
};

struct SxfFillColourData {
    int layer;
    int colour;
    SxfBoundaryIds boundaries;
};

constexpr int SxfMaxHatchLines = 4;

struct SxfHatchLine {
    int colour, lineType, width;
    double baseX, baseY, spacing, angle;
};

// count is the file's own line count; only the first four lines are kept.
struct SxfFillHatchingData {
    int layer;
    int count;
    SxfHatchLine lines[SxfMaxHatchLines];
    SxfBoundaryIds boundaries;
};

struct SxfFillTilesData {
    int layer;
    char name[SxfShortNameSize];
    int colour;
    double baseX, baseY, vector1Length, vector1Angle, vector2Length, vector2Angle, scaleX, scaleY,
        angle;
    SxfBoundaryIds boundaries;
};

constexpr int SxfAttributeTexts = 7;

// The drawing's attributes: seven texts (project, construction, contract
// type, drawing name, drawing number, drawing type, scale), the date, then
// the contractor and the owner.
struct SxfAttributeData {
    char texts[SxfAttributeTexts][SxfShortNameSize];
    int year, month, day;
    char contractor[SxfShortNameSize];
    char owner[SxfShortNameSize];
};
