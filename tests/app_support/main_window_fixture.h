#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "ui/message_boxes.h"

namespace lz::ui {
class Window;
}

namespace lz::test {

// Runs the program's start against a temporary data directory, without web engines, with
// every message box recorded and answered by the test instead of shown.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the main window as the program does at start (created event included);
    // nullptr when it could not be built.
    ui::Window* openMainWindow();

    std::string dataDirectory() const;
    std::string deployedPath() const;

    // All rows of a list, each row's first `columns` cells joined with '|'.
    static std::vector<std::string> rowsOf(const ui::Window& window, std::string_view list,
                                           int columns);

    TempDir home_;
    std::vector<ui::BoxRequest> boxes_;
    ui::BoxAnswer answer_ = ui::BoxAnswer::Ok;
    std::optional<std::string> previousXdgDataHome_;
};

}  // namespace lz::test
