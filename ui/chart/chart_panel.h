#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

namespace shoewise {

// The compressed strategy chart built into the program.
QByteArray embeddedChartJpeg();

// Shows the strategy chart picture, unscaled from the top-left corner, in a box of fixed size.
// The picture stays compressed until the panel is first painted and is decoded at most once.
// A picture that cannot be decoded leaves the panel empty.
class ChartPanel : public QWidget {
    Q_OBJECT

public:
    explicit ChartPanel(QWidget* parent = nullptr);
    explicit ChartPanel(QByteArray jpeg, QWidget* parent = nullptr);

    int decodeCount() const { return decodeCount_; }
    // Null until the first paint, and afterwards if the picture could not be decoded.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray jpeg_;
    QImage image_;
    int decodeCount_ = 0;
};

}  // namespace shoewise
