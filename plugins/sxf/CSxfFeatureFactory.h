#pragma once
// Makes the plug-in's object for a feature the SXF library hands out, by
// its type name. Composite curves take only their curve kinds; other type
// names, and features without data, make nothing.

#include "plugins/sxf/CSxfObject.h"

class CSxfFeatureFactory {
public:
    // A member of the sheet or of a sub-figure definition.
    static std::unique_ptr<CSxfObject> Create(const char* typeName, const void* data, int id,
                                              const CSxfReader* owner);
    // A member of a composite curve.
    static std::unique_ptr<CSxfObject> CreateCurve(const char* typeName, const void* data, int id,
                                                   const CSxfReader* owner);
};
