#include "content/web_links.h"

namespace lz::content {

// Wired already; the links are not written yet.
void promptCompanySite(ui::Window&, int, int, int) {}
void openOnlineSite(ui::Window&) {}
void showImportedPriceWebWindow(ui::Window&) {}
void showDomesticPriceWebWindow(ui::Window&) {}

}  // namespace lz::content
