#include "tests/cli/small_catalogue_image.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/support/small_catalogue.h"
#include "tests/support/temp_dir.h"

namespace lz::query_cli::test {

std::vector<std::byte> smallCatalogueImage(std::string_view rows) {
    lz::test::TempDir dir;
    const std::string path = (dir.path() / "catalogue.db").string();
    if (!lz::test::writeSmallCatalogue(path, rows)) {
        throw std::runtime_error("the small catalogue could not be written");
    }
    return fileBytes(path);
}

std::vector<std::byte> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    std::vector<std::byte> image(bytes.size());
    std::transform(bytes.begin(), bytes.end(), image.begin(),
                   [](char c) { return static_cast<std::byte>(c); });
    return image;
}

}  // namespace lz::query_cli::test
