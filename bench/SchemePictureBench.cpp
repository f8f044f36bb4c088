// An 873 × 249 scheme picture, the size of the scheme box: its decoding alone, and
// its load into the scheme box up to the first paint, as tick 30 and the paint after
// it would do, for a baseline and a progressive file.

#include "NoisyPicture.h"
#include "pictures/JpegPicture.h"
#include "pictures/PictureBox.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr int SchemeWidth = 873;
constexpr int SchemeHeight = 249;

const char* FileName(JpegCoding coding)
{
    return coding == JpegCoding::Baseline ? "baseline.jpg" : "progressive.jpg";
}

// Both pictures, written once into a scratch folder for the whole run.
struct FixtureFolder {
    FixtureFolder()
    {
        for (const JpegCoding coding : {JpegCoding::Baseline, JpegCoding::Progressive}) {
            const std::vector<unsigned char> jpeg = NoisyJpeg(SchemeWidth, SchemeHeight, coding);
            QFile file(folder.filePath(QString::fromLatin1(FileName(coding))));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(reinterpret_cast<const char*>(jpeg.data()), qint64(jpeg.size())) !=
                    qint64(jpeg.size()))
                throw std::runtime_error("cannot write the benchmark pictures");
        }
    }

    QTemporaryDir folder;
};

QString FixturePath()
{
    static const FixtureFolder fixtures;
    return fixtures.folder.path();
}

void SchemeDecode(benchmark::State& state, JpegCoding coding)
{
    const JpegPicture picture(NoisyJpeg(SchemeWidth, SchemeHeight, coding));
    for (auto _ : state)
        benchmark::DoNotOptimize(picture.decode());
}
BENCHMARK_CAPTURE(SchemeDecode, baseline, JpegCoding::Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SchemeDecode, progressive, JpegCoding::Progressive)
    ->Unit(benchmark::kMicrosecond);

void SchemeLoadAndFirstPaint(benchmark::State& state, JpegCoding coding)
{
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(FixturePath());
    PictureBox box(nullptr);
    box.resize(SchemeWidth, SchemeHeight);
    QImage screen(SchemeWidth, SchemeHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        box.LoadFromFile(FileName(coding));
        box.render(&screen);
    }
    QDir::setCurrent(previousFolder);
}
BENCHMARK_CAPTURE(SchemeLoadAndFirstPaint, baseline, JpegCoding::Baseline)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SchemeLoadAndFirstPaint, progressive, JpegCoding::Progressive)
    ->Unit(benchmark::kMicrosecond);

} // namespace
