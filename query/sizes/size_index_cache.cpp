#include "query/sizes/size_index_cache.h"

#include <cstdint>
#include <optional>

#include "catalogue/catalogue_database.h"
#include "query/sizes/size_index.h"

namespace lz::sizes {

const SizeIndex* sizeIndexOf(catalogue::CatalogueDatabase& database) {
    struct Cached {
        std::uint64_t connection = 0;
        std::optional<SizeIndex> index;
    };
    static Cached cached;
    const std::uint64_t connection = database.connectionSerial();
    if (connection == 0) {
        return nullptr;
    }
    if (cached.connection != connection) {
        cached.index.reset();  // the old index goes before the new one is built
        cached.index = SizeIndex::build(database);
        cached.connection = cached.index ? connection : 0;
    }
    return cached.index ? &*cached.index : nullptr;
}

}  // namespace lz::sizes
