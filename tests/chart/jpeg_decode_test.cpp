// Damaged and hostile input to the JPEG decoder: a clean failure or a whole image, never a crash,
// a hang or an allocation for an absurd size.

#include "ui/chart/chart_panel.h"
#include "ui/chart/jpeg_decode.h"

#include <gtest/gtest.h>

#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <jpeglib.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::optional<QImage> decode(const QByteArray& bytes, std::string* error = nullptr)
{
    return shoewise::decodeJpeg(
        reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size()), error);
}

// True if it decoded.
bool expectCleanOutcome(const QByteArray& bytes, const std::string& what)
{
    std::string error;
    const auto image = decode(bytes, &error);
    if (image) {
        EXPECT_FALSE(image->isNull()) << what;
        EXPECT_LE(std::max(image->width(), image->height()), shoewise::kMaxJpegSide) << what;
    } else {
        EXPECT_FALSE(error.empty()) << what << ": failed without a reason";
    }
    return image.has_value();
}

QByteArray asset()
{
    QByteArray bytes = shoewise::embeddedChartJpeg();
    bytes.detach();  // tests write into copies, never into the program's own bytes
    return bytes;
}

// Entropy-coded data stuffs every FF, so the first FF C0 is the frame header.
QByteArray withFrameSize(QByteArray bytes, int width, int height)
{
    const qsizetype at = bytes.indexOf(QByteArray("\xFF\xC0", 2)) + 5;  // marker, length, precision
    const char size[] = {char(height >> 8), char(height & 0xFF), char(width >> 8), char(width & 0xFF)};
    return bytes.replace(at, 4, size, 4);
}

QByteArray encodeProgressive(int width, int height)
{
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr err {};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    for (JSAMPROW p = row.data(); cinfo.next_scanline < cinfo.image_height; jpeg_write_scanlines(&cinfo, &p, 1))
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<unsigned char>(i * 7 + cinfo.next_scanline * 3);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}

TEST(DamagedJpeg, TruncatedAndBitFlippedCopiesFailCleanlyOrDecode)
{
    const QByteArray original = asset();
    ASSERT_GT(original.size(), 1000);
    std::mt19937 random(20240607u);
    std::uniform_int_distribution<qsizetype> anywhere(0, original.size() - 1);
    // Flips in the tables and headers do the most damage; aim half of them there.
    std::uniform_int_distribution<qsizetype> inHeader(0, original.indexOf(QByteArray("\xFF\xDA", 2)) + 14);

    for (const qsizetype n : {0, 1, 2, 3, 20, 200})
        expectCleanOutcome(original.left(n), "truncated to " + std::to_string(n));
    for (int i = 0; i < 150; ++i) {
        const qsizetype n = anywhere(random);
        expectCleanOutcome(original.left(n), "truncated to " + std::to_string(n));
    }
    int decoded = 0;
    for (int i = 0; i < 300; ++i) {
        QByteArray copy = original;
        for (int f = 1 + i % 8; f > 0; --f) {
            const qsizetype at = i % 2 == 0 ? inHeader(random) : anywhere(random);
            copy[at] = static_cast<char>(copy[at] ^ (1 << (random() % 8)));
        }
        decoded += expectCleanOutcome(copy, "flipped copy " + std::to_string(i)) ? 1 : 0;
    }
    EXPECT_GT(decoded, 0);  // both outcomes occurred, so the damage did reach the decoder
    EXPECT_LT(decoded, 300);

    // Cut inside the picture data, libjpeg pads with grey: still the whole picture.
    const auto half = decode(original.left(original.size() / 2));
    ASSERT_TRUE(half.has_value());
    EXPECT_EQ(half->size(), QSize(343, 503));
}

TEST(DamagedJpeg, ForgedSizeIsRefusedBeforeDecoding)
{
    const QByteArray original = asset();
    ASSERT_TRUE(decode(withFrameSize(original, 343, 503)).has_value()) << "the forging itself breaks the file";
    // 8000 x 6000 is within libjpeg's limits and would be padded out to 144 MB without our check.
    for (const auto& [w, h] :
        {std::pair {8000, 6000}, std::pair {343, 60000}, std::pair {65500, 65500}, std::pair {0, 503}})
        EXPECT_FALSE(decode(withFrameSize(original, w, h)).has_value()) << w << " x " << h;
}

TEST(DamagedJpeg, ForeignOrEmptyInputIsRefused)
{
    EXPECT_FALSE(shoewise::decodeJpeg(nullptr, 10).has_value());
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\x89PNG\r\n\x1a\n and more"), QByteArray(4096, '\xFF')})
        EXPECT_FALSE(decode(bytes).has_value()) << bytes.left(8).toHex().constData();
}

TEST(DamagedJpeg, ProgressiveFloodOfScansIsRefused)
{
    const QByteArray ordinary = encodeProgressive(48, 32);
    const auto image = decode(ordinary);
    ASSERT_TRUE(image.has_value()) << "an ordinary progressive file must still decode";
    EXPECT_EQ(image->size(), QSize(48, 32));

    // libjpeg accepts a repeated final scan with a warning and makes a pass for each copy.
    const qsizetype lastScan = ordinary.lastIndexOf(QByteArray("\xFF\xDA", 2));
    QByteArray flood = ordinary.left(ordinary.size() - 2);
    flood += ordinary.mid(lastScan, ordinary.size() - 2 - lastScan).repeated(150);
    flood += QByteArray("\xFF\xD9", 2);
    std::string error;
    EXPECT_FALSE(decode(flood, &error).has_value());
    EXPECT_NE(error.find("scans"), std::string::npos) << error;
}

}  // namespace
