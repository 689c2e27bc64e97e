#pragma once
// The growable point array of the entities: vertex lists and the dash
// emulation's output.

#include "platform/mfc/CArray.h"
#include "platform/win/WinTypes.h"

using CPointArray = CArray<POINT, POINT>;
