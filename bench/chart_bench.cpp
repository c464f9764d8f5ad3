// The strategy chart: how long the one decode of the embedded picture takes, and proof that painting
// the panel again does not decode it again.
#include "ui/chart/chart_panel.h"

#include <QApplication>
#include <QPixmap>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millis(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> samples)
{
    std::ranges::sort(samples);
    return samples[samples.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    constexpr int Decodes = 51;
    constexpr int Repaints = 200;

    const QByteArray jpeg = shoewise::embeddedChartJpeg();
    std::vector<double> decodes;
    int width = 0;
    int height = 0;
    for (int i = 0; i < Decodes; ++i) {
        const auto start = Clock::now();
        const QImage image = QImage::fromData(jpeg, "JPEG");
        decodes.push_back(millis(Clock::now() - start));
        if (image.isNull()) {
            std::fprintf(stderr, "the embedded chart did not decode\n");
            return 1;
        }
        width = image.width();
        height = image.height();
    }

    // grab() paints the panel into a pixmap through its paintEvent, as a repaint of the window does.
    shoewise::ChartPanel panel;
    auto start = Clock::now();
    const QPixmap first = panel.grab();
    const double firstPaint = millis(Clock::now() - start);
    std::vector<double> repaints;
    for (int i = 0; i < Repaints; ++i) {
        start = Clock::now();
        const QPixmap again = panel.grab();
        repaints.push_back(millis(Clock::now() - start));
    }

    std::printf("chart jpeg_bytes=%lld width=%d height=%d decode_median_ms=%.3f decode_min_ms=%.3f "
                "first_paint_ms=%.3f repaint_median_ms=%.3f paints=%d decodes=%d\n",
        static_cast<long long>(jpeg.size()), width, height, median(decodes), *std::ranges::min_element(decodes),
        firstPaint, median(repaints), Repaints + 1, panel.decodeCount());
    return panel.decodeCount() == 1 && !first.isNull() ? 0 : 1;
}
