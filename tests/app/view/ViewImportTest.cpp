#include "ViewFixture.h"

#include "tests/support/ScriptedDialogs.h"

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

namespace {

using ViewImportTest = ViewFixture;

TEST_F(ViewImportTest, DrawingIsFitAfterTheImport) {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    QStatusBar statusBar;
    const QString path = folder.path() + "/line.dxf";
    ASSERT_TRUE(QFile::copy(ZUMEO_TEST_DATA "/dxf/minimal_line.dxf", path));
    m_document.SetStatusBar(&statusBar);
    m_document.SetSettings(&m_settings);
    m_view.OnPanTool();
    m_view.ZoomByFactor(0.5);

    ASSERT_EQ(m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary, CString::FromFilePath(path)), 1);
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_TRUE(m_view.IsToolChecked(CZumeoView::kToolNone));
    // 1500 x 2000 units from (0, -2000): the height spans the area, the
    // width is centred.
    EXPECT_EQ(m_document.m_deviceSpanX, 5000);
    EXPECT_EQ(m_view.m_windowExtX, 3750);
    EXPECT_EQ(m_view.m_windowExtY, 5000);
    EXPECT_EQ(m_view.m_viewportOrgX, 10 + 25);
    EXPECT_EQ(m_view.m_viewportOrgY, 209);
    // The line runs from the top left to the bottom right of that box.
    const QColor background(Qt::white);
    EXPECT_NE(Pixel(110, 109), background);
    EXPECT_EQ(Pixel(60, 160), background);
    EXPECT_EQ(Pixel(20, 109), background);
    m_document.SetStatusBar(nullptr);
}

} // namespace
