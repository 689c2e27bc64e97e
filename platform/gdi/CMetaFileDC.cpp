#include "platform/gdi/CMetaFileDC.h"

IMPLEMENT_DYNAMIC(CMetaFileDC, CRecordingDC)

CMetaFileDC::CMetaFileDC(const CDeviceCaps& reference) : CRecordingDC(reference) {}

const CDC& CMetaFileDC::AttributeDC() const {
    if (m_attribute)
        return *m_attribute;
    return *this;
}
