#pragma once
// A markup for the document tests: a group with a markup's kind code, as
// every markup class is.

#include "entities/CRukGroup.h"

class TestMarkup : public CRukGroup {
public:
    explicit TestMarkup(int kind) { m_kind = kind; }
};
