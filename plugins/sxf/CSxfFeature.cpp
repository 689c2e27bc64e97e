#include "plugins/sxf/CSxfFeature.h"

void CSxfFeature::SetColour(int code) {
    if (m_codes.colour == 0) {
        m_codes.colour = code;
    }
}

void CSxfFeature::SetLayer(int code) {
    if (code != 0) {
        m_codes.layer = code;
    }
}
