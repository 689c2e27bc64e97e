#pragma once
// Run-time libraries: the LoadLibrary family over dlopen. The program names
// its plug-ins as DLLs ("RukDXF.DLL"); here such a name means the shared
// object of the same name ending in ".so" ("RukDXF.so"). A name without a
// folder is looked for in the program's own folder only, never on the
// system's library path, so a plug-in is always the one beside the program.

#include "platform/win/WinTypes.h"

struct LoadedModule;
using HMODULE = LoadedModule*;
// A function of no particular type: the one the compiler lets callers cast
// to the export's real type without a warning.
using FARPROC = void (*)();

// Loads the library (a file system path), or counts one more use of it when it is
// already loaded; null when it cannot be loaded.
HMODULE LoadLibraryA(const char* fileName);

// The exported function of that name; null when the module lacks it or the
// handle is null. Callers cast it to the function's real type.
FARPROC GetProcAddress(HMODULE module, const char* procName);

// Counts one use less, unloading the library after its last use; FALSE for
// a null handle or a failure.
BOOL FreeLibrary(HMODULE module);
