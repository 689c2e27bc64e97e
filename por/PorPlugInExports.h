#pragma once
// The five functions an import plug-in module exports by name, with C
// linkage, as the program binds them: the conversion of a drawing into a
// POR block, the settings box, and the texts of the plug-in table.

#include "platform/win/WinTypes.h"

#define RUK_EXPORT extern "C" __attribute__((visibility("default")))

RUK_EXPORT HGLOBAL VP_GetPORData(const char* path, HWND progressWindow);
RUK_EXPORT int VP_Config();
RUK_EXPORT const char* VP_GetVersion();
RUK_EXPORT const char* VP_GetFilterExt();
RUK_EXPORT const char* VP_GetFilterComment();
