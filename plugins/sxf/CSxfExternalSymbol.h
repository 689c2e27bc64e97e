#pragma once
// An externally defined symbol ("EXTERNALLY_DEFINED_SYMBOL"): a named
// symbol the drawing only refers to. It is kept and copied but draws
// nothing.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfExternalSymbol : public CSxfObject {
public:
    CSxfExternalSymbol(int id, const CSxfReader* owner, const SxfExternalSymbolData& data)
        : CSxfObject(id, owner), m_data(data) {}

    std::unique_ptr<CSxfObject> Clone() const override {
        return std::make_unique<CSxfExternalSymbol>(*this);
    }

    const SxfExternalSymbolData& Data() const { return m_data; }

private:
    SxfExternalSymbolData m_data;
};
