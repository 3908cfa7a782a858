#include "app/query_cli/result_rows.h"

#include "catalogue/catalogue_database.h"

namespace lz::query_cli {

Rows readRows(catalogue::CatalogueDatabase& database, std::string_view sql,
              std::span<const std::string_view> fields) {
    Rows rows;
    const catalogue::RecordSetHandle handle = database.OpenTable(sql);
    if (handle == 0) {
        return rows;
    }
    for (; !database.IsEOF(handle); database.MoveNext(handle)) {
        std::vector<std::string>& row = rows.emplace_back();
        row.reserve(fields.size());
        for (const std::string_view field : fields) {
            row.push_back(catalogue::fieldText(database.ReadColByName(handle, field)));
        }
    }
    database.CloseTable(handle);
    return rows;
}

}  // namespace lz::query_cli
