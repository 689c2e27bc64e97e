// Times the DXF plug-in's VP_GetPORData on a drawing of one million LINE,
// CIRCLE and ARC entities, through the module as the program loads it.

#include "platform/win/GlobalMemory.h"
#include "platform/win/WinTypes.h"
#include "tools/dxfbench/BenchDrawing.h"

#include <benchmark/benchmark.h>

#include <dlfcn.h>
#include <filesystem>
#include <stdexcept>

namespace {

using GetPORData = HGLOBAL (*)(const char* path, HWND progressWindow);

constexpr std::size_t Entities = 1000000;

GetPORData LoadPlugin() {
    const auto module = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "RukDXF.so";
    void* library = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        throw std::runtime_error(dlerror());
    }
    return reinterpret_cast<GetPORData>(dlsym(library, "VP_GetPORData"));
}

void BM_GetPORData(benchmark::State& state) {
    const GetPORData getPorData = LoadPlugin();
    const BenchDrawing drawing(Entities);
    for (auto _ : state) {
        HGLOBAL block = getPorData(drawing.Path().c_str(), nullptr);
        if (!block) {
            state.SkipWithError("the plug-in returned no block");
            break;
        }
        benchmark::DoNotOptimize(block);
        GlobalFree(block);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * drawing.Bytes()));
    state.counters["entities"] = static_cast<double>(Entities);
}

} // namespace

BENCHMARK(BM_GetPORData)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
