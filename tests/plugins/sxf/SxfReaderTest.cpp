// The conversion's tables, lookups, settings and its reading through a set
// of library calls.

#include "SxfTestSupport.h"
#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfColourTable.h"
#include "plugins/sxf/CSxfLibraryCalls.h"
#include "plugins/sxf/CSxfLibraryReader.h"
#include "plugins/sxf/CSxfLineTypeTable.h"
#include "plugins/sxf/CSxfSettings.h"
#include "plugins/sxf/CSxfSheet.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <utility>

namespace {

using SxfTest::Conversion;
using SxfTest::Feature;
using SxfTest::Sheet;

TEST(SxfColourTable, HoldsThePredefinedColoursAndCutsUserPartsTo8Bits) {
    CSxfColourTable table;
    EXPECT_EQ(table.Colour(1), RGB(0, 0, 0));
    EXPECT_EQ(table.Colour(9), RGB(192, 0, 128));
    EXPECT_EQ(table.Colour(16), RGB(128, 128, 128));
    table.SetUserColour(20, 300, 1, 2);
    EXPECT_EQ(table.Colour(20), RGB(44, 1, 2));
    table.SetUserColour(20, 3, 4, 5);
    EXPECT_EQ(table.Colour(20), RGB(3, 4, 5));
    table.SetUserColour(257, 1, 1, 1);
    table.SetUserColour(0, 1, 1, 1);
    EXPECT_EQ(table.Colour(257), CSxfColourTable::DefaultColour);
}

TEST(SxfColourTable, MendedACodeWithoutAnEntryTakesTheDefaultColour) {
    const CSxfColourTable table;
    for (int code : {0, 17, 256, 257, -1}) {
        EXPECT_EQ(table.Colour(code), 0xFFFFFFu) << code;
    }
}

TEST(SxfLineTypeTable, PredefinedNamesFillTheirOwnSlots) {
    CSxfLineTypeTable table;
    table.SetPreDefined("dashed");
    table.SetPreDefined("double-dashed triplicate-dotted");
    table.SetPreDefined("Dashed");
    EXPECT_EQ(table.At(2).count, 2);
    EXPECT_EQ(table.At(2).values[0], 6.0);
    EXPECT_EQ(table.At(15).count, 10);
    EXPECT_EQ(table.At(15).values[9], 1.5);
    EXPECT_EQ(table.At(1).count, 0);
    EXPECT_THROW(table.At(33), std::out_of_range);
}

TEST(SxfLineTypeTable, WritesThirtyTwoRecordsWithDashesTimesTheRate) {
    CSxfLineTypeTable table;
    const double values[] = {1.0, 0.5};
    table.SetUser(16, "mine", values);
    table.SetUser(33, "lost", values);
    PorBlockWriter stream;
    table.WritePOR(stream, 28000);
    const auto records = PluginTest::Records(stream.Data());
    ASSERT_EQ(records.size(), 32u);
    EXPECT_EQ(records[0].Get(PorLineType::LineTypeId), 1001);
    EXPECT_EQ(records[15].Size(), 24u);
    EXPECT_EQ(*records[15].Get(PorLineType::Dashes), (std::vector<LONG>{28000, 14000}));
    EXPECT_EQ(records[31].Get(PorLineType::LineTypeId), 1032);
}

TEST(SxfReader, LookupsFallBackWhenNoEntryHasTheCode) {
    const CSxfReader reader(nullptr, {});
    EXPECT_EQ(reader.LayerName(7), "0");
    EXPECT_EQ(reader.FontName(1), "");
    EXPECT_EQ(reader.LineWidth(3), 0.0);
    EXPECT_EQ(reader.LineTypeId(1), 1);
    EXPECT_EQ(reader.LineTypeId(2), 1002);
    EXPECT_EQ(reader.LineTypeId(32), 1032);
}

TEST(SxfReader, MendedLineTypeCodeZeroIsSolid) {
    EXPECT_EQ(CSxfReader(nullptr, {}).LineTypeId(0), 1);
}

TEST(SxfReader, MendedAUserLineTypeCountIsHeldToTheValuesItsEntryHolds) {
    CSxfReader reader(nullptr, {});
    SxfTableEntry entry{};
    std::strcpy(entry.userLineType.name, "long");
    entry.userLineType.count = 1000;
    for (double& value : entry.userLineType.values) {
        value = 2.0;
    }
    reader.AddTableEntry(SxfTableUserLineType, 17, entry);
    EXPECT_EQ(reader.LineTypes().At(17).count, SxfUserLineTypeValues);
    entry.userLineType.count = -5;
    reader.AddTableEntry(SxfTableUserLineType, 18, entry);
    EXPECT_EQ(reader.LineTypes().At(18).count, 0);
    // Codes with no slot keep their entry out of the table.
    reader.AddTableEntry(SxfTableUserLineType, 40, entry);
    reader.AddTableEntry(SxfTableUserColour, 300, entry);
}

TEST(SxfReader, ANameFillingItsWholeBufferIsNotReadPastIt) {
    CSxfReader reader(nullptr, {});
    SxfTableEntry entry{};
    std::memset(entry.layer.name, 'x', sizeof entry.layer.name);
    reader.AddTableEntry(SxfTableLayer, 1, entry);
    EXPECT_EQ(reader.LayerName(1).GetLength(), SxfNameSize);
}

TEST(SxfReader, TheHeaderCarriesTheSheetSizeAndAnEmptyDrawingTheLineTypes) {
    const Conversion conversion(Sheet("'841','594'"));
    const auto& records = conversion.Records();
    ASSERT_EQ(records.size(), 34u);
    EXPECT_EQ(records[0].Size(), 52u);
    EXPECT_EQ(records[0].Long(5), 841000);
    EXPECT_EQ(records[0].Long(6), 594000);
    EXPECT_EQ(records[0].Long(3), 3002);
    EXPECT_EQ(records[0].Long(11), 1000);
    EXPECT_EQ(records[1].Type(), PorLineType::Type);
    EXPECT_EQ(records[33].Type(), PorEnd::Type);
}

TEST(SxfReader, ASecondSheetReplacesTheFirst) {
    const Conversion conversion(
        Feature(10, "line_feature('1','1','1','1','0','0','1','1')") + Sheet("'10','20'") +
        Feature(20, "polyline_feature('1','1','1','1','2','(0,1)','(0,1)')") + Sheet("'30','40'"));
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(drawing[0].Type(), PorPolyline::Type);
    EXPECT_EQ(conversion.Records()[0].Long(5), 30000);
}

TEST(SxfReader, LayersAreWrittenInReadingOrderBeforeTheDrawing) {
    const Conversion conversion(Sheet() + Feature(10, "layer_feature('\\'寸法\\'','1')") +
                                Feature(20, "layer_feature('','0')"));
    const auto& records = conversion.Records();
    ASSERT_EQ(records[1].Type(), PorLayer::Type);
    EXPECT_EQ(records[1].Size(), 33u);
    EXPECT_EQ(records[1].Long(4), 1);
    EXPECT_EQ(records[1].Long(5), 4);
    EXPECT_EQ(records[1].Long(6), 28);
    EXPECT_EQ(records[2].Size(), 29u);
    EXPECT_EQ(records[2].Long(4), 0);
    EXPECT_EQ(records[2].Bytes()[28], 0);
}

TEST(SxfReader, SettingsRatesShapePensAndDashes) {
    CSxfSettings settings;
    settings.penWidthRate = 0;
    settings.dashPichRate = 1000;
    const Conversion conversion(Feature(1, "width_feature('0.5')") +
                                    Feature(2, "pre_defined_font_feature('\\'dotted\\'')") +
                                    Feature(10, "line_feature('1','1','7','5','0','0','1','1')") +
                                    Sheet(),
                                settings);
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(drawing[0].Get(PorLine::Pen)->width, 0);
    EXPECT_EQ(drawing[0].Get(PorLine::Pen)->lineType, 1007);
    EXPECT_EQ(*conversion.Records()[7].Get(PorLineType::Dashes), (std::vector<LONG>{250, 1500}));
}

TEST(SxfSettings, ReadsTheParamSectionWithDefaultsForWhatIsMissing) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("RukSXF.ini").toStdString();
    std::ofstream(path) << "[other]\r\nPenWidthRate=1\r\n[param]\r\npenwidthrate = 50\r\n"
                           "TextRate=85x\r\n";
    const CSxfSettings settings = CSxfSettings::Read(path);
    EXPECT_EQ(settings.penWidthRate, 50);
    EXPECT_EQ(settings.dashPichRate, 28000);
    EXPECT_DOUBLE_EQ(settings.textRate, 0.85);
    const CSxfSettings defaults = CSxfSettings::Read(dir.filePath("none.ini").toStdString());
    EXPECT_EQ(defaults.penWidthRate, 100);
    EXPECT_DOUBLE_EQ(defaults.textRate, 0.7);
}

