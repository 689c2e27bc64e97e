#pragma once
// The drawing's attributes ("ATTRIBUTE"): kept with the drawing, never
// drawn.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfAttribute : public CSxfObject {
public:
    CSxfAttribute(int id, const CSxfReader* owner, const SxfAttributeData& data)
        : CSxfObject(id, owner), m_data(data) {}

    std::unique_ptr<CSxfObject> Clone() const override {
        return std::make_unique<CSxfAttribute>(*this);
    }

    const SxfAttributeData& Data() const { return m_data; }

private:
    SxfAttributeData m_data;
};
