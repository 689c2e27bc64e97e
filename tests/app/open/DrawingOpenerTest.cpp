#include "app/CDrawingOpener.h"
#include "app/CDwgConverter.h"
#include "app/CImageExporter.h"
#include "app/CPdfRenderer.h"
#include "app/CPlugInList.h"
#include "entities/CRukIFrame.h"
#include "entities/CRukMFrame.h"
#include "image/CRasterImage.h"
#include "platform/gdi/CPen.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/Processes.h"
#include "por/PorRecords.h"
#include "tests/app/import/ImportFixture.h"
#include "tests/support/FileNameTable.h"
#include "tests/support/RedRectangleMetafile.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>

#include <ostream>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Route = CDrawingOpener::Route;

const char kReadErrorUtf8[] = "読み込みエラー";

struct RouteCase {
    const char* extension;
    Route route;
};

void PrintTo(const RouteCase& c, std::ostream* os) {
    *os << c.extension;
}

constexpr RouteCase kRouteCases[] = {
    {".bmp", Route::Raster},  {".JPG", Route::Raster},   {".tif", Route::Raster},
    {".Tiff", Route::Raster}, {".wmf", Route::Metafile}, {".EMF", Route::Metafile},
    {".dxf", Route::Dxf},     {".DWG", Route::Dwg},      {".jww", Route::Jwc},
    {".jwc", Route::Jwc},     {".jwk", Route::Jwc},      {".sfc", Route::Sxf},
    {".P21", Route::Sxf},     {".pdf", Route::Pdf},      {".zmd", Route::OwnFile},
};

// Plain names and names from the world, whose last byte a CP932 reader may
// pair with the dot.
std::vector<FileNameCase> RouteNames() {
    std::vector<FileNameCase> names{{"Plain", "plan"}};
    names.insert(names.end(), kFileNames.begin(), kFileNames.end());
    return names;
}

class DrawingRouteTest : public ::testing::TestWithParam<std::tuple<FileNameCase, RouteCase>> {};

// Mended: the extension chooses the route after any name.
TEST_P(DrawingRouteTest, ExtensionChoosesTheRoute_Mended) {
    CPlugInList none;
    CZumeoDoc document;
    CDrawDefaults settings;
    const CDrawingOpener opener(document, none, settings);
    const auto& [name, route] = GetParam();
    const CString path = CString("/drawings/") + name.stem + route.extension;
    EXPECT_EQ(opener.RouteOf(path), route.route);
    EXPECT_EQ(opener.IsSxfFile(path), route.route == Route::Sxf);
}

// Case names such as "Mitsumori_DWG".
std::string
RouteCaseName(const ::testing::TestParamInfo<std::tuple<FileNameCase, RouteCase>>& info) {
    return std::string(std::get<0>(info.param).label) + "_" +
           (std::get<1>(info.param).extension + 1);
}

INSTANTIATE_TEST_SUITE_P(Routes, DrawingRouteTest,
                         ::testing::Combine(::testing::ValuesIn(RouteNames()),
                                            ::testing::ValuesIn(kRouteCases)),
                         RouteCaseName);

TEST(DrawingRouteTest, NameWithoutExtensionIsAnOwnDrawing) {
    CPlugInList none;
    CZumeoDoc document;
    CDrawDefaults settings;
    const CDrawingOpener opener(document, none, settings);
    EXPECT_EQ(opener.RouteOf("/drawings/plan"), Route::OwnFile);
    EXPECT_EQ(opener.RouteOf("/drawings/folder.pdf/plan"), Route::OwnFile);
}

class DrawingOpenerTest : public ImportFixture {
protected:
    DrawingOpenerTest() { m_document.SetSettings(&m_settings); }

    int Open(const CString& path) {
        return CDrawingOpener(m_document, m_plugIns, m_settings).Open(path);
    }

