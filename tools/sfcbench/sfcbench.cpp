// Reads a ".sfc" drawing through the SXF library calls as the plug-in makes
// them (open, every table, every assembly with its features, close) and
// reports the reading speed and the peak memory of the process, or writes
// a generated drawing to read.
//
//   sfcbench <drawing.sfc>
//   sfcbench --generate MEGABYTES <out.sfc>

#include "platform/sxf/SxfCommonLib.h"
#include "tools/sfcbench/SfcBenchDrawing.h"

#include <sys/resource.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double Megabyte = 1024.0 * 1024.0;

int Usage() {
    std::fprintf(stderr, "usage: sfcbench <drawing.sfc>\n"
                         "       sfcbench --generate MEGABYTES <out.sfc>\n");
    return 2;
}

int Generate(std::string_view megabytes, const char* path) {
    std::size_t size = 0;
    const auto parsed =
        std::from_chars(megabytes.data(), megabytes.data() + megabytes.size(), size);
    if (parsed.ec != std::errc() || parsed.ptr != megabytes.data() + megabytes.size() || !size) {
        return Usage();
    }
    const std::string text = SfcBenchDrawing::Text(size * 1024 * 1024);
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    std::printf("wrote %s: %zu bytes\n", path, text.size());
    return 0;
}

struct Counts {
    long long tableEntries = 0;
    long long assemblies = 0;
    long long features = 0;
    long long failed = 0;
};

void ReadFeatures(Counts& counts) {
    int end = 0;
    do {
        char typeName[64] = {};
        void* data = nullptr;
        end = 0;
        if (SXFread_next_feature(typeName, data, &end) > 0) {
            ++counts.features;
            SXFdelete_feature(typeName, data);
        } else {
            // An empty group answers 0 with no message; a feature that
            // cannot be read leaves one.
            char* text = nullptr;
            char* second = nullptr;
            int number = 0;
            SXFPopMsg(text, &number, second);
            counts.failed += number != 0;
        }
    } while (!end);
}

bool Read(const char* path, Counts& counts) {
    std::vector<char> writablePath(path, path + std::char_traits<char>::length(path) + 1);
    char info[4][260] = {};
    if (SXFopen_part21(writablePath.data(), 0, 1e-6, 1e-6, 0.0, 2, 1, info[0], info[1], info[2],
                       info[3]) < 0) {
        return false;
    }
    for (int kind = SxfTableLayer; kind <= SxfTableTextFont; ++kind) {
        int end = 0;
        do {
            SxfTableEntry entry{};
            if (SXFread_table(kind, &entry, &end) > 0) {
                ++counts.tableEntries;
            }
        } while (!end);
    }
    for (const int kind : {SxfAssemblyCompositeCurve, SxfAssemblySfigOrg, SxfAssemblySheet}) {
        int end = 0;
        do {
            void* data = nullptr;
            if (SXFread_assembly_name(kind, data, &end) < 0 || !data) {
                break;
            }
            ++counts.assemblies;
            SXFdelete_assembly(kind, data);
            ReadFeatures(counts);
        } while (!end);
    }
    return SXFclose_part21() == 0;
}

int Measure(const char* path) {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    if (error) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return 1;
    }
    Counts counts;
    const auto start = std::chrono::steady_clock::now();
    const bool read = Read(path, counts);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (!read) {
        std::fprintf(stderr, "the library could not read %s\n", path);
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peak = static_cast<double>(usage.ru_maxrss) * 1024.0;
    const double size = static_cast<double>(bytes);
    std::printf("file %.1f MB, %lld table entries, %lld assemblies, %lld features, %lld not read\n",
                size / Megabyte, counts.tableEntries, counts.assemblies, counts.features,
                counts.failed);
    std::printf("read %.3f s, %.1f MB/s, peak %.0f MB, %.2f bytes of memory per byte of file\n",
                seconds.count(), size / Megabyte / seconds.count(), peak / Megabyte, peak / size);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string_view(argv[1]) == "--generate") {
        return Generate(argv[2], argv[3]);
    }
    if (argc == 2) {
        return Measure(argv[1]);
    }
    return Usage();
}
