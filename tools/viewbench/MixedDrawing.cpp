#include "tools/viewbench/MixedDrawing.h"

#include "tools/dxfbench/DxfTextWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr int kLayers = 20;
constexpr double kCell = 10.0;
constexpr const char* kBlockName = "MARK";
// Entities written between two flushes of the text to the file.
constexpr std::size_t kChunk = 20000;

std::string LayerName(std::size_t index) {
    const auto number = static_cast<int>(index % kLayers);
    return std::string("L") + static_cast<char>('0' + number / 10) +
           static_cast<char>('0' + number % 10);
}

void Header(DxfTextWriter& out, double side) {
    out.Group(0, "SECTION");
    out.Group(2, "HEADER");
    out.Group(9, "$ACADVER");
    out.Group(1, "AC1015");
    out.Group(9, "$EXTMIN");
    out.Group(10, 0.0);
    out.Group(20, 0.0);
    out.Group(9, "$EXTMAX");
    out.Group(10, side);
    out.Group(20, side);
    out.Group(0, "ENDSEC");
}

void Tables(DxfTextWriter& out) {
    out.Group(0, "SECTION");
    out.Group(2, "TABLES");
    out.Group(0, "TABLE");
    out.Group(2, "LTYPE");
    out.Group(0, "LTYPE");
    out.Group(2, "DASHED");
    out.Group(70, 0);
    out.Group(3, "Dashed __ __ __");
    out.Group(72, 65);
    out.Group(73, 2);
    out.Group(40, 3.0);
    out.Group(49, 2.0);
    out.Group(49, -1.0);
    out.Group(0, "ENDTAB");
    out.Group(0, "TABLE");
    out.Group(2, "LAYER");
    for (std::size_t i = 0; i < kLayers; ++i) {
        out.Group(0, "LAYER");
        out.Group(2, LayerName(i));
        out.Group(70, 0);
        out.Group(62, static_cast<int>(i % 7) + 1);
        out.Group(6, i % 10 == 5 ? "DASHED" : "CONTINUOUS");
    }
    out.Group(0, "ENDTAB");
    out.Group(0, "ENDSEC");
}

// The block: a cross in a circle, 4 units across.
void Blocks(DxfTextWriter& out) {
    out.Group(0, "SECTION");
    out.Group(2, "BLOCKS");
    out.Group(0, "BLOCK");
    out.Group(8, "0");
    out.Group(2, kBlockName);
    out.Group(70, 0);
    out.Group(10, 0.0);
    out.Group(20, 0.0);
    out.Group(30, 0.0);
    out.Group(0, "CIRCLE");
    out.Group(8, "0");
    out.Group(10, 0.0);
    out.Group(20, 0.0);
    out.Group(30, 0.0);
    out.Group(40, 2.0);
    for (const double sign : {1.0, -1.0}) {
        out.Group(0, "LINE");
        out.Group(8, "0");
        out.Group(10, -2.0);
        out.Group(20, -2.0 * sign);
        out.Group(30, 0.0);
        out.Group(11, 2.0);
        out.Group(21, 2.0 * sign);
        out.Group(31, 0.0);
    }
    out.Group(0, "ENDBLK");
    out.Group(8, "0");
    out.Group(0, "ENDSEC");
}

void Point(DxfTextWriter& out, int code, double x, double y) {
    out.Group(code, x);
    out.Group(code + 10, y);
}

void Entity(DxfTextWriter& out, std::size_t i, std::size_t columns) {
    const double x = static_cast<double>(i % columns) * kCell;
    const double y = static_cast<double>(i / columns) * kCell;
    static constexpr const char* kTypes[] = {"LINE",       "CIRCLE", "ARC",
                                             "LWPOLYLINE", "TEXT",   "INSERT"};
    const std::size_t kind = i % std::size(kTypes);
    out.Group(0, kTypes[kind]);
    out.Handle(i + 0x100);
    out.Group(8, LayerName(i / std::size(kTypes)));
    switch (kind) {
    case 0:
        Point(out, 10, x, y);
        Point(out, 11, x + 8.0, y + 3.0 + static_cast<double>(i % 5));
        break;
    case 1:
        Point(out, 10, x + 5.0, y + 5.0);
        out.Group(40, 1.5 + static_cast<double>(i % 7) * 0.5);
        break;
    case 2:
        Point(out, 10, x + 5.0, y + 5.0);
        out.Group(40, 4.0);
        out.Group(50, static_cast<double>(i % 360));
        out.Group(51, static_cast<double>((i + 120) % 360));
        break;
    case 3:
        out.Group(90, 4);
        out.Group(70, static_cast<int>(i % 2));
        Point(out, 10, x + 1.0, y + 1.0);
        Point(out, 10, x + 9.0, y + 2.0);
        Point(out, 10, x + 8.0, y + 9.0);
        Point(out, 10, x + 2.0, y + 7.0);
        break;
    case 4: {
        Point(out, 10, x + 1.0, y + 4.0);
        out.Group(40, 2.5);
        std::string text("T");
        text += std::to_string(i % 1000);
        out.Group(1, text);
        break;
    }
    default:
        out.Group(2, kBlockName);
        Point(out, 10, x + 5.0, y + 5.0);
        out.Group(50, static_cast<double>(i % 90));
        break;
    }
}

} // namespace

bool MixedDrawing::Write(const std::filesystem::path& path, std::size_t entities) {
    const auto columns = static_cast<std::size_t>(
        std::max(1.0, std::ceil(std::sqrt(static_cast<double>(entities)))));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    DxfTextWriter out;
    Header(out, static_cast<double>(columns) * kCell);
    Tables(out);
    Blocks(out);
    out.Group(0, "SECTION");
    out.Group(2, "ENTITIES");
    for (std::size_t i = 0; i < entities; ++i) {
        Entity(out, i, columns);
        if (i % kChunk == kChunk - 1) {
            const std::string text = out.Take();
            file.write(text.data(), static_cast<std::streamsize>(text.size()));
        }
    }
    out.Group(0, "ENDSEC");
    out.Group(0, "EOF");
    const std::string text = out.Take();
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return static_cast<bool>(file);
}
