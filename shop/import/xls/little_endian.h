#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace lz::shop {

// Little-endian integers of the compound file and of BIFF records; the caller has checked
// that the bytes are there.
inline std::uint16_t readU16(QByteArrayView bytes, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

inline std::uint32_t readU32(QByteArrayView bytes, qsizetype at) {
    return static_cast<std::uint32_t>(readU16(bytes, at)) |
           static_cast<std::uint32_t>(readU16(bytes, at + 2)) << 16;
}

}  // namespace lz::shop
