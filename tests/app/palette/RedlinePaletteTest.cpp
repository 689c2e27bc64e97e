// The redline palette as the user meets it: opened by the redline tools,
// its pages' controls enabled by kind and fill, its checks and their
// messages, and its update and delete of the selected markups.
#include "PaletteFixture.h"

#include "app/UndoRecords.h"
#include "controls/CHoverButtonEx.h"
#include "markups/CRukMarkEllipse.h"
#include "platform/win/CProfile.h"
#include "ui/CSettingsDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabBar>
#include <QTest>

#include <functional>
#include <map>
#include <ostream>
#include <string>

IMPLEMENT_SERIAL(PaletteMark, CRukGroup, VERSIONABLE_SCHEMA | 0)

namespace {

QVariant StoredKey(const TempProfile& profile, const char* key) {
    CProfile::Flush();
    QSettings ini(profile.IniPath(), QSettings::IniFormat);
    return ini.value(QStringLiteral("REDDLG/") + QLatin1String(key));
}

using RedlinePaletteTest = PaletteFixture;

TEST_F(RedlinePaletteTest, ARedlineToolOpensThePageOfItsKindWithTheStoredStyle) {
    CProfile::WriteProfileString("REDDLG", "PENWIDTH2", "0.50");
    CProfile::WriteProfileInt("REDDLG", "PENCOLOR2", 0x00FF00);
    CRedlineDlg* palette = Open(7);
    ASSERT_NE(palette, nullptr);
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->TabCtrl()->CurrentPage(), 1);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolRedline);
    EXPECT_EQ(palette->m_style.m_penColor, 0x00FF00u);
    const CRedShapePage* page = palette->TabCtrl()->ShapePage();
    EXPECT_EQ(Control<QComboBox>(page, 1045)->currentText(), QStringLiteral("0.50"));
    EXPECT_TRUE(page->KindButton(7)->GetLatched());
    EXPECT_FALSE(page->KindButton(11)->GetLatched());

    palette = Open(2);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->TabCtrl()->CurrentPage(), 0);
    EXPECT_TRUE(palette->TabCtrl()->TextPage()->KindButton(2)->GetLatched());
    EXPECT_DOUBLE_EQ(palette->m_style.m_penWidth, 0.15) << "PENWIDTH1 absent";
}

TEST_F(RedlinePaletteTest, TheStoredTextSurvivesAChangeOfPageAndKind) {
    CRedlineDlg* palette = Open(-1);
    const CString anyText = CString::FromUtf8("任意文字列");
    EXPECT_EQ(palette->m_style.m_text, anyText);
    QTabBar* bar = palette->TabCtrl()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    CRedTextPage* page = palette->TabCtrl()->TextPage();
    // The ellipse mark's class is found by name; the test links it in.
    ASSERT_NE(RUNTIME_CLASS(CRukMarkEllipse), nullptr);
    page->RefreshControls();
    ASSERT_TRUE(page->KindButton(0)->isEnabled());
    page->KindButton(0)->click();
    EXPECT_EQ(palette->m_style.m_kind, 0);
    EXPECT_EQ(palette->m_style.m_text, anyText);
    EXPECT_EQ(Control<QComboBox>(page, 1061)->currentText(), anyText.ToQString());
    palette = Open(5);
    EXPECT_EQ(Control<QPlainTextEdit>(palette->TabCtrl()->ShapePage(), 1037)->toPlainText(),
              anyText.ToQString());
}

TEST_F(RedlinePaletteTest, CancellingThePictureOfTheImageToolLeavesNoToolAndNoKind) {
    CRedlineDlg* palette = Open(13);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(m_dialogs.DialogsShown(), 1) << "the picture is asked for at once";
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
    EXPECT_EQ(palette->m_style.m_kind, -1);
    EXPECT_EQ(palette->TabCtrl()->CurrentPage(), 1);
}

TEST_F(RedlinePaletteTest, ReopeningForTheLastToolKeepsThePaletteAndTheTool) {
    CRedlineDlg* palette = Open(7);
    m_view.m_toolMode = CZumeoView::kToolNone;
    m_dialogs.Answer(IDYES);
    m_view.OnLastRedlineTool();
    EXPECT_EQ(CRedlinePalette::Current(), palette);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolRedline) << "the palette's kind is kept";
}

