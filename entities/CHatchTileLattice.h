#pragma once
// Draws the motif of a tile hatch on its lattice over a box (drawing units)
// with the DC's current pen: rows of tiles along the row direction, one row
// step apart, each row moved from the last by the row offset. A motif
// segment is drawn only where its box meets the hatch's box.
//
// Every walk ends: a step that truncates to 0 draws nothing, a negative row
// step counts as its length, rows are walked with a positive x direction,
// each row covers only the tiles about the box, and the lattice stops after
// a fixed number of steps.

#include "entities/CHatchMapping.h"
#include "platform/win/WinTypes.h"

#include <vector>

class CDC;

struct CHatchTileShape {
    POINT origin;
    LONG rowStep;
    double rowAngle; // degrees
    LONG offsetLength;
    double offsetAngle; // degrees
    double scaleX;
    double scaleY;
    double motifAngle; // degrees
    // Points 2k and 2k + 1 are one segment.
    std::vector<POINT> motif;
};

class CHatchTileLattice {
public:
    explicit CHatchTileLattice(CHatchTileShape shape);

    void Draw(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box);

private:
    // Rows along y (row angle 90 or 270), along x (0 or 180), or slanted.
    void DrawColumns();
    void DrawRows();
    void DrawSlanted();
    // The tiles at start + k step along the row whose coordinate (y when
    // alongY, else x) lies within one step of the box.
    void Row(double startX, double startY, double stepX, double stepY, bool alongY);
    void Tile(double x, double y);
    bool Step();

    CHatchTileShape m_shape;
    // The motif turned and scaled, once.
    std::vector<POINT> m_placed;

    CDC* m_dc = nullptr;
    const CHatchMapping* m_mapping = nullptr;
    CHatchBox m_box{};
    long m_steps = 0;
};
