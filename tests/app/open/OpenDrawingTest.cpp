// The view's one open dispatcher: SXF redline files over their base
// drawing, and the batch conversion of single files.
#include "app/CDrawingOpener.h"
#include "app/CPlugInList.h"
#include "app/CZumeoView.h"
#include "platform/mfc/Cp932.h"
#include "tests/app/import/ImportFixture.h"
#include "tests/support/FileNameTable.h"
#include "ui/CBatchConvListDlg.h"
#include "ui/CFolderKindDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>

#include <ostream>
#include <string>

namespace {

const char kNoBaseUtf8[] = "朱書きファイルに対する元図が見つかりません。";

struct RedNameCase {
    const char* name;
    const char* path;
    // Empty when the name is no redline file's.
    const char* base;
};

void PrintTo(const RedNameCase& c, std::ostream* os) {
    *os << c.path;
}

class RedFileNameTest : public ::testing::TestWithParam<RedNameCase> {};

TEST_P(RedFileNameTest, NameGivesItsBaseDrawing) {
    CString base = "untouched";
    const int found = CDrawingOpener::FindBaseDrawing(GetParam().path, &base);
    if (*GetParam().base == '\0') {
        EXPECT_EQ(found, 0);
        EXPECT_EQ(base, "untouched");
    } else {
        EXPECT_EQ(found, 1);
        EXPECT_EQ(base, GetParam().base);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, RedFileNameTest,
    ::testing::Values(RedNameCase{"LeapDay", "/d/plan(red)20240229-A.sfc", "/d/plan.sfc"},
                      RedNameCase{"LeapDayOfACommonYear", "/d/plan(red)20230229-A.sfc", ""},
                      RedNameCase{"CenturyIsCommon", "/d/plan(red)19000229-A.sfc", ""},
                      RedNameCase{"FourthCenturyIsLeap", "/d/plan(red)20000229-Z.sfc",
                                  "/d/plan.sfc"},
                      RedNameCase{"DigitMark", "/d/plan(red)20241231-9.p21", "/d/plan.p21"},
                      RedNameCase{"LowerCaseMark", "/d/plan(red)20240101-a.sfc", ""},
                      RedNameCase{"NoHyphen", "/d/plan(red)20240101_A.sfc", ""},
                      RedNameCase{"ShortDate", "/d/plan(red)2024011-A.sfc", ""},
                      RedNameCase{"LongTail", "/d/plan(red)20240101-AB.sfc", ""},
                      RedNameCase{"MonthThirteen", "/d/plan(red)20241301-A.sfc", ""},
                      RedNameCase{"AprilThirtyFirst", "/d/plan(red)20240431-A.sfc", ""},
                      RedNameCase{"DayZero", "/d/plan(red)20240100-A.sfc", ""},
                      RedNameCase{"NoBaseStem", "/d/(red)20240101-A.sfc", ""},
                      RedNameCase{"StemWithDots", "/d/a.b(red)20240101-A.P21", "/d/a.b.P21"},
                      RedNameCase{"NoFolder", "plan(red)20240101-A.sfc", "plan.sfc"},
                      // 照明(red)20240229-A.sfc: the Japanese stem stays whole.
                      RedNameCase{"JapaneseStem", "/d/\xE7\x85\xA7\xE6\x98\x8E(red)20240229-A.sfc",
                                  "/d/\xE7\x85\xA7\xE6\x98\x8E.sfc"}),
    [](const ::testing::TestParamInfo<RedNameCase>& info) { return info.param.name; });

class OpenDrawingTest : public ImportFixture {
protected:
    OpenDrawingTest() {
        m_document.SetSettings(&m_settings);
        m_plugIns.Scan(GetProgramDir());
        m_view.SetPlugIns(&m_plugIns);
        m_view.resize(200, 200);
        m_view.SetDocument(&m_document);
        m_previousFolder = QDir::currentPath();
    }
    ~OpenDrawingTest() override { QDir::setCurrent(m_previousFolder); }

    int ObjectsOfOpening(const char* fixture) {
        CZumeoDoc document;
        document.SetSettings(&m_settings);
        const std::string name = std::string("alone_") + fixture;
        EXPECT_EQ(document.ImportSxfDrawing(CopyFixture("sxf", fixture, name.c_str())), 1);
        return static_cast<int>(document.m_objects.GetCount());
    }

    CDrawDefaults m_settings;
    CPlugInList m_plugIns;
    CZumeoView m_view{m_settings};
    QString m_previousFolder;
};

TEST_F(OpenDrawingTest, RedFileOpensItsBaseDrawingAndAddsItself) {
    const int base = ObjectsOfOpening("twin_basic.sfc");
    const int red = ObjectsOfOpening("curves.sfc");
    CopyFixture("sxf", "twin_basic.sfc", "plan.sfc");
    const CString redPath = CopyFixture("sxf", "curves.sfc", "plan(red)20240229-A.sfc");

    ASSERT_EQ(m_view.OpenDrawing(redPath), 1);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_document.m_drawingPath, PathOf("plan.sfc"));
    EXPECT_EQ(m_document.m_objects.GetCount(), base + red);
    // The SXF reader ran in the drawing's folder.
    EXPECT_EQ(QDir::current(), QDir(m_folder.path()));
}

TEST_F(OpenDrawingTest, RedFileFindsTheBaseOfTheOtherSxfExtension) {
    CopyFixture("sxf", "twin_basic.p21", "plan.p21");
    const CString redPath = CopyFixture("sxf", "curves.sfc", "plan(red)20240229-A.sfc");
    ASSERT_EQ(m_view.OpenDrawing(redPath), 1);
    EXPECT_EQ(m_document.m_drawingPath, PathOf("plan.p21"));
}

TEST_F(OpenDrawingTest, RedFileWithoutItsBaseIsReported) {
    const CString redPath = CopyFixture("sxf", "curves.sfc", "plan(red)20240229-A.sfc");
    EXPECT_EQ(m_view.OpenDrawing(redPath), 0);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text, CString(Cp932::FromUtf8(kNoBaseUtf8)));
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
}

