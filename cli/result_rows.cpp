#include "cli/result_rows.h"

#include "catalogue/catalogue_database.h"

namespace lz::query_cli {

ReadResult readRows(catalogue::CatalogueDatabase& database, std::string_view sql,
                    std::span<const std::string_view> fields) {
    ReadResult result;
    const catalogue::RecordSetHandle handle = database.OpenTable(sql);
    if (handle == 0) {
        return result;
    }
    for (; !database.IsEOF(handle); database.MoveNext(handle)) {
        std::vector<std::string>& row = result.rows.emplace_back();
        row.reserve(fields.size());
        for (const std::string_view field : fields) {
            row.push_back(catalogue::fieldText(database.ReadColByName(handle, field)));
        }
    }
    result.failed = database.HasFailed(handle);
    database.CloseTable(handle);
    return result;
}

}  // namespace lz::query_cli
