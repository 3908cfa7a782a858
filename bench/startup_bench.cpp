// Start-up: from process start to the main window first painted with its first bearings,
// offscreen, once with real web views and once with the web views left out, to see what the
// web views still cost the first sight of the window; then how long until the three web views
// of the reference pages are made; then the memory (PSS) that the program and the web engine's
// helper processes hold once started. The parent runs itself as a child per measurement and
// prints medians.
#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/startup/program.h"
#include "query/result_lists.h"
#include "ui/deferred_web_view.h"
#include "ui/message_boxes.h"
#include "ui/message_pump.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"

namespace {

constexpr int kRuns = 7;
constexpr int kSettleSeconds = 8;  // memory is read this long after start

long long monotonicMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Notes the moment the watched window is first painted.
class FirstPaint : public QObject {
public:
    long long micros = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (micros == 0 && event->type() == QEvent::Paint) {
            micros = monotonicMicros();
        }
        return false;
    }
};

bool allWebViewsMade(QWidget* frame) {
    const auto boxes = frame->findChildren<lz::ui::DeferredWebView*>();
    return !boxes.isEmpty() && std::all_of(boxes.begin(), boxes.end(),
                                           [](auto* box) { return box->view() != nullptr; });
}

// Proportional set size of one process in KiB, 0 when it cannot be read.
long long pssKiB(int pid) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long long value = 0;
    while (rollup >> key) {
        if (key == "Pss:") {
            rollup >> value;
            return value;
        }
        rollup.ignore(1 << 16, '\n');
    }
    return 0;
}

// Every process below `root`, each with its command name.
std::map<int, std::string> descendantsOf(int root) {
    std::map<int, int> parentOf;
    std::map<int, std::string> nameOf;
    if (DIR* proc = opendir("/proc")) {
        while (dirent* entry = readdir(proc)) {
            const int pid = std::atoi(entry->d_name);
            if (pid <= 0) {
                continue;
            }
            std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
            std::string line;
            std::getline(stat, line);
            const auto open = line.find('('), close = line.rfind(')');
            if (open == std::string::npos || close == std::string::npos) {
                continue;
            }
            std::istringstream rest(line.substr(close + 2));
            std::string state;
            int parent = 0;
            rest >> state >> parent;
            parentOf[pid] = parent;
            nameOf[pid] = line.substr(open + 1, close - open - 1);
        }
        closedir(proc);
    }
    std::map<int, std::string> below;
    bool grew = true;
    while (grew) {
        grew = false;
        for (const auto& [pid, parent] : parentOf) {
            if (!below.count(pid) && (parent == root || below.count(parent))) {
                below[pid] = nameOf[pid];
                grew = true;
            }
        }
    }
    return below;
}

enum class Measure { Times, Memory };

int runChild(bool webViews, Measure measure, long long startedMicros) {
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lz::ui::chooseEventDispatcher();
    int argc = 1;
    char name[] = "startup_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    lz::ui::WindowManager::instance().setWebViewsEnabled(webViews);
    lz::ui::MessageBoxes::setResponder([](const auto&) { return lz::ui::BoxAnswer::Ok; });
    FirstPaint firstPaint;
    // The window is built and shown inside openMainWindow; watch for its first paint from the
    // moment the application exists, on every top-level widget.
    app.installEventFilter(&firstPaint);
    if (!lz::startup::openMainWindow()) {
        return 1;
    }
    auto* main = lz::ui::WindowManager::instance().find(lz::windows::kMainWindowName);
    QWidget* frame = main->widgetForTesting();
    while (firstPaint.micros == 0) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    app.removeEventFilter(&firstPaint);
    while (!allWebViewsMade(frame)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    const long long webViewsMade = monotonicMicros();
    if (measure == Measure::Times) {
        std::printf("%lld %lld %d\n", firstPaint.micros - startedMicros,
                    webViewsMade - startedMicros, main->rowCount(lz::query::kBearingList.listName));
    } else {
        const long long settleMicros = kSettleSeconds * 1'000'000LL;
        while (monotonicMicros() - startedMicros < settleMicros) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        long long own = pssKiB(getpid()), helpers = 0;
        int helperCount = 0;
        for (const auto& [pid, command] : descendantsOf(getpid())) {
            helpers += pssKiB(pid);
            ++helperCount;
        }
        std::printf("%lld %lld %d\n", own, helpers, helperCount);
    }
    std::fflush(stdout);
    std::_Exit(0);  // skip the web engine's slow shutdown; it is not start-up
}

// Runs one child and returns the numbers it printed (empty on failure).
std::vector<long long> runOne(const char* self, bool webViews, Measure measure) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const std::string started = std::to_string(monotonicMicros());
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(self, self, "--child", webViews ? "web" : "noweb",
              measure == Measure::Times ? "times" : "memory", started.c_str(), nullptr);
        _exit(127);
    }
    close(pipeFds[1]);
    std::string text;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    std::istringstream numbers(text);
    std::vector<long long> values;
    long long value = 0;
    while (numbers >> value) {
        values.push_back(value);
    }
    return values.size() == 3 ? values : std::vector<long long>{};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--child") {
        return runChild(std::string(argv[2]) == "web",
                        std::string(argv[3]) == "times" ? Measure::Times : Measure::Memory,
                        std::atoll(argv[4]));
    }
    // Deploy into a throwaway data directory, not the user's.
    char home[] = "/tmp/lz-startup-bench-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        return 1;
    }
    setenv("XDG_DATA_HOME", home, 1);

    std::vector<double> shownWeb, shownNoWeb, madeWeb;
    long long rows = 0;
    for (int run = 0; run < kRuns; ++run) {
        for (bool web : {false, true}) {
            const auto values = runOne(argv[0], web, Measure::Times);
            if (values.empty()) {
                std::fprintf(stderr, "a start failed\n");
                continue;
            }
            (web ? shownWeb : shownNoWeb).push_back(values[0] / 1000.0);
            if (web) {
                madeWeb.push_back(values[1] / 1000.0);
            }
            rows = values[2];
        }
    }
    const double web = median(shownWeb), noWeb = median(shownNoWeb);
    std::printf("rows listed at start                         %lld\n", rows);
    std::printf("start to window shown, with web views        %.0f ms (median of %d)\n", web,
                kRuns);
    std::printf("start to window shown, web views left out    %.0f ms (median of %d)\n", noWeb,
                kRuns);
    std::printf("ratio                                        %.2fx (goal: within 1.15x)\n",
                noWeb > 0 ? web / noWeb : 0.0);
    std::printf("start to the three web views made            %.0f ms (median of %d)\n",
                median(madeWeb), kRuns);

    const auto memory = runOne(argv[0], true, Measure::Memory);
    if (!memory.empty()) {
        const double total = (memory[0] + memory[1]) / 1024.0;
        std::printf(
            "PSS %d s after start, program and helpers    %.1f MiB (%lld helper processes)\n",
            kSettleSeconds, total, memory[2]);
        std::printf("  of which the web engine's processes        %.1f MiB (%.0f %%)\n",
                    memory[1] / 1024.0, total > 0 ? 100.0 * memory[1] / 1024.0 / total : 0.0);
    }
    std::system((std::string("rm -rf ") + home).c_str());
    return 0;
}
