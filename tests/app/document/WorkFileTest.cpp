#include "app/CCommonDoc.h"
#include "app/CWorkFile.h"
#include "platform/win/PathFunctions.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <ostream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class WorkFileTest : public ::testing::Test {
protected:
    CString WorkPath() const { return CString::FromFilePath(m_dir.filePath("plan.$$$")); }
    bool Exists() const { return QFile::exists(m_dir.filePath("plan.$$$")); }

    QTemporaryDir m_dir;
};

TEST_F(WorkFileTest, ASecondOpenerIsReadOnlyUntilTheFirstCloses) {
    CCommonDoc first;
    first.m_workPath = WorkPath();
    ASSERT_TRUE(first.CreateWorkFile());
    EXPECT_FALSE(first.IsReadOnly());

    CCommonDoc second;
    second.m_workPath = WorkPath();
    EXPECT_FALSE(second.CreateWorkFile());
    EXPECT_TRUE(second.IsReadOnly());
    // The read-only opener's clean-up leaves the holder's file alone.
    second.RemoveWorkFile();
    EXPECT_TRUE(Exists());

    first.RemoveWorkFile();
    EXPECT_FALSE(Exists());
    EXPECT_TRUE(first.IsReadOnly());
    EXPECT_TRUE(second.CreateWorkFile());
}

TEST_F(WorkFileTest, ClosingTheDocumentRemovesTheFile) {
    {
        CCommonDoc doc;
        doc.m_workPath = WorkPath();
        ASSERT_TRUE(doc.CreateWorkFile());
        EXPECT_TRUE(Exists());
    }
    EXPECT_FALSE(Exists());
}

TEST_F(WorkFileTest, ALeftOverFileWithoutHolderIsTakenOver) {
    QFile stale(m_dir.filePath("plan.$$$"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    CWorkFile file;
    EXPECT_TRUE(file.Create(WorkPath()));
}

TEST_F(WorkFileTest, TheLockOfAKilledProgramDiesWithIt) {
    const std::string path = m_dir.filePath("plan.$$$").toStdString();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    // The other program holds the file as CWorkFile does; only
    // async-signal-safe calls in the child.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0666);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            (void)!::write(ready[1], "k", 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    ::close(ready[0]);

    CWorkFile file;
    EXPECT_FALSE(file.Create(WorkPath()));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(Exists());
    EXPECT_TRUE(file.Create(WorkPath()));
}

TEST_F(WorkFileTest, AMissingFolderOrNoPathGivesReadOnly) {
    CCommonDoc doc;
    doc.m_workPath = CString::FromFilePath(m_dir.filePath("missing/plan.$$$"));
    EXPECT_FALSE(doc.CreateWorkFile());
    EXPECT_TRUE(doc.IsReadOnly());
    doc.m_workPath.Empty();
    EXPECT_FALSE(doc.CreateWorkFile());
}

struct TakenCase {
    const char* name;
    // Makes "plan.$$$" in the folder; the path it points to for a link.
    std::function<void(const std::string& path, const std::string& folder)> make;
};

// Failures name the case.
void PrintTo(const TakenCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class WorkFileNameTaken : public WorkFileTest, public ::testing::WithParamInterface<TakenCase> {};

// What holds the name is not ours: it is neither written, followed, nor
// removed, and the drawing is read-only with the reason told.
TEST_P(WorkFileNameTaken, TheDrawingIsReadOnlyAndTheFileStays_Mended) {
    const std::string path = WorkPath().str();
    const std::string folder = m_dir.path().toStdString();
    GetParam().make(path, folder);
    struct stat before {};
    ASSERT_EQ(::lstat(path.c_str(), &before), 0);
    ScriptedDialogs dialogs;
    {
        CCommonDoc doc;
        doc.m_workPath = WorkPath();
        EXPECT_FALSE(doc.CreateWorkFile());
        EXPECT_TRUE(doc.IsReadOnly());
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        EXPECT_TRUE(dialogs.Messages()[0].text.str().ends_with("\n" + path));
    }
    struct stat after {};
    ASSERT_EQ(::lstat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_size, before.st_size);
    // Nothing was created through a link.
    EXPECT_FALSE(QFile::exists(m_dir.filePath("target")));
}

INSTANTIATE_TEST_SUITE_P(
    Names, WorkFileNameTaken,
    ::testing::Values(
        TakenCase{"FileWithContent",
                  [](const std::string& path, const std::string&) {
                      QFile file(QString::fromStdString(path));
                      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                      file.write("the user's notes");
                  }},
        TakenCase{"DanglingLink",
                  [](const std::string& path, const std::string& folder) {
                      ASSERT_EQ(::symlink((folder + "/target").c_str(), path.c_str()), 0);
                  }},
        TakenCase{"LinkToAnEmptyFile",
                  [](const std::string& path, const std::string& folder) {
                      const std::string other = folder + "/other";
                      QFile file(QString::fromStdString(other));
                      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                      file.close();
                      ASSERT_EQ(::symlink(other.c_str(), path.c_str()), 0);
                  }},
        TakenCase{"Folder", [](const std::string& path,
                               const std::string&) { ASSERT_EQ(::mkdir(path.c_str(), 0700), 0); }},
        TakenCase{"Pipe", [](const std::string& path,
                             const std::string&) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }}),
    [](const ::testing::TestParamInfo<TakenCase>& info) { return std::string(info.param.name); });

} // namespace
