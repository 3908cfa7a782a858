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
     "37a79a5a65ca45f14e6084aa1f1e8d9ee3e31795f5624c21e10d2d28668d5787"},
    {"推力球轴承", "02_thrust_ball.jpg",
     "41ce296fe5764aaf7b7965c22e5d6fae115fc8f05bcf5149b3faade364f044ce"},
    {"角接触球轴承", "03_angular_contact_ball.jpg",
     "d53c528abce1b7b0a23c8c136bfc8ac090081a4925ccb5d2d6dd53a0df6d97a4"},
    {"圆锥滚子轴承", "04_tapered_roller.jpg",
     "afc29ebb6c858491a9005a5af24759d4cc518648a662c8047c57a8459d9b6fb0"},
    {"圆柱滚子轴承", "05_cylindrical_roller.jpg",
     "5b097289c755bbb5554fa29b54230c85585a1060909fba2db792477ad765cc50"},
    {"调心球轴承", "06_self_aligning_ball.jpg",
     "6fe907461ed7cbd0c0278b472dfb99a5bff43015754f9d70624094dd518b8a5d"},
    {"调心滚子轴承", "07_spherical_roller.jpg",
     "45abc5f74925b6159551d9386db3260499650b90c0727d3263e21f7d0421f702"},
    {"推力滚子轴承", "08_thrust_roller.jpg",
     "8424013942939396a84900fafb78443173b786be60fdd6dda82b2b1e4f54c15a"},
    {"滚针轴承", "09_needle_roller.jpg",
     "189e2d5a4062e92bc020080aa51ff67ceec89d48392b19e6e715325c80bec158"},
    {"关节轴承", "10_spherical_plain.jpg",
     "ed3b0d794a122573ae3950227db5877dcf680131ee5ab6ef1c7ac6d32b1cb33d"},
    {"带座外球面球轴承", "11_housed_insert_unit.jpg",
     "0a5334f19b5f9e6f09fd3c132695c5ec93aa6fa3ce404f20648061418d93f3f0"},
    {"外球面球轴承", "12_insert_ball.jpg",
     "b1d3a231c984f4ae1524e7dd6247d74c2fe7670cc692d57d41e0e6ebfe51a962"},
    {"直线运动轴承", "13_linear_ball.jpg",
     "d281b0950ea7dde29db4d8627f5bf00973ea955c781f42c9a2e58e4af3d5d112"},
    {"非标轴承", "14_non_standard.jpg",
     "5ea29a29890c71e4b7644cfd3d5d3fc552921511d7cf47559fb8e48801084d84"},
    {"微型轴承", "15_miniature.jpg",
     "8aaf281664910a3086e563055e803a9a4e9738795c8bb33ebeffc0d522e7b64a"},
    {"推力角接触球轴承", "16_thrust_angular_contact.jpg",
     "2ac5849303b8267304ac8a8d02b438f33e60ff4876c851e2615540c0b492071e"},
    {"推力圆柱滚子轴承", "17_thrust_cylindrical_roller.jpg",
     "695d4f20b93252a41fda4a6a96a08a682812c36c988768f5788ac05329127919"},
    {"滚针和保持架组件", "18_needle_cage.jpg",
     "a68e86d2d8971543b93d57f0db0027c6b304123c3a9c4ab2c1d24c03e907cb0a"},
    {"轴承座", "19_housing.jpg",
     "3585654f4c1b898c3c4b9125224647aca45da15ebb663815b96dffbae2fa6e16"},
    {"滚轮轴承", "20_track_roller.jpg",
     "7ebd94d92aa26a77ff660902c003dc2498d0b7a5e21932e02e0a8eeb36520649"},
    {"滚针组合轴承", "21_combined_needle.jpg",
     "b05694b66c221354f360a853cb34c709e9d0d9b3d92a4ad65af845f038135018"},
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
