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
