#pragma once
// Helpers of the SXF plug-in tests: fixtures, ".sfc" text written to a
// temporary file and converted, and the drawing records of the block.

#include "plugins/sxf/CSxfReader.h"
#include "por/PorBlockWriter.h"
#include "por/PorWord.h"
#include "tests/entities/PointPrinting.h"
#include "tests/support/PluginTestSupport.h"
#include "tests/support/SfcText.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

namespace SxfTest {

using PluginTest::DumpOf;
using PluginTest::OwnedBlock;
using SfcText::Feature;

inline std::filesystem::path DataFolder() {
    return std::filesystem::path(ZUMEO_TEST_DATA) / "sxf";
}

// ".sfc" text in a file of its own, converted with the given settings.
class Conversion {
public:
    explicit Conversion(const std::string& features, CSxfSettings settings = {},
                        HWND progress = nullptr) {
        const std::string path = m_dir.filePath("drawing.sfc").toStdString();
        std::ofstream(path, std::ios::binary) << SfcText::File(features);
        CSxfReader reader(progress, settings);
        m_block = OwnedBlock(reader.MakePORData(path.c_str()));
        if (m_block) {
            m_records = PluginTest::Records(PluginTest::BlockBytes(m_block));
        }
    }

    const OwnedBlock& Block() const { return m_block; }
    // Every record of the block.
    const std::vector<PorRecord>& Records() const { return m_records; }
    // The drawing records: after the header, layers and the 32 line types,
    // without the end record.
    std::vector<PorRecord> Drawing() const {
        std::vector<PorRecord> drawing;
        for (const PorRecord& record : m_records) {
            const LONG type = record.Type();
            if (type != 1 && type != 2 && type != 31 && type != 35) {
                drawing.push_back(record);
            }
        }
        return drawing;
    }

private:
    QTemporaryDir m_dir;
    OwnedBlock m_block;
    std::vector<PorRecord> m_records;
};

// The records one object writes into the stream, after what it held.
inline std::vector<PorRecord> Written(const CSxfObject& object, PorBlockWriter& stream) {
    EXPECT_EQ(object.WritePOR(stream), 1);
    return PluginTest::Records(stream.Data());
}

inline std::vector<LONG> Words(std::span<const BYTE> bytes) {
    std::vector<LONG> words;
    for (std::size_t at = 0; at + PorWordSize <= bytes.size(); at += PorWordSize) {
        words.push_back(LoadPorWord(bytes.data() + at));
    }
    return words;
}

// The record types in order.
inline std::vector<LONG> Types(const std::vector<PorRecord>& records) {
    std::vector<LONG> types;
    for (const PorRecord& record : records) {
        types.push_back(record.Type());
    }
    return types;
}

inline std::string Sheet(const std::string& size = "'100','200'") {
    return Feature(9000, "drawing_sheet_feature('\\'s\\'','9','0'," + size + ")");
}

} // namespace SxfTest
