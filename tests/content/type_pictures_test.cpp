// The 21 type drawings the program carries: the lookup table, and the pictures themselves as
// libjpeg reads them.
#include "content/type_pictures.h"

#include <gtest/gtest.h>

#include <jpeglib.h>

#include <QFile>
#include <array>
#include <csetjmp>
#include <set>
#include <string>
#include <vector>

namespace lz::content {
namespace {

struct Expected {
    std::string_view typeName;
    const char* file;
};

// The type names in the order they are looked up, each with the asset drawn for it.
constexpr std::array<Expected, 21> kExpected = {{
    {"深沟球轴承", "01_deep_groove_ball.jpg"},
    {"推力球轴承", "02_thrust_ball.jpg"},
    {"角接触球轴承", "03_angular_contact_ball.jpg"},
    {"圆锥滚子轴承", "04_tapered_roller.jpg"},
    {"圆柱滚子轴承", "05_cylindrical_roller.jpg"},
    {"调心球轴承", "06_self_aligning_ball.jpg"},
    {"调心滚子轴承", "07_spherical_roller.jpg"},
    {"推力滚子轴承", "08_thrust_roller.jpg"},
    {"滚针轴承", "09_needle_roller.jpg"},
    {"关节轴承", "10_spherical_plain.jpg"},
    {"带座外球面球轴承", "11_housed_insert_unit.jpg"},
    {"外球面球轴承", "12_insert_ball.jpg"},
    {"直线运动轴承", "13_linear_ball.jpg"},
    {"非标轴承", "14_non_standard.jpg"},
    {"微型轴承", "15_miniature.jpg"},
    {"推力角接触球轴承", "16_thrust_angular_contact.jpg"},
    {"推力圆柱滚子轴承", "17_thrust_cylindrical_roller.jpg"},
    {"滚针和保持架组件", "18_needle_cage.jpg"},
    {"轴承座", "19_housing.jpg"},
    {"滚轮轴承", "20_track_roller.jpg"},
    {"滚针组合轴承", "21_combined_needle.jpg"},
}};

QByteArray assetBytes(const char* file) {
    QFile in(QString(LZ_SOURCE_DIR "/assets/types/") + file);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file;
    return in.readAll();
}

bool sameBytes(std::span<const std::byte> carried, const QByteArray& file) {
    return carried.size() == static_cast<std::size_t>(file.size()) &&
           std::equal(carried.begin(), carried.end(),
                      reinterpret_cast<const std::byte*>(file.data()));
}

TEST(TypePictures, TableHoldsTheTwentyOneTypesInLookupOrderWithTheirDrawings) {
    const auto pictures = bearingTypePictures();
    ASSERT_EQ(pictures.size(), kExpected.size());
    for (std::size_t i = 0; i < kExpected.size(); ++i) {
        SCOPED_TRACE(kExpected[i].file);
        EXPECT_EQ(pictures[i].typeName, kExpected[i].typeName);
        EXPECT_TRUE(sameBytes(pictures[i].jpeg, assetBytes(kExpected[i].file)));
    }
}

TEST(TypePictures, LookupIsAnExactByteComparison) {
    for (const Expected& expected : kExpected) {
        const auto found = findTypePicture(expected.typeName);
        ASSERT_TRUE(found.has_value()) << expected.typeName;
        EXPECT_TRUE(sameBytes(*found, assetBytes(expected.file))) << expected.typeName;
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