TEST_F(RedlinePaletteTest, ARefusedReadOnlyQuestionOpensNothing) {
    m_view.BeginRedlineTool(7);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_NE(LastMessage().ToQString().indexOf(QStringLiteral("朱書き作成／編集を行いますか？")),
              -1);
    EXPECT_EQ(CRedlinePalette::Current(), nullptr);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
}

TEST_F(RedlinePaletteTest, HiddenRedlinesAreShownOnlyWhenTheUserAgrees) {
    m_settings.m_showRedlines = 0;
    EXPECT_FALSE(m_view.EnsureRedlinesVisible());
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    bool shown = false;
    m_view.SetLayerBoxesHandler([&](bool keep) {
        shown = !keep;
        m_settings.m_showRedlines = 1;
    });
    m_dialogs.Answer(IDYES);
    EXPECT_TRUE(m_view.EnsureRedlinesVisible());
    EXPECT_TRUE(shown);
}

TEST_F(RedlinePaletteTest, PreviewSizesFollowTheZoomAndTheTextScale) {
    m_view.ZoomFit(1);
    // The unit square of 1000 drawing units fills 200 pixels.
    EXPECT_NEAR(m_view.LogicalToDeviceSize(1.0), 200, 1);
    EXPECT_NEAR(m_view.LogicalToDeviceSize(0.1), 20, 1);
    m_settings.m_textScale = 1.4;
    EXPECT_NEAR(m_view.LogicalToDeviceSize(0.1), 28, 1);
    m_view.ZoomByFactor(0.5);
    EXPECT_NEAR(m_view.LogicalToDeviceSize(0.1), 56, 2) << "zoomed in twice as far";
}

TEST_F(RedlinePaletteTest, DetailsOpenTheTextSizesOfTheSettingsAndNewSizesReachThePresets) {
    CRedlineDlg* palette = Open(0);
    ASSERT_DOUBLE_EQ(palette->m_style.m_textSize, palette->m_style.m_textPresets[1]);
    m_settings.m_markupTextSize[1] = 38.0;
    int shownPage = -1;
    m_dialogs.AnswerDialog([&](QDialog& dialog) {
        shownPage = dynamic_cast<CSettingsDlg&>(dialog).CurrentPage();
        return static_cast<int>(QDialog::Accepted);
    });
    Control<QAbstractButton>(palette->TabCtrl()->TextPage(), 1184)->click();
    EXPECT_EQ(shownPage, CSettingsDlg::kTextPage);
    EXPECT_DOUBLE_EQ(palette->m_style.m_textPresets[1], 0.026) << "one unit high over 38";
    EXPECT_DOUBLE_EQ(palette->m_style.m_textSize, 0.026) << "the standard entry stays chosen";
    EXPECT_EQ(Control<QLineEdit>(palette->TabCtrl()->TextPage(), 1043)->text(),
              QStringLiteral("0.026"));
}

// ---- Which controls a style enables.

struct EnableCase {
    std::string name;
    int page;
    std::function<void(CPaletteStyle&)> set;
    std::map<int, bool> enabled;
};

void PrintTo(const EnableCase& c, std::ostream* out) {
    *out << c.name;
}

