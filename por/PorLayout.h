#pragma once
// The field table of every POR record type that carries fields: one entry per
// field with the name of its constant in PorRecords.h, so a dumper or a test
// can walk any record without knowing its type.

#include "platform/win/WinTypes.h"
#include "por/PorField.h"

#include <cstddef>
#include <span>

struct PorFieldInfo {
    const char* name;
    int word;
    PorFieldKind kind;
    int count;
};

struct PorLayout {
    LONG type;
    const char* name;
    std::size_t fixedSize;
    std::span<const PorFieldInfo> fields;
};

// Every record type with a layout, in ascending type order.
std::span<const PorLayout> PorLayouts();

// The layout of a type, or null for the types a reader skips and for
// invalid types.
const PorLayout* FindPorLayout(LONG type);

// Types 1..39 that carry nothing a reader uses; they are skipped by their size.
bool IsPorSkippedType(LONG type);
