// Start-up time: from process start to the main window shown with its first bearings,
// offscreen, with real web views and with the web views left out to see what they cost.
// The parent runs itself as a child several times per variant and prints the medians.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/startup/program.h"
#include "query/result_lists.h"
#include "ui/message_boxes.h"
#include "ui/message_pump.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"

namespace {

constexpr int kRuns = 5;

long long monotonicMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int runChild(bool webViews, long long startedMicros) {
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
    if (!lz::startup::openMainWindow()) {
        return 1;
    }
    auto* main = lz::ui::WindowManager::instance().find(lz::windows::kMainWindowName);
    QCoreApplication::processEvents();
    const long long shown = monotonicMicros();
    std::printf("%lld %d\n", shown - startedMicros,
                main->rowCount(lz::query::kBearingList.listName));
    std::fflush(stdout);
    std::_Exit(0);  // skip the web engine's slow shutdown; it is not start-up
}

// Runs one child and returns its start-up time in milliseconds (negative on failure).
double timeOneStart(const char* self, bool webViews, int* rows) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return -1;
    }
    const std::string started = std::to_string(monotonicMicros());
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(self, self, "--child", webViews ? "web" : "noweb", started.c_str(), nullptr);
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[128] = {};
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long micros = 0;
    if (got <= 0 || std::sscanf(buffer, "%lld %d", &micros, rows) != 2) {
        return -1;
    }
    return micros / 1000.0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child") {
        return runChild(std::string(argv[2]) == "web", std::atoll(argv[3]));
    }
    // Deploy into a throwaway data directory, not the user's.
    char home[] = "/tmp/lz-startup-bench-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        return 1;
    }
    setenv("XDG_DATA_HOME", home, 1);

    std::vector<double> withWeb, withoutWeb;
    int rows = 0;
    for (int run = 0; run < kRuns; ++run) {
        withoutWeb.push_back(timeOneStart(argv[0], false, &rows));
        withWeb.push_back(timeOneStart(argv[0], true, &rows));
    }
    const double web = median(withWeb), noWeb = median(withoutWeb);
    std::printf("rows listed at start                    %d\n", rows);
    std::printf("start to shown, web views created       %.0f ms (median of %d)\n", web, kRuns);
    std::printf("start to shown, web views left out      %.0f ms (median of %d)\n", noWeb, kRuns);
    std::printf("web views cost                          %.0f ms (%.1fx)\n", web - noWeb,
                noWeb > 0 ? web / noWeb : 0.0);
    std::system((std::string("rm -rf ") + home).c_str());
    return 0;
}
