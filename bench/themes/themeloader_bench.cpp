// Loads a theme file of 300 images as the theme picker does, in megabytes per second,
// beside two baselines measured in the same run: reading the file's bytes, and Qt
// decoding the same 300 bitmaps from memory with nothing around it.

#include "platform/bitmapfile.h"
#include "platform/eventpump.h"
#include "platform/messagebox.h"
#include "skin/themeloader.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kImages = 300;

// Skins of the theme picker's usual sizes, each with its own pattern.
std::vector<QByteArray> bitmaps()
{
    std::vector<QByteArray> list;
    for (int i = 0; i < kImages; ++i) {
        QImage image(40 + i % 3 * 24, 20 + i % 2 * 8, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x * 5 + i) & 0xFF, (y * 9) & 0x3F, (i * 7) & 0x3F));
        }
        list.push_back(platform::bitmapFileBytes(platform::Picture(image)));
    }
    return list;
}

QByteArray themeBytes(const std::vector<QByteArray>& images)
{
    QByteArray bytes("bench theme\n", 12);
    for (const QByteArray& bitmap : images) {
        char corners[8];
        qToLittleEndian<std::uint32_t>(5, corners);
        qToLittleEndian<std::uint32_t>(5, corners + 4);
        bytes.append(corners, 8).append(bitmap);
    }
    return bytes;
}

struct Fixture {
    QTemporaryDir folder;
    std::vector<QByteArray> images = bitmaps();
    QByteArray theme = themeBytes(images);
    QString path = folder.filePath(QStringLiteral("bench.xbn"));

    Fixture()
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(theme);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void loadThemeFile(benchmark::State& state)
{
    std::vector<platform::PicturePtr> list;
    for (auto _ : state) {
        basGeneral::LoadThemeFile(fixture().path, list);
        benchmark::DoNotOptimize(list.data());
    }
    if (list.size() != kImages + 1)
        state.SkipWithError("the theme did not load");
    state.SetBytesProcessed(state.iterations() * fixture().theme.size());
}

void readFileBytes(benchmark::State& state)
{
    for (auto _ : state) {
        QFile file(fixture().path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().constData());
    }
    state.SetBytesProcessed(state.iterations() * fixture().theme.size());
}

void decodeBitmapsWithQt(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QByteArray& bitmap : fixture().images) {
            QImage image;
            image.loadFromData(bitmap, "BMP");
            benchmark::DoNotOptimize(image.convertToFormat(QImage::Format_RGB32).constBits());
        }
    }
    state.SetBytesProcessed(state.iterations() * fixture().theme.size());
}

// Prints each benchmark's speed as a ratio to Qt's plain decoding of the same bitmaps.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions only the median of each benchmark is kept.
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name == "median")
                m_seconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double baseline = m_seconds["decodeBitmapsWithQt"];
        for (const auto& [name, seconds] : m_seconds)
            std::printf("%-22s %.2f x the time of Qt's decoding alone\n", name.c_str(),
                        seconds / baseline);
    }

private:
    std::map<std::string, double> m_seconds;
};

} // namespace

BENCHMARK(decodeBitmapsWithQt)->Unit(benchmark::kMillisecond);
BENCHMARK(readFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(loadThemeFile)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    platform::setEventPass([] {});
    platform::setMessageSink(platform::writeMessageToStandardError);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
