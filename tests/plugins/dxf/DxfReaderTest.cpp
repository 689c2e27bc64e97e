#include "plugins/dxf/CDxfReader.h"

#include "DxfTestSupport.h"
#include "platform/win/CKeyState.h"
#include "platform/win/PlatformWindow.h"
#include "por/PorBlockReader.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using DxfTest::DumpOf;
using DxfTest::DumpText;
using DxfTest::EntitiesSection;
using DxfTest::Fixture;
using DxfTest::OwnedBlock;
using DxfTest::ReadBytes;

OwnedBlock ConvertFile(const std::string& name) {
    CDxfReader reader(nullptr);
    return OwnedBlock(reader.GetPORData(Fixture(name).c_str()));
}

class FixtureDump : public ::testing::TestWithParam<const char*> {};

TEST_P(FixtureDump, MatchesTheExpectedDump) {
    const std::string name = GetParam();
    EXPECT_EQ(DumpOf(ConvertFile(name + ".dxf")), ReadBytes(Fixture(name + ".dump")));
}

INSTANTIATE_TEST_SUITE_P(DxfReader, FixtureDump,
                         ::testing::Values("minimal_line", "simple_entities", "ac1021_japanese",
                                           "long_and_empty_lines", "tables_and_blocks", "polylines",
                                           "texts_cp932", "texts_utf8", "dimensions_leaders",
                                           "groups", "splines", "tolerances", "arch_spline",
                                           "mtext_rotation", "dimensions_without_blocks",
                                           "ansi_1252"));

class NoBlock : public ::testing::TestWithParam<const char*> {};

