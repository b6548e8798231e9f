// The colour fill's breadth-first core against OpenCV's 4-connected flood fill, on the same
// page, with the ratio of the two printed at the end of the run. On a shared machine run
//   fill_bench --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true
//              --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <opencv2/imgproc.hpp>

#include "pages/fill_engine.h"
#include "pages/page_file.h"
#include "../support/page_builder.h"
#include "../support/reference_fill.h"

namespace {

// The page bottom-up for the engine; OpenCV sees the same bytes as a top-down image, so
// its seed row is mirrored.
std::vector<uint8_t> MakePage(bool bOutlines) {
    std::vector<uint8_t> bits(PAGE_BYTES);
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0; x < PAGE_WIDTH; x++)
            bits[x + PAGE_WIDTH * (PAGE_HEIGHT - 1 - y)] =
                bOutlines ? pagebuild::OutlinePicture(x, y) : PIXEL_BLANK;
    return bits;
}

// Each pass recolours the whole area, alternating two colours, so no reset is timed.
void Engine(benchmark::State& state, bool bOutlines) {
    std::vector<uint8_t> bits = MakePage(bOutlines);
    PageBits page = {bits.data(), PAGE_WIDTH, PAGE_HEIGHT};
    int nColour = 1;
    long nEntries = 0;
    for (auto _ : state) {
        nEntries = FloodColour(page, 330, 230, nColour);
        nColour = 3 - nColour;
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = double(nEntries - 1); // the seed is taken twice
}

void OpenCv(benchmark::State& state, bool bOutlines) {
    std::vector<uint8_t> bits = MakePage(bOutlines);
    cv::Mat image(PAGE_HEIGHT, PAGE_WIDTH, CV_8UC1, bits.data());
    int nColour = 1;
    int nArea = 0;
    for (auto _ : state) {
        nArea = cv::floodFill(image, cv::Point(330, PAGE_HEIGHT - 1 - 230), cv::Scalar(nColour),
                              nullptr, cv::Scalar(), cv::Scalar(), 4);
        nColour = 3 - nColour;
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = double(nArea);
}

// The tests' reference fill: the same breadth-first order with the queue as a plain array of
// positions, the cheapest queue there is: what any queue of nodes, however it is kept, can at
// best come down to.
void ArrayQueue(benchmark::State& state, bool bOutlines) {
    std::vector<uint8_t> bits = MakePage(bOutlines);
    std::vector<int32_t> queue(2 * (PAGE_BYTES + 1));
    uint8_t bColour = 1;
    long nEntries = 0;
    for (auto _ : state) {
        nEntries = ReferenceFill(bits.data(), PAGE_WIDTH, PAGE_HEIGHT, 330, PAGE_HEIGHT - 1 - 230,
                                 bColour, queue);
        bColour = (uint8_t)(3 - bColour);
        benchmark::ClobberMemory();
    }
    state.counters["pixels"] = double(nEntries - 1);
}

void EngineBlankPage(benchmark::State& state) {
    Engine(state, false);
}
void OpenCvBlankPage(benchmark::State& state) {
    OpenCv(state, false);
}
void ArrayQueueBlankPage(benchmark::State& state) {
    ArrayQueue(state, false);
}
void ArrayQueueOutlinedPage(benchmark::State& state) {
    ArrayQueue(state, true);
}
void EngineOutlinedPage(benchmark::State& state) {
    Engine(state, true);
}
void OpenCvOutlinedPage(benchmark::State& state) {
    OpenCv(state, true);
}

// The shared build machine only ever slows a run down, so the fastest repetition is the
// truest; the ratios use it.
double Fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(EngineBlankPage)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(OpenCvBlankPage)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(ArrayQueueBlankPage)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(EngineOutlinedPage)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(OpenCvOutlinedPage)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
BENCHMARK(ArrayQueueOutlinedPage)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);

// Shows the runs as usual and keeps each benchmark's times (the fastest when repeated) for
// the ratios. CPU time is given beside wall time because the build machine is shared.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, std::pair<double, double>> times;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name.empty() || run.aggregate_name == "min")
                times[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                     run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* lpszPage : {"BlankPage", "OutlinedPage"}) {
        auto engine = reporter.times[std::string("Engine") + lpszPage];
        auto openCv = reporter.times[std::string("OpenCv") + lpszPage];
        auto array = reporter.times[std::string("ArrayQueue") + lpszPage];
        if (openCv.first > 0 && openCv.second > 0 && array.second > 0)
            std::printf("%s: engine / OpenCV = %.2f wall, %.2f CPU; array queue / OpenCV = %.2f "
                        "CPU; engine / array queue = %.2f CPU\n",
                        lpszPage, engine.first / openCv.first, engine.second / openCv.second,
                        array.second / openCv.second, engine.second / array.second);
    }
    benchmark::Shutdown();
    return 0;
}
