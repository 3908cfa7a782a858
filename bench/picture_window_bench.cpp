// The bearing picture window: time from "查看" to the window shown with its drawing decoded
// and painted, and the program's resident memory over many openings and closings (nothing is
// cached between windows, so after the first few it must not grow). Offscreen, without web
// engines. Goal: under 50 ms per opening; no growth after the warm-up.
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/bindings/event_bindings.h"
#include "app/startup/program.h"
#include "query/result_list_fill.h"
#include "ui/message_boxes.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"
#include "windows/picture_window_template.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWarmUp = 5;
constexpr int kOpenings = 50;

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// One "查看" on the selected row until the window stands painted, then its closing; returns
// the milliseconds to the painted window.
double openAndClose(lz::ui::Window& main) {
    using lz::ui::WindowManager;
    const auto start = Clock::now();
    lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 0}});
    lz::ui::Window* picture =
        WindowManager::instance().find(lz::windows::kBearingPictureWindowName);
    if (picture == nullptr) {
        return -1;
    }
    picture->widgetForTesting()->repaint();  // decodes and draws the picture
    QCoreApplication::processEvents();
    const double milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    picture->close();
    QCoreApplication::processEvents();  // the closed window goes on the loop's next turn
    QCoreApplication::processEvents();
    return milliseconds;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    char home[] = "/tmp/lz-picture-bench-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        return 1;
    }
    setenv("XDG_DATA_HOME", home, 1);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    lz::ui::WindowManager::instance().setWebViewsEnabled(false);
    lz::ui::MessageBoxes::setResponder([](const auto&) { return lz::ui::BoxAnswer::Ok; });
    if (!lz::startup::openMainWindow()) {
        return 1;
    }
    lz::ui::Window& main = *lz::ui::WindowManager::instance().find(lz::windows::kMainWindowName);
    // A 6205: the first of the drawings.
    lz::query::fillBearingList(main, "select * from bearing where bh=463");
    main.selectRow("超级列表框_主窗口", 0);

    const long before = residentKiB();
    std::vector<double> times;
    for (int i = 0; i < kWarmUp; ++i) {
        times.push_back(openAndClose(main));
    }
    const long warm = residentKiB();
    for (int i = 0; i < kOpenings; ++i) {
        times.push_back(openAndClose(main));
    }
    const long after = residentKiB();

    const double first = times.front();
    std::vector<double> steady(times.begin() + kWarmUp, times.end());
    std::sort(steady.begin(), steady.end());
    std::printf("first opening                          %.1f ms\n", first);
    std::printf("openings %d to %d: median %.1f ms, 90th percentile %.1f ms, slowest %.1f ms\n",
                kWarmUp + 1, kWarmUp + kOpenings, steady[steady.size() / 2],
                steady[steady.size() * 9 / 10], steady.back());
    std::printf("resident before the first opening      %ld KiB\n", before);
    std::printf("resident after %d openings (warm-up)    %ld KiB\n", kWarmUp, warm);
    std::printf("resident after %d more                 %ld KiB (%+ld KiB)\n", kOpenings, after,
                after - warm);
    std::system((std::string("rm -rf ") + home).c_str());
    std::fflush(stdout);
    std::_Exit(0);  // skip tearing the windows down: not part of what is measured
}
