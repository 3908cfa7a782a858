// Filling the bearing list with the whole shipped bearing table (59,188 rows, messages
// handled after every row), next to a raw SQLite scan reading the same columns of the same
// rows. Prints the times and their ratio, the longest the window waited for its messages
// during a fill, and the memory: the process's peak with the table listed, and how much
// the process grew by listing it.
//
// With --profile it only fills, twenty times, for a profiler to watch.
#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench/support/bench_window.h"
#include "query/result_list_fill.h"
#include "ui/window.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 5;
constexpr std::string_view kWholeTable = "select * from bearing";

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    return lz::bench::runOnMainWindow(
        argc, argv, [&](lz::bench::BenchWindow& bench, lz::ui::Window& main) {
            const auto& list = lz::query::kBearingList;

            if (argc > 1 && std::string(argv[1]) == "--profile") {
                for (int round = 0; round < 20; ++round) {
                    lz::query::fillBearingList(main, kWholeTable);
                }
                return 0;
            }

            // A timer due every millisecond shows how long the window went without its messages
            // being handled.
            QElapsedTimer sinceTick;
            qint64 longestWaitNs = 0;
            bool filling = false;
            QTimer ticker;
            ticker.setInterval(1);
            QObject::connect(&ticker, &QTimer::timeout, [&] {
                if (filling) {
                    longestWaitNs = std::max(longestWaitNs, sinceTick.nsecsElapsed());
                }
                sinceTick.restart();
            });
            ticker.start();

            main.clearRows(list.listName);
            const double residentBefore = lz::bench::residentMiB();
            double fill = 1e9, raw = 1e9, peak = 0, residentListed = 0;
            for (int round = 0; round < kRounds; ++round) {
                sinceTick.restart();
                filling = true;
                const auto start = Clock::now();
                lz::query::fillBearingList(main, kWholeTable);
                fill = std::min(fill, secondsSince(start));
                filling = false;
                if (round == 0) {
                    // Taken before any raw scan has used memory of its own.
                    peak = lz::bench::peakResidentMiB();
                    residentListed = lz::bench::residentMiB();
                }
                raw =
                    std::min(raw, lz::bench::rawScanSeconds(bench.cataloguePath(),
                                                            std::string(kWholeTable), list.fields));
            }

            std::printf("event dispatcher                     %s\n",
                        QAbstractEventDispatcher::instance()->metaObject()->className());
            std::printf("rows listed                          %d\n", main.rowCount(list.listName));
            std::printf("fill of the bearing list             %.3f s\n", fill);
            std::printf("raw SQLite scan of the same rows     %.3f s\n", raw);
            std::printf("fill / raw scan                      %.1fx (goal: within 3x)\n",
                        fill / raw);
            std::printf("longest wait for messages in a fill  %.1f ms\n", longestWaitNs / 1e6);
            std::printf("peak memory with the table listed    %.1f MiB (goal: under 90 MiB)\n",
                        peak);
            std::printf("  grown by listing the table         %.1f MiB\n",
                        residentListed - residentBefore);
            return 0;
        });
}
