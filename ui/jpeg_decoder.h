#pragma once

#include <cstddef>
#include <span>

#include <QImage>

namespace lz::ui {

// Decodes JPEG bytes into an RGB888 image. Corrupt or unsupported data yields a null
// image; it never aborts the program (libjpeg's default error handler would exit).
QImage decodeJpeg(std::span<const std::byte> jpeg);

}  // namespace lz::ui
