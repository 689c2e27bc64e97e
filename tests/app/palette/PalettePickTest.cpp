// The palette as clicks on the view drive it: what a pick in each picking
// mode makes the palette show, and which markup "更新" then restyles; the
// palette after a markup is drawn; the preview of a note of two lines.
#include "PaletteFixture.h"

#include "controls/CHoverButtonEx.h"
#include "markups/CRukFreeCurve.h"
#include "ui/CRedStylePreview.h"

#include <QTest>

#include <algorithm>
#include <ostream>
#include <string>

namespace {

constexpr COLORREF kYellow = 0x00FFFF;
// The yellow pen swatch of the pages.
constexpr int kYellowSwatch = 5003;

class PalettePickFixture : public PaletteFixture {
protected:
    PalettePickFixture() { m_view.ZoomFit(1); }

    // The window pixel of a drawing point after the fit.
    static QPoint Pixel(int x, int y) { return QPoint(10 + x / 5, 209 - y / 5); }

    void Click(QPoint point, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseClick(&m_view, Qt::LeftButton, keys, point);
    }

    // A red markup of the kind code number with its line between the points.
    PaletteMark* RedMark(int number, int x1, int y1, int x2, int y2) {
        PaletteMark* mark = Mark(number, "RED", {x1, y1, x2, y2});
        mark->SetColor(kRed);
        return mark;
    }

