#include "platform/win/Modules.h"
#include "platform/win/PathFunctions.h"
#include "tests/app/plugins/PlugInTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <string>

namespace {

using FilterText = const char* (*)();

TEST(ModulesTest, DllNameMeansTheSharedObjectInTheProgramFolder) {
    const QString previous = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    HMODULE module = LoadLibraryA("RukDXF.DLL");
    QDir::setCurrent(previous);
    ASSERT_NE(module, nullptr);
    auto patterns = reinterpret_cast<FilterText>(GetProcAddress(module, "VP_GetFilterExt"));
    ASSERT_NE(patterns, nullptr);
    EXPECT_EQ(std::string(patterns()), "*.dxf");
    EXPECT_EQ(GetProcAddress(module, "VP_NoSuchExport"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(ModulesTest, LoadsNothingThatIsNotALibraryBesideTheProgram) {
    const CString notALibrary = FakePlugIn("NotALibrary.so");
    const char* const names[] = {
        "",
        "Missing.DLL",
        "libc.so.6", // on the system's library path, but not beside the program
        notALibrary,
    };
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LoadLibraryA(name), nullptr);
    }
}

TEST(ModulesTest, NullHandlesAreRefused) {
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "VP_GetFilterExt"), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(ModulesTest, TheLastFreeUnloads) {
    const CString path = FakePlugIn("FakeBeta.so");
    HMODULE first = LoadLibraryA(path);
    HMODULE second = LoadLibraryA(path);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    FreeLibrary(first);
    EXPECT_TRUE(IsLoaded(path));
    FreeLibrary(second);
    EXPECT_FALSE(IsLoaded(path));
}

} // namespace
