#pragma once
// Writes the drawing viewbench measures: an ASCII DXF of a given number of
// entities, in turn lines, circles, arcs, lightweight polylines, texts and
// inserts of a small block, laid out on a square grid over 20 layers, two of
// them dashed.

#include <cstddef>
#include <filesystem>

namespace MixedDrawing {

// False when the file could not be written.
bool Write(const std::filesystem::path& path, std::size_t entities);

} // namespace MixedDrawing
