#include "app/CLayerBar.h"
#include "app/CMainFrame.h"
#include "app/CSplashWnd.h"
#include "app/CToolDlgBar.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CommandIds.h"
#include "app/QtTranslations.h"
#include "controls/CHoverButton.h"
#include "controls/CLayerCheckListBox.h"
#include "platform/gdi/FontSubstitutions.h"
#include "platform/mfc/Cp932.h"
#include "platform/win/CKeyState.h"
#include "platform/win/CProfile.h"
#include "tests/support/RedRectangleMetafile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SplashOff.h"
#include "tests/support/TempProfile.h"
#include "ui/CAboutDlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <unistd.h>

namespace {

CString Sjis(const char* utf8) {
    return CString(Cp932::FromUtf8(utf8));
}

class FakePrinters final : public CPrinterInfoSource {
public:
    explicit FakePrinters(QString name) : m_name(std::move(name)) {}
    QString DefaultPrinterName() const override { return m_name; }
    std::vector<CPaperInfo> Papers(const QString&) const override {
        return {{9, QStringLiteral("A4"), POINT{2100, 2970}},
                {8, QStringLiteral("A3"), POINT{2970, 4200}}};
    }
    QMarginsF Margins(const QString&) const override { return QMarginsF(4, 5, 6, 7); }

private:
    QString m_name;
};

// An executable shell script with that body.
void WriteProgram(const QString& path, const QByteArray& body) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

class ZumeoAppTest : public ::testing::Test {
protected:
    SplashOff m_splashOff;
    TempProfile profile;
    ScriptedDialogs dialogs;
    CZumeoApp app;
};

TEST_F(ZumeoAppTest, AMissingFileIsReportedOnceAndAnEmptyDocumentOpens) {
    const QString missing = QStringLiteral("/nonexistent/図面.dxf");
    ASSERT_EQ(app.InitInstance({QFile::encodeName(missing)}), CZumeoApp::kRun);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text.ToQString(),
              missing + QStringLiteral(" は存在しません。"));
    ASSERT_NE(app.GetDocument(), nullptr);
    EXPECT_TRUE(app.GetDocument()->m_objects.IsEmpty());
    EXPECT_TRUE(app.GetDocument()->m_drawingPath.IsEmpty());
    ASSERT_NE(app.GetMainFrame(), nullptr);
    EXPECT_TRUE(app.GetMainFrame()->isVisible());
    app.ExitInstance();
}

// The DXF plug-in is built beside this test program.
TEST_F(ZumeoAppTest, ADrawingOnTheCommandLineOpensThroughItsPlugIn) {
    QTemporaryDir folder;
    const QString drawing = folder.path() + QStringLiteral("/simple.dxf");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"), drawing));
    ASSERT_EQ(app.InitInstance({QFile::encodeName(drawing)}), CZumeoApp::kRun);
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_FALSE(app.GetDocument()->m_objects.IsEmpty());
    CMainFrame* frame = app.GetMainFrame();
    EXPECT_GT(frame->LayerBar()->LayerList()->count(), 0);
    EXPECT_TRUE(frame->ToolBar()->Button(CToolDlgBar::kCopyAll)->isEnabled());
    EXPECT_EQ(app.m_recentFiles.GetSize(), 1);
    app.ExitInstance();
}

struct NameCase {
    const char* name;
    QByteArray fileName;
};