TEST_F(OpenDrawingTest, NameOfAnInvalidDateOpensAsAnOrdinaryDrawing) {
    CopyFixture("sxf", "twin_basic.sfc", "plan.sfc");
    const CString path = CopyFixture("sxf", "curves.sfc", "plan(red)20230229-A.sfc");
    ASSERT_EQ(m_view.OpenDrawing(path), 1);
    EXPECT_EQ(m_document.m_drawingPath, path);
    EXPECT_EQ(m_document.m_objects.GetCount(), ObjectsOfOpening("curves.sfc"));
}

const char kLeftOutReportUtf8[] = "次の図面は一部の要素を読み込めませんでした。";

CString LeftOutMessage(int count) {
    return CString::FromUtf8(
        ("図面の " + std::to_string(count) + " 個の要素を読み込めませんでした。").c_str());
}

TEST_F(OpenDrawingTest, DrawingWithItemsLeftOutTellsOnceHowMany) {
    const CString path = CopyFixture("sxf", "left_out.sfc", "plan.sfc");
    ASSERT_EQ(m_view.OpenDrawing(path), 1);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text, LeftOutMessage(2));
    // Told once: nothing is left to tell after the next, whole drawing.
    ASSERT_EQ(m_view.OpenDrawing(CopyFixture("sxf", "curves.sfc", "whole.sfc")), 1);
    EXPECT_EQ(m_dialogs.Messages().size(), 1u);
}

// The base drawing and the red file merged into it are one opening: one
// message counts what both left out.
TEST_F(OpenDrawingTest, RedFileAndItsBaseTellWhatBothLeftOutInOneMessage) {
    CopyFixture("sxf", "left_out.p21", "plan.p21");
    const CString redPath = CopyFixture("sxf", "left_out.sfc", "plan(red)20240229-A.sfc");
    ASSERT_EQ(m_view.OpenDrawing(redPath), 1);
    EXPECT_EQ(m_document.m_drawingPath, PathOf("plan.p21"));
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text, LeftOutMessage(4));
}

TEST_F(OpenDrawingTest, FileOfNoKnownKindIsNotOpened) {
    const CString path = WriteDrawing("notes.txt", std::vector<BYTE>{'h', 'i'});
    EXPECT_EQ(m_view.OpenDrawing(path), 0);
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
}

// ---- Batch conversion of one file.

class ConvertFileTest : public OpenDrawingTest {
protected:
    ConvertFileTest() {
        m_source = CopyFixture("sxf", "twin_basic.sfc", "plan.sfc");
        EXPECT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("out")));
        m_output = PathOf("out/");
    }

    CString OutputFile() const { return m_output + "plan.zmd"; }

    static std::vector<BYTE> OldOutput() { return {'o', 'l', 'd'}; }
    void WriteOldOutput() const { WriteBytes(OutputFile(), OldOutput()); }

    // The folder dialog of a batch run: the test's folder, its SXF drawings.
    void AnswerFolderWithItsSxfDrawings() {
        m_dialogs.AnswerDialog([&](QDialog& folder) {
            folder.findChild<QLineEdit*>("id_1024")->setText(m_folder.path());
            auto* kinds = folder.findChild<QComboBox*>("id_1026");
            kinds->setCurrentIndex(kinds->findData(6));
            folder.accept();
            return folder.result();
        });
    }

    CString m_source;
    CString m_output;
};