TEST(SxfSettings, TheFileIsNamedAfterTheModule) {
    EXPECT_EQ(CSxfSettings::IniPathBeside("/opt/zumeo/bin/RukSXF.so"), "/opt/zumeo/bin/RukSXF.ini");
    EXPECT_EQ(CSxfSettings::IniPathBeside("/opt/v1.2/RukSXF"), "/opt/v1.2/RukSXF.ini");
}

// A library that fails every read without ever setting the end flag.
namespace Stuck {
int reads = 0;
bool sheetGiven = false;
int Open(char*, int, double, double, double, int, int, char*, char*, char*, char*) {
    reads = 0;
    sheetGiven = false;
    return 0;
}
int ReadTable(int, void*, int*) {
    return ++reads, 0;
}
int ReadAssembly(int kind, void*& data, int*) {
    static SxfSheetData sheet{"s", 9, 0, 10, 20};
    ++reads;
    const bool give = kind == SxfAssemblySheet && !std::exchange(sheetGiven, true);
    data = give ? &sheet : nullptr;
    return give ? 1 : -1;
}
int ReadFeature(char*, void*& data, int*) {
    data = nullptr;
    return ++reads, 0;
}
int Delete(char*, void*&) {
    return 0;
}
int DeleteAssembly(int, void*&) {
    return 0;
}
int Pop(char*&, int* number, char*&) {
    return *number = 0;
}
int Close() {
    return 0;
}
} // namespace Stuck

