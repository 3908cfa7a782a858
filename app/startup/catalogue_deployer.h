#pragma once

#include <string>

#include "app/startup/catalogue_startup.h"
#include "app/startup/file_layer.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::startup {

// A cut-short write leaves its temporary file behind; a later start removes it once it
// has not changed for this long, so that a start running right now keeps its own.
inline constexpr std::chrono::seconds kStaleTemporaryAge{60};

// The file side of start-up, in steps: make the data directory and clear out what cut-short
// starts left behind, write a fresh copy of the image beside the deployed catalogue and
// mark it hidden (by its own descriptor: nothing that already stands at the path is ever
// changed), remove any journal, WAL or shared-memory file beside the path, then rename the
// copy into place (so the earlier copy stays whole until the new one takes its place).
// Without an absolute data directory nothing is written anywhere. Start-up runs all steps
// at once; tests drive two starts step by step, interleaved.
class CatalogueDeployer {
public:
    explicit CatalogueDeployer(const CatalogueDeployment& deployment);

    bool finished() const { return stage_ == Stage::Finished; }
    void runStep();
    void runAll();

    const std::string& path() const { return path_; }
    // Whether this deployment's own fresh copy went into place; otherwise whatever stood
    // at the path before is still there.
    bool wroteFreshCopy() const { return replacement_.succeeded(); }

private:
    enum class Stage { Prepare, Write, RemoveJournals, Rename, Finished };

    std::string directory_;
    std::string path_;
    FileReplacement replacement_;
    Stage stage_ = Stage::Prepare;
};

// Opens the deployed catalogue at `path` on `database`, read-only: the program never
// writes to it, and no journal or WAL file beside it is ever applied (see
// CatalogueDatabase::OpenMdbDatabase). Only a regular file at the path itself counts, never
// one reached through a link or anything else standing there; an earlier copy (`freshCopy`
// false) must first read whole, so that a damaged one is not listed as if it were
// complete. False when there is no usable catalogue.
bool openDeployedCatalogue(catalogue::CatalogueDatabase& database, const std::string& path,
                           bool freshCopy);

}  // namespace lz::startup
