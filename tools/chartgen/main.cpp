// Draws the strategy chart from the table beside it (strategy_chart.h) and writes it as a baseline JFIF JPEG.
// Usage: shoewise_chartgen <output.jpg>   (a .png name writes the drawing losslessly, for review)
// The result is committed as assets/strategy-chart.jpg; run this again after changing the table
// or the layout.

#include "program.h"
#include "tools/chartgen/strategy_chart.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <jpeglib.h>

#include <string_view>

namespace {

namespace chart = shoewise::chart;
namespace lay = shoewise::chart::layout;

const QString kFontFamily = QString::fromUtf8(shoewise::program::LinuxFace);
constexpr int kQuality = 92;

const QColor kInk(0, 0, 0);
const QColor kTitleInk(16, 32, 128);
const QColor kGridLine(150, 150, 150);
const QColor kBandFill(238, 238, 238);
const QColor kPaper(255, 255, 255);

QColor toQColor(chart::Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

QFont chartFont(int pixelSize, bool bold)
{
    QFont font(kFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Largest size not above `pixelSize` at which `text` fits in `width`.
QFont fittedFont(const QString& text, int pixelSize, bool bold, int width)
{
    QFont font = chartFont(pixelSize, bold);
    while (pixelSize > 6 && QFontMetrics(font).horizontalAdvance(text) > width)
        font = chartFont(--pixelSize, bold);
    return font;
}

void drawText(QPainter& p, const QRect& box, const QString& text, const QFont& font, const QColor& ink,
    int flags = Qt::AlignCenter)
{
    p.setFont(font);
    p.setPen(ink);
    p.drawText(box, flags, text);
}

// One-pixel line on exact pixel positions, no smoothing.
void hLine(QPainter& p, int x1, int x2, int y)
{
    p.fillRect(x1, y, x2 - x1 + 1, 1, kGridLine);
}
void vLine(QPainter& p, int x, int y1, int y2)
{
    p.fillRect(x, y1, 1, y2 - y1 + 1, kGridLine);
}

void drawUpCardBands(QPainter& p, int headerTop, int cardsTop)
{
    const QFont headerFont = chartFont(11, true);
    drawText(p, QRect(lay::kGridLeft, headerTop, lay::kGridRight - lay::kGridLeft + 1, lay::kBandHeight),
        QStringLiteral("< < <  Dealers Up Card  > > >"), headerFont, kInk);

    p.fillRect(lay::kGridLeft, cardsTop, lay::kGridRight - lay::kGridLeft, lay::kBandHeight, kBandFill);
    const QFont cardFont = chartFont(11, true);
    for (int c = 0; c < chart::kUpCards; ++c) {
        const int x = lay::kGridLeft + c * lay::kCellWidth;
        drawText(p, QRect(x + 1, cardsTop, lay::kCellWidth - 1, lay::kBandHeight),
            QString::fromUtf8(chart::upCardLabel(c)), cardFont, kInk);
        vLine(p, x, cardsTop, cardsTop + lay::kBandHeight);
    }
    vLine(p, lay::kGridRight, cardsTop, cardsTop + lay::kBandHeight);
    hLine(p, lay::kGridLeft, lay::kGridRight, cardsTop);
    hLine(p, lay::kGridLeft, lay::kGridRight, cardsTop + lay::kBandHeight);
}

void drawTitle(QPainter& p)
{
    const QString title = QStringLiteral("Basic Strategy Card for Multi Deck Blackjack");
    drawText(p, QRect(0, lay::kTitleTop, lay::kImageWidth, lay::kTitleHeight), title,
        fittedFont(title, 14, true, lay::kImageWidth - 8), kTitleInk);
}

void drawHandColumn(QPainter& p)
{
    const int gridHeight = lay::kGridBottom - lay::kGridTop;

    // "Your Hand" reads bottom to top, like the spine of a book lying on its back.
    p.save();
    p.translate(lay::kSideLeft, lay::kGridBottom);
    p.rotate(-90);
    drawText(p, QRect(0, 0, gridHeight, lay::kSideWidth), QStringLiteral("Your Hand"), chartFont(12, true), kInk);
    p.restore();
    hLine(p, lay::kSideLeft, lay::kLabelLeft, lay::kGridTop);
    hLine(p, lay::kSideLeft, lay::kLabelLeft, lay::kGridBottom);
    vLine(p, lay::kSideLeft, lay::kGridTop, lay::kGridBottom);

    const QFont labelFont = chartFont(11, true);
    for (int r = 0; r < chart::kHandRows; ++r) {
        const int y = lay::kGridTop + r * lay::kCellHeight;
        drawText(p, QRect(lay::kLabelLeft + 4, y + 1, lay::kLabelWidth - 6, lay::kCellHeight - 1),
            QString::fromUtf8(chart::handLabel(r)), labelFont, kInk, Qt::AlignVCenter | Qt::AlignLeft);
    }
}

void drawGrid(QPainter& p)
{
    for (int r = 0; r < chart::kHandRows; ++r) {
        for (int c = 0; c < chart::kUpCards; ++c) {
            const chart::Action a = chart::action(r, c);
            const chart::Rect cell = chart::cellRect(r, c);
            const QRect box(cell.x, cell.y, cell.width, cell.height);
            p.fillRect(box, toQColor(chart::colour(a)));
            const QString text = QString::fromUtf8(chart::code(a));
            drawText(p, box.adjusted(0, 1, 0, 0), text, fittedFont(text, 11, true, cell.width - 2), kInk);
        }
    }
    for (int r = 0; r <= chart::kHandRows; ++r)
        hLine(p, lay::kLabelLeft, lay::kGridRight, lay::kGridTop + r * lay::kCellHeight);
    vLine(p, lay::kLabelLeft, lay::kGridTop, lay::kGridBottom);
    for (int c = 0; c <= chart::kUpCards; ++c)
        vLine(p, lay::kGridLeft + c * lay::kCellWidth, lay::kGridTop, lay::kGridBottom);
}

void drawLegend(QPainter& p)
{
    const QFont meaningFont = chartFont(11, true);
    for (int i = 0; i < chart::kActionCount; ++i) {
        const chart::Action a = chart::actionByIndex(i);
        const chart::Rect r = chart::legendSwatchRect(a);
        const QRect swatch(r.x, r.y, r.width, r.height);
        p.fillRect(swatch, toQColor(chart::colour(a)));
        p.setPen(kGridLine);
        p.drawRect(swatch.adjusted(0, 0, -1, -1));
        const QString code = QString::fromUtf8(chart::code(a));
        drawText(p, swatch.adjusted(0, 1, 0, 0), code, fittedFont(code, 11, true, swatch.width() - 4), kInk);
        drawText(p, QRect(swatch.right() + 6, swatch.y(), lay::kImageWidth - swatch.right() - 8, swatch.height()),
            QStringLiteral("= ") + QString::fromUtf8(chart::meaning(a)), meaningFont, kInk,
            Qt::AlignVCenter | Qt::AlignLeft);
    }
}

QImage drawChart()
{
    QImage image(lay::kImageWidth, lay::kImageHeight, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    drawTitle(p);
    const int topHeader = lay::kTitleTop + lay::kTitleHeight;
    drawUpCardBands(p, topHeader, topHeader + lay::kBandHeight);
    drawGrid(p);
    drawHandColumn(p);
    drawUpCardBands(p, lay::kGridBottom + lay::kBandHeight, lay::kGridBottom);
    drawLegend(p);

    // A light frame so the card reads as a card against the window.
    p.setPen(QColor(200, 200, 200));
    p.drawRect(0, 0, lay::kImageWidth - 1, lay::kImageHeight - 1);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

// Baseline (sequential) JFIF, 4:4:4 so the coloured cells keep sharp edges.
QByteArray encodeJpeg(const QImage& rgb)
{
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr err {};
    cinfo.err = jpeg_std_error(&err);  // a tool may stop on error; libjpeg prints why
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kQuality, TRUE);
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    cinfo.optimize_coding = TRUE;  // smaller Huffman tables; still a baseline file
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.write_JFIF_header = TRUE;

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.jpg>\n", argv[0]);
        return 2;
    }
    // Qt would quietly substitute another font and change the card's look.
    if (!QFontDatabase::families().contains(kFontFamily)) {
        std::fprintf(stderr, "font %s not found (Debian package fonts-ipafont-gothic)\n", qPrintable(kFontFamily));
        return 1;
    }

    const QString path = QString::fromLocal8Bit(argv[1]);
    const QImage drawing = drawChart();
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        if (!drawing.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            return 1;
        }
        return 0;
    }
    const QByteArray jpeg = encodeJpeg(drawing);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    std::printf("wrote %s (%lld bytes)\n", argv[1], static_cast<long long>(jpeg.size()));
    return 0;
}
