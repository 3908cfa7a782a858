#include "zip_writer.h"

#include <zip.h>
#include <zlib.h>

namespace lz::fixtures {

bool writeZip(const std::filesystem::path& path, const std::vector<ZipEntry>& entries) {
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (zip == nullptr) {
        return false;
    }
    bool ok = true;
    for (const ZipEntry& entry : entries) {
        zip_fileinfo info{};
        info.tmz_date.tm_year = 1980;
        info.tmz_date.tm_mday = 1;
        const int method = entry.deflate ? Z_DEFLATED : 0;
        const int level = entry.deflate ? Z_BEST_COMPRESSION : 0;
        if (zipOpenNewFileInZip64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                  method, level, 0) != ZIP_OK) {
            ok = false;
            break;
        }
        // In pieces: zipWriteInFileInZip takes an unsigned length.
        constexpr std::size_t kPiece = 1 << 20;
        for (std::size_t at = 0; ok && at < entry.bytes.size(); at += kPiece) {
            const std::size_t length = std::min(kPiece, entry.bytes.size() - at);
            ok = zipWriteInFileInZip(zip, entry.bytes.data() + at, static_cast<unsigned>(length)) ==
                 ZIP_OK;
        }
        ok = zipCloseFileInZip(zip) == ZIP_OK && ok;
        if (!ok) {
            break;
        }
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

}  // namespace lz::fixtures