// Failures name the case, not its bytes.
void PrintTo(const NameCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class ZumeoAppNameTest : public ZumeoAppTest, public ::testing::WithParamInterface<NameCase> {};

// Every file the program touches is the one named: the drawing opens, and
// its work file takes the drawing's own name, not one squeezed through CP932.
TEST_P(ZumeoAppNameTest, ADrawingOfAnyNameOpensAsItself_Mended) {
    QTemporaryDir folder;
    const QByteArray base = QFile::encodeName(folder.path()) + '/';
    const QByteArray drawing = base + GetParam().fileName + ".dxf";
    {
        QFile source(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        FILE* out = std::fopen(drawing.constData(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out);
        std::fclose(out);
    }
    ASSERT_EQ(app.InitInstance({drawing}), CZumeoApp::kRun);
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_FALSE(app.GetDocument()->m_objects.IsEmpty());
    EXPECT_EQ(app.GetDocument()->m_drawingPath.str(), drawing.toStdString());
    EXPECT_FALSE(app.GetDocument()->IsReadOnly());
    const std::string work = (base + GetParam().fileName + ".$$$").toStdString();
    EXPECT_EQ(::access(work.c_str(), F_OK), 0);
    // Nothing else was made beside them.
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(base.toStdString())) {
        EXPECT_TRUE(
            entry.path().filename().string().starts_with(GetParam().fileName.toStdString()));
        ++entries;
    }
    EXPECT_EQ(entries, 2u);
    app.ExitInstance();
}

INSTANTIATE_TEST_SUITE_P(
    Names, ZumeoAppNameTest,
    ::testing::Values(NameCase{"Accent", "caf\xC3\xA9"}, NameCase{"Emoji", "plan\xF0\x9F\x93\x90"},
                      NameCase{"Korean", "\xEB\x8F\x84\xEB\xA9\xB4"},
                      NameCase{"InvalidUtf8", "caf\xE9"}, NameCase{"LeadingDash", "-plan"},
                      NameCase{"SpacesAndQuotes", "my \"plan\" 'a'"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST_F(ZumeoAppTest, KeysReachTheKeyStateAndTheFirstHidesTheSplash) {
    QWidget target;
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&target);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &press);
    EXPECT_FALSE(CSplashWnd::IsActive());
    EXPECT_NE(GetAsyncKeyState(VK_ESCAPE) & 0x8000, 0);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &release);
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE) & 0x8000, 0);
}

// A user's start shows the splash and waits for it; a key press ends the
// wait at once.
TEST_F(ZumeoAppTest, AStartShowsTheSplashAndWaitsUntilAKeyHidesIt) {
    CSplashWnd::EnableSplashScreen(true);
    bool shownDuringTheWait = false;
    QTimer::singleShot(0, [&shownDuringTheWait] {
        shownDuringTheWait = CSplashWnd::IsActive();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(qApp, &press);
    });
    ASSERT_EQ(app.InitInstance({}), CZumeoApp::kRun);
    EXPECT_TRUE(shownDuringTheWait);
    EXPECT_FALSE(CSplashWnd::IsActive());
    app.ExitInstance();
}

struct SplashStartCase {
    const char* name;
    bool onBeforeTheStart;
    QByteArrayList arguments;
};

void PrintTo(const SplashStartCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class ZumeoAppSplashOffTest : public ZumeoAppTest,
                              public ::testing::WithParamInterface<SplashStartCase> {};

// The command line only turns the splash off: a start without a switch
// leaves it as it was, and neither start waits.
TEST_P(ZumeoAppSplashOffTest, TheStartNeitherShowsNorWaits) {
    CSplashWnd::EnableSplashScreen(GetParam().onBeforeTheStart);
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(app.InitInstance(GetParam().arguments), CZumeoApp::kRun);
    EXPECT_LT(clock.elapsed(), CSplashWnd::kShowMilliseconds);
    EXPECT_FALSE(CSplashWnd::IsActive());
    CSplashWnd::ShowSplashScreen(app.GetMainFrame());
    EXPECT_FALSE(CSplashWnd::IsActive());
    app.ExitInstance();
}

INSTANTIATE_TEST_SUITE_P(Starts, ZumeoAppSplashOffTest,
                         ::testing::Values(SplashStartCase{"TurnedOffBeforeTheStart", false, {}},
                                           SplashStartCase{"DdeSwitch", true, {"/dde"}}),
                         [](const ::testing::TestParamInfo<SplashStartCase>& info) {
                             return std::string(info.param.name);
                         });

// Qt keeps substitutes in lower case.
TEST(FontSubstitutions, WindowsFacesAreDrawnWithTheIpaFaces) {
    InstallFontSubstitutions();
    EXPECT_EQ(QFont::substitute(QStringLiteral("ＭＳ Ｐゴシック")), QStringLiteral("ipapgothic"));
    EXPECT_EQ(QFont::substitute(QStringLiteral("ＭＳ 明朝")), QStringLiteral("ipamincho"));
    EXPECT_EQ(QFont::substitute(QStringLiteral("MS Gothic")), QStringLiteral("ipagothic"));
}

TEST_F(ZumeoAppTest, EmbeddingStartsNothing) {
    EXPECT_EQ(app.InitInstance({"/Embedding"}), CZumeoApp::kEnd);
    EXPECT_EQ(app.GetMainFrame(), nullptr);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ZumeoAppTest, RecentListsKeepTenNewestFirst) {
    for (int i = 0; i < 11; ++i)
        app.AddRecentMarkupText(CString(std::to_string(i)));
    const std::vector<CString>& list = app.m_recentTexts.m_recentMarkupTexts;
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "10");
    EXPECT_EQ(list.back(), "1");
    app.AddRecentMarkupText("5");
    EXPECT_EQ(list.front(), "5");
    EXPECT_EQ(list.size(), 10u);
    EXPECT_EQ(list[1], "10");
}

