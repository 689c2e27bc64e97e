// Files on file descriptors: opening modes, errors, reading and writing,
// names as the file system's bytes, special files, and an archive over a
// real file.
#include "platform/mfc/CFile.h"
#include "platform/mfc/CArchive.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class CFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("zumeo-cfile-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

TEST_F(CFileTest, MissingFileAndFolder) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(Path("none.zmd").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, ENOENT);
    EXPECT_EQ(error.m_strFileName.str(), Path("none.zmd"));
    EXPECT_FALSE(file.IsOpen());

    EXPECT_FALSE(
        file.Open(Path("nofolder/x.zmd").c_str(), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);

    try {
        CFile thrown(Path("none.zmd").c_str(), CFile::modeRead | CFile::shareDenyWrite);
        FAIL();
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
        EXPECT_NE(std::string(e.what()).find("none.zmd"), std::string::npos);
    }
}

TEST_F(CFileTest, FolderCannotBeOpened) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(m_dir.string().c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
}

TEST_F(CFileTest, WriteReadSeekLength) {
    std::string path = Path("a.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary |
                                     CFile::shareExclusive);
        file.Write("hello world", 11);
        EXPECT_EQ(file.GetLength(), 11u);
        EXPECT_EQ(file.GetPosition(), 11u);
        file.Flush();
        file.Close();
        EXPECT_FALSE(file.IsOpen());
    }
    CFile file(path.c_str(), CFile::modeReadWrite);
    EXPECT_EQ(file.GetFilePath().str(), path);
    EXPECT_EQ(file.GetFileName().str(), "a.bin");
    char buf[32] = {};
    EXPECT_EQ(file.Read(buf, 32), 11u);
    EXPECT_STREQ(buf, "hello world");
    EXPECT_EQ(file.Read(buf, 32), 0u);
    EXPECT_EQ(file.Seek(6, CFile::begin), 6u);
    EXPECT_EQ(file.Read(buf, 5), 5u);
    EXPECT_EQ(std::string(buf, 5), "world");
    EXPECT_EQ(file.Seek(-5, CFile::current), 6u);
    EXPECT_EQ(file.SeekToEnd(), 11u);
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0u);
    EXPECT_THROW(file.Seek(-1, CFile::begin), CFileException);
    file.SetLength(5);
    EXPECT_EQ(file.GetLength(), 5u);
}

TEST_F(CFileTest, CreateTruncatesUnlessNoTruncate) {
    std::string path = Path("t.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write("12345", 5);
    }
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(file.GetLength(), 5u);
    }
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(file.GetLength(), 0u);
    }
    // Reading from a file open for writing only is an error of the system.
    CFile file(path.c_str(), CFile::modeWrite);
    char c;
    EXPECT_THROW(file.Read(&c, 1), CFileException);
}

struct NameCase {
    const char* name;
    std::string bytes;
};

// Failures name the case, not its bytes.
void PrintTo(const NameCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class FileNameTest : public CFileTest, public ::testing::WithParamInterface<NameCase> {};

// The name given is the name on disk, byte for byte, whatever it holds;
// CP932 could hold neither the accent, the emoji nor Hangul.
TEST_P(FileNameTest, NamesAreTheFileSystemsOwnBytes) {
    const std::string path = Path(GetParam().bytes);
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write("x", 1);
        EXPECT_EQ(file.GetFileName().str(), GetParam().bytes);
    }
    EXPECT_TRUE(fs::exists(fs::path(path)));
    std::size_t entries = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_dir)) {
        EXPECT_EQ(entry.path().filename().string(), GetParam().bytes);
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
    CFile file(path.c_str(), CFile::modeRead);
    char c = 0;
    EXPECT_EQ(file.Read(&c, 1), 1u);
}

INSTANTIATE_TEST_SUITE_P(Names, FileNameTest,
                         ::testing::Values(NameCase{"Accent", "caf\xC3\xA9.dxf"},
                                           NameCase{"Emoji", "plan\xF0\x9F\x93\x90.dxf"},
                                           NameCase{"Korean", "\xEB\x8F\x84\xEB\xA9\xB4.dxf"},
                                           NameCase{"Japanese", "\xE5\x9B\xB3\xE9\x9D\xA2.zmd"},
                                           NameCase{"InvalidUtf8", "caf\xE9.dxf"},
                                           NameCase{"Cp932Bytes", "\x90\x7D\x96\xCA.zmd"},
                                           NameCase{"LeadingDash", "-plan.dxf"},
                                           NameCase{"SpacesAndQuotes", "my \"plan\" 'a'.dxf"},
                                           NameCase{"Backslash", "a\\b.dxf"}),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CFileTest, APipeIsRefusedWithoutWaitingForAWriter) {
    const std::string path = Path("pipe.dxf");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    for (UINT mode : {UINT{CFile::modeRead}, UINT{CFile::modeWrite},
                      UINT{CFile::modeCreate | CFile::modeWrite}}) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(path.c_str(), mode, &error)) << mode;
        EXPECT_FALSE(file.IsOpen());
    }
}

TEST_F(CFileTest, ADeviceIsRefusedEvenThroughALink) {
    const std::string link = Path("zero.dxf");
    fs::create_symlink("/dev/zero", link);
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(link.c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
}

TEST_F(CFileTest, ReadingStopsAtTheSizeTheFileHadWhenOpened) {
    const std::string path = Path("growing.dxf");
    {
        std::ofstream out(path, std::ios::binary);
        out << "12345";
    }
    CFile file(path.c_str(), CFile::modeRead);
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out << "678";
    }
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, sizeof buf), 5u);
    EXPECT_EQ(std::string(buf, 5), "12345");
    EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
    // A file open for writing as well sees what it wrote itself.
    CFile both(path.c_str(), CFile::modeReadWrite);
    both.SeekToEnd();
    both.Write("9", 1);
    both.SeekToBegin();
    EXPECT_EQ(both.Read(buf, sizeof buf), 9u);
}

TEST_F(CFileTest, ArchiveOverAFile) {
    std::string path = Path("doc.zcd");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << static_cast<DWORD>(0x1234) << CString("text");
        ar.Close();
    }
    CFile file(path.c_str(), CFile::modeRead);
    EXPECT_EQ(file.GetLength(), 9u);
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(ar.GetFile(), &file);
    DWORD v;
    ar >> v;
    EXPECT_EQ(v, 0x1234u);
    // Back to the start as a legacy-file reader does: flush, seek the file.
    ar.Flush();
    EXPECT_EQ(file.GetPosition(), 4u);
    file.SeekToBegin();
    ar >> v;
    CString s;
    ar >> s;
    EXPECT_EQ(v, 0x1234u);
    EXPECT_EQ(s.str(), "text");
    try {
        ar >> v;
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        EXPECT_EQ(e.m_strFileName.str(), path);
    }
}

} // namespace