    // The palette as 編集 > プロパティ opens it on the only selected markup.
    CRedlineDlg* OpenOn(PaletteMark* mark) {
        m_document.m_selection.AddTail(mark);
        m_view.EditSelectionInPalette();
        return dynamic_cast<CRedlineDlg*>(CRedlinePalette::Current());
    }
};

struct PickMode {
    const char* name;
    int mode;
};

void PrintTo(const PickMode& mode, std::ostream* os) {
    *os << mode.name;
}

class PalettePickTest : public PalettePickFixture,
                        public ::testing::WithParamInterface<PickMode> {};

TEST_P(PalettePickTest, UpdateRestylesTheMarkupLastClickedMended) {
    PaletteMark* circle = RedMark(0x08, 100, 100, 300, 300);
    PaletteMark* ellipse = RedMark(0x09, 600, 600, 800, 800);
    CRedlineDlg* palette = OpenOn(circle);
    ASSERT_NE(palette, nullptr);
    m_view.m_toolMode = GetParam().mode;

    Click(Pixel(200, 200));
    EXPECT_EQ(palette->m_selected, circle);
    Click(Pixel(700, 700));
    ASSERT_EQ(m_document.m_selection.GetCount(), 1);
    ASSERT_EQ(m_document.m_selection.GetHead(), ellipse);
    EXPECT_EQ(palette->m_selected, ellipse);
    EXPECT_EQ(palette->m_style.m_kind, 9) << "the page shows the ellipse's style";
    EXPECT_TRUE(palette->TabCtrl()->ShapePage()->KindButton(9)->GetLatched());
    ASSERT_TRUE(Control(palette, CRedlineDlg::kUpdateButton)->isEnabled());

    Control<QAbstractButton>(palette->TabCtrl()->ShapePage(), kYellowSwatch)->click();
    Control<QAbstractButton>(palette, CRedlineDlg::kUpdateButton)->click();
    EXPECT_EQ(ellipse->GetColor(), kYellow);
    EXPECT_EQ(circle->GetColor(), kRed) << "the markup picked before stays as it was";
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
}

TEST_P(PalettePickTest, SeveralPicksLeaveOnlyDeleteAndEmptySpaceLeavesNeither) {
    PaletteMark* circle = RedMark(0x08, 100, 100, 300, 300);
    RedMark(0x09, 600, 600, 800, 800);
    CRedlineDlg* palette = OpenOn(circle);
    ASSERT_NE(palette, nullptr);
    m_view.m_toolMode = GetParam().mode;
    QWidget* remove = Control(palette, CRedlineDlg::kDeleteButton);
    QWidget* update = Control(palette, CRedlineDlg::kUpdateButton);

    Click(Pixel(700, 700), Qt::ControlModifier);
    ASSERT_EQ(m_document.m_selection.GetCount(), 2);
    EXPECT_EQ(palette->m_selected, nullptr);
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_FALSE(update->isEnabled());

    Click(Pixel(900, 200));
    ASSERT_TRUE(m_document.m_selection.IsEmpty());
    EXPECT_EQ(palette->m_selected, nullptr);
    EXPECT_EQ(palette->EditMode(), 0);
    EXPECT_EQ(palette->m_style.m_kind, -1);
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_FALSE(update->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Modes, PalettePickTest,
                         ::testing::Values(PickMode{"Select", CZumeoView::kToolSelect},
                                           PickMode{"Move", CZumeoView::kToolMove},
                                           PickMode{"PointEdit", CZumeoView::kToolNone}),
                         [](const auto& info) { return std::string(info.param.name); });

using PaletteAfterPickTest = PalettePickFixture;

TEST_F(PaletteAfterPickTest, APointEditClickPutsThePaletteInEditModeOnTheMarkup) {
    PaletteMark* line = RedMark(0x07, 600, 600, 800, 800);
    CRedlineDlg* palette = Open(10);
    ASSERT_NE(palette, nullptr);
    m_view.m_toolMode = CZumeoView::kToolNone;
    Click(Pixel(700, 700));
    EXPECT_EQ(palette->EditMode(), 1);
    EXPECT_EQ(palette->m_selected, line);
    EXPECT_EQ(palette->m_style.m_kind, 7);
    EXPECT_EQ(palette->m_style.m_penColor, kRed);
    EXPECT_TRUE(Control(palette, CRedlineDlg::kUpdateButton)->isEnabled());
}

TEST_F(PaletteAfterPickTest, AFrameAroundOneMarkupInPointEditMakesItThePalettesMarkup) {
    RedMark(0x08, 100, 100, 300, 300);
    PaletteMark* ellipse = RedMark(0x09, 600, 600, 800, 800);
    CRedlineDlg* palette = Open(7);
    ASSERT_NE(palette, nullptr);
    m_view.m_toolMode = CZumeoView::kToolNone;
    QTest::mousePress(&m_view, Qt::LeftButton, {}, Pixel(550, 950));
    QTest::mouseMove(&m_view, Pixel(700, 700));
    QTest::mouseRelease(&m_view, Qt::LeftButton, {}, Pixel(950, 550));
    ASSERT_EQ(m_document.m_selection.GetCount(), 1);
    EXPECT_EQ(palette->m_selected, ellipse);
    EXPECT_EQ(palette->EditMode(), 1);
}

TEST_F(PaletteAfterPickTest, AFinishedFreehandStrokeLeavesNoKindButtonLitMended) {
    // The freehand class is found by name; the test links it in.
    ASSERT_NE(RUNTIME_CLASS(CRukFreeCurve), nullptr);
    CRedlineDlg* palette = Open(12);
    ASSERT_NE(palette, nullptr);
    CHoverButtonEx* freehand = palette->TabCtrl()->ShapePage()->KindButton(12);
    ASSERT_TRUE(freehand->GetLatched());
    QTest::mousePress(&m_view, Qt::LeftButton, {}, Pixel(100, 100));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(&m_view, Pixel(100 + step * 100, 100 + step * 50));
    QTest::mouseRelease(&m_view, Qt::LeftButton, {}, Pixel(500, 300));
    ASSERT_EQ(m_view.m_toolMode, CZumeoView::kToolNone) << "the stroke was filed";
    ASSERT_EQ(m_document.m_selection.GetCount(), 1) << "and is the selection";
    EXPECT_FALSE(freehand->GetLatched());
    EXPECT_EQ(palette->m_style.m_kind, -1);
    EXPECT_EQ(palette->EditMode(), 0);
}

// The rows of the preview that hold something other than the background.
int InkHeight(const QImage& image, QRgb background) {
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom < top ? 0 : bottom - top + 1;
}

TEST_F(PaletteAfterPickTest, TheNotePreviewShowsEveryLineMended) {
    CRedlineDlg* palette = Open(5);
    ASSERT_NE(palette, nullptr);
    CRedShapePage* page = palette->TabCtrl()->ShapePage();
    // A note without frame or fill: only its text is drawn.
    palette->m_style.m_noteFrameType = 0;
    auto* preview = Control<CRedStylePreview>(page, CRedStylePage::kPreview);
    ASSERT_NE(preview, nullptr);
    const QRgb background = qRgb(255, 255, 255);
    const auto inkOf = [&](const char* text) {
        palette->m_style.m_text = CString::FromUtf8(text);
        return InkHeight(preview->grab().toImage().convertToFormat(QImage::Format_RGB32),
                         background);
    };
    const int oneLine = inkOf("一行目");
    ASSERT_GT(oneLine, 0);
    // The line break as a note keeps it.
    const int twoLines = inkOf("一行目\r\n二行目");
    EXPECT_GT(twoLines, oneLine * 3 / 2) << "the second line is drawn below the first";
}

} // namespace