const EnableCase kEnableCases[] = {
    {"LineHasNoFillOrText",
     1,
     [](CPaletteStyle& s) { s.m_kind = 7; },
     {{1046, false},
      {1040, false},
      {1041, false},
      {1200, false},
      {1206, false},
      {1037, false},
      {1062, false},
      {1045, true},
      {5000, true}}},
    {"OutlineShapeHasTheTypeButNoPaint",
     1,
     [](CPaletteStyle& s) {
         s.m_kind = 10;
         s.m_paintType = 0;
     },
     {{1046, true}, {1040, false}, {5010, false}, {5019, false}, {1206, false}, {1041, false}}},
    {"HatchedShapeHasEveryFillControl",
     1,
     [](CPaletteStyle& s) {
         s.m_kind = 10;
         s.m_paintType = 5;
     },
     {{1046, true}, {1040, true}, {5010, true}, {1041, true}, {1200, true}, {1206, true}}},
    {"SolidShapeHasPaintButNoHatch",
     1,
     [](CPaletteStyle& s) {
         s.m_kind = 8;
         s.m_paintType = 1;
     },
     {{1040, true}, {1041, false}, {1200, false}, {1206, true}}},
    {"FilledNoteHasTextFontPaintAndLine",
     1,
     [](CPaletteStyle& s) {
         s.m_kind = 5;
         s.m_noteFrameType = 2;
     },
     {{1037, true}, {1062, true}, {1197, true}, {1040, true}, {5019, true}, {1206, true}}},
    {"FramedNoteHasNoPaint",
     1,
     [](CPaletteStyle& s) {
         s.m_kind = 5;
         s.m_noteFrameType = 1;
     },
     {{1037, true}, {1040, false}, {5010, false}, {1206, false}}},
    {"ImageHasOnlyItsLineCheck",
     1,
     [](CPaletteStyle& s) { s.m_kind = 13; },
     {{1206, true}, {1046, false}, {1040, false}, {1041, false}}},
    {"NoShapeKindHasNoPen",
     1,
     [](CPaletteStyle& s) { s.m_kind = -1; },
     {{1045, false}, {1039, false}, {5000, false}, {1057, true}, {1058, true}}},
    {"EllipseMarkHasItsTextAndFrame",
     0,
     [](CPaletteStyle& s) { s.m_kind = 0; },
     {{1061, true}, {1062, true}, {1181, true}, {1200, true}, {1059, true}, {1045, true}}},
    {"ArrowHasNoTipChoice",
     0,
     [](CPaletteStyle& s) { s.m_kind = 4; },
     {{1200, false}, {1047, true}, {1060, true}}},
    {"NoTextKindHasNoTextFontSizeOrPen",
     0,
     [](CPaletteStyle& s) { s.m_kind = -1; },
     {{1061, false},
      {1062, false},
      {1181, false},
      {1059, false},
      {1046, false},
      {1043, false},
      {1045, false},
      {5000, false},
      {1057, true}}},
    {"TypedTextSizeEnablesTheEditAndNotTheList",
     0,
     [](CPaletteStyle& s) {
         s.m_kind = 1;
         s.m_textSize = 0.123;
     },
     {{1059, true}, {1046, false}, {1043, true}}},
};

class PaletteEnableTest : public PaletteFixture,
                          public ::testing::WithParamInterface<EnableCase> {};

