#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

#include <future>

namespace shoewise {

// The compressed strategy chart built into the program.
QByteArray embeddedChartJpeg();

// Shows the strategy chart picture, unscaled from the top-left corner, in a box of fixed size.
// The picture stays compressed until the panel is shown, which begins its one decode on a second
// thread; the first paint takes the bitmap, waiting for it if need be, and later paints reuse it. A
// panel painted without being shown, as by grab(), decodes on that first paint. A picture that cannot
// be decoded leaves the panel empty.
class ChartPanel : public QWidget {
    Q_OBJECT

public:
    explicit ChartPanel(QWidget* parent = nullptr);
    explicit ChartPanel(QByteArray jpeg, QWidget* parent = nullptr);

    int decodeCount() const { return decodeCount_; }
    // Null until the first paint, and afterwards if the picture could not be decoded.
    const QImage& image() const { return image_; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray jpeg_;
    QImage image_;
    std::future<QImage> decoding_;  // begun on showing, until the first paint takes the bitmap
    int decodeCount_ = 0;
};

}  // namespace shoewise
