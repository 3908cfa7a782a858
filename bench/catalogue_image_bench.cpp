// The embedded catalogue: how large the image is, and how long the build step takes to turn
// assets/catalogue.sql into it (goal: well under 10 s on two cores).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "catalogue/image/catalogue_image.h"

namespace {

std::string catalogueSource() {
    std::ifstream in(LZ_CATALOGUE_SQL, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool run(sqlite3* db, const std::string& sql) {
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

void BM_CatalogueImageSize(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = lz::catalogue::catalogueImage().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["image_bytes"] = static_cast<double>(bytes);
    state.counters["image_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_CatalogueImageSize);

// The same work as tools/catalogue_db_builder: the whole source in one transaction, then
// VACUUM, into a fresh file.
void BM_BuildCatalogueDatabase(benchmark::State& state) {
    const std::string source = catalogueSource();
    if (source.empty()) {
        state.SkipWithError("cannot read " LZ_CATALOGUE_SQL);
        return;
    }
    const auto file = std::filesystem::temp_directory_path() / "lz-bench-catalogue.db";
    for (auto _ : state) {
        std::filesystem::remove(file);
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        const bool ok = run(db,
                            "PRAGMA page_size=4096; PRAGMA journal_mode=OFF; "
                            "PRAGMA synchronous=OFF; BEGIN;") &&
                        run(db, source) && run(db, "COMMIT;") && run(db, "VACUUM;");
        sqlite3_close(db);
        if (!ok) {
            state.SkipWithError("building the catalogue failed");
            break;
        }
    }
    state.counters["source_bytes"] = static_cast<double>(source.size());
    state.counters["database_bytes"] =
        std::filesystem::exists(file) ? static_cast<double>(std::filesystem::file_size(file)) : 0;
    std::filesystem::remove(file);
}
BENCHMARK(BM_BuildCatalogueDatabase)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
