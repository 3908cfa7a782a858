// The key index over the whole bearing table, one lookup in it, and the CSV export of the
// whole bearing list (59,188 rows), on the shipped catalogue. Medians of several runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/support/bench_window.h"
#include "catalogue/catalogue_database.h"
#include "designation/designation_index.h"
#include "query/result_list_export.h"
#include "query/result_list_fill.h"
#include "query/result_lists.h"
#include "query/table_text/file_replacement.h"
#include "ui/window.h"

namespace {

using Clock = std::chrono::steady_clock;

double medianSeconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, double seconds, double goalSeconds, const std::string& detail) {
    std::printf("%-34s %9.4f ms  under %5.0f ms: %s  (%s)\n", what, seconds * 1e3,
                goalSeconds * 1e3, seconds < goalSeconds ? "met" : "MISSED", detail.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    return lz::bench::runOnMainWindow(
        argc, argv, [&](lz::bench::BenchWindow& bench, lz::ui::Window& main) {
            auto& database = main.database(lz::query::kCatalogueConnection);

            const double before = lz::bench::residentMiB();
            std::optional<lz::designation::DesignationIndex> index;
            const double build = medianSeconds(9, [&] {
                index.reset();
                index = lz::designation::DesignationIndex::build(database);
            });
            if (!index) {
                std::fprintf(stderr, "the bearing table could not be read\n");
                return 1;
            }
            char detail[160];
            std::snprintf(detail, sizeof detail, "%zu rows, about %.1f MiB resident more",
                          index->rowCount(), lz::bench::residentMiB() - before);
            report("key index, whole bearing table", build, 0.050, detail);

            for (const char* typed : {"6205LLU", "６２０５ ｌｌｕ", "2205", "XYZ-NONE"}) {
                std::size_t found = 0;
                const double lookup =
                    medianSeconds(1001, [&] { found = index->lookup(typed).size(); });
                std::snprintf(detail, sizeof detail, "\"%s\": %zu rows", typed, found);
                report("one lookup", lookup, 0.005, detail);
            }

            // What the dialog's search takes, key lookup and fill of the bearing list together.
            const double lookupAndFill = medianSeconds(15, [&] {
                const auto statement =
                    lz::designation::composeBearingRowsSearch(index->lookup("6205 LLU"));
                lz::query::fillBearingList(main, statement.value_or(""));
            });
            std::snprintf(detail, sizeof detail, "\"6205 LLU\": %d rows listed",
                          main.rowCount(lz::query::kBearingList.listName));
            report("lookup and fill of the list", lookupAndFill, 0.030, detail);

            lz::query::fillBearingList(main, "select * from bearing");
            const int rows = main.rowCount(lz::query::kBearingList.listName);
            const std::filesystem::path target =
                std::filesystem::path(bench.cataloguePath()).parent_path() / "bench-export.csv";
            std::size_t bytes = 0;
            const double exportSeconds = medianSeconds(5, [&] {
                const std::string csv = lz::query::resultListCsv(main, lz::query::kBearingList);
                bytes = csv.size();
                if (lz::query::text::writeFileReplacing(target, csv)) {
                    std::fprintf(stderr, "export could not be written\n");
                }
            });
            std::snprintf(detail, sizeof detail, "%d rows, %.1f MiB of CSV", rows,
                          bytes / 1048576.0);
            report("export of the whole bearing list", exportSeconds, 0.500, detail);
            std::filesystem::remove(target);
            return 0;
        });
}
