#pragma once
// The texts of the measure dialog: measured points, offsets, lengths and
// areas converted by the drawing scale and the chosen unit and rounded to the
// chosen digits, and the placeholders shown while nothing is measured.

#include "geometry/Geometry.h"

#include <QString>

class CMeasureFormat {
public:
    enum Unit { kMillimetre = 0, kCentimetre = 1, kMetre = 2 };
    enum Kind { kNoKind = -1, kDistance = 0, kArea = 1 };
    static constexpr int kMinLengthDigits = -2;
    static constexpr int kMaxLengthDigits = 3;
    static constexpr int kMaxAngleDigits = 3;

    struct Texts {
        QString start;
        QString end;
        QString offset;
        QString value;
        QString angle;
    };

    // How values are shown: unit, digits and the ratio of the scale.
    struct Options {
        int unit = kMillimetre;
        int lengthDigits = 2;
        int angleDigits = 1;
        double ratio = 1.0;
    };

    // The texts of one measurement; area selects the area units.
    static Texts Values(const Options& options, DPOINT start, DPOINT end, double value,
                        double angle, bool area);
    // The texts while nothing is measured; kind -1 shows no unit.
    static Texts Placeholders(const Options& options, int kind);
    // The measured length or area in the unit, rounded to whole tens or
    // hundreds of the unconverted value for the negative digits.
    static double ConvertValue(const Options& options, double value, bool area);
    static QString UnitText(int unit, bool area);
    // "-", "-.-", "-.--" or "-.---" by the digits.
    static QString Placeholder(int digits);
};