TEST_F(ZumeoAppTest, RedlineTextsAreKeptOnOneLine) {
    app.AddRecentRedlineText(Sjis("一行目\r\n二行目\n三\r四"));
    EXPECT_EQ(app.m_recentTexts.m_recentRedlineTexts.front(), Sjis("一行目¶二行目¶三¶四"));
}

TEST_F(ZumeoAppTest, EmptyTextsCountExceptTooltips) {
    app.AddRecentTooltipText("");
    EXPECT_TRUE(app.m_recentTexts.m_recentTooltipTexts.empty());
    app.AddRecentLayerName("");
    EXPECT_EQ(app.m_recentTexts.m_recentLayerNames.size(), 1u);
}

TEST_F(ZumeoAppTest, FontCharSetsOfListedAndUnknownFaces) {
    app.SetFontList({"Arial", Sjis("ＭＳ ゴシック")}, {0, 128});
    EXPECT_EQ(app.GetFontCharSet("Arial"), 0u);
    EXPECT_EQ(app.GetFontCharSet("arial"), 128u);
    EXPECT_EQ(app.GetFontCharSet("Nothing"), 128u);
}

TEST_F(ZumeoAppTest, VersionHasFourParts) {
    EXPECT_TRUE(CZumeoApp::GetFileVersionString().contains(
        QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"))));
}

TEST_F(ZumeoAppTest, AboutBoxShowsTheBuildsVersion) {
    QString shown;
    dialogs.AnswerDialog([&shown](QDialog& dialog) {
        shown = dynamic_cast<CAboutDlg&>(dialog).VersionLine();
        return 1;
    });
    app.OnAppAbout();
    EXPECT_EQ(dialogs.DialogsShown(), 1);
    // The project's version has three parts; the fourth is the build, 0.
    EXPECT_EQ(shown, QStringLiteral("Zumeo / " ZUMEO_PROJECT_VERSION ".0"));
}

TEST_F(ZumeoAppTest, PrinterDefaultsWithAPrinter) {
    app.SetPrinterInfoSource(std::make_unique<FakePrinters>(QStringLiteral("office")));
    CPrinterDefaults& printer = app.Printer();
    EXPECT_EQ(printer.SetPrinterPaper(app.m_settings, 9, 0, 0), 1);
    EXPECT_EQ(printer.GetPrinterPaper(), 9);
    EXPECT_EQ(printer.GetPrinterPaperSize().x, 0);
    EXPECT_EQ(printer.SetPrinterPaper(app.m_settings, 256, 1000, 2000), 1);
    EXPECT_EQ(printer.GetPrinterPaperSize().y, 2000);
    EXPECT_EQ(printer.SetPrinterOrientation(app.m_settings, TRUE), 1);
    EXPECT_EQ(printer.GetPrinterOrientation(), CPrinterDefaults::kLandscape);
    EXPECT_EQ(printer.GetPaperCount(QStringLiteral("office")), 2);
    EXPECT_EQ(printer.GetPapers(QStringLiteral("office")), (std::vector<WORD>{9, 8}));
    double left = 0, top = 0, right = 0, bottom = 0;
    EXPECT_TRUE(printer.GetPrinterMargins(left, top, right, bottom));
    EXPECT_EQ(bottom, 7.0);
}

TEST_F(ZumeoAppTest, WithoutAPrinterNothingChangesButTheSettings) {
    app.SetPrinterInfoSource(std::make_unique<FakePrinters>(QString()));
    CPrinterDefaults& printer = app.Printer();
    EXPECT_EQ(printer.SetPrinterOrientation(app.m_settings, TRUE), 0);
    EXPECT_EQ(app.m_settings.m_printLandscape, 1);
    EXPECT_EQ(printer.SetPrinterPaper(app.m_settings, 8, 0, 0), 0);
    EXPECT_EQ(app.m_settings.m_paperSize, 8);
    EXPECT_EQ(printer.GetPrinterPaper(), 0);
    EXPECT_EQ(printer.GetPrinterName(), QString());
    EXPECT_EQ(printer.GetPaperCount(QStringLiteral("x")), 0);
    double left = -1, top = -1, right = -1, bottom = -1;
    EXPECT_FALSE(printer.GetPrinterMargins(left, top, right, bottom));
    EXPECT_EQ(left, -1);
}

TEST_F(ZumeoAppTest, OpenDialogStartsInTheLastFolderAndShowsEachPatternOnce) {
    QTemporaryDir folder;
    const QString drawing = folder.path() + QStringLiteral("/simple.dxf");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"), drawing));
    ASSERT_EQ(app.InitInstance({}), CZumeoApp::kRun);
    CProfile::WriteProfileString("FILE", "PATH", "/earlier/folder/");
    dialogs.AnswerOpenFile(drawing);
    app.OnFileOpen();

    ASSERT_EQ(dialogs.OpenRequests().size(), 1u);
    EXPECT_EQ(dialogs.OpenRequests()[0].folder, QStringLiteral("/earlier/folder/"));
    const QStringList filters = dialogs.OpenRequests()[0].filters.split(QStringLiteral(";;"));
    EXPECT_TRUE(filters.contains(QStringLiteral("DXF ファイル(*.dxf)")))
        << filters.join('|').toStdString();
    EXPECT_FALSE(app.GetDocument()->m_objects.IsEmpty());
    EXPECT_EQ(CProfile::GetProfilePath("FILE", "PATH").ToFilePath(), folder.path() + '/');
    app.ExitInstance();
}

// The dialog opens on every drawing the program reads; DWG drawings count
// only while their converter would run.
struct ConverterCase {
    const char* name;
    // The converter setting: a path in the test's folder, or a bare name.
    const char* converter;
    bool bare;
    // Whether the file is made and may be run.
    bool executable;
    bool offersDwg;
};

void PrintTo(const ConverterCase& c, std::ostream* os) {
    *os << c.name;
}

class OpenFilterTest : public ZumeoAppTest, public ::testing::WithParamInterface<ConverterCase> {};

// Mended: a bare program name found on PATH runs, so it offers DWG drawings
// too; a file that cannot be run offers none.
TEST_P(OpenFilterTest, FirstFilterHoldsEveryDrawing_Mended) {
    QTemporaryDir folder;
    const QString converter = folder.path() + QLatin1Char('/') + GetParam().converter;
    if (GetParam().executable)
        WriteProgram(converter, "exit 0\n");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder.path()) + ':' + path);
    ASSERT_EQ(app.InitInstance({}), CZumeoApp::kRun);
    app.m_settings.m_converterPath =
        GetParam().bare ? CString(GetParam().converter) : CString::FromFilePath(converter);
    app.OnFileOpen();
    qputenv("PATH", path);
    ASSERT_EQ(dialogs.OpenRequests().size(), 1u);
    const QStringList filters = dialogs.OpenRequests()[0].filters.split(QStringLiteral(";;"));
    const QString dwg = GetParam().offersDwg ? QStringLiteral("*.dwg ") : QString();
    EXPECT_EQ(filters.first(), QStringLiteral("すべての図面 (*.zmd *.dxf ") + dwg +
                                   QStringLiteral("*.jwc *.jwk *.jww *.sfc *.p21 *.bmp *.jpg *.tif "
                                                  "*.tiff)"));
    EXPECT_EQ(filters.contains(QStringLiteral("DWG ファイル (*.dwg)")), GetParam().offersDwg);
    EXPECT_EQ(filters.last(), QStringLiteral("すべてのファイル (*)"));
    app.ExitInstance();
}

