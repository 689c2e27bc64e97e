#include "app/PathFunctions.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

struct ExtensionCase {
    const char* path;
    const char* expected;
};

TEST(PathFunctionsTest, ReplaceExtensionWorksOnTheFileName) {
    const ExtensionCase cases[] = {
        {"/a/b/plan.dxf", "/a/b/plan.zcd"},
        {"/a/b.v2/plan", "/a/b.v2/plan.zcd"}, // a dot in a folder is no extension
        {"plan.tar.dxf", "plan.tar.zcd"},
        {"/a/.hidden", "/a/.zcd"},
        {"\x95\x5C.dxf", "\x95\x5C.zcd"}, // 表.dxf: the trail byte 0x5C is no separator
    };
    for (const ExtensionCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ReplaceExtension(c.path, ".zcd").str(), c.expected);
    }
}

TEST(PathFunctionsTest, SplitsFolderAndName) {
    EXPECT_EQ(GetFileDir("/a/b/plan.dxf").str(), "/a/b/");
    EXPECT_EQ(GetFileTitleExt("/a/b/plan.dxf").str(), "plan.dxf");
    EXPECT_EQ(GetFileDir("plan.dxf").str(), "");
    EXPECT_TRUE(GetTempDir().view().ends_with("/"));
    EXPECT_TRUE(GetProgramDir().view().ends_with("/bin/"));
}

TEST(PathFunctionsTest, FileExistsConvertsTheNameForTheFileSystem) {
    QTemporaryDir dir;
    QString name = dir.path() + QString::fromUtf8("/表.dxf");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(FileExists(CString::FromQString(name)));
    EXPECT_FALSE(FileExists(CString::FromQString(dir.path() + "/none.dxf")));
    EXPECT_FALSE(FileExists(""));
}

TEST(PathFunctionsTest, TruePathNameIsTheExistingPathOrNothing) {
    QTemporaryDir dir;
    const QString name = dir.path() + QString::fromUtf8("/Plan.dxf");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(GetTruePathName(CString::FromQString(name)).ToQString(), name);
    // Another spelling names another file, which does not exist.
    EXPECT_TRUE(GetTruePathName(CString::FromQString(dir.path() + "/plan.DXF")).IsEmpty());
    EXPECT_TRUE(GetTruePathName("").IsEmpty());
}

} // namespace
