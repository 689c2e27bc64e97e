#pragma once
// A metafile device context. Entity code recognises it (IsMetafile) and
// draws into it with y negated. For now it logs its calls as CRecordingDC
// does; the enhanced-metafile writer takes its place behind the same calls.
// Like the class library's, it may name an attribute context that answers
// conversions, device queries and text measures in its place.

#include "platform/gdi/CRecordingDC.h"

class CMetaFileDC : public CRecordingDC {
    DECLARE_DYNAMIC(CMetaFileDC)

public:
    // reference: the device the metafile is made for.
    explicit CMetaFileDC(const CDeviceCaps& reference = CDeviceCaps(1000, 1000));

    // Null gives the answers back to the metafile context itself.
    void SetAttribDC(CDC* attribute) { m_attribute = attribute; }
    CDC* GetAttribDC() const { return m_attribute; }

protected:
    const CDC& AttributeDC() const override;

private:
    CDC* m_attribute = nullptr;
};
