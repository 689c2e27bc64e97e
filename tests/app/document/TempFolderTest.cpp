#include "app/CTempFolder.h"
#include "platform/win/PathFunctions.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

TEST(TempFolderTest, DeletesTheFilesOfItsOwnFolderAndTheFolder) {
    const CString folder = CTempFolder::Create();
    ASSERT_FALSE(folder.IsEmpty());
    const QString dir = folder.ToFilePath();
    EXPECT_TRUE(dir.startsWith(GetTempDir().ToFilePath() + "zumeo-"));
    Touch(dir + "plan.dwg");
    Touch(dir + "plan.dwg.err");
    EXPECT_TRUE(CTempFolder::DeleteFolder(folder));
    EXPECT_FALSE(QDir(dir).exists());
}

TEST(TempFolderTest, LeavesSubfoldersAndReportsTheFolderKept) {
    const CString folder = CTempFolder::Create();
    const QString dir = folder.ToFilePath();
    ASSERT_TRUE(QDir(dir).mkdir("sub"));
    Touch(dir + "sub/keep.txt");
    Touch(dir + "plan.dwg");
    EXPECT_FALSE(CTempFolder::DeleteFolder(folder.Left(folder.GetLength() - 1)));
    EXPECT_TRUE(QFile::exists(dir + "sub/keep.txt"));
    EXPECT_FALSE(QFile::exists(dir + "plan.dwg"));
    ASSERT_TRUE(QDir(dir).removeRecursively());
}

TEST(TempFolderTest, RefusesEveryOtherFolder) {
    QTemporaryDir user;
    Touch(user.filePath("drawing.dxf"));
    const CString own = CTempFolder::Create();
    const QString ownDir = own.ToFilePath();
    Touch(ownDir + "kept");
    const QString temp = GetTempDir().ToFilePath();
    const QString lookalike =
        temp + "zumeo-" +
        QString::number(QCoreApplication::applicationPid() % 1000000).rightJustified(6, '0');
    ASSERT_TRUE(QFile::link(user.path(), lookalike));
    const QString others[] = {
        user.path(),
        temp,
        "/",
        "",
        lookalike,
        ownDir + "..",
        ownDir + "../" + QDir(ownDir).dirName(),
        temp + "zumeo-" + QDir(user.path()).dirName(),
    };
    for (const QString& other : others) {
        SCOPED_TRACE(other.toStdString());
        EXPECT_FALSE(CTempFolder::DeleteFolder(CString::FromFilePath(other)));
    }
    EXPECT_TRUE(QFile::exists(user.filePath("drawing.dxf")));
    EXPECT_TRUE(QFile::exists(ownDir + "kept"));
    QFile::remove(lookalike);
    EXPECT_TRUE(CTempFolder::DeleteFolder(own));
}

} // namespace