    // A 2 x 3 white picture written by the program's own codecs.
    CString WriteImage(const char* name, CImageExporter::Format format) const {
        CRasterImage image;
        EXPECT_TRUE(image.Create(2, 3, 24));
        const CString path = PathOf(name);
        EXPECT_TRUE(CImageExporter::Write(image, format, path));
        return path;
    }

    QString Fixture(const char* name) const {
        return QStringLiteral(ZUMEO_TEST_DATA "/dxf/") + QString::fromUtf8(name);
    }

    // A DWG "drawing": the converters of these tests copy it as DXF.
    CString WriteDwg(const char* name) const {
        const CString path = PathOf(name);
        EXPECT_TRUE(QFile::copy(Fixture("minimal_line.dxf"), path.ToFilePath()));
        return path;
    }

    QString Folder() const { return m_folder.path(); }

    // The arguments the scripted converter noted, one a line.
    QStringList Arguments() const {
        const std::vector<BYTE> bytes = ReadBytes(PathOf("args"));
        return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : m_dialogs.Messages())
            texts.push_back(message.text.ToQString().toStdString());
        return texts;
    }

    bool FirstMessageStartsWith(const char* utf8) const {
        return !m_dialogs.Messages().empty() &&
               m_dialogs.Messages()[0].text.ToQString().startsWith(QString::fromUtf8(utf8));
    }

    CPlugInList m_plugIns;
    CDrawDefaults m_settings;
};

TEST_F(DrawingOpenerTest, BitmapBecomesOneFrameAtItsPixelSize) {
    const CString path = WriteImage("scan.bmp", CImageExporter::Format::Bmp);
    ASSERT_EQ(Open(path), 1);

    EXPECT_TRUE(m_dialogs.Messages().empty());
    ASSERT_EQ(m_document.m_objects.GetCount(), 1);
    const auto* frame = dynamic_cast<const CRukIFrame*>(m_document.m_objects.GetHead());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetImage().GetWidth(), 2);
    EXPECT_EQ(frame->GetImage().GetHeight(), 3);
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenBaseImage);
    EXPECT_EQ(m_document.m_paperSize.cx, 2000);
    EXPECT_EQ(m_document.m_paperSize.cy, 3000);
    EXPECT_EQ(m_document.m_drawingPath, path);
    EXPECT_EQ(m_document.m_controlPath, PathOf("scan.zcd"));
    EXPECT_EQ(m_document.m_workPath, PathOf("scan.$$$"));
    EXPECT_EQ(m_document.GetTitle(), "scan.bmp");
    EXPECT_EQ(frame->GetLayerName(), "0");
    EXPECT_FALSE(m_document.CanConvert());
}