TEST(SxfLibraryReader, MendedALibraryThatNeverSetsTheEndFlagCannotHoldTheReadForever) {
    const CSxfLibraryCalls stuck{Stuck::Open,        Stuck::ReadTable, Stuck::ReadAssembly,
                                 Stuck::ReadFeature, Stuck::Delete,    Stuck::DeleteAssembly,
                                 Stuck::Pop,         Stuck::Close,     1};
    CSxfReader reader(nullptr, {});
    EXPECT_EQ(reader.Read("stuck.sfc", stuck), 1);
    ASSERT_NE(reader.Sheet(), nullptr);
    EXPECT_EQ(reader.Sheet()->Data().width, 10);
    const int limit = CSxfLibraryReader::MaxFailedReadsInARow;
    // Seven tables, composite curves and definitions, the sheet's features,
    // then the read that finds no second sheet.
    EXPECT_EQ(Stuck::reads, 7 * limit + 2 * limit + 1 + limit + 1);
    // The sheet's members the reading could not reach are left out.
    EXPECT_EQ(reader.LeftOut(), 1u);
}

LONG HeaderLeftOut(const Conversion& conversion) {
    EXPECT_FALSE(conversion.Records().empty());
    return conversion.Records().empty() ? -1 : *conversion.Records()[0].Get(PorHeader::LeftOut);
}

// A long run of features the library could not read ended the reading of
// their group: the rest, the good features after them too, went unread and
// uncounted.
TEST(SxfLibraryReader, ALongRunOfBrokenFeaturesIsCountedAndWhatFollowsIsRead_Mended) {
    const int broken = CSxfLibraryReader::MaxFailedReadsInARow + 5;
    std::string features;
    for (int i = 0; i < broken; ++i) {
        features += Feature(10 + i, "line_feature('1','1','1','1','0','0','1')");
    }
    features += Feature(5000, "line_feature('1','1','1','1','0','0','1','1')") + Sheet();
    const Conversion conversion(features);
    EXPECT_EQ(HeaderLeftOut(conversion), broken);
    EXPECT_EQ(SxfTest::Types(conversion.Drawing()), (std::vector<LONG>{PorLine::Type}));
}

// Features after the sheet belong to no group; they were dropped without a
// word.
TEST(SxfLibraryReader, FeaturesAfterTheLastGroupAreCountedAsLeftOut_Mended) {
    const Conversion conversion(Feature(10, "line_feature('1','1','1','1','0','0','1','1')") +
                                Sheet() +
                                Feature(9010, "line_feature('1','1','1','1','0','0','1')") +
                                Feature(9020, "line_feature('1','1','1','1','0','0','2','2')"));
    EXPECT_EQ(HeaderLeftOut(conversion), 2);
    EXPECT_EQ(conversion.Drawing().size(), 1u);
}

} // namespace
