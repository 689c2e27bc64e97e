#pragma once
// What the tests of every import plug-in share: the folder the modules and
// tools are built in, fixture bytes, owned POR blocks, the records of a
// block, and the pordump tool run on a module.

#include "platform/win/GlobalMemory.h"
#include "por/PorRecord.h"
#include "por/PorRecordWalker.h"
#include "tools/pordump/PorDumper.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace PluginTest {

// The folder of the test program, where the modules and the tools are built.
inline std::filesystem::path BinFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct GlobalFreer {
    void operator()(GlobalBlock* block) const { GlobalFree(block); }
};
using OwnedBlock = std::unique_ptr<GlobalBlock, GlobalFreer>;

// The dump pordump prints, "null\n" for no block.
inline std::string DumpOf(const OwnedBlock& block) {
    return block ? PorDumper::Dump(block.get()) : std::string("null\n");
}

inline std::span<const BYTE> BlockBytes(const OwnedBlock& block) {
    return std::span(static_cast<const BYTE*>(GlobalLock(block.get())), GlobalSize(block.get()));
}

inline std::vector<PorRecord> Records(std::span<const BYTE> data) {
    std::vector<PorRecord> records;
    PorRecordWalker walker(data);
    while (const auto record = walker.Next()) {
        records.push_back(*record);
    }
    return records;
}

inline std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

using GetPORData = HGLOBAL (*)(const char* path, HWND progressWindow);

// The bytes written as the file at path and converted by a module's export
// as the program calls it; the block it gives is freed.
inline void ConvertAsFile(GetPORData convert, const std::string& path,
                          const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (HGLOBAL block = convert(path.c_str(), nullptr))
        GlobalFree(block);
}

struct ToolRun {
    std::string output;
    int status;
};

// pordump with the arguments, in the folder given (the current one when empty).
inline ToolRun RunPordump(const std::string& arguments, const std::filesystem::path& folder = {}) {
    std::string command = Quoted(BinFolder() / "pordump") + " " + arguments + " 2>/dev/null";
    if (!folder.empty()) {
        command = "cd " + Quoted(folder) + " && " + command;
    }
    ToolRun run{std::string(), -1};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.output.append(buffer, got);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace PluginTest
