#include "catalogue/image/catalogue_image.h"

#include <sys/mman.h>
#include <unistd.h>

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

void releaseCatalogueImageMemory() {
    // Only the whole pages inside the image: the ones at its edges hold other data too.
    // The bytes are constant data of the executable, never written, so dropping the pages
    // loses nothing.
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto image = catalogueImage();
    const auto begin = reinterpret_cast<std::uintptr_t>(image.data());
    const std::uintptr_t first = (begin + page - 1) / page * page;
    const std::uintptr_t last = (begin + image.size()) / page * page;
    if (last > first) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
    }
}

}  // namespace lz::catalogue
