// The page maker from decoded pixels to a page: a page-sized drawing, and photo-like pictures
// of it from page size up to 25 megapixels, for how the time grows with the picture. On a
// shared machine run
//   pagemaker_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <map>

#include "support/drawn_pictures.h"

namespace {

void Drawing(benchmark::State& state) {
    const std::vector<uint8_t> grey = drawn::GreyPixels(drawn::HouseScene());
    const Picture picture = {grey.data(), 660, 460, 660, PICTURE_GREY};
    MadePage page;
    for (auto _ : state)
        MakePage(picture, DefaultMakeSettings(), &page);
    state.counters["areas"] = page.nAreas;
}

// Photos of the same scene, argument the width; made once and kept for the repetitions.
void Photo(benchmark::State& state) {
    static std::map<int, drawn::Photo> photos;
    const int nWidth = int(state.range(0));
    if (!photos.count(nWidth))
        photos[nWidth] = drawn::PhotoLike(drawn::HouseScene(), nWidth);
    const drawn::Photo& photo = photos[nWidth];
    MadePage page;
    for (auto _ : state)
        MakePage(photo.AsPicture(), DefaultMakeSettings(), &page);
    state.counters["megapixels"] = double(photo.w) * photo.h / 1e6;
    state.counters["areas"] = page.nAreas;
}

} // namespace

BENCHMARK(Drawing)->Unit(benchmark::kMillisecond);
BENCHMARK(Photo)->Arg(990)->Arg(1980)->Arg(2970)->Arg(4200)->Arg(6000)->Unit(
    benchmark::kMillisecond);
BENCHMARK_MAIN();
