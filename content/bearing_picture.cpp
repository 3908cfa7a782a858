#include "content/bearing_picture.h"

#include <string>
#include <string_view>

#include "catalogue/catalogue_database.h"
#include "content/selected_bearing.h"
#include "content/type_pictures.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/picture_window_template.h"

namespace lz::content {
namespace {

constexpr std::string_view kBearingList = "超级列表框_主窗口";
constexpr std::string_view kMenu = "右键";
constexpr std::string_view kPictureBox = "图片框1";

// The list's columns: 0 ID, 1 name, 2 new model, 3 old model, 4 inner diameter, 5 outer
// diameter, 6 width, 7 brand, 8 type, 9 description.
struct CopiedColumn {
    int column;
    std::string SelectedBearing::*field;
};

// In the order the record is filled; the ID (column 0) is not copied.
constexpr CopiedColumn kCopiedColumns[] = {
    {8, &SelectedBearing::type},          {1, &SelectedBearing::name},
    {4, &SelectedBearing::innerDiameter}, {7, &SelectedBearing::brand},
    {2, &SelectedBearing::newModel},      {5, &SelectedBearing::outerDiameter},
    {9, &SelectedBearing::description},   {3, &SelectedBearing::oldModel},
    {6, &SelectedBearing::width},
};

// Which edit box of the picture window shows which field (the names skip 6).
struct ShownField {
    std::string_view editBox;
    std::string SelectedBearing::*field;
};

constexpr ShownField kShownFields[] = {
    {"编辑框1", &SelectedBearing::name},          {"编辑框2", &SelectedBearing::innerDiameter},
    {"编辑框3", &SelectedBearing::brand},         {"编辑框4", &SelectedBearing::newModel},
    {"编辑框5", &SelectedBearing::outerDiameter}, {"编辑框9", &SelectedBearing::description},
    {"编辑框7", &SelectedBearing::oldModel},      {"编辑框8", &SelectedBearing::width},
};

// The bearing table's field behind each column the record copies.
struct CopiedField {
    std::string_view field;
    std::string SelectedBearing::*member;
};

constexpr CopiedField kCopiedFields[] = {
    {"btype", &SelectedBearing::type},         {"zhch", &SelectedBearing::name},
    {"njin", &SelectedBearing::innerDiameter}, {"ppai", &SelectedBearing::brand},
    {"newno", &SelectedBearing::newModel},     {"wjin", &SelectedBearing::outerDiameter},
    {"tt", &SelectedBearing::description},     {"oldno", &SelectedBearing::oldModel},
    {"gdu", &SelectedBearing::width},
};

// Modeless and without a parent. An open window shows the bearing just asked for, then
// comes forward (restored when minimised) as the window manager brings an open window.
void openPictureWindow() {
    ui::WindowManager& manager = ui::WindowManager::instance();
    if (ui::Window* open = manager.find(windows::kBearingPictureWindowName)) {
        initBearingPictureWindow(*open);
    }
    manager.open(windows::bearingPictureWindowTemplate());
}

}  // namespace

void showBearingMenu(ui::Window& mainWindow) {
    mainWindow.popupMenu(kMenu, 3, 3);
}

void openBearingPicture(ui::Window& mainWindow) {
    const int row = mainWindow.selectedRow(kBearingList);
    if (row < 0) {
        return;
    }
    SelectedBearing& bearing = selectedBearing();
    for (const CopiedColumn& copied : kCopiedColumns) {
        bearing.*copied.field = mainWindow.cellText(kBearingList, row, copied.column);
    }
    openPictureWindow();
}

bool openBearingPictureOfRow(catalogue::CatalogueDatabase& database, std::int32_t bh) {
    const catalogue::RecordSetHandle handle =
        database.OpenTable("select * from bearing where bh = " + std::to_string(bh));
    SelectedBearing read;
    const bool found = !database.IsEOF(handle);
    if (found) {
        for (const CopiedField& copied : kCopiedFields) {
            read.*copied.member =
                catalogue::fieldText(database.ReadColByName(handle, copied.field));
        }
    }
    const bool failed = database.HasFailed(handle);
    if (handle != 0) {
        database.CloseTable(handle);
    }
    if (!found || failed) {
        return false;
    }
    selectedBearing() = std::move(read);
    openPictureWindow();
    return true;
}

void initBearingPictureWindow(ui::Window& pictureWindow) {
    const SelectedBearing& bearing = selectedBearing();
    // A type without a drawing clears the drawing of the bearing shown before.
    pictureWindow.setPicture(kPictureBox,
                             findTypePicture(bearing.type).value_or(std::span<const std::byte>{}));
    for (const ShownField& shown : kShownFields) {
        pictureWindow.setText(shown.editBox, bearing.*shown.field);
    }
}

}  // namespace lz::content
