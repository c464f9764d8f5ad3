#include "ui/chart/chart_panel.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QResource>

#include <utility>

namespace shoewise {
namespace {

// The picture is 343 x 503; the box leaves a spare column and row on the right and at the bottom.
constexpr QSize kPanelSize {345, 505};

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

void ChartPanel::paintEvent(QPaintEvent*)
{
    // A failed decode is not retried: the bytes will not get any better.
    if (decodeCount_ == 0) {
        ++decodeCount_;
        // Straight to the jpeg reader: guessing the format loads every image format plugin installed.
        QBuffer buffer(&jpeg_);
        QImageReader reader(&buffer, "jpeg");
        reader.setAutoDetectImageFormat(false);
        image_ = reader.read();
        if (image_.isNull())
            qWarning("strategy chart not shown: the picture does not decode");
    }
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

}  // namespace shoewise
