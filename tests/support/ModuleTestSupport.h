#pragma once
// A test suite with a built import plug-in loaded once, as the program loads
// it, and the plug-in's exports.

#include "platform/win/WinTypes.h"
#include "tests/support/PluginTestSupport.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace PluginTest {

// Module names the plug-in's file in kFile.
template <class Module> class ModuleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library = dlopen((BinFolder() / Module::kFile).c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    static void TearDownTestSuite() {
        if (library) {
            dlclose(library);
            library = nullptr;
        }
    }

    template <typename Function> static Function Export(const char* name) {
        return reinterpret_cast<Function>(dlsym(library, name));
    }

    static OwnedBlock GetPorData(const char* path, HWND window = nullptr) {
        const auto getPorData = Export<HGLOBAL (*)(const char*, HWND)>("VP_GetPORData");
        return OwnedBlock(getPorData(path, window));
    }

    static inline void* library = nullptr;
};

} // namespace PluginTest
