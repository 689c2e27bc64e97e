#include "ViewFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>
#include <cstring>

namespace {

using ClipboardCopyTest = ViewFixture;

TEST_F(ClipboardCopyTest, OffersTheMetafileAndAPicture) {
    m_view.ZoomFit(1);
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(m_view.CopyToClipboard());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QByteArray emf = data->data("image/emf");
    ASSERT_GE(emf.size(), 88);
    DWORD type = 0;
    std::memcpy(&type, emf.constData(), sizeof type);
    EXPECT_EQ(type, 1u);
    EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(Shows(picture, QColor(Qt::red)));
    EXPECT_TRUE(Shows(picture, QColor(Qt::blue)));
    EXPECT_EQ(QColor(picture.pixel(0, 0)), QColor(Qt::white));
}

// The visible area is the whole window: a wide window gives a wide picture,
// while the whole drawing would give a flat strip or a square.
TEST_F(ClipboardCopyTest, VisibleCopyTakesTheWindowsArea) {
    m_view.resize(440, 220);
    m_view.ZoomFit(1);
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(m_view.CopyVisibleToClipboard());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_GE(data->data("image/emf").size(), 88);
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    ASSERT_FALSE(picture.isNull());
    EXPECT_NEAR(static_cast<double>(picture.width()) / picture.height(), 2.0, 0.05);
    EXPECT_TRUE(Shows(picture, QColor(Qt::red)));
}

TEST_F(ClipboardCopyTest, HiddenLayerIsLeftOut) {
    m_view.ZoomFit(1);
    Hide("up");
    ASSERT_TRUE(m_view.CopyToClipboard());
    const QImage picture =
        qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(Shows(picture, QColor(Qt::red)));
    EXPECT_FALSE(Shows(picture, QColor(Qt::blue)));
    // The copy covers the shown entities only: a flat strip.
    EXPECT_GT(picture.width(), 2 * picture.height());
}

TEST_F(ClipboardCopyTest, ExtentOfTheViewStays) {
    m_view.ZoomFit(1);
    Hide("up");
    const CDocExtent extent = m_document.m_extent;
    ASSERT_TRUE(m_view.CopyToClipboard());
    EXPECT_EQ(m_document.m_extent, extent);
    EXPECT_DOUBLE_EQ(m_document.m_scaleX, 5.0);
    m_view.Redraw();
    EXPECT_EQ(Pixel(60, 109), QColor(Qt::red));
}

TEST_F(ClipboardCopyTest, PictureOfADeepZoomIsBounded) {
    m_view.ZoomFit(1);
    m_view.m_zoomCentre = {2500, 2500};
    for (int i = 0; i < 6; ++i)
        m_view.ZoomByFactor(0.3);
    ASSERT_GE(m_document.m_deviceSpanX, 200000);
    ASSERT_TRUE(m_view.CopyToClipboard());
    const QImage picture =
        qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(std::max(picture.width(), picture.height()), 4096);
    EXPECT_TRUE(Shows(picture, QColor(Qt::red)));
}

TEST_F(ClipboardCopyTest, MetafileNeedsASourceContext) {
    const RECT rect{0, 100, 100, 0};
    EXPECT_EQ(m_document.RenderToMetafile(nullptr, rect, m_settings), nullptr);
}

} // namespace
