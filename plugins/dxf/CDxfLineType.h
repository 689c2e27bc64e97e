#pragma once
// One LTYPE table entry: its dash pattern and the line-type number that the
// records of the conversion carry for it.

#include "platform/mfc/CString.h"

#include <vector>

struct CDxfLineType {
    CString name;
    std::vector<double> elements; // drawing units: dash > 0, gap < 0, dot 0
    int number = 0;
};
