#pragma once

#include <cstddef>
#include <span>

namespace lz::catalogue {

// The catalogue database file that the program carries, exactly as it is written to disk.
std::span<const std::byte> catalogueImage();

}  // namespace lz::catalogue
