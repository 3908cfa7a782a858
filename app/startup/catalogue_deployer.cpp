#include "app/startup/catalogue_deployer.h"

#include "app/startup/data_directory.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/file_check.h"

namespace lz::startup {

CatalogueDeployer::CatalogueDeployer(const CatalogueDeployment& deployment)
    : directory_(deployment.directory),
      path_(deployedCataloguePath(deployment.directory)),
      replacement_(path_, deployment.image) {}

void CatalogueDeployer::runStep() {
    switch (stage_) {
        case Stage::Prepare:
            ensureDirectory(directory_);
            removeStaleTemporaryFiles(path_, kStaleTemporaryAge);
            stage_ = Stage::Replace;
            return;
        case Stage::Replace:
            // Whatever fails here, the open decides whether there is a usable catalogue.
            replacement_.runStep();
            if (replacement_.finished()) {
                stage_ = Stage::MarkHidden;
            }
            return;
        case Stage::MarkHidden:
            setFileAttributes(path_, kAttributeHidden);
            stage_ = Stage::Finished;
            return;
        case Stage::Finished:
            return;
    }
}

void CatalogueDeployer::runAll() {
    while (!finished()) {
        runStep();
    }
}

bool openDeployedCatalogue(catalogue::CatalogueDatabase& database, const std::string& path,
                           bool freshCopy) {
    if (!isRegularFile(path)) {
        return false;
    }
    if (!freshCopy && !catalogue::databaseFileIsWhole(path)) {
        return false;
    }
    return database.OpenMdbDatabase(path, {}, kCataloguePassword, /*readOnly=*/false,
                                    /*suppressDriverPrompt=*/true);
}

}  // namespace lz::startup
