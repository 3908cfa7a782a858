#pragma once

#include <cstdint>
#include <optional>

namespace lz::ui {
class Window;
}

namespace lz::query {

// The 型号助手 window (windows/designation_assistant_template.h): a tool window beside the
// main window that looks a designation up as it is typed. Every lookup runs on the main
// window's catalogue connection and its canonical index (canonicalIndexOf).

// "按任意型号查找…" and Ctrl+F: opens the window, or brings it forward when it is open.
void openDesignationAssistant(ui::Window& mainWindow);

// "型号解读" in the bearing list's menu: opens the window on the selected row's designation
// (the maker's own, ckxh, as stamped on the bearing; the common designation where the row
// has none), which is then looked up as if typed. Nothing without a selected row.
void explainSelectedBearing(ui::Window& mainWindow);

// Created: builds the index now, so that the first key finds it ready; a failure is left
// to the first lookup, which tries again and says so. Prepares the page "按实测尺寸" too
// (prepareMeasuredSizePage).
void prepareDesignationAssistant(ui::Window& assistant);

// The typed text settled (or Enter): the decoding panel explains it and the result list
// shows the bearings in groups with their differences; the line under the list says how
// many were found, or why none were: "无法识别的型号", the no-match message, or the
// read-failed message when the catalogue's rows cannot be read whole (the next key tries
// again). Blank text shows the panel's hint and an empty list. No message box: the lookup
// runs on every key.
void lookUpInAssistant(ui::Window& assistant);

// "列入轴承列表": the main window shows its bearing page, listing the rows of the result
// list in their order, through the bearing list's fill.
void listAssistantRowsInBearingList(ui::Window& assistant);

// The bearing number of the result list's selected row; none without one.
std::optional<std::int32_t> selectedAssistantBearing(const ui::Window& assistant);

}  // namespace lz::query
