#pragma once
// The export declaration of the stand-in plug-ins, as the real ones have it.

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