TEST_F(ConvertFileTest, DrawingBecomesAnOwnDrawingFileAndTheDocumentEmpties) {
    EXPECT_EQ(m_view.ConvertFileWorker(m_source, m_output, false), CZumeoView::kConverted);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(CCommonDoc::GetFileKind(OutputFile()), 1);
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
    EXPECT_TRUE(m_document.m_drawingPath.IsEmpty());
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenNew);

    CZumeoDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(OutputFile().c_str()));
    EXPECT_EQ(reopened.m_objects.GetCount(), ObjectsOfOpening("twin_basic.sfc"));
}

struct OverwriteCase {
    const char* name;
    bool overwriteAll;
    // The answer to the question, 0 when none may be asked.
    int answer;
    CZumeoView::ConvertResult result;
    bool replaced;
};

void PrintTo(const OverwriteCase& c, std::ostream* os) {
    *os << c.name;
}

class OverwriteTest : public ConvertFileTest,
                      public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(OverwriteTest, ExistingOutputIsReplacedOnlyWhenAllowed) {
    WriteOldOutput();
    if (GetParam().answer != 0)
        m_dialogs.Answer(GetParam().answer);
    EXPECT_EQ(m_view.ConvertFileWorker(m_source, m_output, GetParam().overwriteAll),
              GetParam().result);
    if (GetParam().answer == 0) {
        EXPECT_TRUE(m_dialogs.Messages().empty());
    } else {
        ASSERT_EQ(m_dialogs.Messages().size(), 1u);
        EXPECT_EQ(m_dialogs.Messages()[0].text,
                  OutputFile() + CString(Cp932::FromUtf8(" は既に存在します。\n上書きしますか？")));
        EXPECT_EQ(m_dialogs.Messages()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
    }
    EXPECT_EQ(ReadBytes(OutputFile()) != OldOutput(), GetParam().replaced);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, OverwriteTest,
    ::testing::Values(OverwriteCase{"Yes", false, IDYES, CZumeoView::kConverted, true},
                      OverwriteCase{"No", false, IDNO, CZumeoView::kSkipped, false},
                      OverwriteCase{"Cancel", false, IDCANCEL, CZumeoView::kStopBatch, false},
                      OverwriteCase{"OverwriteAll", true, 0, CZumeoView::kConverted, true}),
    [](const ::testing::TestParamInfo<OverwriteCase>& info) { return info.param.name; });

TEST_F(ConvertFileTest, UnreadableDrawingIsNoConversion) {
    const CString broken = CopyFixture("sxf", "no_sheet.sfc", "broken.sfc");
    EXPECT_EQ(m_view.ConvertFileWorker(broken, m_output, false), CZumeoView::kFailed);
    EXPECT_FALSE(FileExists(m_output + "broken.zmd"));
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
}

TEST_F(ConvertFileTest, MendedOutputFolderWithoutSeparatorHoldsTheFile) {
    EXPECT_EQ(m_view.ConvertFileWorker(m_source, PathOf("out"), false), CZumeoView::kConverted);
    EXPECT_EQ(CCommonDoc::GetFileKind(OutputFile()), 1);
    EXPECT_FALSE(FileExists(PathOf("outplan.zmd")));
}

// The command's two dialogs over the view's worker: a refused overwrite of
// the first file stops the batch before the second.
TEST_F(ConvertFileTest, RefusedOverwriteStopsTheBatch) {
    CopyFixture("sxf", "twin_basic.sfc", "plan2.sfc");
    WriteOldOutput();
    int listResult = -1;
    AnswerFolderWithItsSxfDrawings();
    m_dialogs.AnswerDialog([&](QDialog& dialog) {
        auto& list = static_cast<CBatchConvListDlg&>(dialog);
        list.findChild<QLineEdit*>("id_1026")->setText(m_output.ToFilePath());
        list.findChild<QCheckBox*>("id_1122")->setChecked(false);
        m_dialogs.Answer(IDYES);
        m_dialogs.Answer(IDCANCEL);
        list.OnStart();
        listResult = list.result();
        return listResult;
    });
    m_view.OnBatchConvert();
    EXPECT_EQ(listResult, 0);
    EXPECT_EQ(ReadBytes(OutputFile()), OldOutput());
    EXPECT_FALSE(FileExists(m_output + "plan2.zmd"));
    EXPECT_EQ(m_dialogs.DialogsShown(), 2);
}

TEST_F(ConvertFileTest, DrawingWithItemsLeftOutConvertsSilentlyAndSaysSo) {
    const CString partial = CopyFixture("sxf", "left_out.sfc", "part.sfc");
    EXPECT_EQ(m_view.ConvertFileWorker(partial, m_output, false),
              CZumeoView::kConvertedWithLeftOut);
    EXPECT_EQ(CCommonDoc::GetFileKind(m_output + "part.zmd"), 1);
    EXPECT_EQ(m_view.PrintFileWorker(partial), CZumeoView::PrintResult::kPrintedWithLeftOut);
    EXPECT_TRUE(FileExists(PathOf("part.pdf")));
    EXPECT_TRUE(m_dialogs.Messages().empty());
    // What the workers left untold does not reach the next opening.
    ASSERT_EQ(m_view.OpenDrawing(m_source), 1);
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

// A batch tells nothing per file: the drawing with items left out is named
// in the list's report when the loop ends.
TEST_F(ConvertFileTest, BatchNamesTheDrawingWithItemsLeftOutWhenItEnds) {
    CopyFixture("sxf", "left_out.sfc", "part.sfc");
    AnswerFolderWithItsSxfDrawings();
    m_dialogs.AnswerDialog([&](QDialog& dialog) {
        auto& list = static_cast<CBatchConvListDlg&>(dialog);
        list.findChild<QLineEdit*>("id_1026")->setText(m_output.ToFilePath());
        m_dialogs.Answer(IDYES);
        list.OnStart();
        return list.result();
    });
    m_view.OnBatchConvert();
    EXPECT_EQ(CCommonDoc::GetFileKind(m_output + "part.zmd"), 1);
    EXPECT_EQ(CCommonDoc::GetFileKind(OutputFile()), 1);
    // The question to start, then the report.
    ASSERT_EQ(m_dialogs.Messages().size(), 2u);
    EXPECT_EQ(m_dialogs.Messages()[1].text, CString::FromUtf8(kLeftOutReportUtf8) + "\npart.sfc");
}

TEST_F(ConvertFileTest, ContinuousPrintOfOneFilePrintsItAndEmptiesTheDocument) {
    // The layer bar is told each time: the loaded drawing's layers, then none.
    int layerBarRefreshes = 0;
    m_view.SetLayerBarRefresh([&] { ++layerBarRefreshes; });
    // The orientation and range are chosen per drawing; the user's own come
    // back.
    m_settings.m_printLandscape = 5;
    m_settings.m_printRange = 0;
    EXPECT_EQ(m_view.PrintFileWorker(m_source), CZumeoView::PrintResult::kPrinted);
    EXPECT_EQ(m_settings.m_printLandscape, 5);
    EXPECT_EQ(m_settings.m_printRange, 0);
    EXPECT_EQ(layerBarRefreshes, 2);
    EXPECT_TRUE(FileExists(PathOf("plan.pdf")));
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenNew);
}

TEST_F(ConvertFileTest, ContinuousPrintPassesOverAnUnreadableFile) {
    const CString broken = CopyFixture("sxf", "no_sheet.sfc", "broken.sfc");
    EXPECT_EQ(m_view.PrintFileWorker(broken), CZumeoView::PrintResult::kNotPrinted);
    EXPECT_FALSE(FileExists(PathOf("broken.pdf")));
}

// Without a printer the page goes to a PDF file beside the drawing; a file
// that cannot be written there is no print.
TEST_F(ConvertFileTest, MendedContinuousPrintThatCannotWriteItsFileIsNoPrint) {
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("plan.pdf")));
    EXPECT_EQ(m_view.PrintFileWorker(m_source), CZumeoView::PrintResult::kNotPrinted);
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
}

