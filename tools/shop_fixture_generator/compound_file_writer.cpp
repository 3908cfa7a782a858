#include "compound_file_writer.h"

#include <algorithm>
#include <cstdint>

namespace lz::fixtures {

namespace {

constexpr std::uint32_t kSector = 512;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kMiniCutoff = 4096;

void put16(std::string& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}

void put32(std::string& out, std::size_t at, std::uint32_t value) {
    put16(out, at, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t sectorsFor(std::size_t bytes) {
    return static_cast<std::uint32_t>((bytes + kSector - 1) / kSector);
}

// Directory entries compare by name length, then by upper-cased name.
bool entryBefore(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (upper(a[k]) != upper(b[k])) {
            return upper(a[k]) < upper(b[k]);
        }
    }
    return false;
}

std::string directoryEntry(const std::u16string& name, int type, std::uint32_t right,
                           std::uint32_t child, std::uint32_t start, std::uint32_t size) {
    std::string entry(128, '\0');
    for (std::size_t k = 0; k < name.size() && k < 31; ++k) {
        put16(entry, 2 * k, name[k]);
    }
    put16(entry, 0x40, static_cast<std::uint16_t>(2 * (name.size() + 1)));
    entry[0x42] = static_cast<char>(type);
    entry[0x43] = 1;  // black
    put32(entry, 0x44, kNoStream);
    put32(entry, 0x48, right);
    put32(entry, 0x4C, child);
    put32(entry, 0x74, start);
    put32(entry, 0x78, size);
    return entry;
}

}  // namespace

std::string compoundFile(std::vector<std::pair<std::u16string, std::string>> streams,
                         bool padSmallStreams) {
    std::sort(streams.begin(), streams.end(),
              [](const auto& a, const auto& b) { return entryBefore(a.first, b.first); });
    // Small streams go into the mini stream in 64-byte sectors chained by the mini FAT, or
    // are padded to the size that keeps them out of it.
    constexpr std::size_t kMiniSector = 64;
    std::string miniStream;
    std::string miniFat;
    std::vector<std::uint32_t> miniStarts(streams.size(), kEndOfChain);
    for (std::size_t k = 0; k < streams.size(); ++k) {
        std::string& bytes = streams[k].second;
        if (bytes.size() >= kMiniCutoff) {
            continue;
        }
        if (padSmallStreams) {
            bytes.resize(kMiniCutoff, '\0');
            continue;
        }
        const auto first = static_cast<std::uint32_t>(miniStream.size() / kMiniSector);
        const auto count =
            static_cast<std::uint32_t>((bytes.size() + kMiniSector - 1) / kMiniSector);
        miniStarts[k] = count > 0 ? first : kEndOfChain;
        for (std::uint32_t m = 0; m < count; ++m) {
            std::string entry(4, '\0');
            put32(entry, 0, m + 1 < count ? first + m + 1 : kEndOfChain);
            miniFat += entry;
        }
        miniStream += bytes;
        miniStream.resize((first + count) * kMiniSector, '\0');
    }
    while (miniFat.size() % kSector != 0) {
        miniFat += std::string("\xFF\xFF\xFF\xFF", 4);
    }

    // What goes into regular sectors after the FAT and the directory sector: the mini FAT,
    // the mini stream, then each stream too large for it.
    std::vector<const std::string*> chains = {&miniFat, &miniStream};
    for (const auto& [name, bytes] : streams) {
        if (bytes.size() >= kMiniCutoff) {
            chains.push_back(&bytes);
        }
    }
    std::uint32_t dataSectors = 1;
    for (const std::string* chain : chains) {
        dataSectors += sectorsFor(chain->size());
    }
    std::uint32_t fatSectors = 1;
    while (fatSectors * (kSector / 4) < fatSectors + dataSectors) {
        ++fatSectors;
    }
    const std::uint32_t directorySector = fatSectors;
    std::vector<std::uint32_t> fat(fatSectors * (kSector / 4), kFree);
    for (std::uint32_t k = 0; k < fatSectors; ++k) {
        fat[k] = kFatSector;
    }
    fat[directorySector] = kEndOfChain;
    std::vector<std::uint32_t> chainStarts;
    std::uint32_t next = directorySector + 1;
    for (const std::string* chain : chains) {
        const std::uint32_t count = sectorsFor(chain->size());
        chainStarts.push_back(count > 0 ? next : kEndOfChain);
        for (std::uint32_t k = 0; k < count; ++k) {
            fat[next + k] = k + 1 < count ? next + k + 1 : kEndOfChain;
        }
        next += count;
    }

    std::string header(kSector, '\0');
    header.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    put16(header, 0x18, 0x003E);
    put16(header, 0x1A, 0x0003);
    put16(header, 0x1C, 0xFFFE);
    put16(header, 0x1E, 9);
    put16(header, 0x20, 6);
    put32(header, 0x2C, fatSectors);
    put32(header, 0x30, directorySector);
    put32(header, 0x38, static_cast<std::uint32_t>(kMiniCutoff));
    put32(header, 0x3C, chainStarts[0]);
    put32(header, 0x40, sectorsFor(miniFat.size()));
    put32(header, 0x44, kEndOfChain);
    for (std::uint32_t k = 0; k < 109; ++k) {
        put32(header, 0x4C + 4 * k, k < fatSectors ? k : kFree);
    }

    std::string out = header;
    std::string fatBytes(fat.size() * 4, '\0');
    for (std::size_t k = 0; k < fat.size(); ++k) {
        put32(fatBytes, 4 * k, fat[k]);
    }
    out += fatBytes;

    // The root (holding the mini stream) has the first stream as its child; the others hang
    // to the right in order, a tree ordered as the format asks.
    std::string directory =
        directoryEntry(u"Root Entry", 5, kNoStream, streams.empty() ? kNoStream : 1, chainStarts[1],
                       static_cast<std::uint32_t>(miniStream.size()));
    std::size_t bigStream = 2;
    for (std::size_t k = 0; k < streams.size(); ++k) {
        const std::uint32_t right =
            k + 1 < streams.size() ? static_cast<std::uint32_t>(k + 2) : kNoStream;
        const bool small = streams[k].second.size() < kMiniCutoff;
        directory += directoryEntry(streams[k].first, 2, right, kNoStream,
                                    small ? miniStarts[k] : chainStarts[bigStream++],
                                    static_cast<std::uint32_t>(streams[k].second.size()));
    }
    while (directory.size() < kSector) {
        std::string unused(128, '\0');
        put32(unused, 0x44, kNoStream);
        put32(unused, 0x48, kNoStream);
        put32(unused, 0x4C, kNoStream);
        directory += unused;
    }
    out += directory;
    for (const std::string* chain : chains) {
        out += *chain;
        out.resize(out.size() + (sectorsFor(chain->size()) * kSector - chain->size()), '\0');
    }
    return out;
}

}  // namespace lz::fixtures
