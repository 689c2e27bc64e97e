#include "ui/CRedlinePalette.h"

namespace {

CRedlinePalette* g_current = nullptr;

} // namespace

// Exactly one palette exists at a time: a new one replaces the pointer.
CRedlinePalette::CRedlinePalette() {
    g_current = this;
}

CRedlinePalette::~CRedlinePalette() {
    Detach();
}

void CRedlinePalette::Detach() {
    if (g_current == this)
        g_current = nullptr;
}

CRedlinePalette* CRedlinePalette::Current() {
    return g_current;
}
