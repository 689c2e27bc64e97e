#pragma once
// A sub-figure definition (assembly kind 2): features held once and copied
// by every placement that names the definition.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfAssembly.h"

class CSxfSfigOrg : public CSxfAssembly {
public:
    CSxfSfigOrg(int code, const CSxfReader* owner, const SxfSfigOrgData& data)
        : CSxfAssembly(code, owner), m_data(data) {}

    const SxfSfigOrgData& Data() const { return m_data; }

private:
    SxfSfigOrgData m_data;
};
