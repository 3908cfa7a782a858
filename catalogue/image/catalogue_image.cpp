#include "catalogue/image/catalogue_image.h"

#include <cstdint>

extern "C" {
extern const unsigned char lz_catalogue_image_bytes[];
extern const std::uint64_t lz_catalogue_image_length;
}

namespace lz::catalogue {

std::span<const std::byte> catalogueImage() {
    return {reinterpret_cast<const std::byte*>(lz_catalogue_image_bytes),
            static_cast<std::size_t>(lz_catalogue_image_length)};
}

}  // namespace lz::catalogue
