// Opening the 型号助手 with the shop's stock beside its list: from the menu item to the
// window open with the list of a designation painted, its columns 本店库存 and 本店价 filled,
// once without shop data and once with a shop file of 20,000 matched lines. The stock by
// catalogue row is built from the file when first asked for after a change, so every
// round with the file starts from a changed stock, as the first opening after a start or
// an import does. Goal: the shop file adds at most 20 ms (the difference of the medians).
// The rounds alternate, so that a busy machine slows both alike; the canonical and size
// indexes are built by a first opening before any round.
#include <stdlib.h>

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/bindings/event_bindings.h"
#include "bench/support/bench_window.h"
#include "shop/store/shop_file.h"
#include "shop/store/shop_session.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/designation_assistant_template.h"

namespace {

using Clock = std::chrono::steady_clock;
using lz::bench::PaintWatch;
namespace fs = std::filesystem;
using lz::windows::kAssistantInput;
using lz::windows::kAssistantList;

constexpr int kLines = 20'000;
constexpr int kCatalogueRows = 59'188;
constexpr int kRounds = 15;
constexpr double kGoalMs = 20.0;
constexpr const char* kTyped = "6205-2RS";

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A shop's list as the import stores it: every line matched, spread over the catalogue
// (the rows of 6205-2RS among them), a tenth of them matched to a common designation
// alone, quantities and prices on most.
bool writeShopFile(const fs::path& path) {
    static const char* designations[] = {"6205-2RS", "6206", "6308-2Z", "NU 205 E", "30205"};
    std::vector<lz::shop::StockLine> lines(kLines);
    for (int k = 0; k < kLines; ++k) {
        lz::shop::StockLine& line = lines[static_cast<std::size_t>(k)];
        line.sourceLine = k + 2;
        line.designation = "line " + std::to_string(k);
        line.brand = "NSK";
        line.match = lz::shop::MatchState::Matched;
        if (k % 10 == 9) {
            line.newno = designations[k % 5];
        } else {
            line.bh = 1 + (static_cast<std::int64_t>(k) * 3) % kCatalogueRows;
        }
        if (k % 7 != 0) {
            line.quantity = k % 40;
        }
        if (k % 11 != 0) {
            line.priceFen = 500 + (k * 37) % 90'000;
        }
        line.location = "A-" + std::to_string(k % 300);
    }
    lz::shop::ShopFileOpening opening = lz::shop::ShopFile::open(path);
    return opening.file && opening.file->importLines(lines, "bench.xlsx").ok;
}

// Opens the window from the bearing list's menu, types the designation and waits for its
// list painted; closes it again. Milliseconds.
double openAndLookUp(lz::ui::Window& main) {
    const auto start = Clock::now();
    lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 3}});
    lz::ui::Window* assistant =
        lz::ui::WindowManager::instance().find(lz::windows::kDesignationAssistantWindowName);
    if (assistant == nullptr) {
        return -1;
    }
    auto* list = assistant->widgetForTesting(kAssistantList);
    QWidget* viewport = list->findChild<QWidget*>("qt_scrollarea_viewport");
    PaintWatch watch(viewport != nullptr ? viewport : list);
    const auto generation = assistant->listGeneration(kAssistantList);
    assistant->setText(kAssistantInput, kTyped);
    while ((assistant->listGeneration(kAssistantList) <= generation || !watch.painted()) &&
           msSince(start) < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    const double ms = msSince(start);
    assistant->close();
    QTest::qWait(30);
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return lz::bench::runOnMainWindow(
        argc, argv, [](lz::bench::BenchWindow&, lz::ui::Window& main) {
            std::string pattern = (fs::temp_directory_path() / "lingzhou-shelf-XXXXXX").string();
            if (mkdtemp(pattern.data()) == nullptr) {
                std::fprintf(stderr, "no temporary directory\n");
                return 1;
            }
            const fs::path shopDirectory = pattern;
            const fs::path shopPath = shopDirectory / "shop.sqlite";
            struct Removal {
                fs::path path;
                ~Removal() {
                    std::error_code ignored;
                    fs::remove_all(path, ignored);
                }
            } removal{shopDirectory};
            const auto writing = Clock::now();
            if (!writeShopFile(shopPath)) {
                std::fprintf(stderr, "the shop file could not be written\n");
                return 1;
            }
            std::printf("shop file of %d lines written in %.0f ms (%.1f MiB)\n", kLines,
                        msSince(writing), static_cast<double>(fs::file_size(shopPath)) / 1048576.0);

            lz::shop::ShopSession& session = lz::shop::ShopSession::instance();
            session.close();
            const double first = openAndLookUp(main);  // builds the indexes
            std::printf("first opening (canonical and size index built): %.1f ms\n", first);

            std::vector<double> without, with, stockAlone;
            for (int round = 0; round < kRounds; ++round) {
                session.close();
                without.push_back(openAndLookUp(main));

                if (session.open(shopPath) != lz::shop::ShopFileStatus::Ready) {
                    std::fprintf(stderr, "the shop file could not be opened\n");
                    return 1;
                }
                with.push_back(openAndLookUp(main));  // the stock built from the file on the way

                session.changed();
                const auto alone = Clock::now();
                const lz::shop::ShopStock& stock = session.stock();
                stockAlone.push_back(msSince(alone));
                if (stock.matchedLines() != kLines) {
                    std::fprintf(stderr, "the stock holds %d lines\n", stock.matchedLines());
                    return 1;
                }
            }
            session.close();
            const double added = median(with) - median(without);
            std::printf(
                "opening the 型号助手 with \"%s\" looked up and painted (%d rounds, %d ms "
                "settling included):\n",
                kTyped, kRounds, lz::windows::kAssistantSettleMs);
            std::printf("  without a shop file:              median %6.1f ms\n", median(without));
            std::printf("  with a shop file of %d lines:  median %6.1f ms\n", kLines, median(with));
            std::printf("  added: %.1f ms  goal %.0f ms: %s\n", added, kGoalMs,
                        added <= kGoalMs ? "met" : "MISSED");
            std::printf("the stock by row built from the file alone: median %.1f ms\n",
                        median(stockAlone));
            return 0;
        });
}
