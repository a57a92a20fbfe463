// Renders skins as the main window's buttons and the theme previews do, and scales
// the same skin with Qt's smooth scaler in the same run. Every result reports
// destination pixels per second; at the end each rendering's median time is set
// against Qt's scaler at the same size. Each case runs five times, since the
// machine may be busy with other work.
#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/pixelsurface.h"
#include "platform/screenmetrics.h"
#include "skin/smoothstretch.h"
#include "skin/stretchskin.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kTwips = 15;
constexpr int kRepetitions = 5;
constexpr std::int32_t kWhiteBackground = platform::rgbValue(255, 255, 255);

// A 129 × 25-pixel skin with a plain grey corner, like the main window's.
constexpr int kSkinWidth = 129;
constexpr int kSkinHeight = 25;

QImage buttonSkin()
{
    QImage image(kSkinWidth, kSkinHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 + x, 60 + 7 * y, 200 - x));
    image.setPixel(0, 0, qRgb(98, 98, 98));
    return image;
}

struct Size {
    int width;
    int height;
    int cornerPixels;
};

void countPixels(benchmark::State& state, const Size& size)
{
    state.counters["pixels/s"] = benchmark::Counter(double(size.width) * size.height,
                                                    benchmark::Counter::kIsIterationInvariantRate);
}

void renderSkin(benchmark::State& state, Size size, bool smooth)
{
    const platform::PicturePtr skin = platform::makePicture(buttonSkin());
    QImage target(size.width, size.height, QImage::Format_RGB32);
    for (auto _ : state) {
        std::int32_t corner = size.cornerPixels * kTwips;
        std::int32_t cornerHeight = corner;
        std::int32_t width = size.width * kTwips;
        std::int32_t height = size.height * kTwips;
        basGeneral::StretchSkin(skin, target, corner, cornerHeight, width, height, smooth,
                                kWhiteBackground);
        benchmark::DoNotOptimize(target.constBits());
    }
    countPixels(state, size);
}

void smoothStretchWhole(benchmark::State& state, Size size)
{
    const platform::PixelSurface source(buttonSkin());
    platform::PixelSurface destination(QImage(size.width, size.height, QImage::Format_RGB32));
    const auto w = std::int16_t(source.bitmap().width());
    const auto h = std::int16_t(source.bitmap().height());
    for (auto _ : state) {
        basGeneral::SmoothStretch(source, 0, 0, w, h, std::int16_t(size.width),
                                  std::int16_t(size.height), 0, 0, destination);
        benchmark::DoNotOptimize(destination.bitmap().constBits());
    }
    countPixels(state, size);
}

void qtSmoothScale(benchmark::State& state, Size size)
{
    const QImage skin = buttonSkin();
    for (auto _ : state) {
        QImage scaled =
            skin.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    }
    countPixels(state, size);
}

// The three button sizes of the main window and the large rendering.
const Size kSizes[] = {{81, 33, 5}, {129, 25, 5}, {25, 17, 1}, {1000, 300, 5}};

std::string sizeName(const Size& s)
{
    return std::to_string(s.width) + "x" + std::to_string(s.height);
}

void registerAll()
{
    for (const Size& s : kSizes) {
        const std::string n = sizeName(s);
        for (auto* b : {
                 benchmark::RegisterBenchmark(("StretchSkin/smooth/" + n).c_str(), renderSkin, s,
                                              true),
                 benchmark::RegisterBenchmark(("StretchSkin/fast/" + n).c_str(), renderSkin, s,
                                              false),
                 benchmark::RegisterBenchmark(("SmoothStretch/whole/" + n).c_str(),
                                              smoothStretchWhole, s),
                 benchmark::RegisterBenchmark(("QtSmoothScale/" + n).c_str(), qtSmoothScale, s),
             })
            b->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
    }
}

// The console report, followed by each rendering's median time against Qt's scaler
// at the same size: a ratio above 1 means the rendering is that many times faster.
// The times compared are processor times, which other work on a busy machine
// disturbs far less than elapsed times.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_seconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nSpeed against QImage::scaled(Qt::SmoothTransformation), same size"
                    " (median processor time), smooth stretch build \"%s\":\n",
                    basGeneral::SmoothStretchBuild());
        for (const Size& s : kSizes) {
            const std::string n = sizeName(s);
            const auto qt = m_seconds.find("QtSmoothScale/" + n);
            if (qt == m_seconds.end())
                continue;
            if (s.width == kSkinWidth && s.height == kSkinHeight)
                std::printf("  (at the skin's own size Qt returns the image unscaled)\n");
            for (const char* name :
                 {"StretchSkin/smooth/", "SmoothStretch/whole/", "StretchSkin/fast/"}) {
                const auto ours = m_seconds.find(name + n);
                if (ours != m_seconds.end())
                    std::printf("  %-28s %6.2f x\n", (name + n).c_str(), qt->second / ours->second);
            }
        }
    }

private:
    std::map<std::string, double> m_seconds;
};

} // namespace

int main(int argc, char** argv)
{
    platform::setTwipsPerPixel(kTwips, kTwips);
    registerAll();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
