#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace lz::ui {
class Window;
}

namespace lz::startup {

inline constexpr std::string_view kCataloguePassword = "kav07231964";
inline constexpr std::string_view kConnectionFailedMessage = "连接失败";

// Where the catalogue goes and what is written there.
struct CatalogueDeployment {
    std::string directory;             // the per-user data directory; empty: there is none
    std::span<const std::byte> image;  // the database file, byte for byte
};

// The program's own data directory and the catalogue it carries.
CatalogueDeployment defaultDeployment();

// Start-up, run by the main window's created event before the window is first shown:
// puts a fresh copy of the catalogue in place (see CatalogueDeployer; nothing is reported),
// then openCatalogue.
void deployCatalogue(ui::Window& mainWindow, const CatalogueDeployment& deployment);

// Opens the deployed catalogue on the main window's connection ("连接失败" when there is
// no usable one, also when `directory` is no absolute path), then lists the first bearings
// either way. An earlier copy, left in place
// because no fresh one could be written (`freshCopy` false), is checked whole first.
void openCatalogue(ui::Window& mainWindow, const std::string& directory, bool freshCopy = false);

}  // namespace lz::startup
