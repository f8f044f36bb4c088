// The time dial's drawing alone, at the first and the last tick, and the indentation
// view's drawings, each into its off-screen picture.

#include "view/DialPicture.h"
#include "view/IndentationView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Material 1 under D = 10 and P = 3000: radius 44 in the growth frame, 87 magnified.
constexpr double IndentDiameterOfMaterial1 = 4.3711;

// The slices the loading sequence adds at tick 1 and at tick 60.
std::vector<DialPoint> DialPointsOfTick(int tick)
{
    const double lead = tick <= 30 ? 80 : 0;
    const double third = 300 + 30 * ((tick - 1) % 30);
    return {{lead, "%=", clWhite}, {20, "%=", clRed}, {third, "%=", clWhite}};
}

void DialDrawing(benchmark::State& state)
{
    const std::vector<DialPoint> points = DialPointsOfTick(static_cast<int>(state.range(0)));
    QImage picture(417, 361, QImage::Format_RGB32);
    const QPalette palette = QApplication::palette();
    for (auto _ : state) {
        DrawDialPicture(picture, palette, points);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DialDrawing)->ArgName("tick")->Arg(1)->Arg(60)->Unit(benchmark::kMicrosecond);

void GrowthFrame(benchmark::State& state)
{
    IndentationView view;
    for (auto _ : state)
        view.drawGrowthFrame(44);
}
BENCHMARK(GrowthFrame)->Unit(benchmark::kMicrosecond);

void MagnifiedView(benchmark::State& state)
{
    IndentationView view;
    for (auto _ : state)
        view.drawMagnifiedView(IndentDiameterOfMaterial1);
}
BENCHMARK(MagnifiedView)->Unit(benchmark::kMicrosecond);

void GridView(benchmark::State& state)
{
    IndentationView view;
    for (auto _ : state)
        view.drawGridView(IndentDiameterOfMaterial1);
}
BENCHMARK(GridView)->Unit(benchmark::kMicrosecond);

} // namespace
