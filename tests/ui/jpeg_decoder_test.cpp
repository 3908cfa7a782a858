#include <cstdio>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>
#include <jpeglib.h>

#include "ui/jpeg_decoder.h"

namespace lz::ui::testing {
namespace {

// A baseline JPEG, left half red and right half blue, encoded with libjpeg itself.
std::vector<std::byte> twoColourJpeg(int width, int height) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        const bool left = x < width / 2;
        row[x * 3 + 0] = left ? 255 : 0;
        row[x * 3 + 1] = 0;
        row[x * 3 + 2] = left ? 0 : 255;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::byte> bytes(reinterpret_cast<std::byte*>(buffer),
                                 reinterpret_cast<std::byte*>(buffer) + size);
    std::free(buffer);
    return bytes;
}

TEST(JpegDecoder, DecodesAGoodPicture) {
    const QImage image = decodeJpeg(twoColourJpeg(64, 16));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(64, 16));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    const QColor left = image.pixelColor(8, 8);
    const QColor right = image.pixelColor(56, 8);
    EXPECT_GT(left.red(), 200);
    EXPECT_LT(left.blue(), 60);
    EXPECT_GT(right.blue(), 200);
    EXPECT_LT(right.red(), 60);
}

TEST(JpegDecoder, RefusesBadBytesWithoutCrashing) {
    EXPECT_TRUE(decodeJpeg({}).isNull());

    std::vector<std::byte> garbage(500);
    for (std::size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<std::byte>((i * 37 + 11) & 0xFF);
    }
    EXPECT_TRUE(decodeJpeg(garbage).isNull());

    std::vector<std::byte> picture = twoColourJpeg(64, 16);
    // A picture cut off inside its header.
    EXPECT_TRUE(decodeJpeg(std::span(picture).first(40)).isNull());
    // Cut off inside the scan data: libjpeg pads the rest; either way no crash.
    const QImage truncated = decodeJpeg(std::span(picture).first(picture.size() / 2));
    EXPECT_TRUE(truncated.isNull() || truncated.size() == QSize(64, 16));
    // A damaged frame header (zero height).
    for (std::size_t i = 0; i + 5 < picture.size(); ++i) {
        if (picture[i] == std::byte{0xFF} && picture[i + 1] == std::byte{0xC0}) {
            picture[i + 5] = std::byte{0};
            picture[i + 6] = std::byte{0};
            break;
        }
    }
    EXPECT_TRUE(decodeJpeg(picture).isNull());
}

}  // namespace
}  // namespace lz::ui::testing