INSTANTIATE_TEST_SUITE_P(
    Converter, OpenFilterTest,
    ::testing::Values(ConverterCase{"Missing", "dwg2dxf", false, false, false},
                      ConverterCase{"Executable", "dwg2dxf", false, true, true},
                      ConverterCase{"BareNameOnPath", "zumeo-test-dwg2dxf", true, true, true},
                      ConverterCase{"BareNameNotOnPath", "zumeo-test-absent", true, false, false}),
    [](const ::testing::TestParamInfo<ConverterCase>& info) { return info.param.name; });

TEST_F(ZumeoAppTest, ACancelledOpenDialogKeepsTheFolder) {
    ASSERT_EQ(app.InitInstance({}), CZumeoApp::kRun);
    CProfile::WriteProfileString("FILE", "PATH", "/earlier/folder/");
    app.OnFileOpen();
    EXPECT_EQ(dialogs.OpenRequests().size(), 1u);
    EXPECT_EQ(CProfile::GetProfilePath("FILE", "PATH").ToFilePath(),
              QStringLiteral("/earlier/folder/"));
    app.ExitInstance();
}

TEST_F(ZumeoAppTest, AFileNoRouteCanOpenIsNamedInAMessage) {
    QTemporaryDir folder;
    const QString notes = folder.path() + QStringLiteral("/notes.txt");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM");
    file.close();
    ASSERT_EQ(app.InitInstance({}), CZumeoApp::kRun);
    EXPECT_FALSE(app.OpenDocumentFile(CString::FromFilePath(notes)));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(
        dialogs.Messages()[0].text.ToQString(),
        notes + QStringLiteral(" を開けません。\nこの種類のファイルを読み込む手段がありません。"));
    app.ExitInstance();
}