TEST_P(PaletteEnableTest, ControlsFollowTheStyle) {
    const EnableCase& c = GetParam();
    CRedlineDlg* palette = Open(c.page == 0 ? 0 : 7);
    ASSERT_NE(palette, nullptr);
    c.set(palette->m_style);
    CRedStylePage* page = palette->TabCtrl()->Page(c.page);
    page->RefreshControls();
    for (const auto& [id, enabled] : c.enabled) {
        const QWidget* control = Control(page, id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->isEnabled(), enabled) << "control " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, PaletteEnableTest, ::testing::ValuesIn(kEnableCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(RedlinePaletteTest, WhileAMarkupIsDrawnAChangeReachesTheDocumentAndItsKeyAtOnce) {
    CRedlineDlg* palette = Open(10);
    CRedShapePage* shapes = palette->TabCtrl()->ShapePage();
    Control<QAbstractButton>(shapes, 5004)->click();
    EXPECT_FALSE(StoredKey(m_profile, "PENCOLOR2").isValid()) << "no markup in progress";
    EXPECT_NE(m_document.m_style.m_redPenColor, 0x00FF00u);

    m_view.m_pTool = std::make_unique<PaletteMark>();
    Control<QAbstractButton>(shapes, 5006)->click();
    EXPECT_EQ(StoredKey(m_profile, "PENCOLOR2").toInt(), 0xFF0000);
    EXPECT_EQ(m_document.m_style.m_redPenColor, 0xFF0000u);
    auto* types = Control<QComboBox>(shapes, 1046);
    types->setCurrentIndex(4);
    emit types->activated(4);
    EXPECT_EQ(StoredKey(m_profile, "PAINTTYPE").toInt(), 4);
    EXPECT_EQ(m_document.m_style.m_redFillType, 4);
    EXPECT_NE(m_view.m_pTool, nullptr) << "the markup goes on";
}

TEST_F(RedlinePaletteTest, ALeaderTextChangeWhileDrawingGivesTheDocumentItsFrame) {
    CRedlineDlg* palette = Open(1);
    m_view.m_pTool = std::make_unique<PaletteMark>();
    Control<QAbstractButton>(palette->TabCtrl()->TextPage(), 1182)->click();
    EXPECT_EQ(palette->m_style.m_boxFrame, 1);
    EXPECT_EQ(m_document.m_style.m_labelFrame, 1);
    EXPECT_EQ(StoredKey(m_profile, "BOXFRAME").toInt(), 1);
}

TEST_F(RedlinePaletteTest, EditModeWithoutAMarkupTurnsEveryInputOff) {
    CRedlineDlg* palette = Open(10);
    palette->SetEditMode(1);
    const CRedShapePage* page = palette->TabCtrl()->ShapePage();
    for (int id : {1057, 1037, 1062, 1058, 1045, 1039, 1040, 1041, 5000, 5019})
        EXPECT_FALSE(Control(page, id)->isEnabled()) << id;
    EXPECT_EQ(Control<QComboBox>(page, 1045)->currentText(), QStringLiteral("0.00"));
    EXPECT_FALSE(page->KindButton(10)->GetLatched());
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
}

TEST_F(RedlinePaletteTest, ASeeThroughNoteOffersItsFrameUntilAnotherIsChosen) {
    CRedlineDlg* palette = Open(5);
    palette->m_style.m_noteFrameType = 3;
    CRedShapePage* page = palette->TabCtrl()->ShapePage();
    page->RefreshControls();
    auto* types = Control<QComboBox>(page, 1046);
    EXPECT_EQ(types->count(), 4);
    types->setCurrentIndex(0);
    emit types->activated(0);
    EXPECT_EQ(palette->m_style.m_noteFrameType, 0);
    EXPECT_EQ(types->count(), 3);
}

TEST_F(RedlinePaletteTest, TheBackgroundSwatchIsNeverStoredAsAPaintColour) {
    CRedlineDlg* palette = Open(10);
    palette->m_style.m_paintType = 1;
    CRedShapePage* page = palette->TabCtrl()->ShapePage();
    page->RefreshControls();
    Control<QAbstractButton>(page, 5019)->click();
    EXPECT_EQ(palette->m_style.m_paintColor, CPaletteStyle::kBackground);
    ASSERT_EQ(palette->ValidatePage(), 1);
    EXPECT_FALSE(StoredKey(m_profile, "PAINTCOLOR2").isValid());
    EXPECT_EQ(m_document.m_style.m_redFillColor, CPaletteStyle::kBackground);
}

TEST_F(RedlinePaletteTest, TheLayerSeparatorLeavesTheLayerName) {
    CRedlineDlg* palette = Open(7);
    const CString before = palette->m_style.m_layerName;
    auto* layers = Control<QComboBox>(palette->TabCtrl()->ShapePage(), 1057);
    const int separator = layers->findText(QStringLiteral("---図面内画層---"));
    ASSERT_GE(separator, 0);
    layers->setCurrentIndex(separator);
    emit layers->activated(separator);
    EXPECT_EQ(palette->m_style.m_layerName, before);
    EXPECT_EQ(layers->currentText(), before.ToQString());
    EXPECT_TRUE(m_dialogs.Messages().size() == 1) << "only the read-only question";
}

TEST_F(RedlinePaletteTest, ATabClickInDrawModeLeavesNoKindAndNoTool) {
    CRedlineDlg* palette = Open(7);
    QTabBar* bar = palette->TabCtrl()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(palette->TabCtrl()->CurrentPage(), 0);
    EXPECT_EQ(palette->m_style.m_kind, -1);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
    EXPECT_EQ(palette->TabCtrl()->tabBar()->tabTextColor(0), QColor(0xFF, 0, 0));
}

TEST_F(RedlinePaletteTest, ATypedPresetSizeSelectsItsEntryAndLeavingNumberModeKeepsIt) {
    CRedlineDlg* palette = Open(0);
    const CRedTextPage* page = palette->TabCtrl()->TextPage();
    auto* numeric = Control<QCheckBox>(page, 1059);
    auto* sizes = Control<QComboBox>(page, 1046);
    auto* edit = Control<QLineEdit>(page, 1043);
    numeric->click();
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_FALSE(sizes->isEnabled());
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("0.02"));
    EXPECT_EQ(sizes->currentIndex(), -1);
    EXPECT_DOUBLE_EQ(palette->m_style.m_textSize, 0.02);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("0.013"));
    EXPECT_EQ(sizes->currentIndex(), 1) << "the standard preset of a drawing one unit high";
    numeric->click();
    EXPECT_FALSE(numeric->isChecked());
    EXPECT_EQ(sizes->currentIndex(), 1);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_TRUE(m_dialogs.Messages().size() == 1) << "only the read-only question";
}

TEST_F(RedlinePaletteTest, LeavingNumberModeWithAnotherSizeTakesTheStandardPreset) {
    CRedlineDlg* palette = Open(4);
    const CRedTextPage* page = palette->TabCtrl()->TextPage();
    auto* edit = Control<QLineEdit>(page, 1042);
    Control<QCheckBox>(page, 1060)->click();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("0.5"));
    Control<QCheckBox>(page, 1060)->click();
    EXPECT_EQ(Control<QComboBox>(page, 1047)->currentIndex(), 1);
    EXPECT_DOUBLE_EQ(palette->m_style.m_arrowSize, palette->m_style.m_arrowPresets[1]);
    EXPECT_EQ(edit->text(), QStringLiteral("0.013"));
}

