#pragma once
// The HEADER values one conversion uses, with their defaults for a file that
// does not set them.

#include <string>

struct CDxfHeader {
    static constexpr unsigned DefaultScale = 1000;

    double lineTypeScale = 1.0; // $LTSCALE
    int measurement = 0;        // $MEASUREMENT
    int pointMode = 0;          // $PDMODE
    double pointSize = 0.0;     // $PDSIZE, drawing units
    // Integer units per drawing unit: every coordinate and length is written
    // as trunc(value x scale).
    unsigned scale = DefaultScale;
    bool utf8 = false;    // $ACADVER AC1021 or later
    std::string codePage; // $DWGCODEPAGE, as written
};
