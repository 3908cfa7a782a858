#include "content/type_pictures.h"

#include <array>
#include <cstdint>

// The pictures are linked in from assets/types/, numbered in lookup order (see
// type_pictures.S.in).
#define LZ_TYPE_PICTURE(n)                            \
    extern const unsigned char lz_type_picture_##n[]; \
    extern const std::uint64_t lz_type_picture_##n##_length;

extern "C" {
LZ_TYPE_PICTURE(1)
LZ_TYPE_PICTURE(2)
LZ_TYPE_PICTURE(3)
LZ_TYPE_PICTURE(4)
LZ_TYPE_PICTURE(5)
LZ_TYPE_PICTURE(6)
LZ_TYPE_PICTURE(7)
LZ_TYPE_PICTURE(8)
LZ_TYPE_PICTURE(9)
LZ_TYPE_PICTURE(10)
LZ_TYPE_PICTURE(11)
LZ_TYPE_PICTURE(12)
LZ_TYPE_PICTURE(13)
LZ_TYPE_PICTURE(14)
LZ_TYPE_PICTURE(15)
LZ_TYPE_PICTURE(16)
LZ_TYPE_PICTURE(17)
LZ_TYPE_PICTURE(18)
LZ_TYPE_PICTURE(19)
LZ_TYPE_PICTURE(20)
LZ_TYPE_PICTURE(21)
}

#undef LZ_TYPE_PICTURE

namespace lz::content {
namespace {

std::span<const std::byte> bytesOf(const unsigned char* data, std::uint64_t length) {
    return {reinterpret_cast<const std::byte*>(data), static_cast<std::size_t>(length)};
}

#define LZ_PICTURE(n, name)                                              \
    TypePicture {                                                        \
        name, bytesOf(lz_type_picture_##n, lz_type_picture_##n##_length) \
    }

}  // namespace

std::span<const TypePicture> bearingTypePictures() {
    static const std::array<TypePicture, 21> pictures = {
        LZ_PICTURE(1, "深沟球轴承"),        LZ_PICTURE(2, "推力球轴承"),
        LZ_PICTURE(3, "角接触球轴承"),      LZ_PICTURE(4, "圆锥滚子轴承"),
        LZ_PICTURE(5, "圆柱滚子轴承"),      LZ_PICTURE(6, "调心球轴承"),
        LZ_PICTURE(7, "调心滚子轴承"),      LZ_PICTURE(8, "推力滚子轴承"),
        LZ_PICTURE(9, "滚针轴承"),          LZ_PICTURE(10, "关节轴承"),
        LZ_PICTURE(11, "带座外球面球轴承"), LZ_PICTURE(12, "外球面球轴承"),
        LZ_PICTURE(13, "直线运动轴承"),     LZ_PICTURE(14, "非标轴承"),
        LZ_PICTURE(15, "微型轴承"),         LZ_PICTURE(16, "推力角接触球轴承"),
        LZ_PICTURE(17, "推力圆柱滚子轴承"), LZ_PICTURE(18, "滚针和保持架组件"),
        LZ_PICTURE(19, "轴承座"),           LZ_PICTURE(20, "滚轮轴承"),
        LZ_PICTURE(21, "滚针组合轴承"),
    };
    return pictures;
}

#undef LZ_PICTURE

std::optional<std::span<const std::byte>> findTypePicture(std::string_view typeName) {
    for (const TypePicture& picture : bearingTypePictures()) {
        if (picture.typeName == typeName) {
            return picture.jpeg;
        }
    }
    return std::nullopt;
}

}  // namespace lz::content
