#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "shop/import/read_limits.h"

namespace lz::shop {

// A zip file read with minizip, part by part, within a budget of unpacked bytes shared by
// every part read: a zip bomb ends in "压缩内容过大" however its sizes are declared.
// Encrypted parts, damaged data and CRC mismatches end in the messages for them.
class ZipArchive {
public:
    explicit ZipArchive(const ReadLimits& limits);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Reads the central directory. False (and error()) for a truncated or damaged zip.
    bool open(const QString& path);

    // Parts are looked up by name without a leading "/" and without regard to case.
    bool has(const QString& name) const;
    // A part's bytes.
    std::optional<QByteArray> read(const QString& name);
    // Hands a part to `sink` in chunks; stops (false) when the sink returns false or the
    // part cannot be read.
    bool stream(const QString& name, const std::function<bool(QByteArrayView)>& sink);

    const QString& error() const { return error_; }
    void fail(const QString& message);

private:
    void* zip_ = nullptr;                                              // unzFile
    QHash<QString, std::pair<std::uint64_t, std::uint64_t>> entries_;  // name → position
    std::int64_t budget_;
    QString error_;
};

}  // namespace lz::shop
