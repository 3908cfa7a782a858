#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QObject>

class QEvent;
class QWidget;

namespace lz::ui {
class Window;
}

namespace lz::bench {

// The program's main window as it starts, offscreen and without web engines, with its
// catalogue deployed into a temporary data directory and message boxes answered at once.
// Needs a QApplication; nullptr when the window could not be opened.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    ui::Window* window() const { return window_; }
    // The deployed catalogue, for the raw scans next to the program's own queries.
    const std::string& cataloguePath() const { return cataloguePath_; }

private:
    std::string dataHome_;
    std::string cataloguePath_;
    ui::Window* window_ = nullptr;
};

// The set-up every window benchmark shares: an offscreen QApplication on the program's event
// dispatcher and the main window as it starts. Runs `body` on them and returns its exit
// code; 1 when the window could not be opened.
int runOnMainWindow(int argc, char** argv,
                    const std::function<int(BenchWindow& bench, ui::Window& mainWindow)>& body);

// Runs `sql` straight on SQLite and reads the named columns of every row as text, as a
// fill needs them: the floor any fill is measured against. Seconds.
double rawScanSeconds(const std::string& cataloguePath, const std::string& sql,
                      std::span<const std::string_view> columns);

// Notes when a widget (a list's viewport, say) is next painted: the end of a timed
// interaction as the user sees it. `arm` forgets an earlier paint.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* viewport);
    void arm() { painted_ = false; }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* viewport_;
    bool painted_ = false;
};

// This process's resident memory now and at its peak, in MiB.
double residentMiB();
double peakResidentMiB();

}  // namespace lz::bench
