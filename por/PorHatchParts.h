#pragma once
// How far the variable parts of a hatch record reach, so that a reader can
// step from one to the next. Every size is checked against the record.

#include "por/PorRecord.h"

#include <cstddef>
#include <optional>

// The bytes of the edge at the start of the part; nothing for an unknown
// edge type, whose length cannot be known, or one that runs past the record.
std::optional<std::size_t> PorHatchEdgeSize(const PorRecord& edge);

// The bytes of the pattern line at the start of the part; nothing when its
// dashes run past the record.
std::optional<std::size_t> PorHatchLineSize(const PorRecord& line);
