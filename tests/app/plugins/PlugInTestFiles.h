#pragma once
// Where the plug-in tests find their libraries, and whether one is loaded.

#include "platform/mfc/Cp932.h"
#include "platform/win/PathFunctions.h"

#include <dlfcn.h>

// The stand-in plug-ins, built into a folder of their own beside the tests.
inline CString FakePlugInFolder() {
    return GetProgramDir() + "fakeplugins/";
}

inline CString FakePlugIn(const char* fileName) {
    return FakePlugInFolder() + fileName;
}

// True while the process has the library loaded; asking does not load it.
inline bool IsLoaded(const CString& path) {
    void* library = dlopen(Cp932::ToUtf8(path.view()).c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (library)
        dlclose(library);
    return library != nullptr;
}
