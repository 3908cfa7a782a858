#pragma once

#include <cstddef>
#include <span>

namespace lz::catalogue {

// The catalogue database file that the program carries, exactly as it is written to disk.
std::span<const std::byte> catalogueImage();

// Lets the system take back the memory holding the image's bytes once they have been
// written out; they are read back from the executable if the image is used again.
void releaseCatalogueImageMemory();

}  // namespace lz::catalogue
