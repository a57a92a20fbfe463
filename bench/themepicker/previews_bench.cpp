// Builds the previews of a theme of 44 styles (132 images) as the theme picker does after
// a file is picked, beside one load of the same file with LoadThemeFile, in one run.

#include "platform/bitmapfile.h"
#include "platform/messagebox.h"
#include "platform/propertypagehost.h"
#include "platform/settingsstore.h"
#include "platform/timer.h"
#include "skin/themeloader.h"
#include "themepack.h"
#include "themepicker/filelistbox.h"
#include "themepicker/shtstyles.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kStyles = 44;

class NoSelection final : public platform::PropertyPageHost {
public:
    int selectedControlCount() const override { return 0; }
    QObject* selectedControl(int) const override { return nullptr; }
    void setPageCaption(const QString&) override {}
};

// Faces of the shipped themes' usual size: a rounded body with a rim, 5-pixel corners.
QByteArray themeBytes()
{
    std::vector<xbn::PackedImage> images;
    for (int i = 0; i < 3 * kStyles; ++i) {
        QImage face(48, 22, QImage::Format_RGB32);
        face.fill(Qt::magenta);
        QPainter painter(&face);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(40, 40, 40));
        painter.setBrush(QColor::fromHsv(i * 360 / (3 * kStyles), 160, 200 + i % 3 * 20));
        painter.drawRoundedRect(QRectF(0.5, 0.5, 47, 21), 4, 4);
        painter.end();
        images.push_back({platform::bitmapFileBytes(platform::Picture(face)), 5, 5});
    }
    return xbn::themeFileBytes(images);
}

struct Fixture {
    Fixture()
    {
        QFile file(folder.filePath(QStringLiteral("bench.xbn")));
        file.open(QIODevice::WriteOnly);
        file.write(themeBytes());
        file.close();
        settings.SaveSetting(QStringLiteral("Plexora"), QStringLiteral("Button Themes"),
                             QStringLiteral("Path"), folder.path());
        page = std::make_unique<shtStyles>(
            host, shtStylesEnvironment{&settings, folder.path(), folder.path()});
        emit page->findChild<platform::Timer*>(QStringLiteral("Timer1"))->tick();
    }
    QTemporaryDir folder;
    platform::MemorySettingsStore settings;
    NoSelection host;
    std::unique_ptr<shtStyles> page;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_LoadThemeFile(benchmark::State& state)
{
    const QString path = fixture().folder.filePath(QStringLiteral("bench.xbn"));
    std::vector<platform::PicturePtr> pictures;
    for (auto _ : state) {
        basGeneral::LoadThemeFile(path, pictures);
        benchmark::DoNotOptimize(pictures.data());
    }
    state.counters["images"] = double(pictures.size() - 1);
}

void BM_BuildStylePreviews(benchmark::State& state)
{
    shtStyles& page = *fixture().page;
    for (auto _ : state)
        page.BuildStylePreviews();
    state.counters["styles"] = page.styleCount();
}

BENCHMARK(BM_LoadThemeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildStylePreviews)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::setMessageSink(platform::writeMessageToStandardError);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
