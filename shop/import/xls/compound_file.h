#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace lz::shop {

// The compound file that holds an .xls workbook (and an encrypted .xlsx): a small file
// system of streams in fixed-size sectors. Read only as far as needed to look at the
// directory and at one stream; every sector chain is checked against the file's size and
// for loops, so a damaged file ends as "damaged", never as a long walk.
class CompoundFile {
public:
    // False when the bytes are no whole compound file. The bytes must outlive the object.
    bool parse(QByteArrayView bytes);

    // The names of the streams in the directory, in directory order.
    QStringList streamNames() const;
    bool hasStream(QStringView name) const;
    // A stream's bytes; nothing when there is no such stream or its sectors are damaged.
    std::optional<QByteArray> stream(QStringView name) const;

private:
    struct Entry {
        QString name;
        int type = 0;  // 1 storage, 2 stream, 5 root
        std::uint32_t start = 0;
        std::uint64_t size = 0;
    };

    std::optional<QByteArray> readChain(std::uint32_t start, std::uint64_t size) const;
    std::optional<QByteArray> readMiniChain(std::uint32_t start, std::uint64_t size) const;
    const Entry* find(QStringView name) const;

    QByteArrayView bytes_;
    std::uint32_t sectorSize_ = 512;
    std::uint32_t miniCutoff_ = 4096;
    std::vector<std::uint32_t> fat_;
    std::vector<std::uint32_t> miniFat_;
    std::vector<Entry> entries_;
    QByteArray miniStream_;
};

}  // namespace lz::shop