// Mended: a drawing named relative to the folder the program started in
// goes into the recent-file list with its absolute path.
TEST_F(ZumeoAppTest, RelativeCommandLineNameIsRememberedAbsolute_Mended) {
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"),
                            folder.path() + QStringLiteral("/simple.dxf")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const CZumeoApp::StartResult started = app.InitInstance({"simple.dxf"});
    QDir::setCurrent(previous);
    ASSERT_EQ(started, CZumeoApp::kRun);
    ASSERT_EQ(app.m_recentFiles.GetSize(), 1);
    EXPECT_EQ(app.m_recentFiles[0].ToFilePath(), folder.path() + QStringLiteral("/simple.dxf"));
    // From another folder the entry still opens the drawing.
    app.GetDocument()->ClearContents();
    EXPECT_TRUE(app.OnOpenRecentFile(CommandIds::kFileMru1));
    EXPECT_FALSE(app.GetDocument()->m_objects.IsEmpty());
    app.ExitInstance();
}

// Mended: a DWG drawing with a Japanese name opens from the command line
// through a converter in the profile, and its control file takes its name.
TEST_F(ZumeoAppTest, JapaneseDwgOnTheCommandLineConverts_Mended) {
    QTemporaryDir folder;
    const QString converter = folder.path() + QStringLiteral("/dwg2dxf");
    WriteProgram(converter, "for f in \"$1\"/*.dwg; do n=$(basename \"$f\" .dwg); "
                            "cp \"$f\" \"$2/$n.dxf\"; done\n");
    CProfile::WriteProfilePath("DREVIX", "EXEPATH", CString::FromFilePath(converter));
    const QString drawing = folder.path() + QStringLiteral("/見積.dwg");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"), drawing));
    ASSERT_EQ(app.InitInstance({QFile::encodeName(drawing)}), CZumeoApp::kRun);
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_FALSE(app.GetDocument()->m_objects.IsEmpty());
    EXPECT_EQ(app.GetDocument()->m_controlPath.ToFilePath(),
              folder.path() + QStringLiteral("/見積.zcd"));
    app.ExitInstance();
}

TEST_F(ZumeoAppTest, BitmapOpensAsTheDrawing) {
    QTemporaryDir folder;
    const QString scan = folder.path() + QStringLiteral("/scan.bmp");
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(scan, "BMP"));
    ASSERT_EQ(app.InitInstance({}), CZumeoApp::kRun);
    EXPECT_TRUE(app.OpenDocumentFile(CString::FromFilePath(scan)));
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(app.GetDocument()->m_objects.GetCount(), 1);
    EXPECT_EQ(app.GetDocument()->m_openState, CZumeoDoc::kOpenBaseImage);
    app.ExitInstance();
}

