#include "platform/win/PathFunctions.h"
#include "tests/support/FileNameTable.h"

#include <gtest/gtest.h>

#include <QDir>
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

class PathNameTest : public ::testing::TestWithParam<FileNameCase> {};

// The dot after a name whose last byte looks like a CP932 lead byte
// is found, and only the extension is cut or compared.
TEST_P(PathNameTest, ExtensionIsFoundAfterEveryName) {
    const CString stem = CString("/drawings/") + GetParam().stem;
    const CString path = stem + ".DwG";
    EXPECT_EQ(GetFileExt(path).str(), ".DwG");
    EXPECT_TRUE(HasExtension(path, ".dwg"));
    EXPECT_FALSE(HasExtension(path, ".dxf"));
    EXPECT_FALSE(HasExtension(stem, ".dwg"));
    EXPECT_EQ(ReplaceExtension(path, ".zcd").str(), (stem + ".zcd").str());
    EXPECT_EQ(ReplaceExtension(path, "").str(), stem.str());
    EXPECT_EQ(GetFileTitleExt(path).str(), std::string(GetParam().stem) + ".DwG");
}

// A name behind every folder is compared byte for byte, ASCII letters folded.
TEST_P(PathNameTest, FileNameIsFoundBehindEveryFolder) {
    const CString folder = CString("/opt/") + GetParam().stem + "/";
    EXPECT_TRUE(HasFileName(folder + "DrevixCon.exe", "drevixcon.EXE"));
    EXPECT_FALSE(HasFileName(folder + "DrevixCon.ex", "drevixcon.exe"));
    EXPECT_TRUE(HasFileName(folder + GetParam().stem, GetParam().stem));
    EXPECT_FALSE(HasFileName(folder, GetParam().stem));
}

// A drawing stores its image's file name in CP932, and reads it back
// as the file system's name.
TEST_P(PathNameTest, StoredFileNameIsCp932AndComesBackAsTheName) {
    const CString name = CString(GetParam().stem) + ".bmp";
    const CString stored = StoredFileName(CString("/images/") + name);
    EXPECT_EQ(stored.str(), CString::FromQString(name.ToFilePath()).str());
    // Where CP932 holds every character, the name comes back whole.
    if (stored.ToQString() == name.ToFilePath()) {
        EXPECT_EQ(FileNameFromStored(CString("C:\\images\\") + stored).str(), name.str());
    }
}

INSTANTIATE_TEST_SUITE_P(Names, PathNameTest, ::testing::ValuesIn(kFileNames),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(PathFunctionsTest, ExtensionComparisonFoldsOnlyAsciiLetters) {
    EXPECT_TRUE(HasExtension("/a/PLAN.TIFF", ".tiff"));
    EXPECT_FALSE(HasExtension("/a/plan.tif", ".tiff"));
    EXPECT_FALSE(HasExtension("/a.dxf/plan", ".dxf")); // a dot in a folder is no extension
    EXPECT_TRUE(GetFileExt("/a.dxf/plan").IsEmpty());
    EXPECT_FALSE(HasExtension("/a/plan.\xC3\x89", ".\xC3\xA9")); // É is not é
}

// A stored name written on Windows: its "表" ends in the byte of '\\'.
TEST(PathFunctionsTest, StoredWindowsNameIsCutAsCp932) {
    EXPECT_EQ(FileNameFromStored("C:\\\x90\x7D\\\x95\x5C.bmp").str(),
              "\xE8\xA1\xA8.bmp"); // C:\図\表.bmp gives 表.bmp
    EXPECT_EQ(FileNameFromStored("sub/x.bmp").str(), "x.bmp");
    EXPECT_EQ(FileNameFromStored("..").str(), "..");
}

TEST(PathFunctionsTest, RelativePathBecomesAbsolute) {
    const CString absolute = GetAbsolutePath("plan.dxf");
    EXPECT_TRUE(absolute.view().starts_with("/"));
    EXPECT_EQ(absolute.str(), CString::FromFilePath(QDir::current().filePath("plan.dxf")).str());
    EXPECT_EQ(GetAbsolutePath("/a/plan.dxf").str(), "/a/plan.dxf");
}

} // namespace
