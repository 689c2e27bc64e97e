#pragma once
// Receives, in drawing order, the entities a screen pass draws: each with
// its view-space box, its dash pattern factor and its draw-black flag,
// which are what DrawA needs beside the view's mapping.

#include "platform/win/WinTypes.h"

class CRukEntity;

class CDrawnEntitySink {
public:
    virtual void Add(CRukEntity& entity, const RECT& box, double patternFactor, BOOL drawBlack) = 0;

protected:
    ~CDrawnEntitySink() = default;
};
