#include "app/startup/catalogue_startup.h"

#include "app/startup/catalogue_deployer.h"
#include "app/startup/data_directory.h"
#include "catalogue/image/catalogue_image.h"
#include "query/initial_listing.h"
#include "query/result_lists.h"
#include "ui/message_boxes.h"
#include "ui/window.h"

namespace lz::startup {

CatalogueDeployment defaultDeployment() {
    return {dataDirectory(), catalogue::catalogueImage()};
}

void deployCatalogue(ui::Window& mainWindow, const CatalogueDeployment& deployment) {
    CatalogueDeployer deployer(deployment);
    deployer.runAll();
    if (deployment.image.data() == catalogue::catalogueImage().data()) {
        catalogue::releaseCatalogueImageMemory();  // needed again only at the next start
    }
    openCatalogue(mainWindow, deployment.directory, deployer.wroteFreshCopy());
}

void openCatalogue(ui::Window& mainWindow, const std::string& directory, bool freshCopy) {
    const std::string path = deployedCataloguePath(directory);
    auto& database = mainWindow.database(query::kCatalogueConnection);
    if (!isUsableDataDirectory(directory) || !openDeployedCatalogue(database, path, freshCopy)) {
        ui::MessageBoxes::show(kConnectionFailedMessage);
    }
    query::listInitialBearings(mainWindow);
}

}  // namespace lz::startup