// Mended: batch conversion and continuous printing take drawings of every
// name by their extension, and name their output after them.
class NamedFileWorkerTest : public ConvertFileTest,
                            public ::testing::WithParamInterface<FileNameCase> {};

TEST_P(NamedFileWorkerTest, DwgConvertsAndDxfPrintsUnderItsName_Mended) {
    m_settings.m_converterPath = WriteFolderFormConverter();
    const std::string stem = GetParam().stem;
    const CString dwg = CopyFixture("dxf", "minimal_line.dxf", (stem + ".dwg").c_str());
    EXPECT_EQ(m_view.ConvertFileWorker(dwg, m_output, false), CZumeoView::kConverted)
        << ::testing::PrintToString(m_dialogs.Messages().size());
    EXPECT_EQ(CCommonDoc::GetFileKind(m_output + (stem + ".zmd").c_str()), 1);
    const CString dxf = CopyFixture("dxf", "minimal_line.dxf", (stem + ".Dxf").c_str());
    EXPECT_EQ(m_view.PrintFileWorker(dxf), CZumeoView::PrintResult::kPrinted);
    EXPECT_TRUE(FileExists(PathOf((stem + ".pdf").c_str())));
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Names, NamedFileWorkerTest, ::testing::ValuesIn(kFileNames),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
