#pragma once
// The BYBLOCK colour push-down: a block reference gives its colour to the
// records of its block that take the colour of the block.

#include "platform/win/WinTypes.h"

#include <span>

// Writes the colour into each colour slot group of the record whose first
// slot holds the by-block marker (or into every group when force is set),
// and into the records nested in a block reference, at any depth, without
// force. Slots that do not lie inside the record are left alone.
void PushDownBlockColor(COLORREF color, std::span<BYTE> record, bool force);
