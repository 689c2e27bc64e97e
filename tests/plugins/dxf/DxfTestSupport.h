#pragma once
// Helpers of the DXF plug-in tests: fixtures, conversions of DXF text, and
// the records of a stream.

#include "platform/win/GlobalMemory.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfReader.h"
#include "plugins/dxf/CPorStream.h"
#include "por/PorRecord.h"
#include "por/PorRecordWalker.h"
#include "tests/support/PluginTestSupport.h"
#include "tools/pordump/PorDumper.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace DxfTest {

inline std::filesystem::path Fixture(const std::string& name) {
    return std::filesystem::path(ZUMEO_TEST_DATA) / "dxf" / name;
}

using PluginTest::BinFolder;
using PluginTest::DumpOf;
using PluginTest::OwnedBlock;
using PluginTest::ReadBytes;
using PluginTest::Records;

inline OwnedBlock ConvertText(std::string dxf, HWND window = nullptr) {
    CDxfFile file(std::move(dxf));
    CDxfReader reader(window);
    return OwnedBlock(reader.Convert(std::move(file)));
}

inline std::string DumpText(std::string dxf) {
    return DumpOf(ConvertText(std::move(dxf)));
}

inline std::vector<PorRecord> Records(const CPorStream& stream) {
    return Records(stream.Data());
}

// The drawing records of a conversion (after the header, line-type and layer
// records, without the end record), viewing the block they came in.
struct Drawing {
    OwnedBlock block;
    std::vector<PorRecord> records;
};

inline Drawing DrawingOf(std::string dxf) {
    Drawing drawing{ConvertText(std::move(dxf)), {}};
    if (!drawing.block) {
        return drawing;
    }
    const auto* data = static_cast<const BYTE*>(GlobalLock(drawing.block.get()));
    const std::span<const BYTE> bytes(data, GlobalSize(drawing.block.get()));
    GlobalUnlock(drawing.block.get());
    for (const PorRecord& record : Records(bytes)) {
        const LONG type = record.Type();
        if (type != 1 && type != 2 && type != 31 && type != 34 && type != 35) {
            drawing.records.push_back(record);
        }
    }
    return drawing;
}

// The nested records of a block-reference record.
inline std::vector<PorRecord> Children(const PorRecord& insert) {
    std::vector<PorRecord> children;
    std::span<const BYTE> rest = insert.Bytes().subspan(28);
    for (LONG i = 0; i < insert.Long(6).value_or(0); ++i) {
        const auto child = PorRecord::Frame(rest);
        if (!child) {
            break;
        }
        children.push_back(*child);
        rest = rest.subspan(child->Size());
    }
    return children;
}

// An ENTITIES section around the given entity groups.
inline std::string EntitiesSection(const std::string& entities) {
    return "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n";
}

} // namespace DxfTest
