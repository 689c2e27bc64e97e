#pragma once
// How the dash lengths of a line type are scaled for one pen: the drawing's
// scale at hand and the two rules the settings choose between.

struct CDashScaling {
    // View units per drawing unit on screen; the print scale on a printer.
    double scale = 1.0;
    // The pattern factor of the document's measurement settings.
    double factor = 1.0;
    // 1: lengths follow the line-type scale, the scale and the pattern
    // factor; 0: they follow the width base and the coefficient.
    int penScaleFlag = 1;
    // The line-type coefficient of the rule with the flag clear.
    double coefficient = 1.0;
    // Screen only: the document's device span.
    int widthBase = 10000;
    // Printer only: the drawing unit (0 counts as 1).
    int divisor = 1000;
};
