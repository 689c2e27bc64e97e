#include "ImportFixture.h"

#include "app/CPorBlockImport.h"
#include "entities/CLinePattern.h"
#include "entities/CLineType.h"
#include "entities/CRukGroup.h"
#include "entities/CRukLine.h"
#include "platform/win/GlobalMemory.h"

#include <QProgressBar>

#include <gmock/gmock.h>

#include <algorithm>
#include <ostream>

using ::testing::ElementsAre;

namespace {

// CP932: "DLLのバージョンが不正です。[" and "読み込みエラー".
const char* const kVersionError = "\x44\x4C\x4C\x82\xCC\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93"
                                  "\x82\xAA\x95\x73\x90\xB3\x82\xC5\x82\xB7\x81\x42\x5B";
const char* const kReadError = "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x83\x47\x83\x89\x81\x5B";

std::vector<BYTE> Bytes(const PorBlockWriter& block) {
    const auto data = block.Data();
    return {data.begin(), data.end()};
}

class PorImportTest : public ImportFixture {};

TEST_F(PorImportTest, BlockBecomesTheDocument) {
    PorRecordBuilder header = MakeHeader(3003, 100);
    header.Set(PorHeader::SheetWidth, 42000);
    header.Set(PorHeader::SheetHeight, 29700);
    header.Set(PorHeader::OriginX, 100);
    header.Set(PorHeader::OriginY, 200);
    header.Set(PorHeader::Factor, 1500);
    PorRecordBuilder scale(PorLineTypeScale::Type);
    scale.Set(PorLineTypeScale::Scale, 2000);
    scale.Set(PorLineTypeScale::Measurement, 0);
    PorRecordBuilder lineType(PorLineType::Type);
    lineType.Set(PorLineType::LineTypeId, 1001);
    const LONG dashes[] = {5000, -2500, 0};
    lineType.Set(PorLineType::Dashes, dashes);
    PorRecordBuilder group(PorGroup::Type);
    group.Append(PorGroup::Members, "A1");
    group.Append(PorGroup::Members, "A2");
    group.Set(PorGroup::Name, "G");
    group.Set(PorGroup::Id, "G1");

    PorBlockWriter block;
    block.Append(header);
    block.Append(scale);
    block.Append(lineType);
    block.Append(MakeLayer("Walls", 0));
    block.Append(MakeLayer("0", 1));
    block.Append(MakeNamedLine("A1", {1000, 2000}, {3000, 4000}, "Walls"));
    block.Append(MakeNamedLine("A2", {0, 0}, {500, 500}, "0"));
    block.Append(group);
    block.Append(MakeEnd());
    ASSERT_EQ(Import("plan.por", Bytes(block)), 1);

    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_statusBar.findChild<QProgressBar*>(), nullptr);
    EXPECT_EQ(m_document.m_unit, 100u);
    EXPECT_DOUBLE_EQ(m_document.m_scale, 20.0);
    EXPECT_EQ(m_document.m_scaleMode, 0);
    EXPECT_EQ(m_document.m_paperSize.cx, 42000);
    EXPECT_EQ(m_document.m_paperOrigin.y, 200);
    EXPECT_DOUBLE_EQ(m_document.m_headerFactor, 1.5);
    ASSERT_EQ(m_document.m_lineTypes.GetCount(), 1);
    const auto* type = static_cast<const CLineType*>(m_document.m_lineTypes.GetHead());
    EXPECT_EQ(type->m_id, 1001);
    EXPECT_THAT(type->m_dashes, ElementsAre(0.5, -0.25, 0.0));
    EXPECT_NE(m_document.FindLinePattern(1001), nullptr);

    ASSERT_EQ(m_document.m_objects.GetCount(), 3);
    const auto* first = dynamic_cast<const CRukLine*>(m_document.m_objects.GetHead());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_x1, 1000);
    EXPECT_EQ(first->m_y2, 4000);
    ASSERT_EQ(m_document.m_topObjects.GetCount(), 1);
    EXPECT_NE(dynamic_cast<const CRukGroup*>(m_document.m_topObjects.GetHead()), nullptr);
    EXPECT_EQ(LayerNames(m_document.m_drawingLayers), (std::vector<std::string>{"Walls", "0"}));
    // The stored states reach the drawing's layers.
    EXPECT_EQ(m_document.GetLayerState("Walls"), 0);
    EXPECT_EQ(m_document.GetLayerState("0"), 1);
    // The sheet, being known, is the extent.
    EXPECT_EQ(m_document.m_extent, (CDocExtent{-100, -200, 41900, 29500}));
    EXPECT_EQ(m_document.m_fullExtent, m_document.m_extent);
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenImported);
}

