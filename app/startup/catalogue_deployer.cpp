#include "app/startup/catalogue_deployer.h"

#include "app/startup/data_directory.h"
#include "catalogue/catalogue_database.h"
#include "catalogue/file_check.h"

namespace lz::startup {

CatalogueDeployer::CatalogueDeployer(const CatalogueDeployment& deployment)
    : directory_(deployment.directory),
      path_(deployedCataloguePath(deployment.directory)),
      replacement_(path_, deployment.image, kAttributeHidden) {}

void CatalogueDeployer::runStep() {
    switch (stage_) {
        case Stage::Prepare:
            if (!isUsableDataDirectory(directory_)) {
                stage_ = Stage::Finished;
                return;
            }
            ensureDirectory(directory_);
            removeStaleTemporaryFiles(path_, kStaleTemporaryAge);
            stage_ = Stage::Write;
            return;
        case Stage::Write:
            // Whatever fails here, the open decides whether there is a usable catalogue.
            replacement_.runStep();
            if (replacement_.finished()) {
                stage_ = Stage::Finished;
            } else if (replacement_.nextStep() == FileReplacement::Step::Rename) {
                stage_ = Stage::RemoveJournals;
            }
            return;
        case Stage::RemoveJournals:
            // The program never writes to its catalogue, so a journal beside it is none of
            // ours; it must not outlive the file it was left for.
            removeJournalFiles(path_);
            stage_ = Stage::Rename;
            return;
        case Stage::Rename:
            replacement_.runStep();
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
    return database.OpenMdbDatabase(path, {}, kCataloguePassword, /*readOnly=*/true,
                                    /*suppressDriverPrompt=*/true);
}

}  // namespace lz::startup
