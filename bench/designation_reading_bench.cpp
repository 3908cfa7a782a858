// Reading designations, the canonical index over the shipped catalogue and the grouped
// lookup, without Qt: the figures the window and the command line rely on. Medians of
// many runs; the heap the index holds is measured by the allocator. The index is timed by
// the clock and by the processor time of this thread, which other work on a shared
// machine does not inflate; the goal is judged on the latter.
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "designation/canonical_index.h"
#include "designation/read_designation.h"

namespace {

using Clock = std::chrono::steady_clock;

double medianSeconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, double value, double goal, const char* unit,
            const std::string& detail) {
    std::printf("%-38s %10.3f %s  goal %6.1f %s: %s  (%s)\n", what, value, unit, goal, unit,
                value <= goal ? "met" : "MISSED", detail.c_str());
}

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The median processor time of this thread over `runs` runs.
double medianThreadSeconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = threadSeconds();
        work();
        times.push_back(threadSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double heapInUseMiB() {
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

}  // namespace

int main() {
    using namespace lz::designation;

    // Reading one designation: stamps and orders of every kind, old codes, splits.
    const std::vector<std::string> stamps = {
        "6205-2RS1",     "62052RS",         "6205LLUC3",    "6205-2RSR-C3",   "6305 DDU",
        "NJ 205 ECP",    "NU205-E-TVP2-C3", "7205 ACD/P4A", "B7205-C-T-P4S",  "22215 CCK/W33",
        "180207",        "36206",           "2205",         "6052Z",          "R-1450ZZ",
        "SKF 6205-2RS1", "LM11949/LM11910", "HK2016",       "６２０５ＬＬＵ", "XYZ-NONE"};
    double slowest = 0;
    std::string slowestText;
    std::vector<double> medians;
    for (const std::string& text : stamps) {
        std::size_t readings = 0;
        const double median =
            medianSeconds(2001, [&] { readings = readDesignation(text).readings.size(); });
        medians.push_back(median);
        if (median > slowest) {
            slowest = median;
            slowestText = text;
        }
    }
    std::sort(medians.begin(), medians.end());
    report("reading one designation (median)", medians[medians.size() / 2] * 1e6, 5, "us",
           std::to_string(stamps.size()) + " stamps");
    report("reading one designation (slowest)", slowest * 1e6, 5, "us", "\"" + slowestText + "\"");
    const std::string tenMegabytes(10 * 1024 * 1024, '6');
    report("reading a text of 10 MB",
           medianSeconds(101, [&] { readDesignation(tenMegabytes); }) * 1e6, 5, "us",
           "refused as no designation");

    lz::catalogue::CatalogueDatabase database;
    if (!database.openImage(lz::catalogue::catalogueImage())) {
        std::fprintf(stderr, "the embedded catalogue does not open\n");
        return 1;
    }
    std::optional<CanonicalIndex> index;
    const double wall = medianSeconds(7, [&] {
        index.reset();
        index = CanonicalIndex::build(database);
    });
    const double build = medianThreadSeconds(7, [&] {
        index.reset();
        index = CanonicalIndex::build(database);
    });
    const double keys = medianThreadSeconds(7, [&] { DesignationIndex::build(database); });
    if (!index) {
        std::fprintf(stderr, "the bearing table could not be read\n");
        return 1;
    }
    index.reset();
    malloc_trim(0);
    const double before = heapInUseMiB();
    index = CanonicalIndex::build(database);
    const double held = heapInUseMiB() - before;
    char detail[200];
    std::snprintf(detail, sizeof detail,
                  "%zu rows, %zu canonical designations, read through the access layer; "
                  "%.1f ms by the clock; the key index alone %.1f ms",
                  index->rowCount(), index->groupCount(), wall * 1e3, keys * 1e3);
    report("canonical index, whole bearing table", build * 1e3, 100, "ms", detail);
    report("heap the canonical index holds", held, 16, "MiB", "allocator's bytes in use");

    double slowestLookup = 0;
    std::string slowestLookupText;
    for (const char* typed : {"6205-2RS1", "62052RS", "6205", "NU 205 ECP", "2205", "7205 C/P4",
                              "180205", "6052Z", "22215 K", "XYZ-NONE", "6"}) {
        std::size_t rows = 0;
        const double lookup =
            medianSeconds(301, [&] { rows = index->lookup(typed).entries.size(); });
        if (lookup > slowestLookup) {
            slowestLookup = lookup;
            slowestLookupText = std::string(typed) + "\": " + std::to_string(rows) + " rows";
        }
    }
    report("lookup with groups (slowest text)", slowestLookup * 1e3, 2, "ms",
           "\"" + slowestLookupText);
    const double interchange = medianSeconds(301, [&] { index->interchangeable(466); });
    report("interchangeable bearings of a row", interchange * 1e3, 2, "ms", "bh 466");
    return 0;
}