TEST_F(PorImportTest, SideFilesAndWorkFileLieBesideTheDrawing) {
    ASSERT_EQ(Import("plan.v2.por", OneLine()), 1);
    EXPECT_EQ(m_document.m_drawingPath, PathOf("plan.v2.por"));
    EXPECT_EQ(m_document.m_controlPath, PathOf("plan.v2.zcd"));
    EXPECT_EQ(m_document.m_ownDocPath, PathOf("plan.v2.zmd"));
    EXPECT_EQ(m_document.m_workPath, PathOf("plan.v2.$$$"));
    EXPECT_TRUE(FileExists(m_document.m_workPath));
    EXPECT_FALSE(m_document.IsReadOnly());
}

TEST_F(PorImportTest, DocumentPathNamesTheDrawingOfAConvertedFile) {
    const CString converted = WriteDrawing("converted.tmp", OneLine());
    const CString original = PathOf("plan.dwg");
    ASSERT_EQ(m_document.ImportByPluginAs(PorPlugIn(), converted, original), 1);
    EXPECT_EQ(m_document.m_drawingPath, original);
    EXPECT_EQ(m_document.m_controlPath, PathOf("plan.zcd"));
    EXPECT_TRUE(FileExists(PathOf("plan.$$$")));
    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
}

struct RefusedCase {
    const char* name;
    std::vector<BYTE> header;
    const char* message; // the library name and "]" follow the version message
    bool withLibrary;
};

// Failures name the case, not its bytes.
void PrintTo(const RefusedCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class RefusedBlockTest : public ImportFixture, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedBlockTest, OpenDocumentStaysAsItWas) {
    ASSERT_EQ(Import("open.por", OneLine()), 1);
    const CString openPath = m_document.m_drawingPath;

    std::vector<BYTE> block = GetParam().header;
    Add(block, MakeNamedLine("X", {0, 0}, {1, 1}, "other").Bytes());
    Add(block, MakeEnd().Bytes());
    EXPECT_EQ(Import("refused.por", block), 0);

    // A block that could not be read names its drawing after the text.
    const CString expected = GetParam().withLibrary
                                 ? CString(GetParam().message) + PorPlugIn() + "]"
                                 : CString(GetParam().message) + "\n" + PathOf("refused.por");
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text, expected);
    EXPECT_EQ(m_document.m_drawingPath, openPath);
    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
    EXPECT_EQ(LayerNames(m_document.m_layers), (std::vector<std::string>{"0"}));
    EXPECT_FALSE(m_document.IsReadOnly());
    EXPECT_FALSE(FileExists(PathOf("refused.$$$")));
}

std::vector<BYTE> Header(LONG version, LONG unit = 1000) {
    const PorRecordBuilder header = MakeHeader(version, unit);
    return {header.Bytes().begin(), header.Bytes().end()};
}

std::vector<BYTE> ShortHeader() {
    return Words({PorHeader::Type, 20, static_cast<LONG>(PorHeader::MagicValue), 3003, 1000});
}

