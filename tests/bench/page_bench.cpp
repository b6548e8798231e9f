// How long reading a page takes: the 1-bit form with its expansion, and the 8-bit form.
#include <benchmark/benchmark.h>

#include <vector>

#include "pages/page_file.h"
#include "pages/palette.h"
#include "../support/page_builder.h"

namespace {

void LoadFrom(benchmark::State& state, const std::vector<uint8_t>& file) {
    PageRgb palette[PAGE_COLOURS];
    BuildPaletteColours(palette);
    PageFileHeader bmfh = {};
    PageInfo bmi = {};
    std::vector<uint8_t> pixels(PAGE_BYTES);
    for (auto _ : state) {
        MemoryPageFile mem = {file.data(), file.size(), 0};
        int bLoaded =
            ReadPage(MemoryPageReader(&mem), &bmfh, &bmi, pixels.data(), pixels.size(), palette);
        benchmark::DoNotOptimize(bLoaded);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
}

void OneBitPage(benchmark::State& state) {
    LoadFrom(state, pagebuild::MonoPageFile(pagebuild::OutlinePicture));
}

void EightBitPage(benchmark::State& state) {
    LoadFrom(state, pagebuild::ColourPageFile(pagebuild::ColourPicture));
}

BENCHMARK(OneBitPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(EightBitPage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
