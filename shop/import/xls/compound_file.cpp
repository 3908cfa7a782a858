#include "shop/import/xls/compound_file.h"

#include <QStringList>

#include <cstring>

#include "shop/import/xls/little_endian.h"

namespace lz::shop {

namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFA;
constexpr std::uint32_t kMiniSectorSize = 64;
constexpr int kHeaderDifatEntries = 109;

}  // namespace

bool CompoundFile::parse(QByteArrayView bytes) {
    bytes_ = bytes;
    if (bytes.size() < 512 ||
        !bytes.startsWith(QByteArrayView("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))) {
        return false;
    }
    const std::uint16_t shift = readU16(bytes, 0x1E);
    if (shift != 9 && shift != 12) {
        return false;
    }
    sectorSize_ = 1u << shift;
    miniCutoff_ = readU32(bytes, 0x38);
    const std::uint64_t sectorCount =
        bytes.size() > static_cast<qsizetype>(sectorSize_)
            ? (static_cast<std::uint64_t>(bytes.size()) - sectorSize_ + sectorSize_ - 1) /
                  sectorSize_
            : 0;
    auto sectorAt = [&](std::uint32_t sector) -> qsizetype {
        return static_cast<qsizetype>((static_cast<std::uint64_t>(sector) + 1) * sectorSize_);
    };
    auto sectorInFile = [&](std::uint32_t sector) {
        return sector <= kMaxRegularSector && sector < sectorCount &&
               sectorAt(sector) + static_cast<qsizetype>(sectorSize_) <= bytes.size();
    };

    // The FAT's sectors: 109 named in the header, the rest in a chain of DIFAT sectors.
    const std::uint32_t fatSectors = readU32(bytes, 0x2C);
    if (fatSectors > sectorCount) {
        return false;
    }
    std::vector<std::uint32_t> fatSectorList;
    for (int k = 0; k < kHeaderDifatEntries && fatSectorList.size() < fatSectors; ++k) {
        fatSectorList.push_back(readU32(bytes, 0x4C + 4 * k));
    }
    std::uint32_t difat = readU32(bytes, 0x44);
    const std::uint32_t perDifat = sectorSize_ / 4 - 1;
    for (std::uint64_t guard = 0; fatSectorList.size() < fatSectors; ++guard) {
        if (!sectorInFile(difat) || guard > sectorCount) {
            return false;
        }
        const qsizetype at = sectorAt(difat);
        for (std::uint32_t k = 0; k < perDifat && fatSectorList.size() < fatSectors; ++k) {
            fatSectorList.push_back(readU32(bytes, at + 4 * k));
        }
        difat = readU32(bytes, at + 4 * perDifat);
    }
    fat_.clear();
    fat_.reserve(fatSectorList.size() * (sectorSize_ / 4));
    for (std::uint32_t sector : fatSectorList) {
        if (!sectorInFile(sector)) {
            return false;
        }
        const qsizetype at = sectorAt(sector);
        for (std::uint32_t k = 0; k < sectorSize_ / 4; ++k) {
            fat_.push_back(readU32(bytes, at + 4 * k));
        }
    }

    // The directory: 128-byte entries in a chain of sectors.
    const auto directory = readChain(readU32(bytes, 0x30), std::uint64_t(-1));
    if (!directory) {
        return false;
    }
    entries_.clear();
    for (qsizetype at = 0; at + 128 <= directory->size(); at += 128) {
        const QByteArrayView entry(directory->constData() + at, 128);
        Entry parsed;
        parsed.type = static_cast<unsigned char>(entry[0x42]);
        const std::uint16_t nameBytes = std::min<std::uint16_t>(readU16(entry, 0x40), 64);
        for (std::uint16_t k = 0; k + 1 < nameBytes; k += 2) {
            const char16_t unit = readU16(entry, k);
            if (unit == 0) {
                break;
            }
            parsed.name.append(QChar(unit));
        }
        parsed.start = readU32(entry, 0x74);
        parsed.size = readU32(entry, 0x78);
        if (sectorSize_ == 4096) {
            parsed.size |= static_cast<std::uint64_t>(readU32(entry, 0x7C)) << 32;
        }
        entries_.push_back(std::move(parsed));
    }
    if (entries_.empty() || entries_.front().type != 5) {
        return false;
    }

    // Small streams live in the mini stream (held by the root entry) with their own FAT.
    miniFat_.clear();
    miniStream_.clear();
    const std::uint32_t miniFatStart = readU32(bytes, 0x3C);
    if (miniFatStart != kEndOfChain && readU32(bytes, 0x40) > 0) {
        const auto miniFatBytes = readChain(miniFatStart, std::uint64_t(-1));
        if (!miniFatBytes) {
            return false;
        }
        for (qsizetype at = 0; at + 4 <= miniFatBytes->size(); at += 4) {
            miniFat_.push_back(readU32(*miniFatBytes, at));
        }
        const Entry& root = entries_.front();
        if (root.size > 0) {
            auto mini = readChain(root.start, root.size);
            if (!mini) {
                return false;
            }
            miniStream_ = std::move(*mini);
        }
    }
    return true;
}

std::optional<QByteArray> CompoundFile::readChain(std::uint32_t start, std::uint64_t size) const {
    QByteArray out;
    std::vector<bool> visited(fat_.size(), false);
    for (std::uint32_t sector = start; sector != kEndOfChain;) {
        if (sector >= fat_.size() || visited[sector]) {
            return std::nullopt;  // outside the FAT, or a loop
        }
        visited[sector] = true;
        const qsizetype at =
            static_cast<qsizetype>((static_cast<std::uint64_t>(sector) + 1) * sectorSize_);
        if (at + static_cast<qsizetype>(sectorSize_) > bytes_.size()) {
            // The last sector of a file may be cut short by writers; take what is there.
            if (at >= bytes_.size()) {
                return std::nullopt;
            }
            out.append(bytes_.sliced(at).toByteArray());
        } else {
            out.append(bytes_.data() + at, sectorSize_);
        }
        if (static_cast<std::uint64_t>(out.size()) >= size) {
            break;
        }
        sector = fat_[sector];
    }
    if (size != std::uint64_t(-1)) {
        if (static_cast<std::uint64_t>(out.size()) < size) {
            return std::nullopt;
        }
        out.truncate(static_cast<qsizetype>(size));
    }
    return out;
}

std::optional<QByteArray> CompoundFile::readMiniChain(std::uint32_t start,
                                                      std::uint64_t size) const {
    QByteArray out;
    std::vector<bool> visited(miniFat_.size(), false);
    for (std::uint32_t sector = start; static_cast<std::uint64_t>(out.size()) < size;) {
        if (sector >= miniFat_.size() || visited[sector]) {
            return std::nullopt;  // outside the mini FAT, or a loop
        }
        visited[sector] = true;
        const qsizetype at = static_cast<qsizetype>(sector) * kMiniSectorSize;
        if (at + static_cast<qsizetype>(kMiniSectorSize) > miniStream_.size()) {
            return std::nullopt;
        }
        out.append(miniStream_.constData() + at, kMiniSectorSize);
        sector = miniFat_[sector];
    }
    out.truncate(static_cast<qsizetype>(size));
    return out;
}

const CompoundFile::Entry* CompoundFile::find(QStringView name) const {
    for (const Entry& entry : entries_) {
        if (entry.type == 2 && QStringView(entry.name).compare(name, Qt::CaseInsensitive) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

QStringList CompoundFile::streamNames() const {
    QStringList names;
    for (const Entry& entry : entries_) {
        if (entry.type == 2) {
            names.append(entry.name);
        }
    }
    return names;
}

bool CompoundFile::hasStream(QStringView name) const {
    return find(name) != nullptr;
}

std::optional<QByteArray> CompoundFile::stream(QStringView name) const {
    const Entry* entry = find(name);
    if (entry == nullptr || entry->size > static_cast<std::uint64_t>(bytes_.size())) {
        return std::nullopt;
    }
    if (entry->size == 0) {
        return QByteArray();
    }
    return entry->size < miniCutoff_ ? readMiniChain(entry->start, entry->size)
                                     : readChain(entry->start, entry->size);
}

}  // namespace lz::shop
