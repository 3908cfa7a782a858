// A 10 MB paste into the single-field search box, then the search and the next keys: each
// step timed, with the program's peak memory. The edit boxes cut a paste at 32,767
// characters, so none of the steps may take long or hold much more than a short search.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <functional>

#include "bench/support/bench_window.h"
#include "ui/window.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr qsizetype kPasteBytes = 10 * 1024 * 1024;
constexpr double kStepGoalSeconds = 0.25;
constexpr double kPeakGoalMiB = 400;

double secondsOf(const std::function<void()>& step) {
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    return lz::bench::runOnMainWindow(
        argc, argv, [](lz::bench::BenchWindow&, lz::ui::Window& main) {
            main.setCurrentPage("选择夹1", 0);
            main.setChecked("单选框1", true);
            QWidget* box = main.widgetForTesting("编辑框1");
            box->setFocus();
            const double before = lz::bench::peakResidentMiB();

            QString pasted;
            pasted.reserve(kPasteBytes);
            while (pasted.size() < kPasteBytes) {
                pasted += QStringLiteral("6205");
            }
            QGuiApplication::clipboard()->setText(pasted);
            const double paste =
                secondsOf([box] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); });
            const std::size_t held = main.text("编辑框1").size();
            const double search = secondsOf(
                [&main] { QTest::mouseClick(main.widgetForTesting("按钮1"), Qt::LeftButton); });
            const double key = secondsOf([box] {
                QTest::keyClick(box, Qt::Key_End);
                QTest::keyClick(box, Qt::Key_Backspace);
            });
            const double peak = lz::bench::peakResidentMiB();

            const bool met = paste < kStepGoalSeconds && search < kStepGoalSeconds &&
                             key < kStepGoalSeconds && peak < kPeakGoalMiB;
            std::printf("pasted %lld characters, the box holds %zu\n",
                        static_cast<long long>(pasted.size()), held);
            std::printf(
                "paste %.1f ms, search %.1f ms, next keys %.1f ms (goal: each under %.0f ms)\n",
                paste * 1e3, search * 1e3, key * 1e3, kStepGoalSeconds * 1e3);
            std::printf(
                "peak memory %.0f MiB (%.0f MiB before the paste; goal: under %.0f MiB): %s\n",
                peak, before, kPeakGoalMiB, met ? "met" : "MISSED");
            return 0;
        });
}