TEST_F(RedlinePaletteTest, ASizeBeyondTheDrawingIsRefusedAsTyped) {
    CRedlineDlg* palette = Open(0);
    const CRedTextPage* page = palette->TabCtrl()->TextPage();
    auto* edit = Control<QLineEdit>(page, 1043);
    Control<QCheckBox>(page, 1059)->click();
    const double before = palette->m_style.m_textSize;
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("2"));
    EXPECT_EQ(LastMessage(), CString::FromUtf8("範囲外の値です。"));
    EXPECT_DOUBLE_EQ(palette->m_style.m_textSize, before);
    EXPECT_EQ(edit->text(), QStringLiteral("0.013"));
}

TEST_F(RedlinePaletteTest, TheEditModeButtonSwitchesModesUnlessRedlinesStayHidden) {
    CRedlineDlg* palette = Open(7);
    auto* button = Control<QAbstractButton>(palette, 1080);
    button->click();
    EXPECT_EQ(palette->EditMode(), 1);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
    m_settings.m_showRedlines = 0;
    button->click();
    EXPECT_EQ(palette->EditMode(), 1) << "the user kept the redlines hidden";
    m_settings.m_showRedlines = 1;
    button->click();
    EXPECT_EQ(palette->EditMode(), 0);
    EXPECT_EQ(palette->m_style.m_kind, -1);
}

// ---- The checks of a page and their messages.

struct CheckCase {
    std::string name;
    int kind;
    std::function<void(CRedStylePage&)> type;
    const char* message; // null: accepted
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.name;
}

void TypePenWidth(CRedStylePage& page, const char* text) {
    Control<QComboBox>(&page, 1045)->setEditText(QString::fromUtf8(text));
}

void TypeSize(CRedStylePage& page, int id, const char* text) {
    Control<QLineEdit>(&page, id)->setText(QString::fromUtf8(text));
}

constexpr const char* kPenRange = "範囲外の線幅です。0.00～2.11の範囲を入力してください。";

