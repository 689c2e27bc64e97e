#include "ui/CScalePrintDlg.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "platform/win/CProfile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CScalePrintHost.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>

namespace {

// A printer with two papers and a drawing of one green line from the
// drawing's origin 10 mm to the right.
class FakeHost : public CScalePrintHost {
public:
    void PaintDrawing(CDC* dc, const RECT&, double factor) override {
        m_factors.push_back(factor);
        CPen pen;
        pen.CreatePen(PS_SOLID, 0, 0x00FF00);
        CPen* old = dc->SelectObject(&pen);
        dc->MoveTo(0, 0);
        dc->LineTo(static_cast<int>(10 * factor * 100 + 0.5), 0);
        dc->SelectObject(old);
    }
    DPOINT DrawingCentre() const override { return DPOINT{70.0, 80.0}; }
    QString JobName() const override { return QStringLiteral("plan.dxf"); }
    CMarginTexts MarginTexts() const override { return {}; }
    QString PrinterName() const override { return QStringLiteral("Office"); }
    std::vector<CScalePaper> Papers() const override { return m_papers; }
    int PrinterPaper() const override { return m_paper; }
    void SetPrinterPaper(int paper) override { m_paper = paper; }
    int PrinterOrientation() const override { return m_orientation; }
    void SetPrinterOrientation(bool landscape) override {
        m_orientation = landscape ? kLandscape : kPortrait;
    }
    void PrinterMargins(double& left, double& top, double& right, double& bottom) const override {
        left = 4.23;
        top = 5.0;
        right = 4.23;
        bottom = 5.0;
    }
    void PrinterSetup() override { ++m_setups; }
    void SetUpPrinter(QPrinter&) const override {}