TEST_P(NoBlock, ForAFileThatYieldsNoRecords) {
    EXPECT_FALSE(ConvertFile(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(DxfReader, NoBlock,
                         ::testing::Values("unsupported_only.dxf", "binary_sentinel.dxf",
                                           "no_such_file.dxf"));

TEST(DxfReader, BinaryFileIsRefusedBeforeItsBytesAreRead) {
    // Read as text, the file would give a line: its first lines pass for a
    // code-0 group.
    std::string bytes = ReadBytes(Fixture("binary_sentinel.dxf"));
    EXPECT_FALSE(DxfTest::ConvertText(bytes));
    bytes[8] = 'b';
    EXPECT_TRUE(DxfTest::ConvertText(bytes));
}

std::string WithLineEnds(const std::string& lf, const std::string& end) {
    std::string out;
    for (char c : lf) {
        if (c == '\n') {
            out += end;
        } else {
            out += c;
        }
    }
    return out;
}

class DrawingLineEnds : public ::testing::TestWithParam<const char*> {};

TEST_P(DrawingLineEnds, GiveTheSameDump) {
    const std::string lf = ReadBytes(Fixture("simple_entities.dxf"));
    EXPECT_EQ(DumpText(WithLineEnds(lf, GetParam())), ReadBytes(Fixture("simple_entities.dump")));
}

INSTANTIATE_TEST_SUITE_P(DxfReader, DrawingLineEnds, ::testing::Values("\n", "\r\n", "\r", "\n\r"),
                         [](const auto& info) {
                             const std::string end = info.param;
                             return end == "\n"     ? "Lf"
                                    : end == "\r\n" ? "CrLf"
                                    : end == "\r"   ? "Cr"
                                                    : "LfCr";
                         });

TEST(DxfReader, RecordsComeInTheirOrder) {
    const OwnedBlock block = ConvertFile("simple_entities.dxf");
    ASSERT_TRUE(block);
    std::vector<LONG> types;
    for (const PorRecord& record : DxfTest::Records(std::span(
             static_cast<const BYTE*>(GlobalLock(block.get())), GlobalSize(block.get())))) {
        types.push_back(record.Type());
    }
    GlobalUnlock(block.get());
    const std::vector<LONG> expected{1,  34, 35, 35, 31, 31, 31, 3, 21, 9, 36,
                                     11, 12, 10, 6,  6,  3,  3,  3, 3,  2};
    EXPECT_EQ(types, expected);
    EXPECT_EQ(GlobalSize(block.get()) % 4096, 0u);
}

TEST(DxfReader, SectionIsNamedOnlyByTheGroupAfterSection) {
    const std::string line = "  0\nLINE\n 10\n1\n 20\n1\n 11\n2\n 21\n2\n";
    // A value "ENTITIES" that does not follow SECTION starts nothing.
    EXPECT_EQ(DumpText("999\nENTITIES\n" + line + "  0\nEOF\n"), "null\n");
    EXPECT_EQ(DumpText("  0\nSECTION\n  1\nENTITIES\n" + line + "  0\nENDSEC\n"), "null\n");
    EXPECT_EQ(DumpText("  0\nSECTION\n  2\nentities\n" + line + "  0\nENDSEC\n"), "null\n");
    EXPECT_NE(DumpText(EntitiesSection(line)), "null\n");
}

TEST(DxfReader, EntitiesOfOtherSectionsAreNotDrawn) {
    const std::string line = "  0\nLINE\n 10\n1\n 20\n1\n 11\n2\n 21\n2\n";
    const std::string blocks =
        "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  2\nB\n" + line + "  0\nENDBLK\n  0\nENDSEC\n";
    EXPECT_EQ(DumpText(blocks + "  0\nEOF\n"), "null\n");
    // ENTITIES without its ENDSEC does not run on into the next section.
    const OwnedBlock block = DxfTest::ConvertText("  0\nSECTION\n  2\nENTITIES\n" + line + blocks);
    ASSERT_TRUE(block);
    EXPECT_EQ(PorDumper::Summary(block.get()),
              "1 PorHeader 1 0\n2 PorEnd 1 0\n3 PorLine 1 0\n34 PorLineTypeScale 1 0\n");
}

TEST(DxfReader, HeaderScaleAppliesToEveryRecord) {
    const OwnedBlock block = DxfTest::ConvertText(
        "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n0\n 20\n0\n  9\n$EXTMAX\n 10\n1\n 20\n0.5\n"
        "  9\n$LTSCALE\n 40\n0.5\n  0\nENDSEC\n" +
        EntitiesSection("  0\nLINE\n 10\n0.25\n 20\n0\n 11\n1\n 21\n0.5\n 48\n2\n"));
    ASSERT_TRUE(block);
    const std::string dump = PorDumper::Dump(block.get());
    EXPECT_NE(dump.find("Scale=1000000 "), std::string::npos) << dump;
    EXPECT_NE(dump.find("34 PorLineTypeScale size=16 Scale=500000 "), std::string::npos) << dump;
    EXPECT_NE(dump.find("Start=(250000,0) End=(1000000,500000) Pen=(lt=1,lts=2000000,"),
              std::string::npos)
        << dump;
}

std::string ManyLines(int count) {
    std::string entities;
    for (int i = 0; i < count; ++i) {
        entities += "  0\nLINE\n  8\n0\n 10\n" + std::to_string(i) + "\n 20\n0\n 11\n" +
                    std::to_string(i) + "\n 21\n10\n";
    }
    return EntitiesSection(entities);
}

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Records the messages; presses Escape once the bar passes a position.
class ProgressWindow : public PlatformWindow {
public:
    explicit ProgressWindow(std::size_t escapeAt = SIZE_MAX) : m_escapeAt(escapeAt) {}
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back({message, wParam, lParam});
        if (message == PBM_SETPOS && wParam > m_escapeAt) {
            CKeyState::SetKeyDown(VK_ESCAPE, true);
        }
        return 0;
    }
    std::vector<Message> messages;

private:
    std::size_t m_escapeAt;
};

class EscapeKey : public ::testing::Test {
protected:
    void TearDown() override { CKeyState::Clear(); }
};

TEST_F(EscapeKey, ProgressGoesFromTheRangeUpward) {
    const std::string dxf = ManyLines(500);
    ProgressWindow window;
    ASSERT_TRUE(DxfTest::ConvertText(dxf, &window));
    ASSERT_GE(window.messages.size(), 2u);
    EXPECT_EQ(window.messages[0].message, PBM_SETRANGE32);
    EXPECT_EQ(window.messages[0].wParam, 0u);
    EXPECT_EQ(static_cast<std::size_t>(window.messages[0].lParam), dxf.size());
    WPARAM last = 0;
    for (std::size_t i = 1; i < window.messages.size(); ++i) {
        EXPECT_EQ(window.messages[i].message, PBM_SETPOS);
        EXPECT_GT(window.messages[i].wParam, last);
        EXPECT_LE(window.messages[i].wParam, dxf.size());
        EXPECT_EQ(window.messages[i].lParam, 0);
        last = window.messages[i].wParam;
    }
    // About one message per hundredth of the file.
    EXPECT_GE(window.messages.size(), 90u);
    EXPECT_LE(window.messages.size(), 110u);
}

TEST_F(EscapeKey, EndsTheReadingWithAValidPartialBlock) {
    const std::string dxf = ManyLines(500);
    ProgressWindow window(dxf.size() / 2);
    const OwnedBlock block = DxfTest::ConvertText(dxf, &window);
    ASSERT_TRUE(block);

    const auto* data = static_cast<const BYTE*>(GlobalLock(block.get()));
    PorBlockReader reader(std::span(data, GlobalSize(block.get())));
    int lines = 0;
    while (const auto record = reader.Next()) {
        lines += record->Type() == PorLine::Type;
    }
    GlobalUnlock(block.get());
    EXPECT_EQ(reader.StopReason(), PorStopReason::EndRecord);
    EXPECT_GT(lines, 200);
    EXPECT_LT(lines, 300);
}

TEST_F(EscapeKey, HeldFromTheStartGivesNoBlock) {
    CKeyState::SetKeyDown(VK_ESCAPE, true);
    EXPECT_FALSE(DxfTest::ConvertText(ManyLines(3)));
}

} // namespace