const CheckCase kCheckCases[] = {
    {"PenWidthAtTheLimitIsAccepted", 7, [](CRedStylePage& p) { TypePenWidth(p, "2.11"); }, nullptr},
    {"PenWidthAboveTheLimit", 7, [](CRedStylePage& p) { TypePenWidth(p, "2.12"); }, kPenRange},
    {"NegativePenWidth", 7, [](CRedStylePage& p) { TypePenWidth(p, "-0.01"); }, kPenRange},
    {"LeaderPenWidthAboveTheLimit", 0, [](CRedStylePage& p) { TypePenWidth(p, "2.12"); },
     kPenRange},
    {"EmptyLayer", 7, [](CRedStylePage& p) { Control<QComboBox>(&p, 1057)->setEditText({}); },
     "画層名を入力してください。"},
    {"MendedHiddenLayerInAnotherCase", 7,
     [](CRedStylePage& p) { Control<QComboBox>(&p, 1057)->setEditText(QStringLiteral("ACROSS")); },
     "指定した画層は、現在表示がOFFになっています。\n表示をONにするか、別の画層名を指定してください"
     "。"},
    {"NoteWithoutText", 5, [](CRedStylePage& p) { Control<QPlainTextEdit>(&p, 1037)->clear(); },
     "文字列を入力してください。"},
    {"TextSizeZero", 0, [](CRedStylePage& p) { TypeSize(p, 1043, "0"); },
     "範囲外の文字サイズです。"},
    {"TextSizeAboveTheDrawing", 1, [](CRedStylePage& p) { TypeSize(p, 1043, "1.001"); },
     "範囲外の文字サイズです。"},
    {"TextSizeOfTheWholeDrawing", 1, [](CRedStylePage& p) { TypeSize(p, 1043, "1.000"); }, nullptr},
    {"NoArrowOnTheBalloonIsValid", 4, [](CRedStylePage& p) { TypeSize(p, 1042, "0"); }, nullptr},
    {"NegativeArrowOnTheBalloon", 4, [](CRedStylePage& p) { TypeSize(p, 1042, "-0.001"); },
     "範囲外の矢印サイズです。"},
};

