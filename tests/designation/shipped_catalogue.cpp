#include "tests/designation/shipped_catalogue.h"

#include <stdexcept>

#include "catalogue/image/catalogue_image.h"

namespace lz::designation::test {

const ShippedCatalogue& shippedCatalogue() {
    static const ShippedCatalogue* const shipped = [] {
        auto* catalogue = new ShippedCatalogue;
        if (!catalogue->database.openImage(catalogue::catalogueImage())) {
            throw std::runtime_error("the embedded catalogue does not open");
        }
        catalogue->rows = readDesignationRows(catalogue->database).value();
        for (std::size_t i = 0; i < catalogue->rows.size(); ++i) {
            catalogue->rowOfBh.emplace(catalogue->rows[i].bh, i);
        }
        catalogue->index = CanonicalIndex::build(catalogue->database);
        catalogue->keys = DesignationIndex::build(catalogue->database);
        return catalogue;
    }();
    return *shipped;
}

}  // namespace lz::designation::test
