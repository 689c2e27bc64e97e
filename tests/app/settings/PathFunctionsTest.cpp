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
        {"/a/caf\xC3\xA9.dxf", "/a/caf\xC3\xA9.zcd"},
        {"/a/\xE3\x81\x82.dxf", "/a/\xE3\x81\x82.zcd"}, // あ: UTF-8 bytes stay whole
        {"/a/caf\xE9.dxf", "/a/caf\xE9.zcd"},           // not UTF-8 at all
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

TEST(PathFunctionsTest, FileExistsTakesTheNameAsTheFileSystemsBytes) {
    QTemporaryDir dir;
    // "café" cannot be held by CP932: squeezed through it, it named "caf?".
    QString name = dir.path() + QString::fromUtf8("/café.dxf");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(FileExists(CString::FromFilePath(name)));
    EXPECT_EQ(CString::FromFilePath(name).ToFilePath(), name);
    EXPECT_FALSE(FileExists(CString::FromFilePath(dir.path() + "/caf?.dxf")));
    EXPECT_FALSE(FileExists(CString::FromFilePath(dir.path() + "/none.dxf")));
    EXPECT_FALSE(FileExists(""));
}

TEST(PathFunctionsTest, MessagesShowThePathInCp932) {
    // "/図面/café.dxf": the Japanese stays, the accent CP932 lacks is replaced.
    const CString shown = PathForDisplay("/\xE5\x9B\xB3\xE9\x9D\xA2/caf\xC3\xA9.dxf");
    EXPECT_TRUE(shown.str().starts_with("/\x90\x7D\x96\xCA/caf"));
}

TEST(PathFunctionsTest, TruePathNameIsTheExistingPathOrNothing) {
    QTemporaryDir dir;
    const QString name = dir.path() + QString::fromUtf8("/Plan.dxf");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(GetTruePathName(CString::FromFilePath(name)).ToFilePath(), name);
    // Another spelling names another file, which does not exist.
    EXPECT_TRUE(GetTruePathName(CString::FromFilePath(dir.path() + "/plan.DXF")).IsEmpty());
    EXPECT_TRUE(GetTruePathName("").IsEmpty());
}

} // namespace