class PaletteCheckTest : public PaletteFixture, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(PaletteCheckTest, ValidationAcceptsOrSaysWhy) {
    const CheckCase& c = GetParam();
    Hide("across");
    CRedlineDlg* palette = Open(c.kind);
    ASSERT_NE(palette, nullptr);
    const std::size_t before = m_dialogs.Messages().size();
    c.type(*palette->TabCtrl()->Page(CPaletteStyle::PageOfKind(c.kind)));
    const int valid = palette->ValidatePage();
    if (!c.message) {
        EXPECT_EQ(valid, 1);
        EXPECT_EQ(m_dialogs.Messages().size(), before);
        return;
    }
    EXPECT_EQ(valid, 0);
    ASSERT_EQ(m_dialogs.Messages().size(), before + 1);
    const ScriptedDialogs::Message& message = m_dialogs.Messages().back();
    EXPECT_EQ(message.text, CString::FromUtf8(c.message));
    EXPECT_EQ(message.caption, CString("Zumeo"));
    EXPECT_EQ(message.type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
}

INSTANTIATE_TEST_SUITE_P(Inputs, PaletteCheckTest, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(RedlinePaletteTest, AValidStyleBecomesTheDocumentsAndItsKeys) {
    CRedlineDlg* palette = Open(10);
    CRedShapePage* page = palette->TabCtrl()->ShapePage();
    Control<QAbstractButton>(page, 5002)->click();
    TypePenWidth(*page, "0.35");
    ASSERT_EQ(palette->ValidatePage(), 1);
    EXPECT_EQ(m_document.m_style.m_redPenColor, 0x0000FFu);
    EXPECT_EQ(m_document.m_style.m_redPenWidth, 35);
    EXPECT_EQ(m_document.m_markupKind, 10);
    EXPECT_EQ(StoredKey(m_profile, "PENCOLOR2").toInt(), 0x0000FF);
    EXPECT_EQ(StoredKey(m_profile, "PENWIDTH2").toString(), QStringLiteral("0.35"));
    EXPECT_EQ(StoredKey(m_profile, "KIND2").toInt(), 10);
}

TEST_F(RedlinePaletteTest, MendedTextFieldsTakeTheInputMethodAndNumberFieldsDoNot) {
    CRedlineDlg* palette = Open(0);
    const std::pair<int, bool> textPage[] = {{1061, true},  {1058, true},  {1057, true},
                                             {1043, false}, {1042, false}, {1045, false}};
    const std::pair<int, bool> shapePage[] = {{1037, true}, {1058, true}, {1045, false}};
    const auto takes = [](const QWidget* control) {
        const auto* combo = qobject_cast<const QComboBox*>(control);
        const QWidget* field = combo && combo->lineEdit() ? combo->lineEdit() : control;
        return field->testAttribute(Qt::WA_InputMethodEnabled);
    };
    for (const auto& [id, text] : textPage)
        EXPECT_EQ(takes(Control(palette->TabCtrl()->TextPage(), id)), text) << id;
    for (const auto& [id, text] : shapePage)
        EXPECT_EQ(takes(Control(palette->TabCtrl()->ShapePage(), id)), text) << id;
}

// ---- Opening, position and see-through.

TEST_F(RedlinePaletteTest, StoredOpacityIsClampedAndTheBlendFlagNormalised) {
    const struct {
        int alpha;
        int expected;
    } cases[] = {{300, 255}, {-5, 0}, {77, 77}};
    for (const auto& c : cases) {
        CProfile::WriteProfileInt("REDDLG", "ALPHA", c.alpha);
        CProfile::WriteProfileInt("REDDLG", "BLEND", 7);
        CRedlineDlg* palette = Open(7);
        EXPECT_EQ(palette->Alpha(), c.expected) << c.alpha;
        EXPECT_EQ(palette->Blend(), 1);
        m_view.CloseRedlinePalette();
        EXPECT_EQ(StoredKey(m_profile, "BLEND").toInt(), 1);
    }
}

TEST_F(RedlinePaletteTest, AStoredPositionOffTheScreenComesBackToItsEdge) {
    CProfile::WriteProfileString("REDDLG", "POSITION", "-050 0040");
    CRedlineDlg* palette = Open(7);
    EXPECT_EQ(palette->frameGeometry().topLeft(), QPoint(0, 40));
    m_view.CloseRedlinePalette();
    CProfile::WriteProfileString("REDDLG", "POSITION", "0030 9999");
    palette = Open(7);
    EXPECT_EQ(palette->frameGeometry().topLeft(), QPoint(30, 0));
    palette->move(12, 34);
    m_view.CloseRedlinePalette();
    EXPECT_EQ(StoredKey(m_profile, "POSITION").toString(), QStringLiteral("0012 0034"));
    EXPECT_EQ(StoredKey(m_profile, "TAB").toInt(), 1);
}

// ---- Update and delete.

TEST_F(RedlinePaletteTest, UpdateOfTheSelectedMarkupIsOneUndoStep) {
    PaletteMark* mark = Mark(0x0A);
    mark->SetColor(0x000000);
    m_document.m_selection.AddTail(mark);
    CRedlineDlg* palette = Open(10);
    m_document.m_selection.AddTail(mark);
    palette->m_selected = mark;
    palette->SetEditMode(1);
    EXPECT_TRUE(Control(palette, 1079)->isEnabled());
    EXPECT_EQ(palette->TabCtrl()->CurrentPage(), 1);
    CRedShapePage* page = palette->TabCtrl()->ShapePage();
    Control<QAbstractButton>(page, 5004)->click();
    TypePenWidth(*page, "0.70");
    Control<QComboBox>(page, 1057)->setEditText(QStringLiteral("NEW"));
    Control<QAbstractButton>(palette, 1079)->click();
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
    EXPECT_EQ(mark->GetColor(), 0x00FF00u);
    EXPECT_EQ(mark->GetLineWidth(), 70);
    EXPECT_EQ(mark->GetLayerName(), CString("NEW"));
    EXPECT_EQ(m_document.m_redlineModified, 1);
    EXPECT_EQ(m_document.FindLayer("RED"), nullptr) << "the emptied layer went";
}

TEST_F(RedlinePaletteTest, MendedUpdateOfASelectedBalloonRoundsItsWidthAndUndoesInOneStep) {
    PaletteMark* balloon = Mark(0x04);
    balloon->SetColor(0x000000);
    CRedlineDlg* palette = Open(4);
    m_document.m_selection.AddTail(balloon);
    palette->m_selected = balloon;
    palette->SetEditMode(1);
    EXPECT_EQ(palette->TabCtrl()->CurrentPage(), 0);
    CRedTextPage* page = palette->TabCtrl()->TextPage();
    Control<QAbstractButton>(page, 5006)->click();
    Control<QCheckBox>(page, 1059)->click();
    TypeSize(*page, 1043, "0.5");
    TypePenWidth(*page, "0.29");
    Control<QAbstractButton>(palette, 1079)->click();
    ASSERT_EQ(m_document.m_undo.GetCount(), 1);
    EXPECT_EQ(balloon->GetColor(), 0xFF0000u);
    EXPECT_EQ(balloon->GetLineWidth(), 29) << "0.29 mm is 29, not 28";
    ASSERT_TRUE(m_document.m_undo.Undo());
    ASSERT_EQ(m_document.m_topObjects.GetCount(), 1);
    const auto* restored = static_cast<const CRukEntity*>(m_document.m_topObjects.GetHead());
    EXPECT_EQ(restored->GetColor(), 0x000000u);
    EXPECT_EQ(restored->GetLineWidth(), 0);
}

TEST_F(RedlinePaletteTest, PropertiesOpenThePaletteOnTheOnlySelectedMarkup) {
    PaletteMark* mark = Mark(0x08);
    mark->SetColor(0x00FFFF);
    m_document.m_selection.AddTail(mark);
    ASSERT_EQ(m_view.EditSelectionInPalette(), 1);
    auto* palette = dynamic_cast<CRedlineDlg*>(CRedlinePalette::Current());
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->EditMode(), 1);
    EXPECT_EQ(palette->m_selected, mark);
    EXPECT_EQ(palette->m_style.m_kind, 8);
    EXPECT_EQ(palette->m_style.m_penColor, 0x00FFFFu);
    EXPECT_TRUE(Control(palette, 1079)->isEnabled());
    EXPECT_TRUE(palette->TabCtrl()->ShapePage()->KindButton(8)->GetLatched());
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);

