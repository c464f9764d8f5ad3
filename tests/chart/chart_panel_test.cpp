// The chart panel: decoded once, when first shown or painted, drawn 1:1 from the top-left corner,
// and empty when the picture is bad.

#include "ui/chart/chart_panel.h"

#include <QPixmap>

#include <gtest/gtest.h>

namespace {

using shoewise::ChartPanel;

QImage paint(ChartPanel& panel)
{
    return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A panel is either shown first, as in the window, which begins the decode on a second thread for the
// first paint to take, or painted without ever being shown, which decodes on that paint.
enum class First { Shown, Painted };

class ChartPanelOrder : public testing::TestWithParam<First> {
protected:
    static QImage firstPaint(ChartPanel& panel)
    {
        if (GetParam() == First::Shown)
            panel.show();
        return paint(panel);
    }
};

TEST_P(ChartPanelOrder, DecodesOnceAndDrawsUnscaledAtTopLeft)
{
    constexpr int width = SHOEWISE_EXPECTED_CHART_WIDTH;
    constexpr int height = SHOEWISE_EXPECTED_CHART_HEIGHT;
    ChartPanel panel;
    EXPECT_EQ(panel.size(), QSize(width + 2, height + 2));
    EXPECT_EQ(panel.decodeCount(), 0) << "decoded before it was needed";

    QImage shown = firstPaint(panel);
    for (int i = 0; i < 3; ++i)
        shown = paint(panel);
    panel.show();
    panel.repaint();
    EXPECT_EQ(panel.decodeCount(), 1);

    ASSERT_EQ(panel.image().size(), QSize(width, height));
    EXPECT_EQ(shown.copy(0, 0, width, height), panel.image().convertToFormat(QImage::Format_RGB32));
    // The spare column on the right and row at the bottom show the background, not the chart.
    const QImage background = shown.copy(width + 1, height + 1, 1, 1);
    EXPECT_EQ(shown.copy(width, 0, 2, height + 2), QImage(background.scaled(2, height + 2)));
    EXPECT_EQ(shown.copy(0, height, width + 2, 2), QImage(background.scaled(width + 2, 2)));

    // Closed before its first paint, while the decode may still be running.
    ChartPanel unpainted;
    unpainted.show();
}

TEST_P(ChartPanelOrder, BadPictureLeavesThePanelEmptyAndIsNotRetried)
{
    const QByteArray cutInTables = shoewise::embeddedChartJpeg().left(300);
    for (const QByteArray& bytes : {QByteArray(), QByteArray("garbage"), cutInTables}) {
        ChartPanel panel(bytes);
        const QImage first = firstPaint(panel);
        EXPECT_EQ(paint(panel), first);
        EXPECT_EQ(panel.decodeCount(), 1);
        EXPECT_TRUE(panel.image().isNull());
        EXPECT_EQ(first, QImage(first.copy(0, 0, 1, 1).scaled(first.size()))) << "panel not empty";
    }
}

INSTANTIATE_TEST_SUITE_P(ChartPanel, ChartPanelOrder, testing::Values(First::Shown, First::Painted),
    [](const testing::TestParamInfo<First>& info) { return info.param == First::Shown ? "Shown" : "Painted"; });

}  // namespace
