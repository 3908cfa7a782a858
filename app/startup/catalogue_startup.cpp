#include "app/startup/catalogue_startup.h"

#include "app/startup/data_directory.h"
#include "app/startup/file_layer.h"
#include "app/ui/message_boxes.h"
#include "app/ui/window.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "query/initial_listing.h"
#include "query/result_lists.h"

namespace lz::startup {

CatalogueDeployment defaultDeployment() {
    return {dataDirectory(), catalogue::catalogueImage()};
}

void deployCatalogue(ui::Window& mainWindow, const CatalogueDeployment& deployment) {
    ensureDirectory(deployment.directory);
    const std::string path = deployedCataloguePath(deployment.directory);
    // The old copy must be gone before the new one is written; whatever fails here, the
    // open below decides whether there is a usable catalogue.
    deleteFile(path);
    writeFileExclusive(path, deployment.image);
    if (deployment.image.data() == catalogue::catalogueImage().data()) {
        catalogue::releaseCatalogueImageMemory();  // needed again only at the next start
    }
    setFileAttributes(path, kAttributeHidden);
    openCatalogue(mainWindow, deployment.directory);
}

void openCatalogue(ui::Window& mainWindow, const std::string& directory) {
    const std::string path = deployedCataloguePath(directory);
    auto& database = mainWindow.database(query::kCatalogueConnection);
    const bool opened = database.OpenMdbDatabase(path, {}, kCataloguePassword,
                                                 /*readOnly=*/false,
                                                 /*suppressDriverPrompt=*/true);
    if (!opened) {
        ui::MessageBoxes::show(kConnectionFailedMessage);
    }
    query::listInitialBearings(mainWindow);
}

}  // namespace lz::startup
