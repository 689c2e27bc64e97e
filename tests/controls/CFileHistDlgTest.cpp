#include "controls/CFileHistDlg.h"
#include "controls/CImageThumbnail.h"
#include "controls/CRecentImageList.h"
#include "platform/win/CProfile.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Strings(const std::vector<CString>& paths) {
    std::vector<std::string> out;
    for (const CString& path : paths)
        out.push_back(path.str());
    return out;
}

CString Name(int i) {
    return CString(("/images/" + std::to_string(i) + ".bmp").c_str());
}

class RecentImageListTest : public ::testing::Test {
protected:
    TempProfile m_profile;
    CRecentImageList m_list;
};

TEST_F(RecentImageListTest, EleventhImagePushesTheOldestOut) {
    for (int i = 1; i <= 11; ++i)
        m_list.Add(Name(i));
    ASSERT_EQ(m_list.Paths().size(), 10u);
    EXPECT_EQ(m_list.Paths().front(), Name(11));
    EXPECT_EQ(m_list.Paths().back(), Name(2));
    EXPECT_EQ(CProfile::GetProfilePath("RIMAGE", "FILE00"), Name(11));
    EXPECT_EQ(CProfile::GetProfilePath("RIMAGE", "FILE09"), Name(2));
}

TEST_F(RecentImageListTest, PickingTheFirstLeavesTheOrder) {
    m_list.Add(Name(1));
    m_list.Add(Name(2));
    m_list.Add(Name(2));
    EXPECT_EQ(Strings(m_list.Paths()),
              (std::vector<std::string>{"/images/2.bmp", "/images/1.bmp"}));
    m_list.Add(Name(1));
    EXPECT_EQ(Strings(m_list.Paths()),
              (std::vector<std::string>{"/images/1.bmp", "/images/2.bmp"}));
    EXPECT_EQ(CProfile::GetProfilePath("RIMAGE", "FILE02"), "");
}

TEST_F(RecentImageListTest, LoadSkipsEmptyAndRepeatedKeys) {
    CProfile::WriteProfilePath("RIMAGE", "FILE00", "/a.bmp");
    CProfile::WriteProfilePath("RIMAGE", "FILE03", "/b.jpg");
    CProfile::WriteProfilePath("RIMAGE", "FILE05", "/a.bmp");
    m_list.Add("");
    m_list.Load();
    EXPECT_EQ(Strings(m_list.Paths()), (std::vector<std::string>{"/a.bmp", "/b.jpg"}));
}

TEST(ImageThumbnailTest, PictureFillsTheLargestCentredRectangle) {
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/wide.bmp");
    QImage wide(90, 30, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(path, "BMP"));
    const QImage thumbnail = CImageThumbnail::Make(CString::FromFilePath(path), Qt::white);
    ASSERT_EQ(thumbnail.size(), QSize(45, 45));
    // 45 x 15 in the middle: rows 15 to 29 red, above and below white.
    EXPECT_EQ(QColor(thumbnail.pixel(22, 22)), QColor(Qt::red));
    EXPECT_EQ(QColor(thumbnail.pixel(0, 16)), QColor(Qt::red));
    EXPECT_EQ(QColor(thumbnail.pixel(22, 5)), QColor(Qt::white));
    EXPECT_EQ(QColor(thumbnail.pixel(22, 40)), QColor(Qt::white));
}

TEST(ImageThumbnailTest, UnreadableFileKeepsTheWindowColour) {
    const QImage thumbnail = CImageThumbnail::Make("/no/such/file.emf", Qt::gray);
    EXPECT_EQ(QColor(thumbnail.pixel(22, 22)), QColor(Qt::gray));
    const QImage missing = CImageThumbnail::Make("/no/such/file.jpg", Qt::gray);
    EXPECT_EQ(QColor(missing.pixel(0, 0)), QColor(Qt::gray));
}

TEST(FileHistDlgTest, PickingARecentEntryChoosesItAndMovesItUp) {
    TempProfile profile;
    CRecentImageList stored;
    stored.Add("/images/older.bmp");
    stored.Add("/images/newer.bmp");
    CFileHistDlg dialog(QString(), QStringLiteral("画像 (*.bmp)"));
    auto* box = dialog.findChild<QComboBox*>(QStringLiteral("id_1229"));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0), QStringLiteral("newer.bmp"));
    EXPECT_EQ(box->iconSize(), QSize(45, 45));
    box->activated(1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenPath(), QStringLiteral("/images/older.bmp"));
    EXPECT_EQ(CProfile::GetProfilePath("RIMAGE", "FILE00"), "/images/older.bmp");
}

} // namespace
