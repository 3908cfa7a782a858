#pragma once

namespace lz::catalogue {
class CatalogueDatabase;
}
namespace lz::designation {
class DesignationIndex;
}
namespace lz::ui {
class Window;
}

namespace lz::query {

// "互换型号": fills the bearing list with every row whose common designation (newno)
// equals the selected row's, across all brands, the selected row included. Nothing
// without a selected row; the no-match message when the row has no common designation.
void showInterchangeableBearings(ui::Window& mainWindow);

// "按任意型号查找…" and Ctrl+F: opens the lookup dialog, modal.
void openDesignationLookup(ui::Window& mainWindow);

// The dialog's "查找" (or Enter): closes the dialog, shows the bearing page and fills the
// bearing list with the rows the typed designation names in any of its writings, and the
// rows sharing their common designation. Text without letters or digits is refused with
// the bearing searches' empty-input message, and the dialog stays. When the key index
// cannot be built because the bearing table fails to read, the list is emptied and the
// read-failed message shown; the next lookup builds it again.
void lookUpDesignation(ui::Window& lookupWindow);
// The dialog's "取消".
void closeDesignationLookup(ui::Window& lookupWindow);

// The key index of the catalogue that `database` is connected to: built on first use and
// kept until the database is connected anew. None while not connected or when the bearing
// table cannot be read whole; a failed build is not kept, so the next call tries again.
const designation::DesignationIndex* designationIndexOf(catalogue::CatalogueDatabase& database);

}  // namespace lz::query