    m_document.m_selection.RemoveAll();
    EXPECT_EQ(m_view.EditSelectionInPalette(), 0);
    EXPECT_EQ(palette->m_selected, nullptr);
    EXPECT_EQ(palette->EditMode(), 0);
}

TEST_F(RedlinePaletteTest, MendedAMarkupDeletedBehindThePalettesBackIsNeverUpdated) {
    PaletteMark* mark = Mark(0x0A);
    CRedlineDlg* palette = Open(10);
    m_document.m_selection.AddTail(mark);
    palette->m_selected = mark;
    palette->SetEditMode(1);
    m_document.ClearSelection();
    m_document.DeleteEntity(mark);
    palette->OnUpdate();
    EXPECT_EQ(palette->m_selected, nullptr);
    EXPECT_EQ(m_document.m_undo.GetCount(), 0);
}

TEST_F(RedlinePaletteTest, APartLineLoadsNoStyleAndUpdateLeavesIt) {
    PaletteMark* mark = Mark(0x0C);
    mark->SetColor(0x000000);
    CRedlineDlg* palette = Open(7);
    m_document.m_selection.AddTail(mark);
    palette->m_selected = mark;
    palette->SetEditMode(1);
    EXPECT_EQ(palette->m_selected, nullptr);
    palette->OnUpdate();
    EXPECT_EQ(m_document.m_undo.GetCount(), 0);
    EXPECT_EQ(mark->GetColor(), 0x000000u);
}

TEST_F(RedlinePaletteTest, DeleteInDrawModeAsksAndDeletesEverySelectedMarkup) {
    PaletteMark* first = Mark(0x0A);
    PaletteMark* second = Mark(0x08);
    CRedlineDlg* palette = Open(7);
    m_document.m_selection.AddTail(first);
    m_document.m_selection.AddTail(second);
    palette->EnableButtons(0);
    ASSERT_TRUE(Control(palette, 1078)->isEnabled());
    EXPECT_FALSE(Control(palette, 1079)->isEnabled());
    m_dialogs.Answer(IDYES);
    Control<QAbstractButton>(palette, 1078)->click();
    EXPECT_EQ(LastMessage(), CString::FromUtf8("選択された朱書きを削除しますか？"));
    EXPECT_TRUE(m_document.m_topObjects.IsEmpty());
    EXPECT_TRUE(m_document.m_selection.IsEmpty());
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
    EXPECT_EQ(palette->m_style.m_kind, -1);
}

TEST_F(RedlinePaletteTest, TheCloseButtonEndsTheToolAndKeepsPageAndPosition) {
    CRedlineDlg* palette = Open(7);
    Control<QAbstractButton>(palette, 1195)->click();
    EXPECT_EQ(CRedlinePalette::Current(), nullptr);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
    EXPECT_TRUE(StoredKey(m_profile, "POSITION").isValid());
    EXPECT_EQ(StoredKey(m_profile, "TAB").toInt(), 1);
}

} // namespace
