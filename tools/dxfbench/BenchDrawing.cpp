#include "tools/dxfbench/BenchDrawing.h"

#include "tools/dxfbench/DxfTextWriter.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

void Entity(DxfTextWriter& out, std::size_t i) {
    const double x = static_cast<double>(i % 1000) * 3.0;
    const double y = static_cast<double>(i / 1000) * 3.0;
    const char* layer = i % 7 == 0 ? "Walls" : "0";
    switch (i % 3) {
    case 0:
        out.Group(0, "LINE");
        out.Handle(i + 0x100);
        out.Group(100, "AcDbEntity");
        out.Group(8, layer);
        out.Group(100, "AcDbLine");
        out.Group(10, x);
        out.Group(20, y);
        out.Group(30, 0.0);
        out.Group(11, x + 2.5);
        out.Group(21, y + 1.25);
        out.Group(31, 0.0);
        break;
    case 1:
        out.Group(0, "CIRCLE");
        out.Handle(i + 0x100);
        out.Group(100, "AcDbEntity");
        out.Group(8, layer);
        out.Group(62, "3");
        out.Group(100, "AcDbCircle");
        out.Group(10, x);
        out.Group(20, y);
        out.Group(30, 0.0);
        out.Group(40, 1.2);
        break;
    default:
        out.Group(0, "ARC");
        out.Handle(i + 0x100);
        out.Group(100, "AcDbEntity");
        out.Group(8, layer);
        out.Group(100, "AcDbCircle");
        out.Group(10, x);
        out.Group(20, y);
        out.Group(30, 0.0);
        out.Group(40, 1.1);
        out.Group(100, "AcDbArc");
        out.Group(50, static_cast<double>(i % 360));
        out.Group(51, static_cast<double>((i + 100) % 360));
        break;
    }
}

std::string Drawing(std::size_t entities) {
    DxfTextWriter out;
    out.Group(0, "SECTION");
    out.Group(2, "HEADER");
    out.Group(9, "$ACADVER");
    out.Group(1, "AC1015");
    out.Group(9, "$EXTMIN");
    out.Group(10, 0.0);
    out.Group(20, 0.0);
    out.Group(9, "$EXTMAX");
    out.Group(10, 3000.0);
    out.Group(20, 3000.0);
    out.Group(0, "ENDSEC");
    out.Group(0, "SECTION");
    out.Group(2, "TABLES");
    out.Group(0, "TABLE");
    out.Group(2, "LAYER");
    out.Group(0, "LAYER");
    out.Group(2, "Walls");
    out.Group(62, "1");
    out.Group(6, "CONTINUOUS");
    out.Group(0, "ENDTAB");
    out.Group(0, "ENDSEC");
    out.Group(0, "SECTION");
    out.Group(2, "ENTITIES");
    for (std::size_t i = 0; i < entities; ++i) {
        Entity(out, i);
    }
    out.Group(0, "ENDSEC");
    out.Group(0, "EOF");
    return out.Text();
}

} // namespace

BenchDrawing::BenchDrawing(std::size_t entities)
    : m_folder(std::filesystem::temp_directory_path() /
               ("dxfbench-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(m_folder);
    m_path = m_folder / "bench.dxf";
    const std::string text = Drawing(entities);
    std::ofstream file(m_path, std::ios::binary);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + m_path.string());
    }
    m_bytes = text.size();
}

BenchDrawing::~BenchDrawing() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}
