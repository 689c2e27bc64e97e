// A reviewer's round trip on a real X display (run under xvfb-run): open a
// DXF drawing, open the redline palette from the tool bar, choose a leader
// text style there, draw the mark, save with Ctrl+S, open the drawing again
// and see the mark in that style.
#include "ScreenSupport.h"
#include "app/CMainFrame.h"
#include "app/CToolDlgBar.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "controls/CHoverButton.h"
#include "entities/CRukEntity.h"
#include "entities/EntityKinds.h"
#include "markups/CRukMarkEllipse.h"
#include "ui/CRedTabCtrl.h"
#include "ui/CRedTextPage.h"
#include "ui/CRedlineDlg.h"
#include "ui/CRedlinePalette.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The style chosen in the palette: red, 0.5 mm, in a rectangle.
constexpr COLORREF kChosenColour = 0x0000FF;
constexpr int kChosenWidth = 50;
constexpr int kRectangleFrame = 2;

// A click as separate press and release, so that no two of them make a
// double click.
void Click(QWidget* view, QPoint point) {
    const QPointF at(point);
    for (const QEvent::Type type :
         {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, at, view->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &event);
    }
}

const CRukEntity* FindMark(const CZumeoDoc& document) {
    for (POSITION position = document.m_topObjects.GetHeadPosition(); position;) {
        const auto* object =
            static_cast<const CRukEntity*>(document.m_topObjects.GetNext(position));
        if (object->GetKind() == MarkupKind(0x01))
            return object;
    }
    return nullptr;
}

template <class Widget = QWidget> Widget* Control(const QWidget* parent, int id) {
    return parent->findChild<Widget*>(QStringLiteral("id_%1").arg(id));
}

// From the tool bar to a leader text style: the palette, its text page, the
// ellipse mark, a red pen of 0.5 mm, a rectangle round the label.
CRedlineDlg* ChooseStyleInPalette(CMainFrame* frame, const CString& label) {
    frame->ToolBar()->Button(CToolDlgBar::kLastTool)->click();
    auto* palette = dynamic_cast<CRedlineDlg*>(CRedlinePalette::Current());
    if (!palette || !WaitFor([&] { return palette->isVisible(); }))
        return nullptr;
    QTabBar* tabs = palette->TabCtrl()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    const CRedTextPage* page = palette->TabCtrl()->TextPage();
    Control<QAbstractButton>(page, 1157)->click();
    Control<QAbstractButton>(page, 5002)->click();
    Control<QAbstractButton>(page, 1183)->click();
    Control<QComboBox>(page, 1045)->setEditText(QStringLiteral("0.50"));
    Control<QComboBox>(page, 1061)->setEditText(label.ToQString());
    return palette;
}

using LeaderMarkScreenTest = ScreenTest;

TEST_F(LeaderMarkScreenTest, MarkDrawnInThePalettesStyleIsSavedWithCtrlSAndShownAgain) {
    const QString drawing = CopyIn(QStringLiteral(ZUMEO_SOURCE_DIR "/samples/sample.dxf"),
                                   QStringLiteral("sample.dxf"));
    ASSERT_FALSE(drawing.isEmpty());
    // The mark's class is found by name; the test links it in.
    ASSERT_NE(RUNTIME_CLASS(CRukMarkEllipse), nullptr);
    const CString label("CHECK");
    QImage before;
    {
        CZumeoApp app;
        CMainFrame* frame = OpenAndShow(app, drawing);
        ASSERT_NE(frame, nullptr);
        CZumeoView* view = frame->GetActiveView();
        CZumeoDoc* document = app.GetDocument();
        before = ShownView(frame);
        ASSERT_NE(ChooseStyleInPalette(frame, label), nullptr);
        EXPECT_EQ(view->m_toolMode, CZumeoView::kToolRedline);
        EXPECT_EQ(document->m_markupKind, 0);
        // The leader's end, the shape, the label: three clicks.
        const QPoint centre(view->width() / 2, view->height() / 2);
        for (const QPoint& click : {centre, centre + QPoint(80, -60), centre + QPoint(160, -60)}) {
            Click(view, click);
        }
        ASSERT_NE(FindMark(*document), nullptr);
        EXPECT_EQ(FindMark(*document)->GetLabelText(), label);
        EXPECT_EQ(FindMark(*document)->GetColor(), kChosenColour);
        EXPECT_EQ(view->m_toolMode, CZumeoView::kToolNone) << "the filed mark is selected";
        EXPECT_EQ(document->m_undo.GetCount(), 1);

        frame->activateWindow();
        WaitFor([&] { return frame->isActiveWindow(); });
        QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
        ASSERT_TRUE(WaitFor([&] { return document->m_redlineModified == 0; }));
        EXPECT_TRUE(QFile::exists(document->m_controlPath.ToQString()));
        EXPECT_TRUE(dialogs.Messages().empty());
        app.ExitInstance();
    }
    CZumeoApp app;
    CMainFrame* frame = OpenAndShow(app, drawing);
    ASSERT_NE(frame, nullptr);
    const CRukEntity* mark = FindMark(*app.GetDocument());
    ASSERT_NE(mark, nullptr) << "the control file brought the mark back";
    EXPECT_EQ(mark->GetLabelText(), label);
    EXPECT_EQ(mark->GetColor(), kChosenColour) << "the palette's pen colour was kept";
    EXPECT_EQ(mark->GetLineWidth(), kChosenWidth);
    EXPECT_EQ(mark->GetLabelMode(), kRectangleFrame);
    EXPECT_NE(ShownView(frame), before) << "the mark is on the screen";
    EXPECT_TRUE(dialogs.Messages().empty());
    app.ExitInstance();
}

} // namespace
