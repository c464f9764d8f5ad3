#include "ui/chart/chart_panel.h"

#include "ui/chart/jpeg_decode.h"

#include <QLoggingCategory>
#include <QPainter>
#include <QResource>

#include <string>
#include <utility>

namespace shoewise {
namespace {

Q_LOGGING_CATEGORY(lcChart, "shoewise.chart")

// The picture is 343 x 503; the box leaves a spare column and row on the right and at the bottom.
constexpr QSize kPanelSize {345, 505};

}  // namespace

QByteArray embeddedChartJpeg()
{
    const QResource resource(QStringLiteral(":/chart/strategy-chart.jpg"));
    if (!resource.isValid())
        return {};
    // Stored uncompressed, the bytes can be borrowed from the executable instead of copied.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(
            reinterpret_cast<const char*>(resource.data()), static_cast<qsizetype>(resource.size()));
    return resource.uncompressedData();
}

ChartPanel::ChartPanel(QWidget* parent)
    : ChartPanel(embeddedChartJpeg(), parent)
{
}

ChartPanel::ChartPanel(QByteArray jpeg, QWidget* parent)
    : QWidget(parent)
    , m_jpeg(std::move(jpeg))
{
    setFixedSize(kPanelSize);
}

void ChartPanel::decodeOnce()
{
    if (m_decodeCount > 0)
        return;  // a failed decode is not retried; the bytes will not get any better
    ++m_decodeCount;
    std::string error;
    auto decoded = decodeJpeg(
        reinterpret_cast<const unsigned char*>(m_jpeg.constData()), static_cast<std::size_t>(m_jpeg.size()), &error);
    if (decoded)
        m_image = std::move(*decoded);
    else
        qCWarning(lcChart, "strategy chart not shown: %s", error.c_str());
}

void ChartPanel::paintEvent(QPaintEvent*)
{
    decodeOnce();
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_image);
}

}  // namespace shoewise
