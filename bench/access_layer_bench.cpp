// How much the access layer costs over reading SQLite directly: the start-up listing over a
// catalogue-sized bearing table, once through the layer and once with raw prepare/step.
// Goal: the layer within 1.5 times the raw read. The ratio of the fastest repetitions is
// printed at the end.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"

namespace {

namespace fs = std::filesystem;
using lz::catalogue::CatalogueDatabase;
using lz::catalogue::RecordSetHandle;

constexpr int kBearingRows = 59188;
constexpr const char* kListing =
    "select zhch,bh,newno,oldno,njin,wjin,gdu,ppai,btype,tt from bearing";
constexpr std::array<const char*, 10> kColumns = {"zhch", "bh",  "newno", "oldno", "njin",
                                                  "wjin", "gdu", "ppai",  "btype", "tt"};

void exec(sqlite3* db, const std::string& sql) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(db));
    }
}

std::string schemaSql() {
    const fs::path path = fs::path(__FILE__).parent_path().parent_path() / "assets/catalogue.sql";
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Rows shaped like the catalogue's: a name of brand, model and "轴承", some 20 to 40 bytes of
// type description, dimensions as short texts, and a few NULL types.
void fillBearings(sqlite3* db) {
    static const char* const kBrands[] = {"NSK", "SKF", "FAG", "NTN", "TIMKEN", "KOYO", "IKO"};
    static const char* const kTypes[] = {"深沟球轴承",   "推力球轴承",   "圆锥滚子轴承",
                                         "调心滚子轴承", "圆柱滚子轴承", "滚针轴承"};
    exec(db, "BEGIN");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO bearing VALUES (?,?,?,?,?,?,?,?,?,?,?,NULL)", -1, &insert,
                       nullptr);
    for (int bh = 1; bh <= kBearingRows; ++bh) {
        const std::string brand = kBrands[bh % 7];
        const std::string model = std::to_string(6000 + bh % 4000) + (bh % 3 ? "" : " C3");
        const std::string type = kTypes[bh % 6];
        const std::string name =
            brand + (bh % 5 ? " " : "  ") + model + " 轴承" + (bh % 4 ? "" : " ");
        const std::string fields[] = {name,
                                      model,
                                      std::to_string(100000 + bh),
                                      std::to_string(bh % 300),
                                      std::to_string(bh % 300 + 22),
                                      std::to_string(bh % 40) + ".5",
                                      model,
                                      brand,
                                      type,
                                      type + " （" + std::to_string(bh % 9) + "0000 型）"};
        sqlite3_bind_int(insert, 1, bh);
        for (int i = 0; i < 10; ++i) {
            const bool null = (i == 8 || i == 9) && bh % 120 == 0;
            if (null) {
                sqlite3_bind_null(insert, i + 2);
            } else {
                sqlite3_bind_text(insert, i + 2, fields[i].c_str(), -1, SQLITE_TRANSIENT);
            }
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    exec(db, "COMMIT");
}

class BenchCatalogue {
public:
    BenchCatalogue() {
        std::string pattern = (fs::temp_directory_path() / "lz-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        dir_ = pattern;
        sqlite3* db = nullptr;
        sqlite3_open_v2(path().c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        exec(db, schemaSql());
        exec(db, "DELETE FROM bearing; DELETE FROM prgc; DELETE FROM prjk;");
        fillBearings(db);
        sqlite3_close(db);
    }
    ~BenchCatalogue() { fs::remove_all(dir_); }

    fs::path path() const { return dir_ / "bearing.db"; }

private:
    fs::path dir_;
};

const BenchCatalogue& catalogue() {
    static const BenchCatalogue instance;
    return instance;
}

void BM_AccessLayerListing(benchmark::State& state) {
    CatalogueDatabase db;
    if (!db.OpenMdbDatabase(catalogue().path().string(), "", "kav07231964", false, true)) {
        state.SkipWithError("cannot open the catalogue");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const RecordSetHandle handle = db.OpenTable(kListing);
        db.MoveFirst(handle);
        int rows = 0;
        for (; !db.IsEOF(handle); db.MoveNext(handle), ++rows) {
            for (const char* column : kColumns) {
                std::string text = fieldText(db.ReadColByName(handle, column));
                bytes += text.size();
                benchmark::DoNotOptimize(text);
            }
        }
        db.CloseTable(handle);
        if (rows != kBearingRows) {
            state.SkipWithError("wrong row count");
            return;
        }
    }
    state.counters["bytes/iteration"] =
        static_cast<double>(bytes) / static_cast<double>(state.iterations());
}

void BM_RawSqliteListing(benchmark::State& state) {
    sqlite3* db = nullptr;
    // The same open mode as the layer's, so that only the layer's own work is compared.
    if (sqlite3_open_v2(catalogue().path().c_str(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_PRIVATECACHE,
                        nullptr) != SQLITE_OK) {
        state.SkipWithError("cannot open the catalogue");
        sqlite3_close(db);
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, kListing, -1, &statement, nullptr);
        int rows = 0;
        for (; sqlite3_step(statement) == SQLITE_ROW; ++rows) {
            for (int i = 0; i < static_cast<int>(kColumns.size()); ++i) {
                const auto* value =
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                std::string text =
                    value ? std::string(
                                value, static_cast<std::size_t>(sqlite3_column_bytes(statement, i)))
                          : std::string();
                bytes += text.size();
                benchmark::DoNotOptimize(text);
            }
        }
        sqlite3_finalize(statement);
        if (rows != kBearingRows) {
            state.SkipWithError("wrong row count");
            break;
        }
    }
    sqlite3_close(db);
    state.counters["bytes/iteration"] =
        static_cast<double>(bytes) / static_cast<double>(state.iterations());
}

BENCHMARK(BM_AccessLayerListing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSqliteListing)->Unit(benchmark::kMillisecond);

// Shows the usual table and keeps the fastest time per iteration of each benchmark: on a
// shared machine the fastest repetition is the one least disturbed by others.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) {
                continue;
            }
            keepFastest(cpu_, run.run_name.function_name, run.GetAdjustedCPUTime());
            keepFastest(real_, run.run_name.function_name, run.GetAdjustedRealTime());
        }
    }

    void printRatio() const {
        const char* layer = "BM_AccessLayerListing";
        const char* raw = "BM_RawSqliteListing";
        if (!cpu_.contains(layer) || !cpu_.contains(raw)) {
            return;
        }
        std::printf(
            "\naccess layer / raw SQLite: %.2f (CPU time), %.2f (real time); goal <= 1.50\n",
            cpu_.at(layer) / cpu_.at(raw), real_.at(layer) / real_.at(raw));
    }

private:
    static void keepFastest(std::map<std::string, double>& times, const std::string& name,
                            double time) {
        const auto [it, added] = times.emplace(name, time);
        if (!added && time < it->second) {
            it->second = time;
        }
    }

    std::map<std::string, double> cpu_;
    std::map<std::string, double> real_;
};

}  // namespace

int main(int argc, char** argv) {
    // Repetitions in random order by default, so that a burst of load on a shared machine
    // does not fall on one side only; flags given on the command line come later and win.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, {repetitions.data(), interleaving.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }
    catalogue();  // build the database before any timing starts
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio();
    benchmark::Shutdown();
    return 0;
}