TEST_F(DrawingOpenerTest, JpegAndTiffOpenAsRaster) {
    for (const auto& [name, format] : {std::pair{"photo.jpg", CImageExporter::Format::Jpeg},
                                       {"scan.tif", CImageExporter::Format::Tiff}}) {
        ASSERT_EQ(Open(WriteImage(name, format)), 1) << name;
        const auto* frame = dynamic_cast<const CRukIFrame*>(m_document.m_objects.GetHead());
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_EQ(frame->GetImage().GetHeight(), 3) << name;
    }
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

TEST_F(DrawingOpenerTest, UnreadableImageSaysSoAndLeavesTheDocumentEmpty) {
    ASSERT_EQ(Open(WriteDrawing("scan.bmp", OneLine())), 0);
    EXPECT_TRUE(FirstMessageStartsWith(kReadErrorUtf8));
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
}

TEST_F(DrawingOpenerTest, MissingFileOpensNothingSilently) {
    EXPECT_EQ(Open(PathOf("absent.bmp")), 0);
    EXPECT_EQ(m_document.OpenRaster(""), 0);
    EXPECT_EQ(m_document.OpenMetafile(PathOf("absent.emf")), 0);
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

TEST_F(DrawingOpenerTest, EnhancedMetafileOfOurWriterBecomesAFrame) {
    const CString path = WriteDrawing("chart.emf", RedRectangleMetafile());

    ASSERT_EQ(Open(path), 1);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    ASSERT_EQ(m_document.m_objects.GetCount(), 1);
    EXPECT_NE(dynamic_cast<const CRukMFrame*>(m_document.m_objects.GetHead()), nullptr);
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenBaseImage);
    EXPECT_GT(m_document.m_paperSize.cx, m_document.m_paperSize.cy);
}

TEST_F(DrawingOpenerTest, PictureStartsOnLayerZero) {
    m_document.m_curLayerName = "Scan";
    ASSERT_EQ(Open(WriteImage("scan.bmp", CImageExporter::Format::Bmp)), 1);
    EXPECT_EQ(static_cast<const CRukEntity*>(m_document.m_objects.GetHead())->GetLayerName(), "0");
    EXPECT_EQ(m_document.m_curLayerName, "0");
}

// The document's own raster route keeps the current layer.
TEST_F(DrawingOpenerTest, RasterRouteKeepsTheCurrentLayer) {
    m_document.m_curLayerName = "Scan";
    ASSERT_EQ(m_document.OpenRaster(WriteImage("scan.bmp", CImageExporter::Format::Bmp)), 1);
    EXPECT_EQ(static_cast<const CRukEntity*>(m_document.m_objects.GetHead())->GetLayerName(),
              "Scan");
}

// The drawing names the image files its frames came from.
TEST_F(DrawingOpenerTest, ImportedImageFramesListTheirFileNames) {
    CRasterImage image;
    ASSERT_TRUE(image.Create(2, 2, 24));
    const auto* packed = static_cast<const BYTE*>(GlobalLock(image.GetHandle()));
    const std::vector<BYTE> bitmap(packed, packed + GlobalSize(image.GetHandle()));
    GlobalUnlock(image.GetHandle());
    const POINT corners[] = {{0, 0}, {0, 2000}, {2000, 2000}, {2000, 0},
                             {0, 0}, {0, 2000}, {2000, 2000}, {2000, 0}};
    PorBlockWriter block;
    block.Append(MakeHeader(3003, 1000));
    for (const char* name : {"scan.bmp", ""}) {
        PorRecordBuilder frame(PorIFrame::Type);
        frame.Set(PorIFrame::Frame, corners);
        frame.PadTo(PorIFrame::FixedSize);
        frame.Set(PorIFrame::Image, bitmap);
        frame.Set(PorIFrame::Layer, "0");
        frame.Set(PorIFrame::ImageName, name);
        block.Append(frame);
    }
    block.Append(MakeEnd());
    const auto data = block.Data();
    ASSERT_EQ(Import("plan.por", std::vector<BYTE>(data.begin(), data.end())), 1);
    EXPECT_EQ(m_document.m_objects.GetCount(), 2);
    ASSERT_EQ(m_document.m_imageNames.size(), 1u);
    EXPECT_EQ(m_document.m_imageNames[0], "scan.bmp");
}

// ---- DWG through the outside converter

TEST_F(DrawingOpenerTest, DwgThroughTheFileFormConverter) {
    // The converter copies the drawing to the output it is named, after
    // noting its arguments.
    m_settings.m_converterPath =
        WriteScript("drevixcon.exe", QStringLiteral("printf '%s\\n' \"$@\" > \"") + Folder() +
                                         QStringLiteral("/args\"\ncp \"$1\" \"$2\""));
    const CString dwg = WriteDwg("plan.dwg");
    ASSERT_EQ(Open(dwg), 1) << ::testing::PrintToString(MessageTexts());

    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenImported);
    EXPECT_EQ(m_document.m_drawingPath, dwg);
    EXPECT_EQ(m_document.m_controlPath, PathOf("plan.zcd"));
    const QStringList args = Arguments();
    ASSERT_EQ(args.size(), 3);
    EXPECT_EQ(args[0], dwg.ToFilePath());
    EXPECT_TRUE(args[1].endsWith(QStringLiteral("/plan.d$$"))) << args[1].toStdString();
    EXPECT_EQ(args[2], QStringLiteral("-dxf"));
    // The output went with its private folder.
    EXPECT_FALSE(QFileInfo::exists(args[1]));
}

