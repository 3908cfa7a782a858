#include "bench/support/bench_window.h"

#include <QEvent>
#include <QWidget>

#include <sqlite3.h>
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <QApplication>

#include "app/startup/data_directory.h"
#include "app/startup/program.h"
#include "ui/message_boxes.h"
#include "ui/message_pump.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"

namespace lz::bench {

BenchWindow::BenchWindow() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lz-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    dataHome_ = pattern;
    setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
    ui::WindowManager::instance().setWebViewsEnabled(false);
    ui::MessageBoxes::setResponder([](const ui::BoxRequest&) { return ui::BoxAnswer::Ok; });
    if (startup::openMainWindow()) {
        window_ = ui::WindowManager::instance().find(windows::kMainWindowName);
    }
    cataloguePath_ = startup::deployedCataloguePath(startup::dataDirectory());
}

BenchWindow::~BenchWindow() {
    ui::WindowManager::instance().closeAll();
    if (!dataHome_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(dataHome_, ignored);
    }
}

double rawScanSeconds(const std::string& cataloguePath, const std::string& sql,
                      std::span<const std::string_view> columns) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(cataloguePath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const auto start = std::chrono::steady_clock::now();
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
    std::vector<int> indexes;
    for (std::string_view name : columns) {
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            if (name == sqlite3_column_name(statement, i)) {
                indexes.push_back(i);
                break;
            }
        }
    }
    std::vector<std::string> cells(indexes.size());
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (std::size_t i = 0; i < indexes.size(); ++i) {
            const auto* text = sqlite3_column_text(statement, indexes[i]);
            cells[i].assign(text ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(statement);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    sqlite3_close(db);
    return seconds;
}

namespace {

double statusMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1)) / 1024.0;  // kB
        }
    }
    return 0;
}

}  // namespace

double residentMiB() {
    return statusMiB("VmRSS");
}

double peakResidentMiB() {
    return statusMiB("VmHWM");
}

int runOnMainWindow(int argc, char** argv,
                    const std::function<int(BenchWindow& bench, ui::Window& mainWindow)>& body) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::chooseEventDispatcher();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    BenchWindow bench;
    if (bench.window() == nullptr) {
        std::fprintf(stderr, "main window could not be opened\n");
        return 1;
    }
    return body(bench, *bench.window());
}

PaintWatch::PaintWatch(QWidget* viewport) : viewport_(viewport) {
    viewport_->installEventFilter(this);
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Paint) {
        painted_ = true;
    }
    return false;
}

}  // namespace lz::bench
