#include "controls/CFlatMenuStyle.h"

#include <QAction>
#include <QMenu>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

struct LightenCase {
    const char* name;
    COLORREF color;
    double factor;
    COLORREF lightened;
};

class LightenColor : public ::testing::TestWithParam<LightenCase> {};

TEST_P(LightenColor, MovesEachChannelTowardsWhite) {
    EXPECT_EQ(CFlatMenuStyle::LightenColor(GetParam().color, GetParam().factor),
              GetParam().lightened);
}

INSTANTIATE_TEST_SUITE_P(
    FlatMenu, LightenColor,
    ::testing::Values(LightenCase{"Black70", RGB(0, 0, 0), 0.7, RGB(178, 178, 178)},
                      LightenCase{"ChannelsApart", RGB(10, 100, 255), 0.85, RGB(218, 231, 255)},
                      LightenCase{"FullyWhite", RGB(1, 2, 3), 1.0, RGB(255, 255, 255)},
                      LightenCase{"ZeroLeavesIt", RGB(1, 2, 3), 0.0, RGB(1, 2, 3)},
                      LightenCase{"AboveOneLeavesIt", RGB(1, 2, 3), 1.5, RGB(1, 2, 3)},
                      LightenCase{"NegativeLeavesIt", RGB(1, 2, 3), -0.5, RGB(1, 2, 3)}),
    [](const auto& info) { return info.param.name; });

class FlatMenuStyleTest : public ::testing::Test {
protected:
    FlatMenuStyleTest() {
        menu.setStyle(CFlatMenuStyle::Instance());
        QPixmap red(CFlatMenuStyle::kIconWidth, CFlatMenuStyle::kIconHeight);
        red.fill(Qt::red);
        plain = menu.addAction(QStringLiteral("開く(&O)\tCtrl+O"));
        plain->setIcon(red);
        plain->setIconVisibleInMenu(true);
        menu.addSeparator();
        disabled = menu.addAction(QStringLiteral("印刷(&P)"));
        disabled->setIcon(red);
        disabled->setIconVisibleInMenu(true);
        disabled->setEnabled(false);
        menu.ensurePolished();
        menu.adjustSize();
    }

    QImage Shot() { return menu.grab().toImage(); }
    QPoint ItemPoint(QAction* action, int x) {
        return QPoint(x, menu.actionGeometry(action).center().y());
    }

    QMenu menu;
    QAction* plain;
    QAction* disabled;
};

TEST_F(FlatMenuStyleTest, ImageColumnIsLighterThanTheFace) {
    const QImage shot = Shot();
    const QColor column =
        CFlatMenuStyle::LightenColor(menu.palette().color(QPalette::Button), 0.85);
    const QRect item = menu.actionGeometry(plain);
    EXPECT_EQ(shot.pixelColor(item.left() + 1, item.top() + 1), column);
    // Right of the column the item is white.
    EXPECT_EQ(shot.pixelColor(item.left() + CFlatMenuStyle::kIconWidth + 8, item.top() + 1),
              QColor(Qt::white));
}

TEST_F(FlatMenuStyleTest, SelectedItemIsALightenedHighlightInAFrame) {
    menu.setActiveAction(plain);
    const QImage shot = Shot();
    const QColor highlight = menu.palette().color(QPalette::Highlight);
    const QRect item = menu.actionGeometry(plain);
    EXPECT_EQ(shot.pixelColor(item.left(), item.center().y()), highlight);
    EXPECT_EQ(shot.pixelColor(item.right() - 3, item.top() + 2),
              CFlatMenuStyle::LightenColor(highlight, 0.7));
}

TEST_F(FlatMenuStyleTest, DisabledImagesAreGrey) {
    const QImage shot = Shot();
    const QColor enabledImage =
        shot.pixelColor(ItemPoint(plain, menu.actionGeometry(plain).left() + 8));
    const QColor disabledImage =
        shot.pixelColor(ItemPoint(disabled, menu.actionGeometry(disabled).left() + 8));
    EXPECT_EQ(enabledImage, QColor(Qt::red));
    EXPECT_EQ(disabledImage.red(), disabledImage.green());
    EXPECT_EQ(disabledImage.green(), disabledImage.blue());
}

TEST_F(FlatMenuStyleTest, SeparatorIsHalfALine) {
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(menu.actionGeometry(actions[1]).height(), menu.actionGeometry(plain).height() / 2);
}

} // namespace