TEST_F(DrawingOpenerTest, DwgThroughTheFolderFormConverter) {
    m_settings.m_converterPath = WriteFolderFormConverter();
    const CString dwg = WriteDwg("plan.dwg");
    ASSERT_EQ(Open(dwg), 1) << ::testing::PrintToString(MessageTexts());

    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
    EXPECT_EQ(m_document.m_drawingPath, dwg);
    const QStringList args = Arguments();
    ASSERT_EQ(args.size(), 6);
    EXPECT_FALSE(args[0].endsWith(QLatin1Char('/')));
    EXPECT_NE(args[0], args[1]);
    EXPECT_EQ(args.mid(2), (QStringList{"ACAD2000", "DXF", "1", "1"}));
    // Both private folders are gone, the copy with them; the drawing stays.
    EXPECT_FALSE(QFileInfo::exists(args[0]));
    EXPECT_FALSE(QFileInfo::exists(args[1]));
    EXPECT_TRUE(FileExists(dwg));
}

// Mended: a converter that fails is not taken for one that worked, even when
// it leaves a file behind.
TEST_F(DrawingOpenerTest, FailingConverterIsReportedNotImported_Mended) {
    m_settings.m_converterPath =
        WriteScript("DrevixCon.exe", QStringLiteral("cp \"$1\" \"$2\"\nexit 3"));
    ASSERT_EQ(Open(WriteDwg("plan.dwg")), 0);
    EXPECT_TRUE(FirstMessageStartsWith("DWGデータがコンバートできません。"));
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
}

// Mended: a converter that writes nothing finds no stale output of an
// earlier run: the output folder is new for each conversion.
TEST_F(DrawingOpenerTest, ConverterWithoutOutputIsReported_Mended) {
    m_settings.m_converterPath = WriteScript("DrevixCon.exe", QStringLiteral("exit 0"));
    QFile stale(GetTempDir().ToFilePath() + QStringLiteral("plan.d$$"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(reinterpret_cast<const char*>(OneLine().data()),
                           static_cast<qsizetype>(OneLine().size())));
    stale.close();
    EXPECT_EQ(Open(WriteDwg("plan.dwg")), 0);
    stale.remove();
    EXPECT_TRUE(FirstMessageStartsWith("DWGデータがコンバートできません。"));
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
}

// Mended: a missing converter is named to the user instead of failing
// without a word.
TEST_F(DrawingOpenerTest, MissingConverterIsNamed_Mended) {
    m_settings.m_converterPath = PathOf("TeighaFileConverter.exe");
    ASSERT_EQ(Open(WriteDwg("plan.dwg")), 0);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_TRUE(FirstMessageStartsWith("DWGデータを開くためのコンバータが見つかりません。"));
    EXPECT_TRUE(m_dialogs.Messages()[0].text.ToQString().endsWith(
        QStringLiteral("TeighaFileConverter.exe")));
}

// Mended: the arguments go to the converter as a list, so no command-line
// buffer limits them: a long temporary folder and a long name convert.
TEST_F(DrawingOpenerTest, LongTemporaryFolderAndNameConvert_Mended) {
    const QString temp = Folder() + QStringLiteral("/") + QString(120, QLatin1Char('t'));
    ASSERT_TRUE(QDir().mkpath(temp));
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp));
    m_settings.m_converterPath = WriteFolderFormConverter();
    const std::string name = std::string(150, 'a') + "\xE8\xA6\x8B\xE7\xA9\x8D.dwg";
    const int opened = Open(WriteDwg(name.c_str()));
    qputenv("TMPDIR", previous);
    ASSERT_EQ(opened, 1) << ::testing::PrintToString(MessageTexts());
    EXPECT_TRUE(Arguments()[0].startsWith(temp + QStringLiteral("/zumeo-")));
    // The private folders went.
    EXPECT_TRUE(QDir(temp).isEmpty());
}

