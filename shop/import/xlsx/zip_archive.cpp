#include "shop/import/xlsx/zip_archive.h"

#include <QFile>

#include <unzip.h>

#include <vector>

#include "shop/shop_messages.h"

namespace lz::shop {

namespace {

constexpr int kMaxEntries = 10'000;
constexpr int kChunkBytes = 64 * 1024;
constexpr uLong kMaxNameBytes = 1024;

QString key(QString name) {
    if (name.startsWith(QLatin1Char('/'))) {
        name.remove(0, 1);
    }
    return name.toLower();
}

}  // namespace

ZipArchive::ZipArchive(const ReadLimits& limits) : budget_(limits.maxUnpackedBytes) {}

ZipArchive::~ZipArchive() {
    if (zip_ != nullptr) {
        unzClose(static_cast<unzFile>(zip_));
    }
}

void ZipArchive::fail(const QString& message) {
    if (error_.isEmpty()) {
        error_ = message;
    }
}

bool ZipArchive::open(const QString& path) {
    const QByteArray encoded = QFile::encodeName(path);
    zip_ = unzOpen64(encoded.constData());
    if (zip_ == nullptr) {
        fail(QString::fromUtf8(messages::kDamaged));
        return false;
    }
    auto* zip = static_cast<unzFile>(zip_);
    int rc = unzGoToFirstFile(zip);
    int count = 0;
    while (rc == UNZ_OK) {
        if (++count > kMaxEntries) {
            fail(QString::fromUtf8(messages::kUnpackedTooLarge));
            return false;
        }
        char name[kMaxNameBytes + 1];
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
            UNZ_OK) {
            break;
        }
        name[std::min(info.size_filename, kMaxNameBytes)] = '\0';
        unz64_file_pos position;
        if (unzGetFilePos64(zip, &position) == UNZ_OK) {
            entries_.insert(key(QString::fromUtf8(name)),
                            {position.pos_in_zip_directory, position.num_of_file});
        }
        rc = unzGoToNextFile(zip);
    }
    if (rc != UNZ_END_OF_LIST_OF_FILE) {
        fail(QString::fromUtf8(messages::kDamaged));
        return false;
    }
    return true;
}

bool ZipArchive::has(const QString& name) const {
    return entries_.contains(key(name));
}

std::optional<QByteArray> ZipArchive::read(const QString& name) {
    QByteArray bytes;
    if (!stream(name, [&](QByteArrayView chunk) {
            bytes.append(chunk);
            return true;
        })) {
        return std::nullopt;
    }
    return bytes;
}

bool ZipArchive::stream(const QString& name, const std::function<bool(QByteArrayView)>& sink) {
    if (!error_.isEmpty() || zip_ == nullptr) {
        return false;
    }
    auto* zip = static_cast<unzFile>(zip_);
    const auto found = entries_.constFind(key(name));
    if (found == entries_.constEnd()) {
        fail(QString::fromUtf8(messages::kDamaged));
        return false;
    }
    unz64_file_pos position{found->first, found->second};
    unz_file_info64 info;
    if (unzGoToFilePos64(zip, &position) != UNZ_OK ||
        unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        fail(QString::fromUtf8(messages::kDamaged));
        return false;
    }
    if (info.flag & 1) {  // traditional zip encryption
        fail(QString::fromUtf8(messages::kEncrypted));
        return false;
    }
    if (info.uncompressed_size > static_cast<ZPOS64_T>(budget_)) {
        fail(QString::fromUtf8(messages::kUnpackedTooLarge));
        return false;
    }
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        fail(QString::fromUtf8(messages::kDamaged));
        return false;
    }
    std::vector<char> buffer(kChunkBytes);
    bool ok = true;
    for (;;) {
        const int got = unzReadCurrentFile(zip, buffer.data(), kChunkBytes);
        if (got < 0) {
            fail(QString::fromUtf8(messages::kDamaged));
            ok = false;
            break;
        }
        if (got == 0) {
            break;
        }
        // The declared size may lie; the bytes that come out are what count.
        budget_ -= got;
        if (budget_ < 0) {
            fail(QString::fromUtf8(messages::kUnpackedTooLarge));
            ok = false;
            break;
        }
        if (!sink(QByteArrayView(buffer.data(), got))) {
            ok = false;
            break;
        }
    }
    if (unzCloseCurrentFile(zip) != UNZ_OK && ok) {
        fail(QString::fromUtf8(messages::kDamaged));  // CRC mismatch
        ok = false;
    }
    return ok;
}

}  // namespace lz::shop
