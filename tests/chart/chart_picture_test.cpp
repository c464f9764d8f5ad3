// The committed picture read back against the chart table, so a wrong cell or a stale picture
// is caught.

#include "tools/chartgen/strategy_chart.h"
#include "ui/chart/chart_panel.h"

#include <gtest/gtest.h>

#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

namespace chart = shoewise::chart;

// JPEG shifts flat colours a few levels near edges; the five colours are 140+ levels apart.
constexpr double kColourTolerance = 20.0;

struct Mean {
    double r = 0, g = 0, b = 0;
};

Mean meanOf(const QImage& image, int x0, int y0, int width, int height)
{
    Mean m;
    for (int y = y0; y < y0 + height; ++y)
        for (int x = x0; x < x0 + width; ++x) {
            const QColor c = image.pixelColor(x, y);
            m.r += c.red(), m.g += c.green(), m.b += c.blue();
        }
    const double n = width * height;
    return {m.r / n, m.g / n, m.b / n};
}

double distance(const Mean& m, chart::Rgb c)
{
    return std::max({std::abs(m.r - c.r), std::abs(m.g - c.g), std::abs(m.b - c.b)});
}

int darkPixels(const QImage& image, int x0, int y0, int width, int height)
{
    int dark = 0;
    for (int y = y0; y < y0 + height; ++y)
        for (int x = x0; x < x0 + width; ++x)
            dark += qGray(image.pixel(x, y)) < 70 ? 1 : 0;
    return dark;
}

// Colour from two corner patches, clear of the centred code; the code itself dark in the middle.
void expectSwatch(
    const QImage& image, const chart::Rect& r, int inset, chart::Action expected, const std::string& where)
{
    const Mean corners[] = {meanOf(image, r.x + inset, r.y + inset, 3, 2),
        meanOf(image, r.right() - inset - 3, r.bottom() - inset - 2, 3, 2)};
    for (const Mean& m : corners) {
        for (int i = 0; i < chart::kActionCount; ++i) {  // nearer its own colour than any other
            if (chart::actionByIndex(i) != expected) {
                EXPECT_LT(distance(m, chart::colour(expected)), distance(m, chart::colour(chart::actionByIndex(i))))
                    << where;
            }
        }
        EXPECT_LE(distance(m, chart::colour(expected)), kColourTolerance) << where;
    }
    EXPECT_GE(darkPixels(image, r.x + r.width / 2 - 6, r.y + 3, 12, r.height - 6), 6) << where << ": no dark code text";
}

class ChartPicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        bytes = shoewise::embeddedChartJpeg();
        ASSERT_TRUE(image.loadFromData(bytes, "JPEG")) << "chart missing from the resources or undecodable";
        ASSERT_EQ(image.size(), QSize(chart::layout::kImageWidth, chart::layout::kImageHeight));
    }
    QByteArray bytes;
    QImage image;
};

TEST_F(ChartPicture, IsABaselineJfifColourJpegWithoutSubsampling)
{
    EXPECT_EQ(image.size(), QSize(SHOEWISE_EXPECTED_CHART_WIDTH, SHOEWISE_EXPECTED_CHART_HEIGHT));
    EXPECT_GE(bytes.indexOf(QByteArray("\xFF\xC0", 2)), 0) << "no baseline frame header";

    // The file decoded above, so libjpeg's default (exiting) error handler is safe here.
    jpeg_decompress_struct cinfo {};
    jpeg_error_mgr err {};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(
        &cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    EXPECT_TRUE(cinfo.saw_JFIF_marker);
    EXPECT_FALSE(cinfo.progressive_mode);
    EXPECT_FALSE(jpeg_has_multiple_scans(&cinfo));
    EXPECT_EQ(cinfo.data_precision, 8);
    ASSERT_EQ(cinfo.num_components, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(cinfo.comp_info[i].h_samp_factor * 10 + cinfo.comp_info[i].v_samp_factor, 11)
            << "component " << i << " is subsampled";
    jpeg_destroy_decompress(&cinfo);
}

TEST_F(ChartPicture, EveryCellShowsItsActionInItsColour)
{
    SCOPED_TRACE("after changing the table, regenerate assets/strategy-chart.jpg with shoewise_chartgen");
    for (int row = 0; row < chart::kHandRows; ++row)
        for (int up = 0; up < chart::kUpCards; ++up)
            expectSwatch(image, chart::cellRect(row, up), 1, chart::action(row, up),
                std::string(chart::handLabel(row)) + " vs " + std::string(chart::upCardLabel(up)));
}

TEST_F(ChartPicture, LegendShowsEachActionInItsColour)
{
    for (int i = 0; i < chart::kActionCount; ++i) {
        const chart::Action a = chart::actionByIndex(i);
        expectSwatch(image, chart::legendSwatchRect(a), 2, a, "legend " + std::string(chart::code(a)));
    }
}

}  // namespace