// Mended: when the DXF reader refuses the converter's output, the message
// names the drawing the user opened, not the converter's temporary file.
TEST_F(DrawingOpenerTest, RefusedConversionNamesTheDwg_Mended) {
    m_settings.m_converterPath =
        WriteScript("DrevixCon.exe", QStringLiteral("printf 'no drawing' > \"$2\""));
    const CString dwg = WriteDwg("\xE8\xA6\x8B\xE7\xA9\x8D.dwg"); // 見積.dwg
    ASSERT_EQ(Open(dwg), 0);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u) << ::testing::PrintToString(MessageTexts());
    EXPECT_EQ(m_dialogs.Messages()[0].text.ToQString(),
              QString::fromUtf8(kReadErrorUtf8) + QLatin1Char('\n') + dwg.ToFilePath());
}

// Mended: DWG drawings of every name convert, and their side files are
// named after the drawing.
class NamedDwgTest : public DrawingOpenerTest,
                     public ::testing::WithParamInterface<FileNameCase> {};

TEST_P(NamedDwgTest, OpensAndNamesItsSideFiles_Mended) {
    m_settings.m_converterPath = WriteFolderFormConverter();
    const std::string stem = GetParam().stem;
    const CString dwg = WriteDwg((stem + ".dwg").c_str());
    ASSERT_EQ(Open(dwg), 1) << ::testing::PrintToString(MessageTexts());
    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
    EXPECT_EQ(m_document.m_drawingPath, dwg);
    EXPECT_EQ(m_document.m_controlPath, PathOf((stem + ".zcd").c_str()));
    EXPECT_EQ(m_document.m_ownDocPath, PathOf((stem + ".zmd").c_str()));
    EXPECT_EQ(m_document.m_workPath, PathOf((stem + ".$$$").c_str()));
    EXPECT_TRUE(FileExists(m_document.m_workPath));
    EXPECT_EQ(m_document.GetTitle(), CString(stem + ".dwg"));
}

// The DXF route and the raster route under the same names.
TEST_P(NamedDwgTest, DxfAndBitmapOfTheNameOpen_Mended) {
    const std::string stem = GetParam().stem;
    const CString dxf = PathOf((stem + ".DXF").c_str());
    ASSERT_TRUE(QFile::copy(Fixture("minimal_line.dxf"), dxf.ToFilePath()));
    ASSERT_EQ(Open(dxf), 1) << ::testing::PrintToString(MessageTexts());
    EXPECT_EQ(m_document.m_controlPath, PathOf((stem + ".zcd").c_str()));
    const CString bmp = WriteImage((stem + ".Bmp").c_str(), CImageExporter::Format::Bmp);
    ASSERT_EQ(Open(bmp), 1) << ::testing::PrintToString(MessageTexts());
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenBaseImage);
    EXPECT_EQ(m_document.m_controlPath, PathOf((stem + ".zcd").c_str()));
}