INSTANTIATE_TEST_SUITE_P(
    Headers, RefusedBlockTest,
    ::testing::Values(RefusedCase{"VersionBelow", Header(2999), kVersionError, true},
                      RefusedCase{"VersionAbove", Header(4000), kVersionError, true},
                      RefusedCase{"ZeroUnit", Header(3003, 0), kReadError, false},
                      RefusedCase{"ShortHeader", ShortHeader(), kReadError, false}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

struct StopCase {
    const char* name;
    // The block after the header and the first line.
    std::vector<BYTE> rest;
    int objects;
};

// Failures name the case, not its bytes.
void PrintTo(const StopCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class StoppedBlockTest : public ImportFixture, public ::testing::WithParamInterface<StopCase> {};

// A block that stops early is imported with what came before the stop.
TEST_P(StoppedBlockTest, RecordsBeforeTheStopAreImported) {
    std::vector<BYTE> block;
    Add(block, MakeHeader().Bytes());
    Add(block, MakeNamedLine("A", {0, 0}, {10, 10}, "0").Bytes());
    Add(block, GetParam().rest);
    EXPECT_EQ(Import("stopped.por", block), 1);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_document.m_objects.GetCount(), GetParam().objects);
}

std::vector<BYTE> SecondLine() {
    const PorRecordBuilder line = MakeNamedLine("B", {0, 0}, {20, 20}, "0");
    return {line.Bytes().begin(), line.Bytes().end()};
}

std::vector<BYTE> Cut(std::vector<BYTE> bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Stops, StoppedBlockTest,
    ::testing::Values(StopCase{"NoEndRecord", SecondLine(), 2},
                      StopCase{"TruncatedRecord", Cut(SecondLine(), SecondLine().size() - 5), 1},
                      StopCase{"TruncatedHead", Cut(SecondLine(), 6), 1},
                      StopCase{"SizeBelowHead", Words({PorLine::Type, 4, 0, 0}), 1},
                      StopCase{"UnknownType", Join({Words({40, 8}), SecondLine()}), 1},
                      StopCase{"ZeroPadding", Join({Words({0, 0, 0, 0}), SecondLine()}), 1},
                      StopCase{"AfterEndRecord", Join({MakeEnd().Bytes(), SecondLine()}), 1}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return info.param.name; });

TEST_F(PorImportTest, LayerNameOutsideTheRecordIsEmpty) {
    PorRecordBuilder layer = MakeLayer("Walls", 1);
    layer.SetLong(PorLayer::Name.word + 1, 100000); // the name's offset
    PorBlockWriter block;
    block.Append(MakeHeader());
    block.Append(layer);
    block.Append(MakeEnd());
    ASSERT_EQ(Import("layer.por", Bytes(block)), 1);
    EXPECT_EQ(LayerNames(m_document.m_drawingLayers), (std::vector<std::string>{""}));
}

TEST_F(PorImportTest, LargeBlockIsGivenBackWhileItsRecordsBecomeEntities) {
    // More than two steps of the import's giving back.
    constexpr LONG kLines = 160000;
    PorBlockWriter writer;
    writer.Append(MakeHeader());
    writer.Append(MakeLayer("0", 1));
    for (LONG i = 0; i < kLines; ++i)
        writer.Append(MakeNamedLine("", {i, 0}, {i, 100}, "0"));
    writer.Append(MakeEnd());
    ASSERT_GT(writer.Data().size(), std::size_t{9} << 20);
    HGLOBAL block = writer.ToGlobalBlock();
    ASSERT_NE(block, nullptr);
    const auto* data = static_cast<const BYTE*>(GlobalLock(block));
    const std::span<const BYTE> bytes(data, writer.Data().size());
    const CPorBlockImport import(bytes);
    ASSERT_FALSE(import.Refused());

    import.Run(m_document, CPorBlockImport::Mode::Import, CDrawDefaults(), nullptr, block);

    EXPECT_EQ(m_document.m_unit, 1000u);
    ASSERT_EQ(m_document.m_objects.GetCount(), kLines);
    const auto* last = static_cast<const CRukEntity*>(m_document.m_objects.GetTail());
    EXPECT_EQ(last->m_x1, kLines - 1);
    EXPECT_EQ(last->m_y2, 100);
    // The header and the first megabytes of lines are gone from the block.
    const auto head = bytes.first(std::size_t{8} << 20);
    EXPECT_TRUE(std::all_of(head.begin(), head.end(), [](BYTE b) { return b == 0; }));
    GlobalUnlock(block);
    GlobalFree(block);
}

TEST_F(PorImportTest, LineTypeCountingMoreDashesThanItHoldsIsDropped) {
    PorRecordBuilder lineType(PorLineType::Type);
    lineType.Set(PorLineType::LineTypeId, 1001);
    const LONG dashes[] = {5000, -2500};
    lineType.Set(PorLineType::Dashes, dashes);
    lineType.SetLong(PorLineType::Dashes.word, 1000000);
    PorBlockWriter block;
    block.Append(MakeHeader());
    block.Append(lineType);
    block.Append(MakeEnd());
    ASSERT_EQ(Import("types.por", Bytes(block)), 1);
    EXPECT_TRUE(m_document.m_lineTypes.IsEmpty());
}

TEST_F(PorImportTest, MissingDrawingChangesNothingSilently) {
    ASSERT_EQ(Import("open.por", OneLine()), 1);
    EXPECT_EQ(m_document.ImportByPlugin(PorPlugIn(), PathOf("missing.por")), 0);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_document.m_drawingPath, PathOf("open.por"));
}

struct MergeCase {
    const char* name;
    int layerFlag;
    const char* layerName;
    std::vector<std::string> layers; // of the merged lines
};

// Failures name the case, not its bytes.
void PrintTo(const MergeCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class MergeTest : public ImportFixture, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(MergeTest, MergedEntitiesGoToTheChosenLayer) {
    CDrawDefaults settings;
    settings.m_insertLayerFlag = GetParam().layerFlag;
    settings.m_insertLayerName = GetParam().layerName;
    m_document.SetSettings(&settings);
    ASSERT_EQ(Import("base.por", OneLine()), 1);

    PorBlockWriter block;
    block.Append(MakeHeader(3003, 10));
    block.Append(MakeLayer("Red", 1));
    block.Append(MakeLayer("Blue", 1));
    block.Append(MakeNamedLine("M1", {0, 0}, {1, 1}, "Blue"));
    block.Append(MakeNamedLine("M2", {0, 0}, {2, 2}, "Green"));
    block.Append(MakeEnd());
    ASSERT_EQ(m_document.MergeByPlugin(PorPlugIn(), WriteDrawing("merge.por", Bytes(block))), 1);

    std::vector<std::string> layers;
    POSITION position = m_document.m_objects.GetHeadPosition();
    m_document.m_objects.GetNext(position); // the base drawing's line
    while (position)
        layers.push_back(static_cast<const CRukEntity*>(m_document.m_objects.GetNext(position))
                             ->GetLayerName()
                             .str());
    EXPECT_EQ(layers, GetParam().layers);
    // The merge keeps the document's drawing, unit and stored layers.
    EXPECT_EQ(m_document.m_drawingPath, PathOf("base.por"));
    EXPECT_EQ(m_document.m_unit, 1000u);
    EXPECT_TRUE(m_document.m_drawingLayers.IsEmpty());
    EXPECT_TRUE(m_document.m_importLayerName.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Layers, MergeTest,
                         ::testing::Values(MergeCase{"FirstLayerRecord", 1, "", {"Red", "Red"}},
                                           MergeCase{"SettingsName", 1, "Mark", {"Mark", "Mark"}},
                                           MergeCase{"OwnLayers", 0, "Mark", {"Blue", "Green"}}),
                         [](const ::testing::TestParamInfo<MergeCase>& info) {
                             return info.param.name;
                         });

TEST_F(PorImportTest, MergeOfARefusedBlockChangesNothing) {
    ASSERT_EQ(Import("base.por", OneLine()), 1);
    PorBlockWriter block;
    block.Append(MakeHeader(5000));
    block.Append(MakeNamedLine("M1", {0, 0}, {1, 1}, "0"));
    EXPECT_EQ(m_document.MergeByPlugin(PorPlugIn(), WriteDrawing("merge.por", Bytes(block))), 0);
    EXPECT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_document.m_objects.GetCount(), 1);
}

// A redline file's own line types draw dashed like the base drawing's.
TEST_F(PorImportTest, MergedLineTypesGetTheirDashPatterns_Mended) {
    ASSERT_EQ(Import("base.por", OneLine()), 1);
    ASSERT_EQ(m_document.FindLinePattern(1001), nullptr);
    PorRecordBuilder lineType(PorLineType::Type);
    lineType.Set(PorLineType::LineTypeId, 1001);
    const LONG dashes[] = {5000, -2500};
    lineType.Set(PorLineType::Dashes, dashes);
    PorBlockWriter block;
    block.Append(MakeHeader());
    block.Append(lineType);
    block.Append(MakeNamedLine("M1", {0, 0}, {1, 1}, "0"));
    block.Append(MakeEnd());
    ASSERT_EQ(m_document.MergeByPlugin(PorPlugIn(), WriteDrawing("merge.por", Bytes(block))), 1);
    const CLinePattern* pattern = m_document.FindLinePattern(1001);
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->GetCount(), 2);
}

} // namespace
