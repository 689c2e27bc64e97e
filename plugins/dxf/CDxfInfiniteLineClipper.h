#pragma once
// Turns the XLINE and RAY entries of the main stream into line records at
// its end, clipped to the drawing's extent widened by half its larger side
// on every side.

class CPorStream;

class CDxfInfiniteLineClipper {
public:
    // unit: integer units per drawing unit.
    static void Clip(CPorStream& stream, unsigned unit);
};
