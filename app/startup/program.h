#pragma once

#include <span>

namespace lz::ui {
struct WindowTemplate;
}

namespace lz::startup {

inline constexpr const char* kTemplatesFaultMessage = "载入窗口模板数据段出错!";
inline constexpr const char* kMainWindowFaultMessage = "载入启动窗口失败";

// The program's life after QApplication exists: the shared record, template checks, the
// bindings, the main window (whose created event deploys and lists the catalogue), then
// the event loop until the last window closes. Returns the exit code.
int runProgram();

// Everything of runProgram but the event loop: true when the main window stands.
bool openMainWindow();

// The same with the templates given: all of them are checked before the main window is
// built from the first; a fault in any shows the template message, then the main-window
// message.
bool openMainWindowFrom(std::span<const ui::WindowTemplate* const> templates);

}  // namespace lz::startup
