#include "ui/chart/chart_panel.h"

#include "program.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QResource>

#include <system_error>
#include <utility>

namespace shoewise {
namespace {

// The box leaves a spare column and row beside the picture, on the right and at the bottom.
constexpr QSize kPanelSize {program::ChartWidth + 2, program::ChartHeight + 2};

QImage decode(QByteArray jpeg)
{
    // Straight to the jpeg reader: guessing the format loads every image format plugin installed.
    QBuffer buffer(&jpeg);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QByteArray embeddedChartJpeg()
{
    // An uncompressed resource comes back as a view of the executable's bytes, not a copy.
    return QResource(QStringLiteral(":/chart/strategy-chart.jpg")).uncompressedData();
}

ChartPanel::ChartPanel(QWidget* parent)
    : ChartPanel(embeddedChartJpeg(), parent)
{
}

ChartPanel::ChartPanel(QByteArray jpeg, QWidget* parent)
    : QWidget(parent)
    , jpeg_(std::move(jpeg))
{
    setFixedSize(kPanelSize);
}

void ChartPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (decodeCount_ > 0)
        return;
    // The decode takes milliseconds. Begun as the window is shown, it runs on the second core while
    // the window is mapped and the page beside the chart is painted.
    try {
        decoding_ = std::async(std::launch::async, decode, jpeg_);
        ++decodeCount_;
    } catch (const std::system_error&) {
        // No second thread to be had: the first paint decodes.
    }
}

void ChartPanel::paintEvent(QPaintEvent*)
{
    if (decodeCount_ == 0) {
        // Painted without having been shown, as by grab(): decoded here and now.
        ++decodeCount_;
        decoding_ = std::async(std::launch::deferred, decode, jpeg_);
    }
    // The first paint takes the bitmap. A failed decode is not retried: the bytes will not get better.
    if (decoding_.valid()) {
        image_ = decoding_.get();
        if (image_.isNull())
            qWarning("strategy chart not shown: the picture does not decode");
    }
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

}  // namespace shoewise
