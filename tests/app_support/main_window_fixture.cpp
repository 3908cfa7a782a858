#include "tests/app_support/main_window_fixture.h"

#include <cstdlib>

#include "app/startup/data_directory.h"
#include "app/startup/program.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"

namespace lz::test {

void MainWindowTest::SetUp() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) {
        previousXdgDataHome_ = xdg;
    }
    setenv("XDG_DATA_HOME", home_.path().c_str(), 1);
    ui::WindowManager::instance().setWebViewsEnabled(false);
    ui::MessageBoxes::setResponder([this](const ui::BoxRequest& request) {
        boxes_.push_back(request);
        return answer_;
    });
}

void MainWindowTest::TearDown() {
    ui::WindowManager::instance().closeAll();
    ui::MessageBoxes::setResponder({});
    if (previousXdgDataHome_) {
        setenv("XDG_DATA_HOME", previousXdgDataHome_->c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

ui::Window* MainWindowTest::openMainWindow() {
    if (!startup::openMainWindow()) {
        return nullptr;
    }
    return ui::WindowManager::instance().find(windows::kMainWindowName);
}

std::string MainWindowTest::dataDirectory() const {
    return startup::dataDirectory();
}

std::string MainWindowTest::deployedPath() const {
    return startup::deployedCataloguePath(startup::dataDirectory());
}

std::vector<std::string> MainWindowTest::rowsOf(const ui::Window& window, std::string_view list,
                                                int columns) {
    std::vector<std::string> rows;
    for (int row = 0; row < window.rowCount(list); ++row) {
        std::string joined;
        for (int column = 0; column < columns; ++column) {
            const std::string cell = window.cellText(list, row, column);
            if (column > 0) {
                joined += '|';
            }
            joined += cell;
        }
        rows.push_back(joined);
    }
    return rows;
}

}  // namespace lz::test
