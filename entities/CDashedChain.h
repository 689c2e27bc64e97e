#pragma once
// The dash emulation over a chain of mapped points: the entity's current
// dashes cut the chain into pieces that are drawn at once.

#include "platform/win/WinTypes.h"

#include <vector>

class CDC;
class CRukEntity;

class CDashedChain {
public:
    // Cuts the chain by the entity's dashes and draws the pieces; false when
    // no piece resulted (the caller then draws the plain chain).
    static bool Draw(CRukEntity& entity, CDC* dc, const std::vector<POINT>& chain);
};
