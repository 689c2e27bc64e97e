#pragma once
// A generated DXF drawing of LINE, CIRCLE and ARC entities in turn, in a
// folder of its own under the system's temporary folder; removed with the
// object.

#include <cstddef>
#include <filesystem>

class BenchDrawing {
public:
    explicit BenchDrawing(std::size_t entities);
    ~BenchDrawing();
    BenchDrawing(const BenchDrawing&) = delete;
    BenchDrawing& operator=(const BenchDrawing&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::size_t Bytes() const { return m_bytes; }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_path;
    std::size_t m_bytes = 0;
};
