#include "content/selected_bearing.h"

#include <cstdlib>

namespace lz::content {
namespace {

SelectedBearing* record = nullptr;

void releaseSelectedBearing() {
    delete record;
    record = nullptr;
}

}  // namespace

SelectedBearing& selectedBearing() {
    if (record == nullptr) {
        initSelectedBearing();
    }
    return *record;
}

void initSelectedBearing() {
    if (record == nullptr) {
        record = new SelectedBearing();
        std::atexit(releaseSelectedBearing);
    } else {
        *record = SelectedBearing();
    }
}

}  // namespace lz::content
