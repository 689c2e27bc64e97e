#pragma once
// The two-word fill pair of closed POR object records.

#include "platform/win/WinTypes.h"

struct PorFill {
    LONG type = 0; // the entity fill type: 0 none, 3 solid
    COLORREF color = 0;

    friend bool operator==(const PorFill&, const PorFill&) = default;
};
