#include "plugins/dxf/CDxfReader.h"

#include "DxfTestSupport.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/Modules.h"
#include "tests/support/ByteMutator.h"
#include "tests/support/CpuClock.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace {

using DxfTest::Fixture;
using DxfTest::ReadBytes;

// Values that stress the number readers and the counts taken from a file.
const std::string Hostile[] = {"-1",     "0",    "2147483647", "-2147483648", "1e308",
                               "-1e308", "nan",  "inf",        "99999999999", "",
                               "\\",     "{",    "}",          "\\P",         "%%",
                               "\\F",    "\x81", "BLOCK",      "ENDBLK",      "SEQEND"};

// Converts the bytes; a drawing refused for its size is a sound answer,
// anything else thrown or a crash is not.
void Convert(std::string bytes) {
    try {
        DxfTest::ConvertText(std::move(bytes));
    } catch (const std::length_error&) {
    }
}

std::string Mutate(const std::string& original, std::mt19937& random) {
    std::string bytes = original;
    if (bytes.empty()) {
        return bytes;
    }
    std::uniform_int_distribution<std::size_t> position(0, bytes.size() - 1);
    switch (random() % 4) {
    case 0:
        bytes.resize(position(random));
        break;
    case 1:
        for (int i = 0; i < 4; ++i) {
            bytes[position(random)] = static_cast<char>(random() % 256);
        }
        break;
    case 2: {
        // A whole line replaced by a hostile value.
        const std::size_t at = bytes.rfind('\n', position(random));
        const std::size_t start = at == std::string::npos ? 0 : at + 1;
        const std::size_t end = bytes.find('\n', start);
        bytes.replace(start, end == std::string::npos ? bytes.size() - start : end - start,
                      Hostile[random() % std::size(Hostile)]);
        break;
    }
    default: {
        // A stretch of the file repeated, as a writer that lost its place.
        const std::size_t from = position(random);
        const std::size_t length = std::min<std::size_t>(bytes.size() - from, random() % 400);
        bytes.insert(position(random), bytes.substr(from, length));
        break;
    }
    }
    return bytes;
}

class Mutations : public ::testing::TestWithParam<const char*> {};

TEST_P(Mutations, NeverCrashOrHang) {
    const std::string original = ReadBytes(Fixture(std::string(GetParam()) + ".dxf"));
    ASSERT_FALSE(original.empty());
    std::mt19937 random(20261210);
    const auto start = CpuClock::now();
    for (int i = 0; i < 1500; ++i) {
        Convert(Mutate(original, random));
    }
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(20));
}

INSTANTIATE_TEST_SUITE_P(DxfReader, Mutations,
                         ::testing::Values("simple_entities", "tables_and_blocks", "polylines",
                                           "texts_cp932", "texts_utf8", "dimensions_leaders",
                                           "groups", "ac1021_japanese", "dimensions_without_blocks",
                                           "ansi_1252", "arch_spline"),
                         [](const auto& info) { return std::string(info.param); });

// The export as the program calls it, on mutated files: truncations, bit
// flips, huge counts and repeated stretches that nest blocks deeper.
TEST(ExportMutations, NeverCrashLeakOrHang) {
    HMODULE module = LoadLibraryA("RukDXF.DLL");
    ASSERT_NE(module, nullptr);
    const auto convert =
        reinterpret_cast<PluginTest::GetPORData>(GetProcAddress(module, "VP_GetPORData"));
    ASSERT_NE(convert, nullptr);
    std::vector<ByteMutator::Bytes> seeds;
    for (const char* name : {"simple_entities", "tables_and_blocks", "groups", "block_fan_out"}) {
        const std::string bytes = ReadBytes(Fixture(std::string(name) + ".dxf"));
        seeds.emplace_back(bytes.begin(), bytes.end());
    }
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("plan.dxf")).toStdString();
    ByteMutator mutator(20261213);
    const int fed = mutator.FeedFor(
        seeds, std::chrono::milliseconds(3000), 2000,
        [&](const ByteMutator::Bytes& bytes) { PluginTest::ConvertAsFile(convert, path, bytes); });
    EXPECT_GT(fed, 0);
    FreeLibrary(module);
}

} // namespace
