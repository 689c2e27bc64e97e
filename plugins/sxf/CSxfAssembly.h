#pragma once
// An assembly of the SXF file, holding the features read into it in
// reading order: the sheet, a sub-figure definition or a composite curve.

#include "plugins/sxf/CSxfObject.h"

class CSxfAssembly : public CSxfObject {
public:
    using CSxfObject::CSxfObject;

    void AddMember(std::unique_ptr<CSxfObject> member) { m_members.push_back(std::move(member)); }
    const CSxfObjectList& Members() const { return m_members; }

private:
    CSxfObjectList m_members;
};
