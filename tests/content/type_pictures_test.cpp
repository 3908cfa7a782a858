// The 21 type drawings the program carries: the lookup table, and the pictures themselves as
// libjpeg reads them.
#include "content/type_pictures.h"

#include <gtest/gtest.h>

#include <jpeglib.h>

#include <QByteArrayView>
#include <QCryptographicHash>
#include <array>
#include <csetjmp>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace lz::content {
namespace {

struct Expected {
    std::string_view typeName;
    const char* drawing;  // the committed file, for messages
    const char* sha256;   // of the drawing as reviewed
};

// The type names in the order they are looked up, each with the drawing made for it, named
// by its SHA-256. A picture linked in under the wrong name, cut short, or changed without
// anyone looking at it fails here; drawings redrawn on purpose get their new digests here in
// the same commit.
constexpr std::array<Expected, 21> kExpected = {{
    {"深沟球轴承", "01_deep_groove_ball.jpg",
     "5e46a9568eaeefe0ae47a6374132e07535038c264aee04d9622d80d5ff0d0dec"},
    {"推力球轴承", "02_thrust_ball.jpg",
     "45f81f6cd13ea0cbbc6c86308e2f04299e0c447b9ac51f15cc69eb402b1aa26b"},
    {"角接触球轴承", "03_angular_contact_ball.jpg",
     "aa3c0100860a057e13922ea3ebbd2e296371c6e3bfa919b091352d608181a3b9"},
    {"圆锥滚子轴承", "04_tapered_roller.jpg",
     "e72f6e027180bc8d65f9a0a95bc528c932050fad1de9df32c4940a8e9cbfbbde"},
    {"圆柱滚子轴承", "05_cylindrical_roller.jpg",
     "d8f4e741c8dce4b71931a23c5f0c39ddbbef5b5f7ae4c78a305c630b6f283c45"},
    {"调心球轴承", "06_self_aligning_ball.jpg",
     "ecb9692afb132b250d519a2ed9e96add564d8560ca9aba6858b77ea4d6cf5f45"},
    {"调心滚子轴承", "07_spherical_roller.jpg",
     "4fa48fdd2975bbb6649c8d048f2701a779859b655adde60ae86f719bf7f0482f"},
    {"推力滚子轴承", "08_thrust_roller.jpg",
     "498560b92cc7943e2515fdfb7167473fd7167dca0d3a009f4ffbd7c4d87a1a50"},
    {"滚针轴承", "09_needle_roller.jpg",
     "47efd9c1657510e8bd6bf50af490690923a8ae2d900e4d8b918485c7fd44ef4a"},
    {"关节轴承", "10_spherical_plain.jpg",
     "67127aa92e5c4e882f7bb1c4a7ad329aa34760781013a64855777469899f75b9"},
    {"带座外球面球轴承", "11_housed_insert_unit.jpg",
     "c1492112ff11d3d980d1ec06caadcf4aa7183bf6ffca06c0b7b225b1475c4b3d"},
    {"外球面球轴承", "12_insert_ball.jpg",
     "2b1daee007286f0106dee719b9c589b95c63b59721cc4328209e77fadec4ad92"},
    {"直线运动轴承", "13_linear_ball.jpg",
     "12e2c66b722a66723dda00498273da8ac1714a64a1d7e0377fd44fc5b00ff336"},
    {"非标轴承", "14_non_standard.jpg",
     "bb595e1bf64ca5230cc12396b6e91500b7b70081de9218b846afa46165775f89"},
    {"微型轴承", "15_miniature.jpg",
     "fae627df80d758ce643a785cd17086c1392ee971aa72b098f1159c9f3c7c2c4d"},
    {"推力角接触球轴承", "16_thrust_angular_contact.jpg",
     "7576080f9b36a73aa765eaf57b107de1acc5d138bfc5b76078f504755f89124a"},
    {"推力圆柱滚子轴承", "17_thrust_cylindrical_roller.jpg",
     "871d75a7d2be422b0154d7d34b40e58e80dfdc3556d65632bf11a3c79044672f"},
    {"滚针和保持架组件", "18_needle_cage.jpg",
     "50ab4c5215d1bd2e5bb5666b6cc264e61d071f7e688923d7ed52d8be7d0043eb"},
    {"轴承座", "19_housing.jpg",
     "49bae2ddabcc0ed16b560f738c338df2a86cf77d94b65bf30e93f23fbfc98f17"},
    {"滚轮轴承", "20_track_roller.jpg",
     "418bcbd4df13a241ed19d70a67a21c36fdc4f898393580c037a94283b81e5843"},
    {"滚针组合轴承", "21_combined_needle.jpg",
     "fbb09db485ff204d792c2a377aeb92ac8b75ff5eb813d7e354839516e2019224"},
}};

std::string sha256Of(std::span<const std::byte> bytes) {
    return QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                                   static_cast<qsizetype>(bytes.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

TEST(TypePictures, TableHoldsTheTwentyOneTypesInLookupOrderWithTheirDrawings) {
    const auto pictures = bearingTypePictures();
    ASSERT_EQ(pictures.size(), kExpected.size());
    for (std::size_t i = 0; i < kExpected.size(); ++i) {
        SCOPED_TRACE(kExpected[i].drawing);
        EXPECT_EQ(pictures[i].typeName, kExpected[i].typeName);
        EXPECT_EQ(sha256Of(pictures[i].jpeg), kExpected[i].sha256);
    }
}

TEST(TypePictures, LookupIsAnExactByteComparison) {
    for (const Expected& expected : kExpected) {
        const auto found = findTypePicture(expected.typeName);
        ASSERT_TRUE(found.has_value()) << expected.typeName;
        EXPECT_EQ(sha256Of(*found), expected.sha256) << expected.typeName;
    }
    for (std::string_view missing :
         {"其它", "薄壁轴承", "", "深沟球轴承 ", " 深沟球轴承", "深沟球", "深沟球轴承\n", "KOYO"}) {
        EXPECT_FALSE(findTypePicture(missing).has_value()) << '"' << missing << '"';
    }
}

// What libjpeg makes of one picture.
struct Decoded {
    bool ok = false;
    bool jfif = false;
    bool progressive = false;
    int precision = 0;
    int components = 0;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

Decoded decodeWithLibjpeg(std::span<const std::byte> bytes) {
    Decoded out;
    jpeg_decompress_struct info{};
    ErrorExit error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = [](j_common_ptr common) {
        std::longjmp(reinterpret_cast<ErrorExit*>(common->err)->back, 1);
    };
    if (setjmp(error.back) != 0) {
        jpeg_destroy_decompress(&info);
        out.ok = false;
        return out;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    out.jfif = info.saw_JFIF_marker;
    out.progressive = info.progressive_mode;
    out.precision = info.data_precision;
    out.components = info.num_components;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = int(info.output_width);
    out.height = int(info.output_height);
    out.rgb.resize(std::size_t(out.width) * out.height * 3);
    while (info.output_scanline < info.output_height) {
        unsigned char* line = out.rgb.data() + std::size_t(info.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&info, &line, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    out.ok = true;
    return out;
}

// The frame marker: baseline pictures have SOF0 (FF C0) and no other start-of-frame.
std::set<int> frameMarkers(std::span<const std::byte> bytes) {
    std::set<int> markers;
    std::size_t at = 2;  // after SOI
    while (at + 4 <= bytes.size() && std::to_integer<int>(bytes[at]) == 0xFF) {
        const int marker = std::to_integer<int>(bytes[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            markers.insert(marker);
        }
        if (marker == 0xDA) {  // start of scan: the headers are over
            break;
        }
        const std::size_t length = std::size_t(std::to_integer<int>(bytes[at + 2])) << 8 |
                                   std::to_integer<int>(bytes[at + 3]);
        at += 2 + length;
    }
    return markers;
}

TEST(TypePictures, EveryCarriedPictureIsABaselineJfifDrawingOf635By220) {
    for (const TypePicture& picture : bearingTypePictures()) {
        SCOPED_TRACE(std::string(picture.typeName));
        EXPECT_EQ(frameMarkers(picture.jpeg), std::set<int>{0xC0});
        const Decoded decoded = decodeWithLibjpeg(picture.jpeg);
        ASSERT_TRUE(decoded.ok);
        EXPECT_TRUE(decoded.jfif);
        EXPECT_FALSE(decoded.progressive);
        EXPECT_EQ(decoded.precision, 8);
        EXPECT_EQ(decoded.components, 3);
        ASSERT_EQ(decoded.width, 635);
        ASSERT_EQ(decoded.height, 220);

        // A drawing on a white sheet: mostly white, a fair share of ink, and many tones
        // (shading, hatching, lettering), so neither blank nor a flat placeholder.
        std::set<int> tones;
        int white = 0, ink = 0;
        const int pixels = decoded.width * decoded.height;
        for (int i = 0; i < pixels; ++i) {
            const int r = decoded.rgb[3 * i], g = decoded.rgb[3 * i + 1],
                      b = decoded.rgb[3 * i + 2];
            tones.insert((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
            const int luminance = (299 * r + 587 * g + 114 * b) / 1000;
            white += luminance >= 245;
            ink += luminance < 200;
        }
        EXPECT_GE(tones.size(), 120u);
        EXPECT_GT(white, pixels * 55 / 100);
        EXPECT_GT(ink, pixels * 6 / 100);
        EXPECT_LT(ink, pixels * 40 / 100);
    }
}

}  // namespace
}  // namespace lz::content
