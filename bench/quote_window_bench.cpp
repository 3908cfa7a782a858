// "加入报价单" on a quote of 200 lines: from the action on the bearing list's selected row
// (the bearing read from the catalogue, its price proposed from the shop's stock or the price
// list, the line added) to the 报价单 window's list and sums updated, offscreen on the
// shipped catalogue; then the same with the window painted. Each round adds the 201st line
// and takes it away again, untimed. Goal: 5 ms at most. Prints the median and the maximum.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/support/bench_window.h"
#include "query/result_list_fill.h"
#include "shop/actions/open_quote.h"
#include "shop/actions/quote_windows.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/quote_window_template.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kGoalMs = 5.0;
constexpr int kRounds = 60;
constexpr int kLines = 200;
constexpr const char* kBearingList = "超级列表框_主窗口";

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
    double median = 0;
    double max = 0;
};

Figures figures(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

}  // namespace

int main(int argc, char** argv) {
    return lz::bench::runOnMainWindow(
        argc, argv, [](lz::bench::BenchWindow&, lz::ui::Window& main) {
            using lz::shop::actions::OpenQuote;
            // A bearing the price list prices (NSK 6205) and rows enough to vary the bearing.
            lz::query::fillBearingList(main, "select * from bearing where bh between 440 and 500");
            const int bearings = main.rowCount(kBearingList);
            if (bearings == 0) {
                std::fprintf(stderr, "no bearings listed\n");
                return 1;
            }
            for (int k = 0; k < kLines; ++k) {
                main.selectRow(kBearingList, k % bearings);
                lz::shop::actions::addMainWindowRowToQuote(main);
            }
            lz::ui::Window* quote =
                lz::ui::WindowManager::instance().find(lz::windows::kQuoteWindowName);
            if (quote == nullptr || quote->rowCount(lz::windows::kQuoteLines) != kLines) {
                std::fprintf(stderr, "the quote window does not hold %d lines\n", kLines);
                return 1;
            }
            QApplication::processEvents();

            std::vector<double> action;
            std::vector<double> painted;
            for (int round = 0; round < kRounds; ++round) {
                main.selectRow(kBearingList, round % bearings);
                const auto start = Clock::now();
                lz::shop::actions::addMainWindowRowToQuote(main);
                action.push_back(msSince(start));
                QApplication::processEvents();
                painted.push_back(msSince(start));
                if (quote->rowCount(lz::windows::kQuoteLines) != kLines + 1) {
                    std::fprintf(stderr, "the line was not added\n");
                    return 1;
                }
                // Back to 200 lines, untimed.
                quote->selectRow(lz::windows::kQuoteLines, kLines);
                lz::shop::actions::deleteQuoteLine(*quote);
                QApplication::processEvents();
            }
            const Figures alone = figures(action);
            const Figures withPaint = figures(painted);
            std::printf("加入报价单 on a %d-line quote, %d rounds (goal <= %.0f ms):\n", kLines,
                        kRounds, kGoalMs);
            std::printf("  action to list and sums updated: median %.3f ms, max %.3f ms\n",
                        alone.median, alone.max);
            std::printf("  the same with the window painted: median %.3f ms, max %.3f ms\n",
                        withPaint.median, withPaint.max);
            OpenQuote::instance().reset();  // nothing of the benchmark kept past its end
            return alone.median <= kGoalMs ? 0 : 2;
        });
}