    std::vector<CScalePaper> m_papers = {{9, QStringLiteral("A4"), {2100, 2970}},
                                         {8, QStringLiteral("A3"), {2970, 4200}}};
    int m_paper = 8;
    int m_orientation = kPortrait;
    int m_setups = 0;
    std::vector<double> m_factors;
};

class ScalePrintDlgTest : public ::testing::Test {
protected:
    void Init() {
        m_dialog = std::make_unique<CScalePrintDlg>(m_host);
        m_dialog->m_centreX = 12.0;
        m_dialog->m_centreY = 34.0;
        m_dialog->OnInitDialog();
    }
    QLineEdit* Edit(int id) const {
        return m_dialog->findChild<QLineEdit*>(QStringLiteral("id_%1").arg(id));
    }
    QComboBox* Combo(int id) const {
        return m_dialog->findChild<QComboBox*>(QStringLiteral("id_%1").arg(id));
    }
    QPushButton* Button(int id) const {
        return m_dialog->findChild<QPushButton*>(QStringLiteral("id_%1").arg(id));
    }
    void Type(const char* numerator, const char* denominator) {
        Edit(CScalePrintDlg::kNumeratorId)->setText(QString::fromUtf8(numerator));
        Edit(CScalePrintDlg::kDenominatorId)->setText(QString::fromUtf8(denominator));
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    FakeHost m_host;
    std::unique_ptr<CScalePrintDlg> m_dialog;
};

TEST_F(ScalePrintDlgTest, StartsFromThePrinterAndTheCallersScale) {
    Init();
    EXPECT_EQ(m_dialog->windowTitle(), QStringLiteral("スケール印刷 (Office)"));
    EXPECT_EQ(Combo(CScalePrintDlg::kPaperId)->currentText(), QStringLiteral("A3"));
    EXPECT_EQ(m_dialog->m_sheet.paperLength, 4200);
    EXPECT_EQ(m_dialog->m_sheet.marginLeft, 42);
    EXPECT_EQ(m_dialog->m_sheet.marginTop, 50);
    EXPECT_EQ(Combo(CScalePrintDlg::kScaleId)->currentText(), QStringLiteral("1/1"));
    EXPECT_EQ(Combo(CScalePrintDlg::kLabelPositionId)->currentIndex(), 3);
    EXPECT_EQ(m_dialog->Preview().m_centreX, 12.0);
    EXPECT_TRUE(Button(CScalePrintDlg::kPrintId)->isEnabled());
    EXPECT_FALSE(Button(CScalePrintDlg::kInvertId)->isVisibleTo(m_dialog.get()));
}

TEST_F(ScalePrintDlgTest, APaperMissingFromTheListSelectsTheFirst) {
    m_host.m_paper = 70;
    Init();
    EXPECT_EQ(Combo(CScalePrintDlg::kPaperId)->currentText(), QStringLiteral("A4"));
    EXPECT_EQ(m_dialog->m_sheet.paperWidth, 2100);
}

TEST_F(ScalePrintDlgTest, EveryFixedScaleFillsTheEdits) {
    Init();
    QComboBox* scales = Combo(CScalePrintDlg::kScaleId);
    const char* expected[][3] = {
        {"1/1", "1", "1"},       {"1/2", "1", "2"},     {"1/5", "1", "5"},
        {"1/10", "1", "10"},     {"1/20", "1", "20"},   {"1/50", "1", "50"},
        {"1/100", "1", "100"},   {"1/200", "1", "200"}, {"1/500", "1", "500"},
        {"1/1000", "1", "1000"}, {"2/1", "2", "1"},     {"5/1", "5", "1"},
        {"10/1", "10", "1"},     {"20/1", "20", "1"},   {"50/1", "50", "1"}};
    ASSERT_EQ(scales->count(), 16);
    EXPECT_EQ(scales->itemText(0), QStringLiteral("カスタム"));
    for (int i = 1; i < 16; ++i) {
        SCOPED_TRACE(expected[i - 1][0]);
        EXPECT_EQ(scales->itemText(i), QString::fromUtf8(expected[i - 1][0]));
        scales->setCurrentIndex(i);
        m_dialog->OnScaleChanged();
        EXPECT_EQ(Edit(CScalePrintDlg::kNumeratorId)->text(), expected[i - 1][1]);
        EXPECT_EQ(Edit(CScalePrintDlg::kDenominatorId)->text(), expected[i - 1][2]);
        EXPECT_EQ(scales->currentIndex(), i);
        EXPECT_DOUBLE_EQ(m_dialog->Preview().m_scale, QString(expected[i - 1][1]).toDouble() /
                                                          QString(expected[i - 1][2]).toDouble());
    }
    // "カスタム" keeps whatever the edits hold.
    Type("3", "7");
    scales->setCurrentIndex(0);
    m_dialog->OnScaleChanged();
    EXPECT_EQ(Edit(CScalePrintDlg::kNumeratorId)->text(), QStringLiteral("3"));
}

struct TypedCase {
    const char* name;
    const char* numerator;
    const char* denominator;
    bool valid;
    const char* entry;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.name;
}

class TypedScale : public ScalePrintDlgTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedScale, SelectsItsEntryOrIsRefused) {
    const TypedCase& c = GetParam();
    Init();
    Type(c.numerator, c.denominator);
    EXPECT_EQ(m_dialog->ValidateScale(true), c.valid);
    if (c.valid) {
        EXPECT_TRUE(m_dialogs.Messages().empty());
        EXPECT_EQ(Combo(CScalePrintDlg::kScaleId)->currentText(), QString::fromUtf8(c.entry));
    } else {
        ASSERT_EQ(m_dialogs.Messages().size(), 1U);
        EXPECT_EQ(m_dialogs.Messages()[0].text,
                  CString::FromUtf8("0.00001 から 100000 までの数字を入力してください。"));
        EXPECT_EQ(m_dialogs.Messages()[0].caption, CString::FromUtf8("エラー"));
        // The old scale stays.
        EXPECT_DOUBLE_EQ(m_dialog->Preview().m_scale, 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, TypedScale,
                         ::testing::Values(TypedCase{"Hundredth", "1", "100", true, "1/100"},
                                           TypedCase{"DecimalPoint", "1.0", "100", true, "1/100"},
                                           TypedCase{"TrailingText", "1mm", " 100", true, "1/100"},
                                           TypedCase{"Custom", "3", "7", true, "カスタム"},
                                           TypedCase{"Smallest", "0.00001", "1", true, "カスタム"},
                                           TypedCase{"Zero", "0", "100", false, ""},
                                           TypedCase{"Empty", "1", "", false, ""},
                                           TypedCase{"TooLarge", "1", "100001", false, ""},
                                           TypedCase{"Negative", "-1", "100", false, ""},
                                           TypedCase{"NotANumber", "abc", "1", false, ""}),
                         [](const ::testing::TestParamInfo<TypedCase>& info) {
                             return info.param.name;
                         });

TEST_F(ScalePrintDlgTest, LeavingAnEditTakesAValidScaleSilently) {
    Init();
    Type("1", "100");
    Q_EMIT Edit(CScalePrintDlg::kDenominatorId)->editingFinished();
    EXPECT_EQ(Combo(CScalePrintDlg::kScaleId)->currentText(), QStringLiteral("1/100"));
    Type("1", "0");
    Q_EMIT Edit(CScalePrintDlg::kDenominatorId)->editingFinished();
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_DOUBLE_EQ(m_dialog->Preview().m_scale, 0.01);
}

TEST_F(ScalePrintDlgTest, EnterAppliesTheScaleAndNeverCloses) {
    Init();
    m_dialog->show();
    Type("1", "50");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(m_dialog.get(), &enter);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(Combo(CScalePrintDlg::kScaleId)->currentText(), QStringLiteral("1/50"));
}

TEST_F(ScalePrintDlgTest, UncheckingWithAnInvalidHeightKeepsTheLabelControls) {
    Init();
    Edit(CScalePrintDlg::kLabelHeightId)->setText(QStringLiteral("11"));
    auto* check = m_dialog->findChild<QCheckBox*>(QStringLiteral("id_1050"));
    check->setChecked(false);
    m_dialog->OnLabelOnClicked();
    ASSERT_EQ(m_dialogs.Messages().size(), 1U);
    EXPECT_EQ(m_dialogs.Messages()[0].text,
              CString::FromUtf8("0.1 から 10 までの数字を入力してください。"));
    EXPECT_TRUE(Edit(CScalePrintDlg::kLabelHeightId)->isEnabled());
    EXPECT_EQ(m_dialog->m_labelOn, 1);
}

TEST_F(ScalePrintDlgTest, PrintingWithTheLabelOffKeepsTheTextSize) {
    CProfile::WriteProfileString("SCALEPRINT", "TEXTSIZE", "7.5");
    Init();
    EXPECT_EQ(Edit(CScalePrintDlg::kLabelHeightId)->text(), QStringLiteral("7.5"));
    Edit(CScalePrintDlg::kLabelHeightId)->setText(QStringLiteral("2"));
    m_dialog->findChild<QCheckBox*>(QStringLiteral("id_1050"))->setChecked(false);
    Combo(CScalePrintDlg::kLabelPositionId)->setCurrentIndex(1);
    m_dialog->OnPrint();
    EXPECT_EQ(CProfile::GetProfileString("SCALEPRINT", "TEXTSIZE"), CString("7.5"));
    EXPECT_EQ(CProfile::GetProfileInt("SCALEPRINT", "DISPSCALE", 9), 0U);
    EXPECT_EQ(CProfile::GetProfileInt("SCALEPRINT", "SCALEPOS", 9), 1U);
    // The print dialog was asked for and cancelled.
    EXPECT_EQ(m_dialogs.DialogsShown(), 1);
}

TEST_F(ScalePrintDlgTest, MendedLabelTextComesFromTheCheckedScale) {
    Init();
    Type("1.0mm", "0100");
    m_dialog->OnPrint();
    EXPECT_EQ(m_dialog->Preview().m_labelText, CString("1 / 100"));
    EXPECT_EQ(CProfile::GetProfileString("SCALEPRINT", "TEXTSIZE"), CString("5.000000"));
}

TEST_F(ScalePrintDlgTest, ResetAfterCentringPutsTheCallersPlacementBack) {
    Init();
    m_dialog->Preview().m_dragOffset = POINT{5, 6};
    m_dialog->OnCentre();
    EXPECT_EQ(m_dialog->Preview().m_centreX, 70.0);
    EXPECT_EQ(m_dialog->Preview().m_dragOffset.x, 0);
    Type("1", "20");
    m_dialog->ValidateScale(false);
    m_dialog->OnReset();
    EXPECT_EQ(m_dialog->Preview().m_centreX, 12.0);
    EXPECT_EQ(m_dialog->Preview().m_centreY, 34.0);
    EXPECT_EQ(Edit(CScalePrintDlg::kDenominatorId)->text(), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(m_dialog->Preview().m_scale, 1.0);
}

TEST_F(ScalePrintDlgTest, OrientationAndPaperGoToThePrinter) {
    Init();
    Combo(CScalePrintDlg::kOrientationId)->setCurrentIndex(1);
    m_dialog->OnOrientationChanged();
    EXPECT_EQ(m_host.m_orientation, CScalePrintHost::kLandscape);
    EXPECT_EQ(m_dialog->Preview().m_sheet.orientation, CScalePrintHost::kLandscape);
    Combo(CScalePrintDlg::kPaperId)->setCurrentIndex(0);
    m_dialog->OnPaperChanged();
    EXPECT_EQ(m_host.m_paper, 9);
    EXPECT_EQ(m_dialog->Preview().m_sheet.paperLength, 2970);
    EXPECT_EQ(Combo(CScalePrintDlg::kPaperId)->toolTip(), QStringLiteral("A4"));
}

struct NoPaperCase {
    const char* name;
    std::vector<CScalePaper> papers;
};

void PrintTo(const NoPaperCase& c, std::ostream* os) {
    *os << c.name;
}

class MendedNoPaper : public ScalePrintDlgTest,
                      public ::testing::WithParamInterface<NoPaperCase> {};

// Nothing to scale against: printing is disabled and the pane stays white.
TEST_P(MendedNoPaper, DisablesPrintingAndDividesByNothing) {
    m_host.m_papers = GetParam().papers;
    Init();
    EXPECT_FALSE(Button(CScalePrintDlg::kPrintId)->isEnabled());
    EXPECT_FALSE(m_dialog->Preview().PrintScaled(nullptr));
    EXPECT_EQ(m_dialogs.DialogsShown(), 0);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        CImageDC dc(image);
        m_dialog->Preview().Paint(&dc, 100, 100);
    }
    EXPECT_EQ(QColor(image.pixel(50, 50)), QColor(Qt::white));
    EXPECT_TRUE(m_host.m_factors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Printers, MendedNoPaper,
    ::testing::Values(NoPaperCase{"NoPapers", {}},
                      NoPaperCase{"ZeroLength", {{9, QStringLiteral("A4"), {2100, 0}}}}),
    [](const ::testing::TestParamInfo<NoPaperCase>& info) { return info.param.name; });

// ---- The preview pane's picture.

class PreviewPaneTest : public ::testing::Test {
protected:
    PreviewPaneTest() : m_pane(m_host) {
        m_pane.m_sheet.paperWidth = 2100;
        m_pane.m_sheet.paperLength = 2970;
        m_pane.m_centreX = 0.0;
        m_pane.m_centreY = 0.0;
    }

    QImage Paint() {
        QImage image(kSize, kSize, QImage::Format_RGB32);
        image.fill(Qt::black);
        CImageDC dc(image);
        m_pane.Paint(&dc, kSize, kSize);
        return image;
    }

    // The box of the pixels of one colour.
    static QRect BoundsOf(const QImage& image, QColor colour) {
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (QColor(image.pixel(x, y)) == colour)
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }

    static constexpr int kSize = 400;
    FakeHost m_host;
    CScalePreviewDlg m_pane;
};

// The sheet's length spans nine tenths of the pane, centred.
TEST_F(PreviewPaneTest, TheSheetIsCentredAndItsLengthSpansNineTenths) {
    const QRect sheet = BoundsOf(Paint(), Qt::red);
    EXPECT_NEAR(sheet.height(), kSize * 0.9, 2);
    EXPECT_NEAR(sheet.width(), kSize * 0.9 * 210 / 297, 2);
    EXPECT_NEAR(sheet.center().x(), kSize / 2, 1);
    EXPECT_NEAR(sheet.center().y(), kSize / 2, 1);
}

TEST_F(PreviewPaneTest, LandscapeTurnsTheSheetWithoutChangingTheZoom) {
    const QRect upright = BoundsOf(Paint(), Qt::red);
    m_pane.m_sheet.orientation = CScalePrintHost::kLandscape;
    const QRect turned = BoundsOf(Paint(), Qt::red);
    EXPECT_NEAR(turned.width(), upright.height(), 1);
    EXPECT_NEAR(turned.height(), upright.width(), 1);
}

// The drawing's origin is the placement centre: it starts at the pane's
// centre, runs right at the scale and follows the drag.
TEST_F(PreviewPaneTest, TheDrawingSitsAtTheCentreAtItsScaleAndFollowsTheDrag) {
    m_pane.m_scale = 2.0;
    const QRect line = BoundsOf(Paint(), Qt::green);
    ASSERT_FALSE(line.isEmpty());
    const double pixelsPerMm = kSize * 0.9 / 297.0;
    EXPECT_NEAR(line.left(), kSize / 2, 1);
    EXPECT_NEAR(line.width(), 20 * pixelsPerMm, 2);
    EXPECT_NEAR(line.top(), kSize / 2, 1);
    // Dragged 30 pixels right and 10 down.
    m_pane.m_dragOffset = POINT{-30, -10};
    const QRect dragged = BoundsOf(Paint(), Qt::green);
    EXPECT_NEAR(dragged.left(), line.left() + 30, 1);
    EXPECT_NEAR(dragged.top(), line.top() + 10, 1);
    // The sheet stays.
    EXPECT_NEAR(BoundsOf(Paint(), Qt::red).center().x(), kSize / 2, 1);
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint point) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, point, widget.mapToGlobal(point), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

TEST_F(PreviewPaneTest, DraggingAddsUpPressMinusRelease) {
    m_pane.resize(kSize, kSize);
    SendMouse(m_pane, QEvent::MouseButtonPress, QPoint(100, 100));
    SendMouse(m_pane, QEvent::MouseMove, QPoint(130, 90));
    EXPECT_EQ(m_pane.m_dragging, 1);
    EXPECT_EQ(m_pane.m_dragInProgress.x, -30);
    EXPECT_EQ(m_pane.m_dragInProgress.y, 10);
    SendMouse(m_pane, QEvent::MouseButtonRelease, QPoint(140, 95));
    EXPECT_EQ(m_pane.m_dragging, 0);
    EXPECT_EQ(m_pane.m_dragOffset.x, -40);
    EXPECT_EQ(m_pane.m_dragOffset.y, 5);
    EXPECT_EQ(m_pane.m_dragInProgress.x, 0);
    SendMouse(m_pane, QEvent::MouseButtonPress, QPoint(10, 10));
    SendMouse(m_pane, QEvent::MouseButtonRelease, QPoint(0, 0));
    EXPECT_EQ(m_pane.m_dragOffset.x, -30);
    EXPECT_EQ(m_pane.m_dragOffset.y, 15);
}

} // namespace
