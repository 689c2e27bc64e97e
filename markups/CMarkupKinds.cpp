#include "markups/CMarkupKinds.h"

#include "entities/EntityKinds.h"
#include "markups/CRukMark.h"
#include "platform/mfc/CObject.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kFileOnly = -1;

constexpr std::array<CMarkupKindRow, 19> kRows{{
    {0x00, "CRukMarkCircle", 2, 3, false, 2, false},
    {0x01, "CRukMarkEllipse", 0, 3, false, 2, false},
    {0x02, "CRukMarkSquare", 1, 3, false, 2, false},
    {0x03, "CRukMarkCloud", 3, 3, true, 2, true},
    {0x04, "CRukMarkBalloon", 4, 3, false, 2, false},
    {0x05, "CRukMarkTBox", 5, 2, false, 1, true},
    {0x06, "CRukMarkPolygon", 6, 3, true, 1, true},
    {0x07, "CRukRedLine", 7, 2, false, 0, false},
    {0x08, "CRukRedCircle", 8, 2, false, 0, true},
    {0x09, "CRukRedEllipse", 9, 2, false, 0, true},
    {0x0A, "CRukRedSquare", 10, 2, false, 0, true},
    {0x0B, "CRukRedPolyline", 11, 2, true, 0, false},
    {0x0C, "CRukMarkPartLine", kFileOnly, 2, false, 0, false},
    {0x0D, "CRukMarkFlag", kFileOnly, 2, false, 0, true},
    {0x0E, "CRukMarkFinger", kFileOnly, 2, false, 0, true},
    {0x0F, "CRukMarkPomp", kFileOnly, 3, true, 0, false},
    {0x13, "CRukFreeCurve", 12, 0, true, 0, false},
    {0x14, "CRukPath", kFileOnly, 0, false, 0, false},
    {0x15, "CRukRedImage", 13, 2, false, 0, false},
}};

} // namespace

const CMarkupKindRow* CMarkupKinds::Find(int kind) {
    if (!IsMarkupKind(kind))
        return nullptr;
    const auto found = std::find_if(kRows.begin(), kRows.end(), [kind](const CMarkupKindRow& row) {
        return MarkupKind(row.m_number) == kind;
    });
    return found == kRows.end() ? nullptr : &*found;
}

const CMarkupKindRow* CMarkupKinds::FindTool(int tool) {
    if (tool == kFileOnly)
        return nullptr;
    const auto found = std::find_if(kRows.begin(), kRows.end(), [tool](const CMarkupKindRow& row) {
        return row.m_tool == tool;
    });
    return found == kRows.end() ? nullptr : &*found;
}

bool CMarkupKinds::IsClosed(int kind) {
    const CMarkupKindRow* row = Find(kind);
    return row && row->m_closed;
}

namespace {

const CRuntimeClass* ToolClass(int tool) {
    const CMarkupKindRow* row = CMarkupKinds::FindTool(tool);
    return row ? CRuntimeClass::FromName(row->m_className) : nullptr;
}

} // namespace

bool CMarkupKinds::HasToolClass(int tool) {
    return ToolClass(tool) != nullptr;
}

CRukMark* CMarkupKinds::CreateForTool(int tool) {
    const CRuntimeClass* runtimeClass = ToolClass(tool);
    if (!runtimeClass)
        return nullptr;
    CObject* object = runtimeClass->CreateObject();
    auto* markup = dynamic_cast<CRukMark*>(object);
    if (!markup)
        delete object;
    return markup;
}
