#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace lz::content {

// One drawing of a bearing type: the type name as the catalogue's type column spells it, and
// the JPEG bytes the program carries.
struct TypePicture {
    std::string_view typeName;
    std::span<const std::byte> jpeg;
};

// The 21 type drawings in lookup order. The bytes are constant data of the executable: nothing
// is copied or decoded here.
std::span<const TypePicture> bearingTypePictures();

// The picture of a type: the first entry whose name equals the text byte for byte (no
// trimming, no case folding), or nothing. "其它", "薄壁轴承" and the empty text have none.
std::optional<std::span<const std::byte>> findTypePicture(std::string_view typeName);

}  // namespace lz::content
