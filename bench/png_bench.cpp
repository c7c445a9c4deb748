#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "engine/qr_engine.h"
#include "export/png_data.h"

// PNG bytes as export, clipboard and batch make them: rendering and encoding together. Each case
// reports the file size ("bytes"); the 2048 px case also its peak memory above the process
// baseline ("peakMB").

namespace {

using namespace vostrel;

const ModuleMatrix& shortURLMatrix() {
    static const ModuleMatrix matrix =
        QREngine::makeMatrix(QStringLiteral("https://example.com/menu"), CorrectionLevel::m)
            .value();
    return matrix;
}

const ModuleMatrix& version40Matrix() {
    static const ModuleMatrix matrix =
        QREngine::makeMatrix(QString(2900, QLatin1Char('x')), CorrectionLevel::l).value();
    return matrix;
}

// A 512-pixel picture with a gradient and a disc, stored as a logo would be.
LogoOverlay benchLogo() {
    QImage picture(512, 512, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 512, 512);
    gradient.setColorAt(0, QColor(230, 80, 40));
    gradient.setColorAt(1, QColor(40, 90, 220));
    painter.fillRect(picture.rect(), gradient);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(256, 256), 160, 160);
    painter.end();
    return makeLogoOverlay(picture).value();
}

QRStyle styleWith(ModuleShape shape, bool withGradient, bool withLogo) {
    QRStyle style;
    style.moduleShape = shape;
    if (withGradient)
        style.gradient = GradientStyle{{0.1, 0.3, 0.8, 1.0}, GradientDirection::vertical};
    if (withLogo) style.logoOverlay = benchLogo();
    return style;
}

void runPngData(benchmark::State& state, const ModuleMatrix& matrix, const QRStyle& style,
                int size) {
    qsizetype bytes = 0;
    for (auto _ : state) {
        const std::optional<QByteArray> png = pngData(matrix, style, size);
        bytes = png ? png->size() : 0;
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["bytes"] = double(bytes);
}

void pngData_1024_shortURL_default(benchmark::State& state) {
    runPngData(state, shortURLMatrix(), QRStyle{}, 1024);
}

void pngData_1024_version40(benchmark::State& state, ModuleShape shape, bool withGradient,
                            bool withLogo) {
    runPngData(state, version40Matrix(), styleWith(shape, withGradient, withLogo), 1024);
}

// Kilobytes of one field of /proc/self/status, such as "VmHWM".
double statusKilobytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0.0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        // "VmHWM:\t  52708 kB"
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toDouble();
        }
    }
    return 0.0;
}

// Writing 5 to clear_refs sets the high-water mark VmHWM back to the current resident size.
void resetPeakResidentSize() {
    const int file = open("/proc/self/clear_refs", O_WRONLY);
    if (file < 0) return;
    benchmark::DoNotOptimize(write(file, "5", 1));
    close(file);
}

// Memory freed by earlier cases goes back to the system first, so that what this export
// allocates shows up in the resident size; then the high-water mark is reset to the baseline.
void pngData_2048_version40_dot_peakMemory(benchmark::State& state) {
    const QRStyle style = styleWith(ModuleShape::dot, true, true);
    double peakAboveBaseline = 0.0;
    for (auto _ : state) {
        malloc_trim(0);
        resetPeakResidentSize();
        const double baseline = statusKilobytes("VmRSS");
        benchmark::DoNotOptimize(pngData(version40Matrix(), style, 2048));
        peakAboveBaseline = std::max(peakAboveBaseline, statusKilobytes("VmHWM") - baseline);
    }
    state.counters["peakMB"] = peakAboveBaseline / 1024.0;
}

}  // namespace

BENCHMARK(pngData_1024_shortURL_default)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, square, ModuleShape::square, false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, square_gradient, ModuleShape::square, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, square_logo, ModuleShape::square, false, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, square_gradient_logo, ModuleShape::square, true, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, dot, ModuleShape::dot, false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, dot_gradient, ModuleShape::dot, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, dot_logo, ModuleShape::dot, false, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, dot_gradient_logo, ModuleShape::dot, true, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, squircle, ModuleShape::squircle, false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, squircle_gradient, ModuleShape::squircle, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, squircle_logo, ModuleShape::squircle, false, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pngData_1024_version40, squircle_gradient_logo, ModuleShape::squircle, true, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(pngData_2048_version40_dot_peakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
