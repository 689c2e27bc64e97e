#include "app/CCommonDoc.h"
#include "app/CWorkFile.h"
#include "app/PathFunctions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class WorkFileTest : public ::testing::Test {
protected:
    CString WorkPath() const { return CString::FromQString(m_dir.filePath("plan.$$$")); }
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
    doc.m_workPath = CString::FromQString(m_dir.filePath("missing/plan.$$$"));
    EXPECT_FALSE(doc.CreateWorkFile());
    EXPECT_TRUE(doc.IsReadOnly());
    doc.m_workPath.Empty();
    EXPECT_FALSE(doc.CreateWorkFile());
}

} // namespace
