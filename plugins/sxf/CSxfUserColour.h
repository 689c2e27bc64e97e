#pragma once
// A user colour of SXF table 3.

#include "plugins/sxf/CSxfObject.h"

class CSxfUserColour : public CSxfObject {
public:
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
};