INSTANTIATE_TEST_SUITE_P(Names, NamedDwgTest, ::testing::ValuesIn(kFileNames),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(DwgConverterTest, OnlyDrevixConTakesTheFileForm) {
    EXPECT_TRUE(CDwgConverter::IsFileForm("/opt/conv/DREVIXCON.EXE"));
    EXPECT_TRUE(CDwgConverter::IsFileForm("drevixcon.exe"));
    EXPECT_FALSE(CDwgConverter::IsFileForm("/opt/DrevixCon.exe/TeighaFileConverter.exe"));
    EXPECT_FALSE(CDwgConverter::IsFileForm("/opt/DrevixCon"));
    // File-system bytes: a Japanese folder before the name, and a name of
    // UTF-8 characters whose bytes CP932 would pair with the next ones.
    EXPECT_TRUE(CDwgConverter::IsFileForm("/opt/図面変換/drevixCON.exe"));
    EXPECT_FALSE(CDwgConverter::IsFileForm("/opt/ＤrevixCon.exe"));
    EXPECT_FALSE(CDwgConverter::IsFileForm("/opt/変換DrevixCon.exe"));
}

// ---- PDF through Ghostscript

class PdfOpenTest : public DrawingOpenerTest {
protected:
    // A one-page PDF of 1 x 0.5 inches with a black bar, written by Qt.
    CString WritePdf(const char* name) const {
        const CString path = PathOf(name);
        QPdfWriter writer(path.ToFilePath());
        writer.setPageSize(QPageSize(QSizeF(72, 36), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(72);
        QPainter painter(&writer);
        painter.fillRect(QRect(0, 0, 36, 18), Qt::black);
        painter.end();
        return path;
    }
};

TEST_F(PdfOpenTest, OnePagePdfOpensAsItsImage) {
    if (FindProgram("gs").IsEmpty())
        GTEST_SKIP() << "Ghostscript is not installed";
    m_settings.m_ghostscriptPath = "gs";
    const CString pdf = WritePdf("sheet.pdf");
    // A picture of the user's beside the PDF, named as Ghostscript's output
    // would have been: it stays as it is.
    const CString own = PathOf("sheet.jpg");
    WriteBytes(own, std::vector<BYTE>{'m', 'i', 'n', 'e'});

    ASSERT_EQ(Open(pdf), 1) << ::testing::PrintToString(MessageTexts());
    const auto* frame = dynamic_cast<const CRukIFrame*>(m_document.m_objects.GetHead());
    ASSERT_NE(frame, nullptr);
    // 300 dots per inch.
    EXPECT_EQ(frame->GetImage().GetWidth(), 300);
    EXPECT_EQ(frame->GetImage().GetHeight(), 150);
    EXPECT_EQ(m_document.m_drawingPath, pdf);
    EXPECT_EQ(m_document.m_controlPath, PathOf("sheet.zcd"));
    EXPECT_EQ(m_document.GetTitle(), "sheet.pdf");
    EXPECT_EQ(ReadBytes(own), (std::vector<BYTE>{'m', 'i', 'n', 'e'}));
    EXPECT_FALSE(FileExists(frame->GetImagePath()));
}

TEST_F(PdfOpenTest, MissingGhostscriptIsNamed_Mended) {
    m_settings.m_ghostscriptPath = PathOf("gs");
    ASSERT_EQ(Open(WritePdf("sheet.pdf")), 0);
    EXPECT_TRUE(FirstMessageStartsWith("PDFを開くためのGhostscript (gs) が見つかりません。"));
}

TEST_F(PdfOpenTest, GhostscriptFailureIsReported) {
    m_settings.m_ghostscriptPath = WriteScript("gs", QStringLiteral("exit 1"));
    ASSERT_EQ(Open(WritePdf("sheet.pdf")), 0);
    EXPECT_TRUE(FirstMessageStartsWith("PDFデータが変換できません。"));
    EXPECT_TRUE(m_document.m_objects.IsEmpty());
}

// A "PDF" whose rendering is no picture: the image route says so and the
// rendering is gone with its folder.
TEST_F(PdfOpenTest, UnreadableRenderingIsAReadError) {
    m_settings.m_ghostscriptPath =
        WriteScript("gs", QStringLiteral("for a; do case \"$a\" in -sOutputFile=*) echo x > "
                                         "\"${a#-sOutputFile=}\";; esac; done"));
    ASSERT_EQ(Open(WritePdf("sheet.pdf")), 0);
    EXPECT_TRUE(FirstMessageStartsWith(kReadErrorUtf8));
}

TEST(PdfRendererTest, PercentInTheOutputNameIsNoPageFormat) {
    const QStringList args = CPdfRenderer::Arguments("/tmp/zumeo-abc/100%.jpg", "/d/100%.pdf");
    EXPECT_EQ(args, (QStringList{"-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=jpeg", "-r300",
                                 "-sOutputFile=/tmp/zumeo-abc/100%%.jpg", "/d/100%.pdf"}));
}

} // namespace
