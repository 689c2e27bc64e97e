#pragma once
// A line width of SXF table 6, in millimetres.

#include "plugins/sxf/CSxfObject.h"

class CSxfLineWidth : public CSxfObject {
public:
    double m_width = 0;
};
