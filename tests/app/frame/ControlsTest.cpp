#include "controls/CBitmapMenu.h"
#include "controls/CBkDialog.h"
#include "controls/CBkDialogBar.h"
#include "controls/CBkProppertyPage.h"
#include "controls/CBkStatusBar.h"
#include "controls/CBkTabCtrl.h"
#include "controls/CHoverButtonEx.h"
#include "controls/CLayerCheckListBox.h"
#include "controls/LayeredWindow.h"
#include "tests/app/frame/FrameTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

QPixmap Filled(const QColor& colour) {
    QPixmap pixmap(8, 8);
    pixmap.fill(colour);
    return pixmap;
}

TEST(HoverButton, MissingImagesFallBackToTheNormalImage) {
    CHoverButton button;
    EXPECT_TRUE(button.LoadBitmaps(Filled(Qt::red)));
    for (CHoverButton::Image image :
         {CHoverButton::kHover, CHoverButton::kPressed, CHoverButton::kDisabled})
        EXPECT_EQ(button.Bitmap(image).toImage(), Filled(Qt::red).toImage());
    EXPECT_FALSE(button.LoadBitmaps(QPixmap()));
}

TEST(HoverButton, ShowsTheImageOfItsState) {
    CHoverButtonEx button;
    button.LoadBitmaps(Filled(Qt::white), Filled(Qt::yellow), Filled(Qt::blue), Filled(Qt::gray));
    EXPECT_EQ(button.CurrentImage(), CHoverButton::kNormal);
    button.SetLatched(true);
    EXPECT_EQ(button.CurrentImage(), CHoverButton::kPressed);
    button.SetLatched(false);
    button.setEnabled(false);
    EXPECT_EQ(button.CurrentImage(), CHoverButton::kDisabled);
}

template <class Window> class BkWindow : public ::testing::Test {};

using BkWindows =
    ::testing::Types<CBkDialog, CBkDialogBar, CBkProppertyPage, CBkStatusBar, CBkTabCtrl>;
TYPED_TEST_SUITE(BkWindow, BkWindows);

TYPED_TEST(BkWindow, TilesItsBitmapAcrossTheWindow) {
    TypeParam window;
    QPixmap tile(4, 4);
    tile.fill(Qt::white);
    {
        QPainter painter(&tile);
        painter.fillRect(0, 0, 1, 1, Qt::red);
    }
    window.SetBkBitmapHandle(tile);
    window.resize(40, 30);
    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.pixelColor(16, 12), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(17, 12), QColor(Qt::white));
}

TYPED_TEST(BkWindow, WithoutABitmapPaintsAsItsBase) {
    TypeParam window;
    EXPECT_EQ(window.SetBkBitmap(QStringLiteral("/nonexistent.png")), 1);
    EXPECT_TRUE(window.GetBkBitmap().isNull());
    window.resize(40, 30);
    EXPECT_NE(window.grab().toImage().pixelColor(16, 12), QColor(Qt::red));
}

TEST(LayeredWindow, AlphaSetsTheOpacity) {
    QWidget window;
    SetWindowAlpha(51, &window);
    EXPECT_NEAR(window.windowOpacity(), 0.2, 0.005);
    SetWindowAlpha(0, nullptr);
}

struct HitCase {
    int x;
    bool onBox;
};

class CheckBoxHit : public ::testing::TestWithParam<HitCase> {};

// Left edge 0, indent 11, box 13 wide: the box takes 7 < x < 26.
TEST_P(CheckBoxHit, FollowsTheIndentedBox) {
    EXPECT_EQ(CLayerCheckListBox::IsOnCheckBox(GetParam().x, 0, 11, 13), GetParam().onBox);
}

INSTANTIATE_TEST_SUITE_P(Edges, CheckBoxHit,
                         ::testing::Values(HitCase{6, false}, HitCase{7, false}, HitCase{8, true},
                                           HitCase{25, true}, HitCase{26, false}));

TEST(LayerCheckListBox, AClickLeftOfTheBoxSelectsWithoutTurning) {
    CLayerCheckListBox list;
    list.SetIndent(11);
    list.AddItem(QStringLiteral("A"), true);
    list.resize(200, 100);
    list.show();
    int turned = 0;
    list.SetCheckChangedHandler([&](int) { ++turned; });
    const QRect rect = list.visualItemRect(list.item(0));
    LeftClick(list.viewport(), QPoint(rect.left() + 11 / 2 + 2, rect.center().y()));
    EXPECT_TRUE(list.GetCheck(0));
    EXPECT_EQ(turned, 0);
    EXPECT_TRUE(list.item(0)->isSelected());
}

TEST(BitmapMenu, ItemsCarryMnemonicAndAccelerator) {
    QMenuBar bar;
    CBitmapMenu menu;
    std::vector<UINT> commands;
    menu.SetCommandHandler([&](UINT id) { commands.push_back(id); });
    menu.LoadMenu(&bar, {CMenuTemplateItem{
                            0,
                            "ファイル(&F)",
                            QPixmap(),
                            {CMenuTemplateItem{57607, "印刷(&P)...\tCtrl+P", Filled(Qt::red), {}},
                             CMenuTemplateItem{},
                             CMenuTemplateItem{57632, "削除(&D)\tDel", QPixmap(), {}}}}});
    QAction* print = menu.FindItem(57607);
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("印刷(&P)..."));
    EXPECT_EQ(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_FALSE(print->icon().isNull());
    EXPECT_EQ(menu.GetMenuText(57632), QStringLiteral("削除(&D)\tDel"));
    print->trigger();
    EXPECT_EQ(commands, std::vector<UINT>{57607});

    EXPECT_TRUE(menu.ModifyODMenu(QStringLiteral("元に戻す(&U) 線分\tCtrl+Z"), 57632));
    EXPECT_EQ(menu.GetMenuText(57632), QStringLiteral("元に戻す(&U) 線分\tCtrl+Z"));
    EXPECT_FALSE(menu.ModifyODMenu(QStringLiteral("x"), 1));
}

} // namespace