// The metafile of one red rectangle as a file.
void WriteMetafile(const QString& path) {
    const std::vector<BYTE> bytes = RedRectangleMetafile();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

// One way a user asks for a file; true when the program reports it opened.
struct OpenRoute {
    const char* name;
    bool (*open)(CZumeoApp& app, ScriptedDialogs& dialogs, const QString& path);
};

void PrintTo(const OpenRoute& route, std::ostream* os) {
    *os << route.name;
}

const OpenRoute kOpenRoutes[] = {
    {"CommandLine",
     [](CZumeoApp& app, ScriptedDialogs&, const QString& path) {
         return app.InitInstance({QFile::encodeName(path)}) == CZumeoApp::kRun &&
                app.GetDocument()->m_drawingPath == CString::FromFilePath(path);
     }},
    {"RecentFile",
     [](CZumeoApp& app, ScriptedDialogs&, const QString& path) {
         EXPECT_EQ(app.InitInstance({}), CZumeoApp::kRun);
         app.m_recentFiles.Add(CString::FromFilePath(path));
         return app.OnOpenRecentFile(CommandIds::kFileMru1);
     }},
    {"OpenDialog",
     [](CZumeoApp& app, ScriptedDialogs& dialogs, const QString& path) {
         EXPECT_EQ(app.InitInstance({}), CZumeoApp::kRun);
         dialogs.AnswerOpenFile(path);
         app.OnFileOpen();
         return app.GetDocument()->m_drawingPath == CString::FromFilePath(path);
     }},
};

class OpenRouteTest : public ZumeoAppTest, public ::testing::WithParamInterface<OpenRoute> {};

TEST_P(OpenRouteTest, MetafileOpensByEveryRoute_Mended) {
    QTemporaryDir folder;
    const QString chart = folder.path() + QStringLiteral("/chart.emf");
    WriteMetafile(chart);
    EXPECT_TRUE(GetParam().open(app, dialogs, chart));
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(app.GetDocument()->m_openState, CZumeoDoc::kOpenBaseImage);
    EXPECT_EQ(app.GetDocument()->m_objects.GetCount(), 1);
    app.ExitInstance();
}

INSTANTIATE_TEST_SUITE_P(Routes, OpenRouteTest, ::testing::ValuesIn(kOpenRoutes),
                         [](const ::testing::TestParamInfo<OpenRoute>& info) {
                             return info.param.name;
                         });

TEST_F(ZumeoAppTest, RecentFileThatNoLongerOpensSaysSoAndLeavesTheList_Mended) {
    QTemporaryDir folder;
    const QString gone = folder.path() + QStringLiteral("/gone.dxf");
    ASSERT_EQ(app.InitInstance({}), CZumeoApp::kRun);
    app.m_recentFiles.Add(CString::FromFilePath(gone));
    EXPECT_FALSE(app.OnOpenRecentFile(CommandIds::kFileMru1));
    EXPECT_EQ(app.m_recentFiles.GetSize(), 0);
    app.ExitInstance();
}

// Files dropped on the window: the first opens, after the close check.
class DropTest : public ZumeoAppTest {
protected:
    DropTest() {
        for (const char* name : {"first.dxf", "second.dxf"}) {
            const QString path = m_folder.path() + QLatin1Char('/') + QLatin1String(name);
            EXPECT_TRUE(
                QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"), path));
            m_urls << QUrl::fromLocalFile(path);
        }
    }

    void Drop() {
        QMimeData data;
        data.setUrls(m_urls);
        // The window a drop goes to is the one that took the drag's entry.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(app.GetMainFrame(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(app.GetMainFrame(), &drop);
    }

    QTemporaryDir m_folder;
    QList<QUrl> m_urls;
};

TEST_F(DropTest, OnlyTheFirstOfSeveralFilesOpens) {
    ASSERT_EQ(app.InitInstance({}), CZumeoApp::kRun);
    Drop();
    EXPECT_EQ(app.GetDocument()->m_drawingPath.ToFilePath(), m_urls.first().toLocalFile());
    EXPECT_EQ(app.m_recentFiles.GetSize(), 1);
    app.ExitInstance();
}

TEST_F(DropTest, CancelledCloseCheckKeepsTheOpenDrawing) {
    ASSERT_EQ(app.InitInstance({QFile::encodeName(m_urls.last().toLocalFile())}), CZumeoApp::kRun);
    app.GetDocument()->m_redlineModified = 1;
    dialogs.Answer(IDCANCEL);
    Drop();
    EXPECT_EQ(app.GetDocument()->m_drawingPath.ToFilePath(), m_urls.last().toLocalFile());
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    app.GetDocument()->m_redlineModified = 0;
    app.ExitInstance();
}

// The test program's folder has no help beside it.
TEST_F(ZumeoAppTest, HelpWithoutItsFolderSaysSo) {
    app.OnHelp();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_TRUE(dialogs.Messages()[0].text.ToQString().startsWith(
        QStringLiteral("ヘルプが見つかりません。")));
}

TEST(QtTranslationsTest, QtsOwnButtonsSpeakJapanese) {
    ASSERT_TRUE(InstallQtTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
}

} // namespace
