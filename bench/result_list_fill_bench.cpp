// Filling the bearing list with the whole bearing table (59,188 rows, messages handled
// after every row), next to a raw SQLite scan of the same rows and to an item-based list
// filled the same way. Prints the times, their ratios and the peak memory.
#include <sqlite3.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTableWidget>
#include <chrono>
#include <cstdio>
#include <string>

#include "app/bindings/event_bindings.h"
#include "app/startup/program.h"
#include "app/ui/message_boxes.h"
#include "app/ui/message_pump.h"
#include "app/ui/window.h"
#include "app/ui/window_manager.h"
#include "app/windows/main_window_template.h"
#include "bench/support/synthetic_catalogue.h"
#include "catalogue/catalogue_database.h"
#include "query/result_list_fill.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRows = 59188;
constexpr int kRounds = 3;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double rawScan(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    const auto start = Clock::now();
    sqlite3_prepare_v2(db, "select * from bearing", -1, &statement, nullptr);
    std::string cells[10];
    const int columns[10] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10};
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int i = 0; i < 10; ++i) {
            const auto* text = sqlite3_column_text(statement, columns[i]);
            cells[i].assign(text ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(statement);
    const double seconds = secondsSince(start);
    sqlite3_close(db);
    return seconds;
}

// The item-based list is far slower; a sample of rows is enough to compare per-row costs.
constexpr int kItemSampleRows = 3000;

double itemBasedFillPerRow(const std::string& path) {
    QTableWidget table(0, 10);
    table.show();
    lz::catalogue::CatalogueDatabase database;
    database.OpenMdbDatabase(path);
    const char* fields[10] = {"bh",   "zhch", "newno", "oldno", "njin",
                              "wjin", "gdu",  "ppai",  "btype", "tt"};
    const auto start = Clock::now();
    const auto handle = database.OpenTable("select * from bearing");
    int rows = 0;
    for (database.MoveFirst(handle); !database.IsEOF(handle) && rows < kItemSampleRows;
         database.MoveNext(handle), ++rows) {
        const int row = table.rowCount();
        table.insertRow(row);
        for (int column = 0; column < 10; ++column) {
            const std::string text =
                lz::catalogue::fieldText(database.ReadColByName(handle, fields[column]));
            table.setItem(row, column, new QTableWidgetItem(QString::fromUtf8(text)));
        }
        lz::ui::processPendingMessages();
    }
    database.CloseTable(handle);
    return secondsSince(start) / rows;
}

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::string path = lz::bench::writeSyntheticCatalogue(kRows);

    lz::ui::WindowManager::instance().setWebViewsEnabled(false);
    lz::ui::MessageBoxes::setResponder([](const auto&) { return lz::ui::BoxAnswer::Ok; });
    if (!lz::startup::openMainWindow()) {
        std::fprintf(stderr, "main window could not be opened\n");
        return 1;
    }
    lz::ui::Window& main = *lz::ui::WindowManager::instance().find(lz::windows::kMainWindowName);
    main.database(lz::query::kCatalogueConnection).OpenMdbDatabase(path);

    double fill = 1e9, raw = 1e9, items = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        lz::query::fillBearingList(main, "select * from bearing");
        fill = std::min(fill, secondsSince(start));
        raw = std::min(raw, rawScan(path));
    }
    const long peakAfterFill = peakMemoryKiB();
    const int listed = main.rowCount(lz::query::kBearingList.listName);
    items = itemBasedFillPerRow(path) * listed;

    std::printf("rows listed                         %d\n", listed);
    std::printf("fill of the bearing list (model)    %.3f s\n", fill);
    std::printf("raw SQLite scan of the same rows    %.3f s\n", raw);
    std::printf("fill / raw scan                     %.1fx (goal: under 10x, fill under 0.5 s)\n",
                fill / raw);
    std::printf(
        "item-based list, same fill (est.)   %.3f s (%.1fx the model-based list; from %d rows)\n",
        items, items / fill, kItemSampleRows);
    std::printf("peak memory with the table listed   %.1f MiB\n", peakAfterFill / 1024.0);
    std::remove(path.c_str());
    return 0;
}
